#include "harness/list_view_probe.h"

#include <commctrl.h>

#include "harness/wait.h"
#include "harness/window_query.h"

namespace e2e {

namespace {

constexpr size_t kTextOffset = 512;   // behind the LVITEMA / LVCOLUMNA / RECT
constexpr size_t kTextLimit = 1024;
constexpr size_t kBufferSize = kTextOffset + kTextLimit + 16;

}  // namespace

ListViewProbe::ListViewProbe(HANDLE process, HWND listView)
    : process_(process), listView_(listView), buffer_(process, kBufferSize) {
  if (!listView_) throw HarnessError("no list view");
}

HWND ListViewProbe::header() const {
  HWND header = reinterpret_cast<HWND>(sendOrThrow(listView_, LVM_GETHEADER, 0, 0, "LVM_GETHEADER"));
  if (!header) throw HarnessError("the list view has no header");
  return header;
}

int ListViewProbe::rowCount() const {
  return static_cast<int>(sendOrThrow(listView_, LVM_GETITEMCOUNT, 0, 0, "LVM_GETITEMCOUNT"));
}

int ListViewProbe::columnCount() const {
  return static_cast<int>(sendOrThrow(header(), HDM_GETITEMCOUNT, 0, 0, "HDM_GETITEMCOUNT"));
}

std::string ListViewProbe::text(int row, int sub) const {
  buffer_.clear();
  LVITEMA item = {};
  item.iSubItem = sub;
  item.pszText = reinterpret_cast<LPSTR>(buffer_.at(kTextOffset));
  item.cchTextMax = static_cast<int>(kTextLimit);
  buffer_.write(&item, sizeof item);
  sendOrThrow(listView_, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), buffer_.at(),
              "LVM_GETITEMTEXTA");
  return buffer_.readText(kTextOffset, kTextLimit - 1);
}

namespace {

LVITEMA readItem(RemoteBuffer& buffer, HWND listView, int row) {
  buffer.clear();
  LVITEMA item = {};
  item.mask = LVIF_IMAGE | LVIF_STATE | LVIF_PARAM;
  item.iItem = row;
  item.stateMask = LVIS_STATEIMAGEMASK;
  buffer.write(&item, sizeof item);
  if (!sendOrThrow(listView, LVM_GETITEMA, 0, buffer.at(), "LVM_GETITEMA"))
    throw HarnessError("LVM_GETITEMA failed for row " + std::to_string(row));
  buffer.read(&item, sizeof item);
  return item;
}

}  // namespace

int ListViewProbe::imageIndex(int row) const {
  return readItem(buffer_, listView_, row).iImage;
}

int ListViewProbe::stateImageIndex(int row) const {
  return static_cast<int>((readItem(buffer_, listView_, row).state & LVIS_STATEIMAGEMASK) >> 12);
}

LPARAM ListViewProbe::param(int row) const {
  return readItem(buffer_, listView_, row).lParam;
}

ListRow ListViewProbe::row(int index) const {
  ListRow out;
  int columns = columnCount();
  for (int sub = 0; sub < columns; ++sub) out.texts.push_back(text(index, sub));
  LVITEMA item = readItem(buffer_, listView_, index);
  out.image = item.iImage;
  out.stateImage = static_cast<int>((item.state & LVIS_STATEIMAGEMASK) >> 12);
  out.param = item.lParam;
  return out;
}

std::vector<ListRow> ListViewProbe::rows() const {
  std::vector<ListRow> out;
  int n = rowCount();
  for (int i = 0; i < n; ++i) out.push_back(row(i));
  return out;
}

std::vector<std::string> ListViewProbe::columnTexts(int sub) const {
  std::vector<std::string> out;
  int n = rowCount();
  for (int i = 0; i < n; ++i) out.push_back(text(i, sub));
  return out;
}

int ListViewProbe::columnWidth(int column) const {
  return static_cast<int>(
      sendOrThrow(listView_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0, "LVM_GETCOLUMNWIDTH"));
}

std::vector<int> ListViewProbe::columnWidths() const {
  std::vector<int> out;
  int n = columnCount();
  for (int i = 0; i < n; ++i) out.push_back(columnWidth(i));
  return out;
}

std::vector<int> ListViewProbe::columnOrder() const {
  int n = columnCount();
  if (n <= 0 || static_cast<size_t>(n) * sizeof(int) > kBufferSize) return {};
  buffer_.clear();
  if (!sendOrThrow(listView_, LVM_GETCOLUMNORDERARRAY, static_cast<WPARAM>(n), buffer_.at(),
                   "LVM_GETCOLUMNORDERARRAY"))
    throw HarnessError("LVM_GETCOLUMNORDERARRAY failed");
  std::vector<int> order(static_cast<size_t>(n));
  buffer_.read(order.data(), order.size() * sizeof(int));
  return order;
}

void ListViewProbe::setColumnOrder(const std::vector<int>& order) const {
  if (order.empty() || order.size() * sizeof(int) > kBufferSize) throw HarnessError("bad column order");
  buffer_.clear();
  buffer_.write(order.data(), order.size() * sizeof(int));
  if (!sendOrThrow(listView_, LVM_SETCOLUMNORDERARRAY, order.size(), buffer_.at(),
                   "LVM_SETCOLUMNORDERARRAY"))
    throw HarnessError("LVM_SETCOLUMNORDERARRAY failed");
}

void ListViewProbe::setColumnWidth(int column, int width) const {
  if (!sendOrThrow(listView_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0),
                   "LVM_SETCOLUMNWIDTH"))
    throw HarnessError("LVM_SETCOLUMNWIDTH failed for column " + std::to_string(column));
}

std::string ListViewProbe::columnCaption(int column) const {
  buffer_.clear();
  LVCOLUMNA col = {};
  col.mask = LVCF_TEXT;
  col.pszText = reinterpret_cast<LPSTR>(buffer_.at(kTextOffset));
  col.cchTextMax = static_cast<int>(kTextLimit);
  buffer_.write(&col, sizeof col);
  if (!sendOrThrow(listView_, LVM_GETCOLUMNA, static_cast<WPARAM>(column), buffer_.at(),
                   "LVM_GETCOLUMNA"))
    throw HarnessError("LVM_GETCOLUMNA failed for column " + std::to_string(column));
  return buffer_.readText(kTextOffset, kTextLimit - 1);
}

std::vector<std::string> ListViewProbe::columnCaptions() const {
  std::vector<std::string> out;
  int n = columnCount();
  for (int i = 0; i < n; ++i) out.push_back(columnCaption(i));
  return out;
}

RECT ListViewProbe::headerItemRect(int column) const {
  buffer_.clear();
  if (!sendOrThrow(header(), HDM_GETITEMRECT, static_cast<WPARAM>(column), buffer_.at(),
                   "HDM_GETITEMRECT"))
    throw HarnessError("HDM_GETITEMRECT failed for column " + std::to_string(column));
  RECT rect;
  buffer_.read(&rect, sizeof rect);
  return rect;
}

void ListViewProbe::clickColumnHeader(int column) const {
  RECT rect = headerItemRect(column);
  if (rect.right - rect.left < 4) throw HarnessError("column " + std::to_string(column) + " is too narrow to click");
  LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  HWND h = header();
  if (!PostMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, point) || !PostMessageA(h, WM_LBUTTONUP, 0, point))
    throw HarnessError("cannot post the header click");
}

}  // namespace e2e
