#include "harness/inside_probes.h"

#include <tlhelp32.h>

#include <cstdio>

#include "harness/probe_channel.h"
#include "harness/program_copy.h"
#include "inside/blocks.h"
#include "inside/channel.h"

namespace e2e {

namespace {

ProbeAnswer askInside(HANDLE process, uint32_t command, const void* request, size_t size) {
  static const ProbeDll dll = {joinPath(driverFolder(), "insideprobe.dll"), inside::kInsideProbeTag};
  return callProbe(process, dll, command, std::string(static_cast<const char*>(request), size));
}

unsigned threadsOf(DWORD pid) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) throw HarnessError("no thread snapshot");
  unsigned count = 0;
  THREADENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
    if (entry.th32OwnerProcessID == pid) ++count;
  CloseHandle(snapshot);
  return count;
}

}  // namespace

ProcessFigures processFigures(HANDLE process) {
  const ProbeAnswer answer = askInside(process, inside::kCountObjects, "", 0);
  inside::ObjectCounts counts = {};
  if (answer.status != 0 || answer.payload.size() != sizeof counts)
    throw HarnessError("the object count failed with code " + std::to_string(answer.status));
  answer.payload.copy(reinterpret_cast<char*>(&counts), sizeof counts);
  ProcessFigures figures;
  figures.privateBytes = committedPrivateBytes(process);
  figures.handles = counts.handles;
  figures.gdi = counts.gdiSystem != 0 ? counts.gdiSystem : counts.gdiInUse;
  figures.user = counts.userSystem != 0 ? counts.userSystem : counts.windows;
  figures.threads = threadsOf(GetProcessId(process));
  static_assert(kGdiTypes == inside::kGdiTypeSlots, "one slot per GDI type on both sides");
  for (size_t type = 0; type < kGdiTypes; ++type) figures.gdiByType[type] = counts.gdiByType[type];
  return figures;
}

namespace {

const char* gdiTypeName(size_t type) {
  static const char* const names[kGdiTypes] = {"other",   "pen",       "brush",      "dc",        "metadc",
                                               "palette", "font",      "bitmap",     "region",    "metafile",
                                               "memdc",   "extpen",    "enhmetadc",  "enhmetafile", "colorspace",
                                               "type15"};
  return names[type < kGdiTypes ? type : 0];
}

}  // namespace

std::string gdiTypesChanged(const ProcessFigures& was, const ProcessFigures& now) {
  std::string out;
  for (size_t type = 0; type < kGdiTypes; ++type) {
    if (was.gdiByType[type] == now.gdiByType[type]) continue;
    if (!out.empty()) out += ' ';
    out += std::string(gdiTypeName(type)) + " " + std::to_string(was.gdiByType[type]) + "->" +
           std::to_string(now.gdiByType[type]);
  }
  return out;
}

std::string gdiTypesText(const ProcessFigures& figures) {
  std::string out;
  for (size_t type = 0; type < kGdiTypes; ++type) {
    if (figures.gdiByType[type] == 0) continue;
    if (!out.empty()) out += ' ';
    out += std::string(gdiTypeName(type)) + " " + std::to_string(figures.gdiByType[type]);
  }
  return out;
}

MenuRead readMenu(HANDLE process, HWND window, uint32_t capacity, HMENU menu) {
  const inside::MenuRequest request = {reinterpret_cast<unsigned long long>(window), capacity,
                                       reinterpret_cast<unsigned long long>(menu)};
  const ProbeAnswer answer = askInside(process, inside::kReadMenu, &request, sizeof request);
  if (answer.status == inside::kNoMenu) throw HarnessError("the window has no menu");
  const std::string& text = answer.payload;

  MenuRead read;
  read.cut = answer.status == inside::kMenuCut;
  for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    MenuItem item;
    int textStart = 0;
    if (std::sscanf(text.c_str() + start, "%u %u|%n", &item.id, &item.state, &textStart) != 2 || textStart == 0)
      throw HarnessError("bad line from the menu probe");
    item.text = text.substr(start + textStart, end - start - textStart);
    read.items.push_back(item);
  }
  return read;
}

std::vector<MenuItem> readMenuBar(HANDLE process, HWND window) {
  MenuRead read = readMenu(process, window, inside::kChannelPayload);
  if (read.cut) throw HarnessError("the menu bar did not fit in the probe's answer");
  return read.items;
}

std::vector<MenuItem> readPopupMenu(HANDLE process, HWND popup) {
  DWORD_PTR menu = 0;
  if (!SendMessageTimeoutA(popup, MN_GETHMENU, 0, 0, SMTO_ABORTIFHUNG, 2000, &menu) || menu == 0)
    throw HarnessError("the open popup menu gives no menu");
  MenuRead read = readMenu(process, nullptr, inside::kChannelPayload, reinterpret_cast<HMENU>(menu));
  if (read.cut) throw HarnessError("the popup menu did not fit in the probe's answer");
  return read.items;
}

const MenuItem& itemById(const std::vector<MenuItem>& items, UINT id) {
  for (const MenuItem& item : items)
    if (item.id == id) return item;
  throw HarnessError("no menu item with command " + std::to_string(id));
}

OpenCounter::OpenCounter(HANDLE process, const std::string& fileName) : process_(process), fileName_(fileName) {
  if (fileName.size() >= sizeof(inside::CountBlock::name)) throw HarnessError("file name too long to count");
  call(true);
}

unsigned OpenCounter::call(bool reset) const {
  inside::CountBlock request = {reset ? 1u : 0u, 0, {}};
  fileName_.copy(request.name, sizeof request.name - 1);
  const ProbeAnswer answer = askInside(process_, inside::kCountOpens, &request, sizeof request);
  if (answer.status != 0 || answer.payload.size() != sizeof request)
    throw HarnessError("the open counter failed with code " + std::to_string(answer.status));
  answer.payload.copy(reinterpret_cast<char*>(&request), sizeof request);
  return request.count;
}

TrayNotices trayNotices(HANDLE process) {
  inside::NoticeBlock request = {};
  const ProbeAnswer answer = askInside(process, inside::kTrayNotices, &request, sizeof request);
  if (answer.status != 0 || answer.payload.size() != sizeof request)
    throw HarnessError("the tray notice probe failed with code " + std::to_string(answer.status));
  answer.payload.copy(reinterpret_cast<char*>(&request), sizeof request);
  request.text[sizeof request.text - 1] = '\0';
  return {request.count, request.text};
}

}  // namespace e2e
