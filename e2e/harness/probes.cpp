#include "harness/probes.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace e2e {

namespace {

constexpr size_t kTextOffset = 512;  // behind the structure of a message
constexpr size_t kTextLimit = 1024;

std::vector<HWND> visibleTopLevel(DWORD pid) {
  std::vector<HWND> found;
  for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == pid && IsWindowVisible(window)) found.push_back(window);
  }
  return found;
}

// Read without a message, so that a busy program does not slow the search.
std::string className(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string plainTitle(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

HWND control(HWND dialog, int controlId) {
  HWND found = GetDlgItem(dialog, controlId);
  if (!found) throw HarnessError("no control " + std::to_string(controlId));
  return found;
}

void postClick(HWND window, const RECT& r) {
  LPARAM point = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  if (!PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, point) || !PostMessageA(window, WM_LBUTTONUP, 0, point))
    throw HarnessError("cannot post a click");
}

DWORD scaledTimeout(DWORD ms) {
  char text[8] = {};
  const DWORD n = GetEnvironmentVariableA("WABO_E2E_TIMEOUT_SCALE", text, sizeof text);
  const int scale = n > 0 && n < sizeof text ? std::atoi(text) : 1;
  return ms * static_cast<DWORD>(scale >= 1 && scale <= 10 ? scale : 1);
}

}  // namespace

const DWORD kStartTimeoutMs = scaledTimeout(20000);
const DWORD kStepTimeoutMs = scaledTimeout(8000);

HWND findTopLevel(DWORD pid, const char* wantedClass, const char* title) {
  for (HWND window : visibleTopLevel(pid))
    if ((!wantedClass || className(window) == wantedClass) && (!title || plainTitle(window) == title)) return window;
  return nullptr;
}

std::string describeWindows(DWORD pid) {
  std::string out;
  for (HWND window : visibleTopLevel(pid)) out += className(window) + " '" + plainTitle(window) + "' ";
  return out.empty() ? "none" : out;
}

LRESULT sendOrThrow(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* what) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kStepTimeoutMs, &result))
    throw HarnessError(std::string("no answer from the program to ") + what);
  return static_cast<LRESULT>(result);
}

std::string windowText(HWND window) {
  char text[2048] = {};
  sendOrThrow(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), "WM_GETTEXT");
  return std::string(text, strnlen(text, sizeof text - 1));
}

RECT windowRect(HWND window) {
  RECT rect = {};
  if (!GetWindowRect(window, &rect)) throw HarnessError("GetWindowRect failed");
  return rect;
}

bool isShown(HWND window) { return IsWindow(window) && IsWindowVisible(window); }

void waitUntilGone(HWND window) {
  if (!waitUntil([&] { return !isShown(window); }))
    throw HarnessError("the window '" + plainTitle(window) + "' did not close");
}

std::string controlText(HWND dialog, int controlId) { return windowText(control(dialog, controlId)); }

void setControlText(HWND dialog, int controlId, const std::string& text) {
  if (!sendOrThrow(control(dialog, controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), "WM_SETTEXT"))
    throw HarnessError("WM_SETTEXT refused by control " + std::to_string(controlId));
}

void pressButton(HWND dialog, int controlId) {
  HWND button = control(dialog, controlId);
  if (!IsWindowEnabled(button) || !PostMessageA(button, BM_CLICK, 0, 0))
    throw HarnessError("cannot press button " + std::to_string(controlId));
}

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

ListViewProbe::ListViewProbe(HANDLE process, HWND listView)
    : listView_(listView), buffer_(process, kTextOffset + kTextLimit) {
  if (!listView_) throw HarnessError("no list view");
}

// Sends `message` with `data` placed in the program's memory; the result
// (which must not be 0) and what the program left in `data`.
template <typename T>
LRESULT ListViewProbe::exchange(HWND window, UINT message, WPARAM wParam, T& data, const char* what) const {
  buffer_.clear();
  buffer_.write(&data, sizeof data);
  LRESULT result = sendOrThrow(window, message, wParam, buffer_.at(), what);
  if (!result) throw HarnessError(std::string(what) + " failed");
  buffer_.read(&data, sizeof data);
  return result;
}

int ListViewProbe::rowCount() const {
  return static_cast<int>(sendOrThrow(listView_, LVM_GETITEMCOUNT, 0, 0, "LVM_GETITEMCOUNT"));
}

int ListViewProbe::columnCount() const {
  HWND header = reinterpret_cast<HWND>(sendOrThrow(listView_, LVM_GETHEADER, 0, 0, "LVM_GETHEADER"));
  return static_cast<int>(sendOrThrow(header, HDM_GETITEMCOUNT, 0, 0, "HDM_GETITEMCOUNT"));
}

std::string ListViewProbe::text(int row, int sub) const {
  LVITEMA item = {};
  item.iSubItem = sub;
  item.pszText = reinterpret_cast<LPSTR>(buffer_.at(kTextOffset));
  item.cchTextMax = static_cast<int>(kTextLimit);
  buffer_.clear();
  buffer_.write(&item, sizeof item);
  sendOrThrow(listView_, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), buffer_.at(), "LVM_GETITEMTEXTA");
  return buffer_.readText(kTextOffset, kTextLimit - 1);
}

ListRow ListViewProbe::item(int row) const {
  LVITEMA item = {};
  item.mask = LVIF_IMAGE | LVIF_STATE | LVIF_PARAM;
  item.iItem = row;
  item.stateMask = LVIS_STATEIMAGEMASK;
  exchange(listView_, LVM_GETITEMA, 0, item, "LVM_GETITEMA");
  return {{}, item.iImage, static_cast<int>((item.state & LVIS_STATEIMAGEMASK) >> 12), item.lParam};
}

ListRow ListViewProbe::row(int index) const {
  ListRow out = item(index);
  for (int sub = 0, n = columnCount(); sub < n; ++sub) out.texts.push_back(text(index, sub));
  return out;
}

std::vector<std::string> ListViewProbe::columnTexts(int sub) const {
  std::vector<std::string> out;
  for (int i = 0, n = rowCount(); i < n; ++i) out.push_back(text(i, sub));
  return out;
}

void ListViewProbe::setItemState(int row, UINT mask, UINT state) const {
  LVITEMA item = {};
  item.stateMask = mask;
  item.state = state;
  exchange(listView_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), item, "LVM_SETITEMSTATE");
}

RECT ListViewProbe::itemRect(int row, int part) const {
  RECT r = {part, 0, 0, 0};
  exchange(listView_, LVM_GETITEMRECT, static_cast<WPARAM>(row), r, "LVM_GETITEMRECT");
  return r;
}

void ListViewProbe::clickItem(int row) const { postClick(listView_, itemRect(row, LVIR_ICON)); }

std::vector<std::string> ListViewProbe::columnCaptions() const {
  std::vector<std::string> out;
  for (int column = 0, n = columnCount(); column < n; ++column) {
    LVCOLUMNA col = {};
    col.mask = LVCF_TEXT;
    col.pszText = reinterpret_cast<LPSTR>(buffer_.at(kTextOffset));
    col.cchTextMax = static_cast<int>(kTextLimit);
    exchange(listView_, LVM_GETCOLUMNA, static_cast<WPARAM>(column), col, "LVM_GETCOLUMNA");
    out.push_back(buffer_.readText(kTextOffset, kTextLimit - 1));
  }
  return out;
}

std::vector<int> ListViewProbe::columnWidths() const {
  std::vector<int> out;
  for (int column = 0, n = columnCount(); column < n; ++column)
    out.push_back(static_cast<int>(sendOrThrow(listView_, LVM_GETCOLUMNWIDTH, column, 0, "LVM_GETCOLUMNWIDTH")));
  return out;
}

std::vector<int> ListViewProbe::columnOrder() const {
  int order[16] = {};
  exchange(listView_, LVM_GETCOLUMNORDERARRAY, static_cast<WPARAM>(columnCount()), order, "LVM_GETCOLUMNORDERARRAY");
  return std::vector<int>(order, order + columnCount());
}

void ListViewProbe::setColumnWidth(int column, int width) const {
  if (!sendOrThrow(listView_, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0), "LVM_SETCOLUMNWIDTH"))
    throw HarnessError("LVM_SETCOLUMNWIDTH failed");
}

void ListViewProbe::setColumnOrder(const std::vector<int>& order) const {
  int array[16] = {};
  std::copy(order.begin(), order.begin() + std::min<size_t>(order.size(), 16), array);
  exchange(listView_, LVM_SETCOLUMNORDERARRAY, order.size(), array, "LVM_SETCOLUMNORDERARRAY");
}

void ListViewProbe::clickColumnHeader(int column) const {
  HWND header = reinterpret_cast<HWND>(sendOrThrow(listView_, LVM_GETHEADER, 0, 0, "LVM_GETHEADER"));
  RECT r = {};
  exchange(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), r, "HDM_GETITEMRECT");
  postClick(header, r);
}

StatusBarProbe::StatusBarProbe(HANDLE process, HWND statusBar) : statusBar_(statusBar), buffer_(process, 2048) {
  if (!statusBar_) throw HarnessError("no status bar");
}

std::string StatusBarProbe::partText(int part) const {
  LRESULT length = sendOrThrow(statusBar_, SB_GETTEXTLENGTHA, static_cast<WPARAM>(part), 0, "SB_GETTEXTLENGTHA");
  if (LOWORD(length) >= 2048) throw HarnessError("status-bar text too long");
  buffer_.clear();
  sendOrThrow(statusBar_, SB_GETTEXTA, static_cast<WPARAM>(part), buffer_.at(), "SB_GETTEXTA");
  return buffer_.readText(0, 2047);
}

bool StatusBarProbe::partHasIcon(int part) const {
  return sendOrThrow(statusBar_, SB_GETICON, static_cast<WPARAM>(part), 0, "SB_GETICON") != 0;
}

unsigned long long committedPrivateBytes(HANDLE process) {
  unsigned long long total = 0;
  MEMORY_BASIC_INFORMATION region;
  unsigned char* address = nullptr;
  while (VirtualQueryEx(process, address, &region, sizeof region) == sizeof region) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    unsigned char* next = static_cast<unsigned char*>(region.BaseAddress) + region.RegionSize;
    if (next <= address) break;
    address = next;
  }
  return total;
}

}  // namespace e2e
