#include "app/id_edit_command.h"

#include "board/id_edit.h"
#include "board/member_lookup.h"
#include "board/row_edits.h"
#include "common/messages.h"

namespace wabo {

void finishIdEdit(BoardCommandContext& ctx, const std::string& oldId, const std::string& typed) {
  const int row = findMember(ctx.list, oldId);
  if (row < 0) {
    ctx.ui.warn(msg::kIdNotFound);
    return;
  }
  const IdEditVerdict verdict = checkIdEdit(ctx.list, row, typed);
  if (verdict.warning != nullptr) {
    ctx.ui.warn(verdict.warning);
    return;
  }
  if (verdict.unchanged) return;
  if (verdict.commasReplaced) ctx.ui.inform(msg::kCommaConverted);
  if (!preSaveCheck(ctx)) return;
  renameMember(ctx.list, ctx.app, ctx.ui, oldId, verdict.id);
  showBoardAfterSave(ctx);
}

}  // namespace wabo
