#include "harness/remote_buffer.h"

#include <cstring>
#include <vector>

#include "harness/wait.h"

namespace e2e {

RemoteBuffer::RemoteBuffer(HANDLE process, size_t size)
    : process_(process),
      address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)),
      size_(size) {
  if (!address_) throw HarnessError("VirtualAllocEx failed");
}

RemoteBuffer::~RemoteBuffer() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }

void RemoteBuffer::write(const void* data, size_t size, size_t offset) {
  SIZE_T done = 0;
  if (offset > size_ || size > size_ - offset ||
      !WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &done) || done != size)
    throw HarnessError("cannot write into the program's memory");
}

void RemoteBuffer::read(void* data, size_t size, size_t offset) const {
  SIZE_T done = 0;
  if (offset > size_ || size > size_ - offset ||
      !ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &done) || done != size)
    throw HarnessError("cannot read the program's memory");
}

void RemoteBuffer::clear() {
  std::vector<char> zeros(size_, 0);
  write(zeros.data(), zeros.size());
}

std::string RemoteBuffer::readText(size_t offset, size_t limit) const {
  std::vector<char> text(limit + 1, 0);
  read(text.data(), limit, offset);
  return std::string(text.data(), strnlen(text.data(), limit));
}

}  // namespace e2e
