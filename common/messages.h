// Every text that the program shows in a message box, in one place. The
// texts are the program's own, byte for byte; several end in one blank that
// belongs to the text.
#pragma once

namespace wabo::msg {

inline constexpr char kCaption[] = "ﾒｯｾｰｼﾞ";
inline constexpr char kConfirmCaption[] = "確認ﾒｯｾｰｼﾞ";

// Board files
inline constexpr char kBoardMissingOrLocked[] = "行き先ﾃﾞｰﾀﾌｧｲﾙが見つかりません\nまたは、ﾛｯｸﾌｧｲﾙがあります";
inline constexpr char kBadFormat[] = "ﾌｧｲﾙ形式ｴﾗｰです。旧ﾊﾞｰｼﾞｮﾝの\nﾌｧｲﾙは読み込めません。";
inline constexpr char kSaveLockedOrMissing[] = "ﾃﾞｰﾀ更新に失敗しました\nﾃﾞｰﾀﾌｧｲﾙがないかﾛｯｸされています";
inline constexpr char kSaveFailed[] = "ﾃﾞｰﾀ更新に失敗しました";
// The board was saved, but its lock could not be deleted afterwards.
inline constexpr char kLockLeft[] = "ﾃﾞｰﾀは更新しましたが、ﾛｯｸﾌｧｲﾙ(lock.dat)を削除できませんでした\nlock.datを削除してください";

// Board commands
inline constexpr char kIdNotFound[] = "IDが見つかりません";
inline constexpr char kDuplicateId[] = "ＩＤが重複しています";
inline constexpr char kOwnIdNotFound[] =
    "あなたのIDが見つかりません\nIDのあるﾎﾞｰﾄﾞを表示した状態でﾕｰｻﾞｰID設定を実行してください";
inline constexpr char kDeleteIdNotFound[] = "削除するIDが見つかりません";
inline constexpr char kBoardFull[] = "ﾒﾝﾊﾞｰは500人までしか登録できません";

// Dialogs
inline constexpr char kCommaConverted[] = "[ , ]は、[ / ]に変換されます。";
inline constexpr char kIdEmpty[] = "IDが入力されていません ";
inline constexpr char kIdStartsWithSpace[] = "IDにｽﾍﾟｰｽ文字は使えません ";
// The reader takes a row with the ID "END" for the end of the rows, and a
// line break for the end of a row: the destination dialog refuses both.
inline constexpr char kIdIsEnd[] = "IDに[END]は使えません ";
inline constexpr char kLineBreakNotAllowed[] = "改行は使えません ";
inline constexpr char kIconNumberOutOfRange[] = "ｱｲｺﾝNo.が範囲外です ";
inline constexpr char kIconIdNotFound[] = "IDが見つかりません ";

// Bulletin board
inline constexpr char kPostSubjectMissing[] = "[件名] がありません！ ";
inline constexpr char kSaveFolderMissing[] = "保存先ﾌｫﾙﾀﾞが見つかりません ";
// "[ " + subject + " ] を削除しますか？"
inline constexpr char kDeletePostQuestionHead[] = "[ ";
inline constexpr char kDeletePostQuestionTail[] = " ] を削除しますか？";

// Refresh
inline constexpr char kRefreshedNew[] = "更新しました(新しい情報あり)";
inline constexpr char kRefreshedNothingNew[] = "更新しました(新しい情報なし)";
inline constexpr char kPcSearchNotAllowed[] = "PC接続ｻｰﾁは許可されていません";
inline constexpr char kNoPcNames[] = "PC-Nameが入力されていません";

// PC connection search
inline constexpr char kCannotSearch[] = "このPCでは接続ｻｰﾁを使用できません";

// Settings commands
inline constexpr char kResetSettingsQuestion[] = "ﾕｰｻﾞｰ設定を初期化します！";
inline constexpr char kResetSettingsDone[] = "初期化完了。次回起動時より有効です！";

// Start-up that fails (no window yet)
inline constexpr char kStartupFailed[] = "行き先表示ボードを起動できません";
inline constexpr char kStartupResources[] = "ﾌﾟﾛｸﾞﾗﾑﾌｧｲﾙのﾒﾆｭｰまたはｼｮｰﾄｶｯﾄｷｰを読み込めませんでした";
inline constexpr char kStartupWindowClass[] = "ｳｨﾝﾄﾞｳｸﾗｽを登録できませんでした";
inline constexpr char kStartupMainWindow[] = "ﾒｲﾝｳｨﾝﾄﾞｳを作成できませんでした";
inline constexpr char kStartupUnexpected[] = "予期しないｴﾗｰが発生しました";
inline constexpr char kSystemErrorNumber[] = "(ｴﾗｰ番号 ";

// User settings dialogs
inline constexpr char kMinutesOutOfRange[] = "更新時間の設定値が範囲外です";
inline constexpr char kMinutesTooShortForSearch[] = "PC接続ｻｰﾁを自動実行する場合は、\n更新時間を10分以上で設定ください";

// Mail
inline constexpr char kMailRecipientNotFoundBefore[] = "送信先IDの[";
inline constexpr char kMailRecipientNotFoundAfter[] = "]が見つかりません";
inline constexpr char kMailSlotsFullBefore[] = "送信先ID[";
inline constexpr char kMailSlotsFullAfter[] = "]のﾒｰﾙﾌｫﾙﾀﾞが一杯です";
inline constexpr char kMailFolderNotFound[] = "ﾒｰﾙﾌｫﾙﾀﾞが見つかりません ";
inline constexpr char kMailArrived[] = "さんからメールです！";
inline constexpr char kMailUnknownSender[] = "不明";
inline constexpr char kMailNoRecipient[] = "送信先のIDを入力してください";
inline constexpr char kMailSentTo[] = "さんにﾒｰﾙを送信しました";
inline constexpr char kMailSendFailed[] = "ﾒｰﾙ送信に失敗しました";
// The receiver field holds 998 bytes: a longer selection would lose IDs.
inline constexpr char kMailTooManyRecipients[] = "選択したﾒﾝﾊﾞｰが多すぎます。選択を減らしてください";

// Find box and the watch for a member's return
inline constexpr char kFindNoMatch[] = "見つかりません";
inline constexpr char kReturnNoticeMiddle[] = "さんの行き先が「";
inline constexpr char kReturnNoticeEnd[] = "」になりました";
inline constexpr char kWatchListFull[] = "戻ったら知らせるﾒﾝﾊﾞｰは20人までです ";
inline constexpr char kWatchIdNotStorable[] = "このIDは戻ったら知らせるに登録できません ";

// Administrator settings
inline constexpr char kAffectsEveryone[] = "この変更は全てのメンバーに影響します\n実行しますか？";
// Wabo.ini could not be written: nothing of the change is kept.
inline constexpr char kSharedSettingsNotWritten[] = "共有設定ﾌｧｲﾙ(Wabo.ini)に書き込めませんでした\n設定は変更されていません";

}  // namespace wabo::msg
