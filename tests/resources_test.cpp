// The resource script read as text: menus against the command numbers the
// window procedure dispatches, icons against the numbers the program loads,
// dialog templates against what the dialog code and the users rely on
// (titles, control IDs, label texts, field behaviour, layout that fits).
#include <gtest/gtest.h>
#include <iconv.h>

#include <algorithm>
#include <set>
#include <string>

#include "res/resource.h"
#include "tests/rc_script.h"

namespace {

constexpr long kOk = 1;      // IDOK
constexpr long kCancel = 2;  // IDCANCEL

const rc::Script& script() {
  static const rc::Script s = rc::read(WABO_SOURCE_DIR, "res/wabo.rc");
  return s;
}

// Menus as indented text: "text = id", "---" for a separator, "text {" ... "}".
void render(const std::vector<rc::MenuItem>& items, int indent, std::string& out) {
  for (const rc::MenuItem& m : items) {
    out += std::string(size_t(indent) * 2, ' ');
    if (m.separator) {
      out += "---\n";
    } else if (m.popup) {
      out += m.text + " {\n";
      render(m.items, indent + 1, out);
      out += std::string(size_t(indent) * 2, ' ') + "}\n";
    } else {
      out += m.text + " = " + std::to_string(m.id) + "\n";
    }
  }
}

std::string render(long menuId) {
  const rc::Menu* m = script().menu(menuId);
  if (!m) return "<menu " + std::to_string(menuId) + " missing>";
  std::string out;
  render(m->items, 0, out);
  return out;
}

void collectIds(const std::vector<rc::MenuItem>& items, std::multiset<long>& ids) {
  for (const rc::MenuItem& m : items) {
    if (!m.separator && !m.popup) ids.insert(m.id);
    collectIds(m.items, ids);
  }
}

const rc::Dialog& dialog(long id) {
  const rc::Dialog* d = script().dialog(id);
  if (!d) {
    ADD_FAILURE() << "dialog " << id << " missing";
    static const rc::Dialog none;
    return none;
  }
  return *d;
}

const rc::Control& control(long dialogId, long controlId) {
  const rc::Control* c = dialog(dialogId).control(controlId);
  if (!c) {
    ADD_FAILURE() << "control " << controlId << " missing in dialog " << dialogId;
    static const rc::Control none;
    return none;
  }
  return *c;
}

bool has(const rc::Control& c, const char* style) { return c.style.count(style) > 0; }

// The height a control takes on the dialog: a combo box's list drops below.
long shownHeight(const rc::Control& c) { return c.kind == "COMBOBOX" ? 12 : c.h; }

bool overlap(const rc::Control& a, const rc::Control& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + shownHeight(b) && b.y < a.y + shownHeight(a);
}

}  // namespace

TEST(ResourceScript, ReadsCompletelyWithNumericNames) {
  const rc::Script& s = script();
  EXPECT_TRUE(s.errors.empty()) << s.errors.front();
  // A name that is not defined in resource.h would become a named resource,
  // which the program's LoadMenu/LoadIcon/DialogBox by number never finds.
  EXPECT_TRUE(s.unresolvedIds.empty()) << s.unresolvedIds.front();
  EXPECT_GE(s.dialogs.size(), 8u);
}

TEST(ResourceScript, CommandAndDialogNumbersAreDistinct) {
  std::vector<std::string> errors;
  std::map<std::string, long> defs = rc::numericDefines(WABO_SOURCE_DIR, "res/resource.h", errors);
  ASSERT_TRUE(errors.empty()) << errors.front();
  for (const char* prefix : {"CMD_", "IDD_", "IDM_"}) {
    std::map<long, std::string> seen;
    for (const auto& [name, value] : defs) {
      if (name.rfind(prefix, 0) != 0 || name == "CMD_FIRST" || name == "CMD_LAST") continue;
      auto [it, fresh] = seen.emplace(value, name);
      EXPECT_TRUE(fresh) << name << " and " << it->second << " share " << value;
    }
  }
  EXPECT_EQ(defs["CMD_BOARD_1"] + 4, defs["CMD_BOARD_5"]);
}

TEST(Menus, MenuBar) {
  EXPECT_EQ(render(IDM_MAIN), std::string(u8R"(更新(&R) = 40001
ﾎﾞｰﾄﾞ選択(&B) {
  ﾎﾞｰﾄﾞ1 (&1) = 40036
  ﾎﾞｰﾄﾞ2 (&2) = 40037
  ﾎﾞｰﾄﾞ3 (&3) = 40038
  ﾎﾞｰﾄﾞ4 (&4) = 40039
  ﾎﾞｰﾄﾞ5 (&5) = 40040
  ---
  掲示板(&K) = 40043
}
行き先情報(&D) {
  行き先入力(&I) = 40002
  ---
  ﾒﾝﾊﾞｰ追加(&A) = 40003
  ﾒﾝﾊﾞｰ削除(&D) = 40004
  ---
  ｱｲｺﾝの変更(&C) = 40028
  ---
  ﾒｰﾙ送信(&M) = 40032
  全ﾒﾝﾊﾞｰへﾒｯｾｰｼﾞ(&S) = 40035
}
設定(&S) {
  ﾕｰｻﾞｰID設定(&M) = 40027
  自動更新設定(&A) = 40009
  表示の設定(&S) = 40010
  ｸｲｯｸ入力設定(&Q) = 40050
  共有設定ﾌｧｲﾙ位置(&P) = 40054
  ---
  ﾕｰｻﾞｰ設定初期化(&I) = 40034
  ---
  管理者設定(&K) {
    ﾎﾞｰﾄﾞ設定(&B) = 40041
    行き先ﾘｽﾄ設定(&L) = 40030
    列名称設定(&R) = 40045
    その他設定(&E) = 40044
  }
}
ﾍﾙﾌﾟ(&H) {
  ﾏﾆｭｱﾙ(&M) = 40033
  ｵﾝﾗｲﾝ情報(&O) = 40042
  ﾊﾞｰｼﾞｮﾝ情報(&V) = 40017
}
)"));
}

TEST(Menus, ListAndTrayPopups) {
  EXPECT_EQ(render(IDM_ROW_POPUP), std::string(u8R"(右ｸﾘｯｸ {
  行き先入力 = 40021
  ---
  自分の行き先入力 = 40020
  自分の行き先を[出社]にする = 40049
  自分の行き先を[帰宅]にする = 40051
  ---
  ﾒﾝﾊﾞｰ追加 = 40003
  ﾒﾝﾊﾞｰ削除 = 40029
  ---
  ﾒｰﾙ送信 = 40031
  全ﾒﾝﾊﾞｰへﾒｯｾｰｼﾞ = 40035
  ---
  ｱｲｺﾝの変更 = 40025
  PC-Name入力 = 40052
  ---
  ﾕｰｻﾞｰPC接続ｻｰﾁ = 40053
  ﾀｽｸﾄﾚｲに入れる = 40046
}
)"));
  EXPECT_EQ(render(IDM_TRAY_POPUP), std::string(u8R"(右ｸﾘｯｸ2 {
  行き先表示ﾎﾞｰﾄﾞを開く = 40047
  ---
  終了する = 40048
}
)"));
}

TEST(Menus, EveryCommandIsReachableAndNoItemIsDead) {
  // The commands that the window procedure carries out; every other number
  // in 40001..40054 is ignored, so a menu item with it would do nothing.
  const std::set<long> commands{40001, 40002, 40003, 40004, 40009, 40010, 40017, 40020, 40021, 40025, 40027,
                                40028, 40029, 40030, 40031, 40032, 40033, 40034, 40035, 40036, 40037, 40038,
                                40039, 40040, 40041, 40042, 40043, 40044, 40045, 40046, 40047, 40048, 40049,
                                40050, 40051, 40052, 40053, 40054};
  std::multiset<long> used;
  for (long menu : {IDM_MAIN, IDM_ROW_POPUP, IDM_TRAY_POPUP}) {
    ASSERT_NE(script().menu(menu), nullptr) << menu;
    std::multiset<long> inMenu;
    collectIds(script().menu(menu)->items, inMenu);
    for (long id : inMenu) {
      EXPECT_EQ(inMenu.count(id), 1u) << "menu " << menu << " has " << id << " twice";
      EXPECT_TRUE(commands.count(id)) << "menu " << menu << ": " << id << " has no command";
    }
    used.insert(inMenu.begin(), inMenu.end());
  }
  for (long id : commands) EXPECT_TRUE(used.count(id)) << id << " is on no menu";
  // The program rewrites the board items in the popup at position 1.
  const rc::MenuItem& boards = script().menu(IDM_MAIN)->items.at(1);
  ASSERT_TRUE(boards.popup);
  EXPECT_EQ(boards.items.at(0).id, CMD_BOARD_1);
}

TEST(Icons, EveryNumberHasItsOwnPicture) {
  std::map<long, std::string> files;
  for (const rc::Icon& i : script().icons) {
    EXPECT_TRUE(files.emplace(i.id, i.file).second) << "icon " << i.id << " declared twice";
  }
  std::vector<long> numbers{IDI_PROGRAM, IDI_MESSAGE, IDI_BULLETIN, IDI_UPDATE_TIME};
  for (long n = IDI_MEMBER_FIRST; n <= IDI_MEMBER_LAST; ++n) numbers.push_back(n);
  EXPECT_EQ(IDI_MEMBER_LAST - IDI_MEMBER_FIRST + 1, 70);
  for (long n : numbers) {
    auto it = files.find(n);
    ASSERT_NE(it, files.end()) << "icon " << n << " missing";
    // The generator writes icon<n>.ico for resource n; any other file would
    // put another member's picture under this number.
    EXPECT_EQ(it->second, "icon" + std::to_string(n) + ".ico");
  }
  EXPECT_EQ(files.size(), numbers.size());
  // The program icon comes first, so that it is the file's icon.
  ASSERT_FALSE(script().icons.empty());
  EXPECT_EQ(script().icons.front().id, IDI_PROGRAM);
}

TEST(Dialogs, TitlesAndFace) {
  const std::vector<std::pair<long, std::string>> titles{
      {IDD_DELETE_ID, u8"ﾒﾝﾊﾞｰ削除"},     {IDD_TARGET_ID, u8"行き先入力"},
      {IDD_USER_ID, u8"ﾕｰｻﾞｰID設定"},      {IDD_PC_NAME, u8"PC-Name入力"},
      {IDD_DESTINATION, u8"行き先の変更"}, {IDD_ICON, u8"アイコンの選択"},
      {IDD_MESSAGE, u8"全ﾒﾝﾊﾞｰへのﾒｯｾｰｼﾞ作成"}, {IDD_VERSION, u8"ﾊﾞｰｼﾞｮﾝ情報"},
      {IDD_AUTO_UPDATE, u8"自動更新の設定"}, {IDD_DISPLAY, u8"表示の設定"},
      {IDD_QUICK_INPUT, u8"ｸｲｯｸ入力設定"},  {IDD_SHARED_LOCATION, u8"共有設定ﾌｧｲﾙ位置"},
      {IDD_BOARD_SETTINGS, u8"行き先表示ﾎﾞｰﾄﾞの設定"}, {IDD_DESTINATION_LIST, u8"行き先ﾘｽﾄ設定"},
      {IDD_COLUMN_NAMES, u8"列名称設定"},   {IDD_OTHER_SETTINGS, u8"その他設定"},
      {IDD_MAIL_COMPOSE, u8"ﾒｰﾙ作成"},      {IDD_MAIL_RECIPIENTS, u8"ﾒｰﾙ送信先の選択"},
      {IDD_MAIL_VIEW, u8"ﾒｰﾙ内容"},         {IDD_BULLETIN, u8"掲示板"},
      {IDD_BULLETIN_NEW, u8"新規作成"},     {IDD_SEARCH_PROGRESS, u8"ｻｰﾁ中"},
  };
  EXPECT_EQ(script().dialogs.size(), titles.size()) << "a dialog without its title check";
  for (const auto& [id, title] : titles) EXPECT_EQ(dialog(id).caption, title) << id;
  for (const rc::Dialog& d : script().dialogs) {
    EXPECT_EQ(d.fontFace, u8"ＭＳ Ｐゴシック") << d.id;
    EXPECT_EQ(d.fontSize, 9) << d.id;
    EXPECT_EQ(d.fontCharset, 128) << d.id;  // SHIFTJIS_CHARSET
  }
}

TEST(Dialogs, EveryDialogClosesWithCommandTwo) {
  // Esc and the close box send command 2, which every dialog takes as its
  // way out; the button with that ID is the one users click for it.
  for (const rc::Dialog& d : script().dialogs) {
    if (d.id == IDD_MAIL_VIEW) continue;  // closed by its own buttons or by Esc
    const rc::Control* cancel = d.control(kCancel);
    ASSERT_NE(cancel, nullptr) << d.id;
    EXPECT_NE(cancel->kind.find("PUSHBUTTON"), std::string::npos) << d.id;
  }
  for (long id : {IDD_DELETE_ID, IDD_TARGET_ID, IDD_USER_ID, IDD_PC_NAME, IDD_DESTINATION, IDD_ICON, IDD_MESSAGE}) {
    EXPECT_EQ(control(id, kCancel).text, u8"ｷｬﾝｾﾙ") << id;
    EXPECT_EQ(control(id, kOk).kind, "DEFPUSHBUTTON") << id;
  }
  EXPECT_EQ(control(IDD_MESSAGE, kOk).text, u8"書込み");
  const rc::Dialog& version = dialog(IDD_VERSION);
  EXPECT_EQ(version.control(kOk), nullptr);  // its only button is "OK" with ID 2
  EXPECT_EQ(control(IDD_VERSION, kCancel).text, "OK");
}

TEST(Dialogs, ControlsFitAndDoNotOverlap) {
  for (const rc::Dialog& d : script().dialogs) {
    std::set<long> ids;
    for (size_t i = 0; i < d.controls.size(); ++i) {
      const rc::Control& c = d.controls[i];
      if (c.id != -1) {
        EXPECT_TRUE(ids.insert(c.id).second) << "dialog " << d.id << ": ID " << c.id << " twice";
      }
      EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.w <= d.w && c.y + shownHeight(c) <= d.h)
          << "dialog " << d.id << ": control " << c.id << " '" << c.text << "' leaves the dialog";
      EXPECT_TRUE(c.w > 0 && c.h > 0) << "dialog " << d.id << ": control " << c.id;
      if (c.kind == "GROUPBOX") continue;  // a group box frames other controls
      for (size_t j = i + 1; j < d.controls.size(); ++j) {
        const rc::Control& o = d.controls[j];
        if (o.kind == "GROUPBOX") continue;
        EXPECT_FALSE(overlap(c, o)) << "dialog " << d.id << ": '" << c.text << "' (" << c.id << ") and '" << o.text
                                    << "' (" << o.id << ") overlap";
      }
    }
  }
}

TEST(Dialogs, SmallIdDialogs) {
  EXPECT_EQ(dialog(IDD_DELETE_ID).controls.at(0).text, u8"削除 I D");
  EXPECT_EQ(dialog(IDD_TARGET_ID).controls.at(0).text, u8"対象 I D ");  // the blank belongs to the label
  EXPECT_EQ(control(IDD_DELETE_ID, IDC_DELETE_ID).kind, "EDITTEXT");
  EXPECT_EQ(control(IDD_TARGET_ID, IDC_TARGET_ID).kind, "EDITTEXT");
  EXPECT_EQ(control(IDD_USER_ID, IDC_USER_ID).kind, "EDITTEXT");

  std::set<std::string> userTexts, pcTexts;
  for (const rc::Control& c : dialog(IDD_USER_ID).controls) userTexts.insert(c.text);
  for (const char* t : {u8"ﾕｰｻﾞｰID", u8"※あなたの ID を入力してください", u8"（ﾒｰﾙ送受信，ｸｲｯｸ入力のために必要です）"})
    EXPECT_TRUE(userTexts.count(t)) << t;
  for (const rc::Control& c : dialog(IDD_PC_NAME).controls) pcTexts.insert(c.text);
  for (const char* t : {u8"I D", u8"名前", u8"PC-Name", u8"※ ﾈｯﾄﾜｰｸのﾊﾟｿｺﾝ名またはIPｱﾄﾞﾚｽを入力します"})
    EXPECT_TRUE(pcTexts.count(t)) << t;
  EXPECT_TRUE(has(control(IDD_PC_NAME, IDC_PCN_ID), "ES_READONLY"));
  EXPECT_TRUE(has(control(IDD_PC_NAME, IDC_PCN_NAME), "ES_READONLY"));
  EXPECT_FALSE(has(control(IDD_PC_NAME, IDC_PCN_PC_NAME), "ES_READONLY"));
}

TEST(DestinationDialog, FieldsInOrderWithTheirLabelsOnTheLeft) {
  const long D = IDD_DESTINATION;
  const std::vector<std::pair<long, long>> rows{
      {-1, IDC_DEST_ID},
      {IDC_DEST_LABEL_NAME, IDC_DEST_NAME},
      {IDC_DEST_LABEL_DESTINATION, IDC_DEST_DESTINATION},
      {IDC_DEST_LABEL_RETURN, IDC_DEST_RETURN},
      {IDC_DEST_LABEL_MOBILE, IDC_DEST_MOBILE},
      {IDC_DEST_LABEL_CONTACT, IDC_DEST_CONTACT},
      {IDC_DEST_LABEL_SCHEDULE, IDC_DEST_SCHEDULE},
      {IDC_DEST_LABEL_OTHER, IDC_DEST_OTHER},
  };
  long lastY = -1;
  for (const auto& [labelId, fieldId] : rows) {
    const rc::Control& field = control(D, fieldId);
    EXPECT_GT(field.y, lastY) << fieldId << " is not below the field before it";
    lastY = field.y;
    if (labelId == -1) continue;
    const rc::Control& label = control(D, labelId);
    EXPECT_EQ(label.kind, "LTEXT") << labelId;
    EXPECT_LE(label.x + label.w, field.x) << labelId << " is not left of " << fieldId;
    EXPECT_TRUE(label.y >= field.y - 2 && label.y + label.h <= field.y + shownHeight(field) + 2)
        << labelId << " is not on the row of " << fieldId;
  }
  // The placeholders that the captions of the board replace.
  EXPECT_EQ(control(D, IDC_DEST_LABEL_NAME).text, u8"名前");
  EXPECT_EQ(control(D, IDC_DEST_LABEL_DESTINATION).text, u8"行き先");
  EXPECT_EQ(control(D, IDC_DEST_LABEL_RETURN).text, u8"戻り予定");
  EXPECT_EQ(control(D, IDC_DEST_LABEL_MOBILE).text, u8"携帯番号");
  EXPECT_EQ(control(D, IDC_DEST_LABEL_CONTACT).text, u8"連絡事項");
  EXPECT_EQ(control(D, IDC_DEST_LABEL_SCHEDULE).text, u8"予定");
  EXPECT_EQ(control(D, IDC_DEST_LABEL_OTHER).text, u8"その他");
  bool idLabel = false;
  for (const rc::Control& c : dialog(D).controls) idLabel = idLabel || c.text == " I D";
  EXPECT_TRUE(idLabel);

  // The icon frame stands at the top right, beside the ID and above the name.
  const rc::Control& frame = control(D, IDC_DEST_ICON);
  const rc::Control& id = control(D, IDC_DEST_ID);
  EXPECT_GE(frame.x, id.x + id.w);
  EXPECT_LT(frame.y, control(D, IDC_DEST_NAME).y);
  EXPECT_GE(frame.w, 22);  // room for a 32-pixel icon
  EXPECT_GE(frame.h, 22);
  // The buttons are below everything else.
  for (const rc::Control& c : dialog(D).controls) {
    if (c.id == kOk || c.id == kCancel) continue;
    EXPECT_LE(c.y + shownHeight(c), control(D, kOk).y) << c.id;
    EXPECT_LE(c.y + shownHeight(c), control(D, kCancel).y) << c.id;
  }
}

TEST(DestinationDialog, FieldsStopAtTheirEdgeInsteadOfScrolling) {
  const long D = IDD_DESTINATION;
  for (long id : {IDC_DEST_ID, IDC_DEST_NAME, IDC_DEST_RETURN, IDC_DEST_MOBILE, IDC_DEST_CONTACT}) {
    const rc::Control& c = control(D, id);
    EXPECT_EQ(c.kind, "EDITTEXT") << id;
    EXPECT_FALSE(has(c, "ES_AUTOHSCROLL")) << id;
    EXPECT_FALSE(has(c, "ES_MULTILINE")) << id;
  }
  for (long id : {IDC_DEST_SCHEDULE, IDC_DEST_OTHER}) {
    const rc::Control& c = control(D, id);
    EXPECT_TRUE(has(c, "ES_MULTILINE")) << id;
    for (const char* s : {"ES_AUTOHSCROLL", "ES_AUTOVSCROLL", "WS_HSCROLL", "WS_VSCROLL"})
      EXPECT_FALSE(has(c, s)) << id << " " << s;
  }
  EXPECT_LE(control(D, IDC_DEST_SCHEDULE).h, 14);  // one line
  EXPECT_GE(control(D, IDC_DEST_OTHER).h, 18);     // two lines
  EXPECT_LE(control(D, IDC_DEST_OTHER).h, 26);
  const rc::Control& combo = control(D, IDC_DEST_DESTINATION);
  EXPECT_EQ(combo.kind, "COMBOBOX");
  EXPECT_TRUE(has(combo, "CBS_DROPDOWN"));
  EXPECT_FALSE(has(combo, "CBS_DROPDOWNLIST"));
  EXPECT_FALSE(has(combo, "CBS_AUTOHSCROLL"));
  EXPECT_GE(combo.h, 60) << "the drop-down list needs room for the destination words";
}

TEST(IconDialog, IconListAndScrollingFields) {
  const rc::Control& list = control(IDD_ICON, IDC_ICON_LIST);
  EXPECT_EQ(list.kind, "CONTROL");
  EXPECT_EQ(list.cls, "SysListView32");
  EXPECT_TRUE(has(list, "LVS_ICON"));
  EXPECT_TRUE(has(list, "LVS_AUTOARRANGE"));
  for (long id : {IDC_ICON_TARGET_ID, IDC_ICON_NUMBER}) {
    EXPECT_EQ(control(IDD_ICON, id).kind, "EDITTEXT") << id;
    EXPECT_TRUE(has(control(IDD_ICON, id), "ES_AUTOHSCROLL")) << id;
  }
  std::set<std::string> texts;
  for (const rc::Control& c : dialog(IDD_ICON).controls) texts.insert(c.text);
  EXPECT_TRUE(texts.count(u8"対象 ID"));
  EXPECT_TRUE(texts.count(u8"ｱｲｺﾝNo."));
}

TEST(MessageDialog, EnterStartsALineAndTheTextWraps) {
  const rc::Control& text = control(IDD_MESSAGE, IDC_MESSAGE_TEXT);
  EXPECT_TRUE(has(text, "ES_MULTILINE"));
  EXPECT_TRUE(has(text, "ES_WANTRETURN"));
  for (const char* s : {"ES_AUTOHSCROLL", "ES_AUTOVSCROLL", "WS_HSCROLL", "WS_VSCROLL"}) EXPECT_FALSE(has(text, s)) << s;
  bool hint = false;
  for (const rc::Control& c : dialog(IDD_MESSAGE).controls)
    if (c.text == u8"※ 行き先表示ﾎﾞｰﾄﾞの左下にﾒｯｾｰｼﾞが表示されます") hint = c.y > text.y + text.h - 1;
  EXPECT_TRUE(hint) << "the hint stands under the field";
}

TEST(VersionDialog, ShowsTheProgramIconAndVersion) {
  const rc::Dialog& d = dialog(IDD_VERSION);
  bool icon = false, version = false;
  for (const rc::Control& c : d.controls) {
    icon = icon || (c.kind == "ICON" && c.text == std::to_string(IDI_PROGRAM));
    version = version || c.text == u8"行き先表示ボード  Wabo Version 2.11";
  }
  EXPECT_TRUE(icon);
  EXPECT_TRUE(version);
}

TEST(ResourceTexts, EveryTextHasAShiftJisForm) {
  // The program reads every text through the A functions; a character
  // without a code-page-932 form would come out as '?'.
  iconv_t cd = iconv_open("CP932", "UTF-8");
  ASSERT_NE(cd, iconv_t(-1));
  ASSERT_GT(script().strings.size(), 100u);
  for (const std::string& s : script().strings) {
    std::string in = s;
    std::string out(in.size() * 2 + 4, '\0');
    char* ip = in.data();
    char* op = out.data();
    size_t il = in.size(), ol = out.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    EXPECT_NE(iconv(cd, &ip, &il, &op, &ol), size_t(-1)) << s;
    EXPECT_EQ(il, 0u) << s;
  }
  iconv_close(cd);
}

namespace {

std::set<std::string> textsOf(long dialogId) {
  std::set<std::string> t;
  for (const rc::Control& c : dialog(dialogId).controls) t.insert(c.text);
  return t;
}

}  // namespace

TEST(SettingsDialogs, LabelsAndNotes) {
  // Texts with embedded double quotes are written "" in the script.
  const std::vector<std::pair<long, std::vector<const char*>>> texts{
      {IDD_AUTO_UPDATE,
       {u8"行き先情報を自動更新する", u8"更新時間", u8"分", u8"自動更新時にPC接続ｻｰﾁを実行する", u8"背景色",
        u8"接続ﾒﾝﾊﾞｰ", u8"非接続ﾒﾝﾊﾞｰ", u8"色選択"}},
      {IDD_DISPLAY,
       {u8"表示ｽﾀｲﾙ設定", u8"ｱｲｺﾝを表示する", u8"罫線を表示する", u8"ﾌｫﾝﾄｻｲｽﾞ", u8"※ ﾃﾞﾌｫﾙﾄ値 : 12", u8"行高さ",
        u8"※ ﾃﾞﾌｫﾙﾄ値 : 16", u8"表示色設定", u8"背景色", u8"背景色の選択", u8"ﾃｷｽﾄ色", u8"ﾃｷｽﾄ色の選択"}},
      {IDD_QUICK_INPUT, {u8"自分の行き先を", u8"にする", u8"※ 右ｸﾘｯｸ時の\"自分の行き先ﾒﾆｭｰ\"を設定します"}},
      {IDD_SHARED_LOCATION,
       {u8"共有設定ﾌｧｲﾙ", u8"参照",
        u8"※ﾈｯﾄﾜｰｸ上の共有設定ﾌｧｲﾙ \"Wabo.ini\" のあるフォルダを指定します（\"Wabo.ini\"がない場合は作成されます）",
        u8"※次回起動時より有効です"}},
      {IDD_BOARD_SETTINGS,
       {u8"行き先ﾎﾞｰﾄﾞ設定", u8"ﾎﾞｰﾄﾞ名称", u8"ﾌｧｲﾙ名", u8"行き先ﾌｧｲﾙの新規作成", u8"現在の表示内容で作成",
        u8"* 現在の表示内容を別ﾌｧｲﾙ名で保存する", u8"空の行き先ﾌｧｲﾙ作成", u8"* 空(ﾃﾞｰﾀ)の行き先ﾃﾞｰﾀﾌｧｲﾙを作成する"}},
      {IDD_DESTINATION_LIST,
       {u8"行き先ﾘｽﾄ", u8"追加ﾘｽﾄ入力", u8"追加", u8"削除", u8"※行き先ﾘｽﾄは 20個 まで入力できます"}},
      {IDD_COLUMN_NAMES, {u8"列名称の設定", u8"第1列", u8" ID"}},
      {IDD_OTHER_SETTINGS,
       {u8"行き先ﾃﾞｰﾀﾌｧｲﾙのﾊﾞｯｸｱｯﾌﾟを自動作成する", u8"起動時にﾕｰｻﾞｰID入力画面を表示する",
        u8"ﾕｰｻﾞｰによるPC接続ｻｰﾁを許可する", u8"ﾒｰﾙ保存ﾌｫﾙﾀﾞ", u8"参照"}},
      {IDD_SEARCH_PROGRESS,
       {u8" 接  続   ⇒", u8"非接続   ⇒", u8"※各ﾒﾝﾊﾞｰの\"PC-Name\"入力が必要です", u8"OK", u8"中止"}},
  };
  for (const auto& [id, wanted] : texts) {
    std::set<std::string> have = textsOf(id);
    for (const char* t : wanted) EXPECT_TRUE(have.count(t)) << "dialog " << id << " lacks \"" << t << "\"";
  }
  // Check boxes that tick themselves: the dialogs only read their state.
  for (const auto& [d, id] : std::vector<std::pair<long, long>>{{IDD_AUTO_UPDATE, IDC_AU_ENABLED},
                                                               {IDD_AUTO_UPDATE, IDC_AU_PC_SEARCH},
                                                               {IDD_DISPLAY, IDC_DISP_SHOW_ICONS},
                                                               {IDD_DISPLAY, IDC_DISP_GRID_LINES},
                                                               {IDD_OTHER_SETTINGS, IDC_OS_BACKUP},
                                                               {IDD_OTHER_SETTINGS, IDC_OS_ASK_USER_ID},
                                                               {IDD_OTHER_SETTINGS, IDC_OS_PC_SEARCH}})
    EXPECT_EQ(control(d, id).kind, "AUTOCHECKBOX") << d << " " << id;
  // The legend window is modeless and shows itself when it is made.
  EXPECT_TRUE(dialog(IDD_SEARCH_PROGRESS).style.count("WS_VISIBLE"));
}

TEST(SettingsDialogs, BoardRowsAndCaptionRowsLineUp) {
  // The IDs of the rows are not in row order, so a swapped ID is easy to make.
  const long rows[5][3] = {{IDC_BS_NAME1, IDC_BS_FILE1, IDC_BS_BROWSE1}, {IDC_BS_NAME2, IDC_BS_FILE2, IDC_BS_BROWSE2},
                           {IDC_BS_NAME3, IDC_BS_FILE3, IDC_BS_BROWSE3}, {IDC_BS_NAME4, IDC_BS_FILE4, IDC_BS_BROWSE4},
                           {IDC_BS_NAME5, IDC_BS_FILE5, IDC_BS_BROWSE5}};
  long lastY = 0;
  for (int n = 0; n < 5; ++n) {
    const rc::Control& name = control(IDD_BOARD_SETTINGS, rows[n][0]);
    const rc::Control& file = control(IDD_BOARD_SETTINGS, rows[n][1]);
    const rc::Control& browse = control(IDD_BOARD_SETTINGS, rows[n][2]);
    EXPECT_GT(name.y, lastY) << "board " << n + 1;
    lastY = name.y;
    EXPECT_EQ(file.y, name.y) << "board " << n + 1;
    EXPECT_LE(std::abs(browse.y - name.y), 2) << "board " << n + 1;
    EXPECT_LT(name.x, file.x);
    EXPECT_LT(file.x, browse.x);
    EXPECT_EQ(browse.text, u8"参照");
    // the row's label
    bool labelled = false;
    for (const rc::Control& c : dialog(IDD_BOARD_SETTINGS).controls)
      labelled = labelled || (c.text == u8"ﾎﾞｰﾄﾞ" + std::to_string(n + 1) && std::abs(c.y - name.y) <= 3 &&
                              c.x + c.w <= name.x);
    EXPECT_TRUE(labelled) << "board " << n + 1;
  }

  const long captions[8] = {IDC_CN_CAPTION1, IDC_CN_CAPTION2, IDC_CN_CAPTION3, IDC_CN_CAPTION4,
                            IDC_CN_CAPTION5, IDC_CN_CAPTION6, IDC_CN_CAPTION7, IDC_CN_CAPTION8};
  lastY = 0;
  for (int n = 0; n < 8; ++n) {
    const rc::Control& edit = control(IDD_COLUMN_NAMES, captions[n]);
    EXPECT_GT(edit.y, lastY) << "caption " << n + 1;
    lastY = edit.y;
    EXPECT_EQ(has(edit, "ES_READONLY"), n == 3) << "caption " << n + 1 << ": only the write time is fixed";
    std::string label = u8"第" + std::to_string(n + 2) + u8"列";
    bool labelled = false;
    for (const rc::Control& c : dialog(IDD_COLUMN_NAMES).controls)
      labelled = labelled || (c.text == label && std::abs(c.y - edit.y) <= 3 && c.x + c.w <= edit.x);
    EXPECT_TRUE(labelled) << label;
  }
}

TEST(ListsAndBoards, SelectionAndOrder) {
  // Lists keep the order the program fills them in.
  const rc::Control& words = control(IDD_DESTINATION_LIST, IDC_DL_LIST);
  const rc::Control& recipients = control(IDD_MAIL_RECIPIENTS, IDC_MR_LIST);
  for (const rc::Control* c : {&words, &recipients}) {
    EXPECT_EQ(c->cls, "ListBox");
    EXPECT_FALSE(has(*c, "LBS_SORT"));
    EXPECT_FALSE(has(*c, "LBS_STANDARD"));  // includes LBS_SORT
    EXPECT_TRUE(has(*c, "WS_VSCROLL"));
  }
  EXPECT_TRUE(has(recipients, "LBS_EXTENDEDSEL"));  // Ctrl and Shift pick several
  EXPECT_FALSE(has(words, "LBS_EXTENDEDSEL") || has(words, "LBS_MULTIPLESEL"));

  const rc::Control& posts = control(IDD_BULLETIN, IDC_BB_LIST);
  EXPECT_EQ(posts.cls, "SysListView32");
  EXPECT_TRUE(has(posts, "LVS_REPORT"));
  EXPECT_FALSE(has(posts, "LVS_SINGLESEL"));
  EXPECT_FALSE(has(posts, "LVS_SORTASCENDING") || has(posts, "LVS_SORTDESCENDING"));
  for (const rc::Control& c : dialog(IDD_BULLETIN).controls)
    EXPECT_NE(c.kind, "DEFPUSHBUTTON") << "the bulletin board has no default button";
  std::set<std::string> board = textsOf(IDD_BULLETIN);
  for (const char* t : {u8"件     名", u8"情     報", u8"書込み者", u8"削  除", u8"新規作成", u8"閉じる"})
    EXPECT_TRUE(board.count(t)) << t;
  EXPECT_EQ(control(IDD_BULLETIN, IDC_BB_DELETE).text, u8"削  除");
  EXPECT_EQ(control(IDD_BULLETIN, IDC_BB_NEW).text, u8"新規作成");
  EXPECT_EQ(control(IDD_BULLETIN, kCancel).text, u8"閉じる");
}

TEST(MailAndPostForms, FieldsAndButtons) {
  // The compose form: Enter makes a new line in the text; "送信" is the default.
  EXPECT_TRUE(has(control(IDD_MAIL_COMPOSE, IDC_MC_TEXT), "ES_WANTRETURN"));
  EXPECT_TRUE(has(control(IDD_MAIL_COMPOSE, IDC_MC_RECIPIENTS), "ES_AUTOHSCROLL"));
  EXPECT_EQ(control(IDD_MAIL_COMPOSE, IDC_MC_SEND).kind, "DEFPUSHBUTTON");
  EXPECT_EQ(control(IDD_MAIL_COMPOSE, IDC_MC_SEND).text, u8"送信");
  EXPECT_EQ(control(IDD_MAIL_COMPOSE, IDC_MC_CHOOSE).text, u8"送信先選択");
  EXPECT_EQ(dialog(IDD_MAIL_COMPOSE).control(kOk), nullptr);
  EXPECT_TRUE(textsOf(IDD_MAIL_COMPOSE).count(u8"ﾒｰﾙ送信先の I D "));
  EXPECT_TRUE(textsOf(IDD_MAIL_RECIPIENTS).count(u8"※ 複数ﾒﾝﾊﾞｰへ送るときは \"Ctrl\" を押して選択してください"));

  // The mail view: close (1), reply, save; Esc gives 2 without a button.
  EXPECT_EQ(control(IDD_MAIL_VIEW, kOk).text, u8"閉じる");
  EXPECT_EQ(control(IDD_MAIL_VIEW, IDC_MV_REPLY).text, u8"返信を書く");
  EXPECT_EQ(control(IDD_MAIL_VIEW, IDC_MV_SAVE).text, u8"保存する");
  EXPECT_EQ(dialog(IDD_MAIL_VIEW).control(kCancel), nullptr);
  for (long id : {IDC_MV_SENDER, IDC_MV_TIME}) EXPECT_TRUE(has(control(IDD_MAIL_VIEW, id), "WS_BORDER")) << id;
  std::set<std::string> view = textsOf(IDD_MAIL_VIEW);
  EXPECT_TRUE(view.count(u8"ﾒｰﾙ送信者ID"));
  EXPECT_TRUE(view.count(u8"ﾒｰﾙ送信時間"));

  // A new post: subject and writer stop at the edge of their boxes.
  for (long id : {IDC_BN_SUBJECT, IDC_BN_WRITER}) {
    EXPECT_FALSE(has(control(IDD_BULLETIN_NEW, id), "ES_AUTOHSCROLL")) << id;
    EXPECT_GE(control(IDD_BULLETIN_NEW, id).w, 200) << id << ": room for 58 bytes";
  }
  EXPECT_TRUE(has(control(IDD_BULLETIN_NEW, IDC_BN_TEXT), "ES_WANTRETURN"));
  EXPECT_EQ(control(IDD_BULLETIN_NEW, IDC_BN_WRITE).text, u8"書込み");
  std::set<std::string> post = textsOf(IDD_BULLETIN_NEW);
  for (const char* t : {u8"件     名", u8"情     報", u8"書込み者"}) EXPECT_TRUE(post.count(t)) << t;
}
