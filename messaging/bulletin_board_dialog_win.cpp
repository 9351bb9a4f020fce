#include "messaging/bulletin_board_dialog_win.h"

#include <commctrl.h>

#include "common/dialog_win.h"
#include "common/dpi_win.h"
#include "common/messages.h"
#include "messaging/bulletin_board.h"
#include "messaging/bulletin_post_dialog_win.h"
#include "res/resource.h"

namespace wabo {
namespace {

struct Column {
  const char* caption;
  int width;
};
// Subitems 0..3: subject, text, writer, time; shown in the order 0, 2, 3, 1.
const Column kColumns[] = {{"件名", 105}, {"情報", 500}, {"書込み者", 70}, {"書込日時", 79}};
const int kColumnOrder[] = {0, 2, 3, 1};
const COLORREF kListBack = RGB(255, 255, 208);
const COLORREF kListText = RGB(255, 85, 0);

class BulletinBoardDialog : public ModalDialog {
 public:
  explicit BulletinBoardDialog(BulletinBoardFields& fields) : board_(fields.bulletinPath) {}

 protected:
  bool onInit() override {
    whiteBrush_ = CreateSolidBrush(RGB(255, 255, 255));
    const int iconSize = scaledFor(window(), 16);
    icon_ = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_BULLETIN), IMAGE_ICON, iconSize, iconSize, 0));
    if (icon_ != nullptr) SendMessageA(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    makeColumns();
    board_.load();
    showPosts();
    focus(IDCANCEL);
    return false;
  }

  // Command 1 is Enter with no button focused: the board has no default
  // button, so Enter ends nothing.
  void onOk() override {}

  bool onNotify(NMHDR* header) override {
    if (header->idFrom != IDC_BB_LIST || header->code != NM_CLICK) return false;
    // The row clicked; moving the selection by keyboard leaves the display.
    int row = firstSelected();
    if (row >= 0) showRow(row);
    return true;
  }

  bool onCommand(int control, int code) override {
    if (code != BN_CLICKED) return false;
    if (control == IDC_BB_NEW) {
      if (board_.waiting()) return true;
      BulletinPostFields fields;
      fields.board = &board_;
      runBulletinPostDialog(window(), fields);
      showPosts();
      startWaiting();
      return true;
    }
    if (control == IDC_BB_DELETE) {
      int row = firstSelected();
      if (row < 0) return true;
      DialogUi ui(window());
      auto askYesNo = [this](const std::string& question) {
        return MessageBoxA(window(), question.c_str(), msg::kConfirmCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
      };
      if (board_.deletePost(static_cast<std::size_t>(row), askYesNo, ui)) showPosts();
      startWaiting();
      return true;
    }
    return false;
  }

  // A change still waiting for keiji.dat is made before the dialog goes.
  void onCancel() override { closeWhenDone(1); }

  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override {
    if (message == WM_TIMER && wParam == ID_BULLETIN_RETRY_TIMER) {
      retryWaiting();
      result = 0;
      return true;
    }
    if (message != WM_CTLCOLORSTATIC) return false;
    int control = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
    if (control != IDC_BB_SUBJECT && control != IDC_BB_WRITER) return false;
    SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
    result = reinterpret_cast<INT_PTR>(whiteBrush_);
    return true;
  }

  void onDestroy() override {
    KillTimer(window(), ID_BULLETIN_RETRY_TIMER);
    if (whiteBrush_ != nullptr) DeleteObject(whiteBrush_);
    whiteBrush_ = nullptr;
    if (icon_ != nullptr) DestroyIcon(icon_);
    icon_ = nullptr;
  }

 private:
  HWND list() const { return item(IDC_BB_LIST); }

  void makeColumns() {
    HWND view = list();
    ListView_SetExtendedListViewStyle(view, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    ListView_SetBkColor(view, kListBack);
    ListView_SetTextBkColor(view, kListBack);
    ListView_SetTextColor(view, kListText);
    for (int i = 0; i < 4; ++i) {
      LVCOLUMNA column = {};
      column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
      column.fmt = LVCFMT_LEFT;
      column.cx = scaledFor(view, kColumns[i].width);  // 96-DPI units
      column.pszText = const_cast<char*>(kColumns[i].caption);
      column.iSubItem = i;
      SendMessageA(view, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    SendMessageA(view, LVM_SETCOLUMNORDERARRAY, 4, reinterpret_cast<LPARAM>(kColumnOrder));
  }

  void setSubitem(int row, int sub, const std::string& text) {
    LVITEMA item = {};
    item.iSubItem = sub;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list(), LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  }

  // The list from the board's posts, top first; then row 0 or nothing shown.
  void showPosts() {
    HWND view = list();
    SendMessageA(view, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(view);
    const BulletinPosts& posts = board_.posts();
    for (std::size_t i = 0; i < posts.size(); ++i) {
      LVITEMA item = {};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(i);
      const std::string subject = listRowText(posts[i].subject);
      item.pszText = const_cast<char*>(subject.c_str());
      int row = static_cast<int>(SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
      setSubitem(row, 1, listRowText(posts[i].info));
      setSubitem(row, 2, listRowText(posts[i].writer));
      setSubitem(row, 3, posts[i].writtenAt);
    }
    SendMessageA(view, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(view, nullptr, TRUE);
    if (posts.empty()) {
      setText(IDC_BB_SUBJECT, "");
      setText(IDC_BB_INFO, "");
      setText(IDC_BB_WRITER, "");
    } else {
      showRow(0);
    }
  }

  void showRow(int row) {
    const BulletinPosts& posts = board_.posts();
    if (row < 0 || static_cast<std::size_t>(row) >= posts.size()) return;
    setText(IDC_BB_SUBJECT, posts[row].subject);
    setText(IDC_BB_INFO, posts[row].info);
    setText(IDC_BB_WRITER, posts[row].writer);
  }

  int firstSelected() const { return ListView_GetNextItem(list(), -1, LVNI_SELECTED); }

  // While a change waits for keiji.dat, it is tried again a few times a
  // second and no other change starts.
  void startWaiting() {
    if (!board_.waiting()) return;
    HWND focused = GetFocus();
    if (focused == item(IDC_BB_NEW) || focused == item(IDC_BB_DELETE)) focus(IDCANCEL);
    enable(IDC_BB_NEW, false);
    enable(IDC_BB_DELETE, false);
    SetTimer(window(), ID_BULLETIN_RETRY_TIMER, kBulletinRetryMs, nullptr);
  }

  void retryWaiting() {
    // Stopped meanwhile: a warning's own message loop must not try again.
    KillTimer(window(), ID_BULLETIN_RETRY_TIMER);
    DialogUi ui(window());
    board_.retryWaiting(ui);
    if (board_.waiting()) {
      SetTimer(window(), ID_BULLETIN_RETRY_TIMER, kBulletinRetryMs, nullptr);
      return;
    }
    enable(IDC_BB_NEW, true);
    enable(IDC_BB_DELETE, true);
    showPosts();
    if (closeResult_ >= 0) close(closeResult_);
  }

  void closeWhenDone(int result) {
    if (board_.waiting()) {
      closeResult_ = result;
    } else {
      close(result);
    }
  }

  BulletinBoard board_;
  HBRUSH whiteBrush_ = nullptr;
  int closeResult_ = -1;  // asked to close while a change waited
  HICON icon_ = nullptr;  // the title bar's, at the window's DPI
};

}  // namespace

int runBulletinBoardDialog(HWND owner, BulletinBoardFields& fields) {
  BulletinBoardDialog dialog(fields);
  return dialog.run(IDD_BULLETIN, owner);
}

}  // namespace wabo
