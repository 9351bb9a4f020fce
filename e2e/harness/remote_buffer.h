// A block of memory inside the program's process, for the messages whose
// parameters point at memory: the program writes its answer there and the
// driver reads it back.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

namespace e2e {

class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, size_t size);
  ~RemoteBuffer();
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  // Address in the program's process, at this offset.
  LPARAM at(size_t offset = 0) const { return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset); }
  void write(const void* data, size_t size, size_t offset = 0);
  void read(void* data, size_t size, size_t offset = 0) const;
  void clear();
  // A NUL-terminated text of at most `limit` bytes at this offset.
  std::string readText(size_t offset, size_t limit) const;

 private:
  HANDLE process_;
  void* address_;
  size_t size_;
};

}  // namespace e2e
