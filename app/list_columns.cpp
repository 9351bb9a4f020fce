// The member list's ten columns, kept per board, and sorting by a column.
#include "app/list_columns.h"

#include <algorithm>
#include <climits>
#include <numeric>
#include <unordered_map>
#include <vector>

#include "board/columns.h"
#include "common/limits.h"
#include "common/sjis.h"

namespace wabo {

namespace {

void applyColumnOrder(MemberList& list, AppState& app) {
  ColumnOrder& order = app.local.columnOrder[app.boardIndex()];
  if (!isColumnPermutation(order)) order = kDefaultColumnOrder;
  list.setColumnOrder(order);
}

// Sort keys that the program writes are column (0..9) plus 10 when descending.
int validSortKey(int key) { return key >= 0 && key < 2 * kColumnCount ? key : 0; }

// Byte order of unsigned bytes, as strcmp compares.
int compareBytes(const std::string& a, const std::string& b) {
  std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

void applyFillRule(AppState& app, int fullScreenWidth) {
  ColumnWidths& widths = app.local.columnWidths[app.boardIndex()];
  if (widths[8] != -1) return;
  // Widths come from a settings file a person may edit: summed in 64 bits,
  // eight of them near the largest int cannot overflow.
  long long rest = fullScreenWidth;
  for (int i = 0; i < 8; ++i) rest -= widths[i];
  // A screen narrower than the other columns leaves column 8 at no width
  // rather than at a negative one; negative widths cannot make it wider
  // than an int.
  widths[8] = rest < 0 ? 0 : rest > INT_MAX ? INT_MAX : static_cast<int>(rest);
}

void createColumns(MemberList& list, AppState& app) {
  applyFillRule(app, list.fullScreenWidth());
  const ColumnWidths& widths = app.local.columnWidths[app.boardIndex()];
  for (int i = 0; i < kColumnCount; ++i) {
    const char* caption = kColumns[i].fixedCaption;
    list.insertColumn(i, caption != nullptr ? caption : "", widths[i]);
  }
  applyColumnOrder(list, app);
}

void saveColumnLayout(const MemberList& list, AppState& app) {
  const int b = app.boardIndex();
  for (int i = 0; i < kColumnCount; ++i) app.local.columnWidths[b][i] = list.columnWidth(i);
  app.local.columnOrder[b] = list.columnOrder();
}

void rebuildColumns(MemberList& list, AppState& app, ColumnLayout layout) {
  const int b = app.boardIndex();
  if (layout == ColumnLayout::kKeepShown) {
    saveColumnLayout(list, app);
  } else {
    list.setColumnWidth(kIdColumn, app.local.columnWidths[b][kIdColumn]);
    list.setColumnWidth(kPcNameColumn, app.local.columnWidths[b][kPcNameColumn]);
  }
  for (int i = 1; i <= kColumnNameCount; ++i) list.deleteColumn(1);
  applyFillRule(app, list.fullScreenWidth());
  const ColumnWidths& widths = app.local.columnWidths[b];
  for (int i = 1; i <= kColumnNameCount; ++i) list.insertColumn(i, app.board.columnNames[i - 1], widths[i]);
  applyColumnOrder(list, app);
}

void sortByColumn(MemberList& list, AppState& app, int column) {
  if (column < 0 || column >= kColumnCount) return;
  // Each row's text is read once. Row keys are 0..n-1 after every load,
  // delete and insert, so they index a table directly; should they not be,
  // a map keeps the first row of each key, as a lookup from the top would.
  const int n = list.rowCount();
  std::vector<long> keys(static_cast<std::size_t>(n));
  std::vector<bool> seen(static_cast<std::size_t>(n), false);
  bool dense = true;
  for (int row = 0; row < n; ++row) {
    long key = keys[static_cast<std::size_t>(row)] = list.key(row);
    if (key < 0 || key >= n || seen[static_cast<std::size_t>(key)]) {
      dense = false;
    } else {
      seen[static_cast<std::size_t>(key)] = true;
    }
  }
  std::vector<std::string> byKey(dense ? static_cast<std::size_t>(n) : 0);
  std::unordered_map<long, std::string> byKeyMap;
  for (int row = 0; row < n; ++row) {
    long key = keys[static_cast<std::size_t>(row)];
    std::string text = list.text(row, column, kShortTextBytes);
    if (dense) {
      byKey[static_cast<std::size_t>(key)] = std::move(text);
    } else {
      byKeyMap.emplace(key, std::move(text));
    }
  }
  static const std::string kNoText;
  auto textOf = [&](long key) -> const std::string& {
    if (dense) return key >= 0 && key < n ? byKey[static_cast<std::size_t>(key)] : kNoText;
    auto it = byKeyMap.find(key);
    return it == byKeyMap.end() ? kNoText : it->second;
  };
  const bool descending = app.list.sortDescending[column] != 0;
  list.sortByKeys([&](long a, long b) {
    int result = compareBytes(textOf(a), textOf(b));
    return descending ? -result : result;
  });
}

void sortByColumnClick(MemberList& list, AppState& app, int column) {
  if (column < 0 || column >= kColumnCount) return;
  int& descending = app.list.sortDescending[column];
  descending = descending ? 0 : 1;
  sortByColumn(list, app, column);
  app.local.sortKeys[app.boardIndex()] = descending * 10 + column;
}

int takeStoredSort(AppState& app) {
  int& stored = app.local.sortKeys[app.boardIndex()];
  stored = validSortKey(stored);
  const int column = stored % kColumnCount;
  app.list.sortDescending[column] = stored / kColumnCount;
  return column;
}

std::vector<std::size_t> sortOrder(const std::vector<std::string>& texts, bool descending) {
  std::vector<std::string> cut;
  cut.reserve(texts.size());
  for (const std::string& text : texts) cut.push_back(sjis::cut(text, kShortTextBytes - 1));
  std::vector<std::size_t> order(texts.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const int result = compareBytes(cut[a], cut[b]);
    return (descending ? -result : result) < 0;
  });
  return order;
}

}  // namespace wabo
