// The member list over the real SysListView32 (control 100). The items hold
// the picture, row key and states; their texts are LPSTR_TEXTCALLBACK and
// kept in list order in a ListRowStore, from which the list view takes what
// it draws (LVN_GETDISPINFO) and the program reads them directly.
#include <algorithm>
#include <array>
#include <numeric>
#include <unordered_map>
#include <vector>

#include "app/list_row_store.h"
#include "app/shell_win.h"
#include "board/search_mark.h"
#include "members/member_icons_win.h"
#include "common/dpi_scale.h"
#include "common/limits.h"
#include "res/resource.h"

namespace wabo {
namespace {

// Larger than any text the program stores, so that a read is never cut by
// the control in the middle of a double-byte character.
constexpr int kReadBufferBytes = 1024;

// Icons are square, rowHeight (96-DPI units) at the window's DPI; a
// hand-edited height is held to a size an image list can be made with. At
// 125, 150 and 200 % the icons' own 20, 24 and 32 pixel images fit exactly.
int iconSize() { return std::clamp(scaled(std::clamp(app.local.rowHeight, 1, 256)), 1, 512); }

ListRowStore rowTexts;

class ListViewMemberList : public MemberList {
 public:
  int rowCount() const override { return static_cast<int>(send(LVM_GETITEMCOUNT, 0, 0)); }

  void deleteAllRows() override {
    send(LVM_DELETEALLITEMS, 0, 0);
    rowTexts.clear();
  }

  // The text is in the store before the item exists, so that the list view
  // finds it should it draw the new row at once.
  int insertRow(int index, const std::string& id, int image, long key) override {
    const int place = std::clamp(index, 0, rowCount());
    rowTexts.insert(static_cast<std::size_t>(place), id);
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = place;
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.iImage = image;
    item.lParam = key;
    const int inserted = static_cast<int>(send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (inserted != place) {
      rowTexts.erase(static_cast<std::size_t>(place));
      if (inserted >= 0) rowTexts.insert(static_cast<std::size_t>(inserted), id);
    }
    return inserted;
  }

  // The texts go after the item, so that whatever the list view asks while
  // it deletes still finds every row's texts in their places.
  void deleteRow(int index) override {
    if (send(LVM_DELETEITEM, static_cast<WPARAM>(index), 0)) rowTexts.erase(static_cast<std::size_t>(index));
  }

  std::string text(int row, int column, std::size_t bufferBytes) const override {
    return rowTexts.text(row, column, bufferBytes);
  }

  // The list view only learns that the row must be drawn again; in a bulk
  // change the whole list is drawn at its end.
  void setText(int row, int column, const std::string& text) override {
    rowTexts.setText(row, column, text);
    if (bulkDepth_ == 0) send(LVM_REDRAWITEMS, static_cast<WPARAM>(row), static_cast<LPARAM>(row));
  }

  int image(int row) const override { return static_cast<int>(getItem(row, LVIF_IMAGE).iImage); }

  void setImage(int row, int image) override {
    LVITEMA item = itemOf(row, LVIF_IMAGE);
    item.iImage = image;
    send(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }

  long key(int row) const override { return static_cast<long>(getItem(row, LVIF_PARAM).lParam); }

  void setKey(int row, long key) override {
    LVITEMA item = itemOf(row, LVIF_PARAM);
    item.lParam = key;
    send(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }

  int mark(int row) const override {
    auto state = static_cast<UINT>(send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
    return markOfItemState(state);
  }

  void setMark(int row, int mark) override {
    LVITEMA item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = itemStateOfMark(mark);
    send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  }

  int findId(const std::string& id) const override {
    LVFINDINFOA find = {};
    find.flags = LVFI_STRING;
    find.psz = id.c_str();
    return static_cast<int>(send(LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
  }

  int firstSelected() const override {
    return static_cast<int>(send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
  }

  // The order is worked out first, while the rows stand still (the comparison
  // reads the rows); the control then only puts its items into that order,
  // by a rank for each item's key. Should two rows share a key, the items
  // carry their places as keys while they are sorted. The texts follow last.
  void sortByKeys(const std::function<int(long, long)>& compare) override {
    const int n = rowCount();
    std::vector<long> keys(static_cast<std::size_t>(n));
    for (int row = 0; row < n; ++row) keys[static_cast<std::size_t>(row)] = key(row);
    const std::vector<std::size_t> from = orderOfKeys(keys, compare);
    const bool distinct = keysDistinct(keys);
    if (!distinct)
      for (int row = 0; row < n; ++row) setKey(row, row);
    std::unordered_map<long, int> rank;
    for (std::size_t i = 0; i < from.size(); ++i)
      rank.emplace(distinct ? keys[from[i]] : static_cast<long>(from[i]), static_cast<int>(i));
    send(LVM_SORTITEMS, reinterpret_cast<WPARAM>(&rank), reinterpret_cast<LPARAM>(&compareByRank));
    if (!distinct)
      for (int row = 0; row < n; ++row) setKey(row, keys[from[static_cast<std::size_t>(row)]]);
    rowTexts.reorder(from);
  }

  // Widths are 96-DPI units here and pixels on screen. A width read back
  // that the member has not changed is the very number that was set.
  int columnWidth(int column) const override {
    const int pixels = static_cast<int>(send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    return unscaleKeeping(pixels, widthSet(column), shell.dpi);
  }

  void setColumnWidth(int column, int width) override {
    rememberWidth(column, width);
    send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(scaled(width), 0));
  }

  ColumnOrder columnOrder() const override {
    ColumnOrder order = {};
    std::iota(order.begin(), order.end(), 0);
    if (columnCount() != kColumnCount) return order;
    send(LVM_GETCOLUMNORDERARRAY, kColumnCount, reinterpret_cast<LPARAM>(order.data()));
    return order;
  }

  void setColumnOrder(const ColumnOrder& order) override {
    if (columnCount() != kColumnCount) return;
    // The header keeps a broken order array as it is given; use only a true
    // arrangement of the ten columns.
    const ColumnOrder& usable = isColumnPermutation(order) ? order : kDefaultColumnOrder;
    send(LVM_SETCOLUMNORDERARRAY, kColumnCount, reinterpret_cast<LPARAM>(usable.data()));
  }

  void deleteColumn(int column) override { send(LVM_DELETECOLUMN, static_cast<WPARAM>(column), 0); }

  void insertColumn(int column, const std::string& caption, int width) override {
    LVCOLUMNA col = {};
    col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    col.fmt = LVCFMT_LEFT;
    col.cx = scaled(width);
    rememberWidth(column, width);
    col.pszText = const_cast<char*>(caption.c_str());
    col.iSubItem = column;
    send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&col));
  }

  std::string columnCaption(int column) const override {
    char buffer[kReadBufferBytes] = {};
    LVCOLUMNA col = {};
    col.mask = LVCF_TEXT;
    col.pszText = buffer;
    col.cchTextMax = kReadBufferBytes;
    if (!send(LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&col))) return "";
    buffer[kReadBufferBytes - 1] = '\0';
    return buffer;
  }

  int fullScreenWidth() const override { return unscaleFromDpi(GetSystemMetrics(SM_CXFULLSCREEN), shell.dpi); }

  void rebuildAppearance() override {
    DWORD styles = LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP;
    if (app.local.showGridLines == 1) styles |= LVS_EX_GRIDLINES;
    send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(styles));

    // Loading the 70 icons costs more than the rows of a whole board, so an
    // image list made for the same setting, size and background is kept; it
    // would be rebuilt with exactly the same pictures.
    const int size = iconSize();
    const bool icons = app.local.showIcons == 1;
    const COLORREF background = static_cast<COLORREF>(app.local.backgroundColour);
    if (shell.iconImageList != nullptr && icons == imagesShowIcons_ && size == imagesSize_ &&
        background == imagesBackground_)
      return;

    HIMAGELIST images =
        icons ? createMemberIconList(size, background) : ImageList_Create(1, size, ILC_COLOR16, 0, 0);
    send(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
    if (shell.iconImageList != nullptr) ImageList_Destroy(shell.iconImageList);
    shell.iconImageList = images;
    imagesShowIcons_ = icons;
    imagesSize_ = size;
    imagesBackground_ = background;
  }

  void beginBulkUpdate() override {
    if (bulkDepth_++ != 0) return;
    shownBeforeBulk_ = IsWindowVisible(shell.memberListView) != FALSE;
    send(WM_SETREDRAW, FALSE, 0);
  }

  // Turning redraw back on makes the list set its scroll bars, and a visible
  // list draws them at once, twice each (about half of a whole reload under
  // Wine). While it is hidden it only takes the new ranges; shown again, it
  // is drawn once, frame and all, with the next paint. Hidden and shown
  // without redrawing, so that neither the main window nor the focus notice.
  void endBulkUpdate() override {
    if (bulkDepth_ == 0 || --bulkDepth_ != 0) return;
    HWND list = shell.memberListView;
    const UINT unchanged = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
    if (shownBeforeBulk_) SetWindowPos(list, nullptr, 0, 0, 0, 0, unchanged | SWP_HIDEWINDOW);
    send(WM_SETREDRAW, TRUE, 0);
    if (!IsWindowVisible(list)) measureRowsOffScreen(list);
    if (shownBeforeBulk_) SetWindowPos(list, nullptr, 0, 0, 0, 0, unchanged | SWP_SHOWWINDOW);
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }

 private:
  bool imagesShowIcons_ = false;  // what shell.iconImageList was made for
  int imagesSize_ = 0;
  COLORREF imagesBackground_ = 0;

  // The first paint of a list view that has rows works out the rows'
  // metrics and sets its scroll bars again, and a list on screen draws each
  // scroll bar at every such step (under Wine's visual styles several times
  // over, some 30 ms at the start), before its paint draws them once more.
  // Asked to print its client area while it is off screen, it does that
  // work where nothing is drawn; the device context clips everything, so
  // not a row is drawn for it either.
  static void measureRowsOffScreen(HWND list) {
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) return;
    HRGN nothing = CreateRectRgn(0, 0, 0, 0);
    if (nothing != nullptr) {
      SelectClipRgn(dc, nothing);
      SendMessageA(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
      DeleteObject(nothing);
    }
    DeleteDC(dc);
  }

  static LRESULT send(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(shell.memberListView, message, wParam, lParam);
  }

  static int columnCount() {
    HWND header = reinterpret_cast<HWND>(send(LVM_GETHEADER, 0, 0));
    return header == nullptr ? 0 : static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  }

  static LVITEMA itemOf(int row, UINT mask) {
    LVITEMA item = {};
    item.mask = mask;
    item.iItem = row;
    return item;
  }

  static LVITEMA getItem(int row, UINT mask) {
    LVITEMA item = itemOf(row, mask);
    send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item;
  }

  static int CALLBACK compareByRank(LPARAM key1, LPARAM key2, LPARAM rankMap) {
    const auto& rank = *reinterpret_cast<const std::unordered_map<long, int>*>(rankMap);
    auto a = rank.find(static_cast<long>(key1));
    auto b = rank.find(static_cast<long>(key2));
    int ra = a == rank.end() ? 0 : a->second;
    int rb = b == rank.end() ? 0 : b->second;
    return ra < rb ? -1 : (ra > rb ? 1 : 0);
  }

  // Image n is member icon 201 + n, drawn at rowHeight x rowHeight.

  int bulkDepth_ = 0;
  bool shownBeforeBulk_ = false;  // the list was on screen when the bulk change began
  std::array<int, kColumnCount> widthsSet_{};  // the last width (96-DPI units) given to each column

  int widthSet(int column) const {
    return column >= 0 && column < kColumnCount ? widthsSet_[static_cast<std::size_t>(column)] : 0;
  }
  void rememberWidth(int column, int width) {
    if (column >= 0 && column < kColumnCount) widthsSet_[static_cast<std::size_t>(column)] = width;
  }
};

}  // namespace

MemberList& memberList() {
  static ListViewMemberList list;
  return list;
}

void answerListTextRequest(NMHDR* header) {
  if (header->code == LVN_GETDISPINFOA) {
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0) return;
    rowTexts.copyText(item.iItem, item.iSubItem, item.pszText, static_cast<std::size_t>(item.cchTextMax));
  } else if (header->code == LVN_GETDISPINFOW) {
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0) return;
    // Every double-byte character is one UTF-16 unit: a text cut to the
    // buffer in bytes always fits it in units.
    const std::string text = rowTexts.text(item.iItem, item.iSubItem, static_cast<std::size_t>(item.cchTextMax));
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, item.pszText, item.cchTextMax);
    if (n == 0) item.pszText[0] = L'\0';
  }
}

}  // namespace wabo
