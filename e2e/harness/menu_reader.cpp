#include "harness/menu_reader.h"

#include <cstdio>

#include "harness/program_copy.h"
#include "harness/remote_probe.h"
#include "menuprobe/probe_block.h"

namespace e2e {

namespace {

constexpr size_t kTextCapacity = 64 * 1024;

}  // namespace

std::vector<MenuItem> readMenuBar(HANDLE process, HWND window) {
  const unsigned long long probe =
      loadProbe(process, joinPath(driverFolder(), "menuprobe.dll"), menuprobe::kProbeFunction);
  RemoteBuffer block(process, menuprobe::kHeaderSize + kTextCapacity);
  menuprobe::Block request = {reinterpret_cast<unsigned long long>(window), static_cast<uint32_t>(kTextCapacity), {}};
  block.write(&request, menuprobe::kHeaderSize);
  if (DWORD code = runRemoteThread(process, probe, block.at()))
    throw HarnessError("the menu probe failed with code " + std::to_string(code));
  const std::string text = block.readText(menuprobe::kHeaderSize, kTextCapacity - 1);

  std::vector<MenuItem> items;
  for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    MenuItem item;
    int textStart = 0;
    if (std::sscanf(text.c_str() + start, "%u %u|%n", &item.id, &item.state, &textStart) != 2 || textStart == 0)
      throw HarnessError("bad line from the menu probe");
    item.text = text.substr(start + textStart, end - start - textStart);
    items.push_back(item);
  }
  return items;
}

const MenuItem& itemById(const std::vector<MenuItem>& items, UINT id) {
  for (const MenuItem& item : items)
    if (item.id == id) return item;
  throw HarnessError("no menu item with command " + std::to_string(id));
}

}  // namespace e2e
