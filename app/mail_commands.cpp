#include "app/mail_commands.h"

#include "board/member_lookup.h"
#include "common/limits.h"

namespace wabo {

void mailToSelectedMember(MailCommandContext& ctx) {
  AppState& app = ctx.board.app;
  if (app.local.userId.empty()) askUserId(ctx.board, /*clearWhenUnknown=*/false);
  // A mail without a sender would reach its receiver from "不明", and the
  // receiver preset below would be left from an earlier command.
  if (app.local.userId.empty()) return;
  int row = ctx.board.list.firstSelected();
  app.mail.mailRecipientId = row >= 0 ? cellText(ctx.board.list, row, kIdColumn) : std::string();
  ctx.composer.composeMail();
}

void mailFromMenu(MailCommandContext& ctx) {
  if (ownRowLookup(ctx.board) < 0) return;
  ctx.board.app.mail.mailRecipientId.clear();
  ctx.composer.composeMail();
}

MailSendContext mailSendContext(BoardCommandContext& board) {
  AppState& app = board.app;
  return MailSendContext{board.list, app.local.userId, app.shared.mailFolder, app.times, app.mail, board.ui};
}

MailPickupContext mailPickupContext(BoardCommandContext& board, MailPickupShell& shell) {
  AppState& app = board.app;
  return MailPickupContext{board.list, app.local.userId, app.shared.mailFolder, app.mail, shell};
}

}  // namespace wabo
