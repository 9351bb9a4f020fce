#include "harness/list_view_probe.h"

#include <commctrl.h>

#include <algorithm>

#include "harness/wait.h"
#include "harness/window_query.h"

namespace e2e {

namespace {
constexpr size_t kTextOffset = 512;  // behind the structure of a message
constexpr size_t kTextLimit = 1024;

void postClick(HWND window, const RECT& r) {
  LPARAM point = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  if (!PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, point) || !PostMessageA(window, WM_LBUTTONUP, 0, point))
    throw HarnessError("cannot post a click");
}
}  // namespace

ListViewProbe::ListViewProbe(HANDLE process, HWND listView)
    : listView_(listView), buffer_(process, kTextOffset + kTextLimit) {
  if (!listView_) throw HarnessError("no list view");
}

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

RECT ListViewProbe::itemRect(int row) const {
  RECT r = {LVIR_BOUNDS, 0, 0, 0};
  exchange(listView_, LVM_GETITEMRECT, static_cast<WPARAM>(row), r, "LVM_GETITEMRECT");
  return r;
}

void ListViewProbe::clickItem(int row) const {
  RECT r = {LVIR_ICON, 0, 0, 0};
  exchange(listView_, LVM_GETITEMRECT, static_cast<WPARAM>(row), r, "LVM_GETITEMRECT");
  postClick(listView_, r);
}

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

int ListViewProbe::columnWidth(int column) const {
  return static_cast<int>(
      sendOrThrow(listView_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0, "LVM_GETCOLUMNWIDTH"));
}

std::vector<int> ListViewProbe::columnWidths() const {
  std::vector<int> out;
  for (int column = 0, n = columnCount(); column < n; ++column) out.push_back(columnWidth(column));
  return out;
}

std::vector<int> ListViewProbe::columnOrder() const {
  int order[16] = {};
  exchange(listView_, LVM_GETCOLUMNORDERARRAY, static_cast<WPARAM>(columnCount()), order, "LVM_GETCOLUMNORDERARRAY");
  return std::vector<int>(order, order + columnCount());
}

void ListViewProbe::setColumnWidth(int column, int width) const {
  if (!sendOrThrow(listView_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0),
                   "LVM_SETCOLUMNWIDTH"))
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

}  // namespace e2e
