#include "board/board_history.h"

#include <deque>
#include <utility>
#include <unordered_map>

#include "board/columns.h"
#include "common/limits.h"
#include "common/sjis.h"

namespace wabo {

namespace {

// The board's own rule for an ID: letters without regard to case, double-byte
// characters exactly.
std::string foldedId(const std::string& id) {
  std::string out = id;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(out[i]);
    if (sjis::isLeadByte(c)) {
      ++i;
    } else if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c - 'A' + 'a');
    }
  }
  return out;
}

std::string captionOf(const BoardContent& board, int column) {
  if (hasBoardCaption(column)) return board.columnNames[static_cast<std::size_t>(column - 1)];
  return kColumns[column].fixedCaption;
}

// The same member under another ID: every field but the ID and the write time alike.
bool sameButId(const MemberRow& a, const MemberRow& b) {
  if (a.iconNumber != b.iconNumber) return false;
  for (int c = 1; c < kColumnCount; ++c)
    if (c != kWriteTimeColumn && a.texts[c] != b.texts[c]) return false;
  return true;
}

void rowFieldChanges(const MemberRow& before, const MemberRow& after, const BoardContent& board,
                     HistoryKind fieldKind, std::vector<HistoryChange>& out) {
  const std::string& id = after.texts[kIdColumn];
  if (before.iconNumber != after.iconNumber)
    out.push_back({id, HistoryKind::kIconChanged, "Icon No.", std::to_string(before.iconNumber),
                   std::to_string(after.iconNumber)});
  for (int c = 1; c < kColumnCount; ++c) {
    if (c == kWriteTimeColumn || before.texts[c] == after.texts[c]) continue;
    out.push_back({id, fieldKind, captionOf(board, c), before.texts[c], after.texts[c]});
  }
}

void boardLevelChanges(const BoardContent& before, const BoardContent& after, std::vector<HistoryChange>& out) {
  for (int i = 0; i < kColumnNameCount; ++i) {
    const std::string& was = before.columnNames[static_cast<std::size_t>(i)];
    const std::string& now = after.columnNames[static_cast<std::size_t>(i)];
    if (was != now) out.push_back({"", HistoryKind::kColumnName, was, was, now});
  }
  if (before.allMembersMessage != after.allMembersMessage)
    out.push_back({"", HistoryKind::kAllMembers, "", before.allMembersMessage, after.allMembersMessage});
}

}  // namespace

const char* historyKindText(HistoryKind kind) {
  switch (kind) {
    case HistoryKind::kDestination: return "行き先変更";
    case HistoryKind::kQuickInput: return "一括";
    case HistoryKind::kAdded: return "追加";
    case HistoryKind::kDeleted: return "削除";
    case HistoryKind::kIdChanged: return "ID変更";
    case HistoryKind::kIconChanged: return "アイコン変更";
    case HistoryKind::kAllMembers: return "全員へ";
    case HistoryKind::kColumnName: return "列名称";
  }
  return "";
}

std::vector<HistoryChange> boardChanges(const BoardContent& before, const BoardContent& after, bool quickInput) {
  std::vector<HistoryChange> out;
  boardLevelChanges(before, after, out);
  // Rows of the older board by ID; a hand-edited board may repeat an ID,
  // and its rows then pair up in order.
  std::unordered_map<std::string, std::deque<std::size_t>> beforeById;
  for (std::size_t i = 0; i < before.rows.size(); ++i)
    beforeById[foldedId(before.rows[i].texts[kIdColumn])].push_back(i);
  std::vector<bool> matched(before.rows.size(), false);
  std::vector<const MemberRow*> added;
  const HistoryKind fieldKind = quickInput ? HistoryKind::kQuickInput : HistoryKind::kDestination;
  for (const MemberRow& row : after.rows) {
    auto found = beforeById.find(foldedId(row.texts[kIdColumn]));
    if (found == beforeById.end() || found->second.empty()) {
      added.push_back(&row);
      continue;
    }
    const std::size_t was = found->second.front();
    found->second.pop_front();
    matched[was] = true;
    rowFieldChanges(before.rows[was], row, after, fieldKind, out);
  }
  for (const MemberRow* row : added) {
    const std::string& id = row->texts[kIdColumn];
    std::size_t was = 0;
    while (was < before.rows.size() && (matched[was] || !sameButId(before.rows[was], *row))) ++was;
    if (was < before.rows.size()) {
      matched[was] = true;
      out.push_back({id, HistoryKind::kIdChanged, "ID", before.rows[was].texts[kIdColumn], id});
    } else {
      out.push_back({id, HistoryKind::kAdded, "", "", row->texts[kNameColumn]});
    }
  }
  for (std::size_t i = 0; i < before.rows.size(); ++i) {
    if (matched[i]) continue;
    const MemberRow& row = before.rows[i];
    out.push_back({row.texts[kIdColumn], HistoryKind::kDeleted, "", row.texts[kNameColumn], ""});
  }
  return out;
}

namespace {

// Like a board field: cut at a character boundary, no separator, no line break.
void appendField(std::string& out, const std::string& text, std::size_t bufferBytes) {
  std::string field = sjis::cut(text, textLimit(bufferBytes));
  for (char& c : field) {
    if (c == '\r' || c == '\n') c = ' ';
    if (c == ',') c = '/';
  }
  out += field;
}

}  // namespace

std::string historyLines(const std::string& time, const HistoryAuthor& author,
                         const std::vector<HistoryChange>& changes) {
  std::string out;
  for (const HistoryChange& change : changes) {
    const std::pair<const std::string*, std::size_t> fields[] = {
        {&time, kHistoryTimeBytes},        {&author.userId, kShortTextBytes}, {&author.pcName, kShortTextBytes},
        {&change.memberId, kShortTextBytes}, {nullptr, 0},                    {&change.column, kShortTextBytes},
        {&change.oldText, kHistoryTextBytes}, {&change.newText, kHistoryTextBytes}};
    for (const auto& [text, bufferBytes] : fields) {
      if (text == nullptr) out += historyKindText(change.kind);  // no separator in any kind
      else appendField(out, *text, bufferBytes);
      out += text == &change.newText ? "\r\n" : ",";
    }
  }
  return out;
}

}  // namespace wabo
