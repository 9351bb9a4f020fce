// An in-memory member list with the list view's own behaviour: texts cut to
// the reader's buffer, find by ID (whole text, letters ignoring case, first
// match), a stable sort by row keys, and a column order that follows deletes
// and inserts as the header control's does.
#pragma once
#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "board/member_list.h"
#include "common/sjis.h"

namespace wabo::testing {

struct FakeRow {
  std::array<std::string, kColumnCount> texts;
  int image = 0;
  long key = 0;
  int mark = 0;
  bool selected = false;
};

struct FakeColumn {
  std::string caption;
  int width = 0;
};

class FakeMemberList : public MemberList {
 public:
  std::vector<FakeRow> rows;
  std::vector<FakeColumn> columns;  // by column index
  std::vector<int> order;           // display position -> column index
  int screenWidth = 1024;
  int bulkDepth = 0;
  int bulkUpdates = 0;                    // outermost begins
  std::function<void()> onBulkUpdateEnd;  // runs as the outermost one ends
  int rowsInsertedWithRedraw = 0;         // inserts outside a bulk update
  int appearanceRebuilds = 0;

  int rowCount() const override { return static_cast<int>(rows.size()); }
  void deleteAllRows() override { rows.clear(); }
  int insertRow(int index, const std::string& id, int image, long key) override {
    index = std::clamp(index, 0, rowCount());
    FakeRow row{{id}, image, key};
    rows.insert(rows.begin() + index, std::move(row));
    rowsInsertedWithRedraw += bulkDepth == 0;
    return index;
  }
  void deleteRow(int index) override {
    if (at(index)) rows.erase(rows.begin() + index);
  }
  std::string text(int row, int column, std::size_t bufferBytes) const override {
    if (!at(row) || column < 0 || column >= kColumnCount || bufferBytes == 0) return "";
    return sjis::cut(at(row)->texts[column], bufferBytes - 1);
  }
  void setText(int row, int column, const std::string& text) override {
    if (at(row) && column >= 0 && column < kColumnCount) at(row)->texts[column] = text;
  }
  int image(int row) const override { return at(row) ? at(row)->image : -1; }
  void setImage(int row, int image) override { set(row, &FakeRow::image, image); }
  long key(int row) const override { return at(row) ? at(row)->key : 0; }
  void setKey(int row, long key) override { set(row, &FakeRow::key, key); }
  int mark(int row) const override { return at(row) ? at(row)->mark : 0; }
  void setMark(int row, int mark) override { set(row, &FakeRow::mark, mark); }
  int findId(const std::string& id) const override {
    auto found = std::find_if(rows.begin(), rows.end(),
                              [&](const FakeRow& r) { return sjis::equalsIgnoreCase(r.texts[0], id); });
    return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
  }
  int firstSelected() const override {
    auto found = std::find_if(rows.begin(), rows.end(), [](const FakeRow& r) { return r.selected; });
    return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
  }
  void sortByKeys(const std::function<int(long, long)>& compare) override {
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const FakeRow& a, const FakeRow& b) { return compare(a.key, b.key) < 0; });
  }

  int columnWidth(int column) const override { return col(column) ? col(column)->width : 0; }
  void setColumnWidth(int column, int width) override {
    if (col(column)) col(column)->width = width;
  }
  ColumnOrder columnOrder() const override {
    ColumnOrder result{};
    for (std::size_t i = 0; i < result.size(); ++i) result[i] = i < order.size() ? order[i] : static_cast<int>(i);
    return result;
  }
  void setColumnOrder(const ColumnOrder& newOrder) override {
    order.assign(newOrder.begin(), newOrder.begin() + std::min(newOrder.size(), columns.size()));
  }
  void deleteColumn(int column) override {
    if (!col(column)) return;
    columns.erase(columns.begin() + column);
    order.erase(std::remove(order.begin(), order.end(), column), order.end());
    for (int& c : order) c -= c > column;
  }
  void insertColumn(int column, const std::string& caption, int width) override {
    column = std::clamp(column, 0, columnCount());
    columns.insert(columns.begin() + column, FakeColumn{caption, width});
    for (int& c : order) c += c >= column;
    order.insert(order.begin() + std::min(static_cast<std::size_t>(column), order.size()), column);
  }
  std::string columnCaption(int column) const override { return col(column) ? col(column)->caption : ""; }
  int fullScreenWidth() const override { return screenWidth; }
  void rebuildAppearance() override { ++appearanceRebuilds; }
  void beginBulkUpdate() override { bulkUpdates += bulkDepth++ == 0; }
  void endBulkUpdate() override {
    if (bulkDepth > 0 && --bulkDepth == 0 && onBulkUpdateEnd) onBulkUpdateEnd();
  }

  // Test helpers
  int columnCount() const { return static_cast<int>(columns.size()); }
  void select(int row) {
    for (FakeRow& r : rows) r.selected = &r - rows.data() == row;
  }
  // A row at the end with the next key and the given texts (subitem 0 first).
  int addRow(const std::vector<std::string>& texts, int image = 0) {
    int index = insertRow(rowCount(), texts.empty() ? "" : texts[0], image, rowCount());
    for (std::size_t c = 1; c < texts.size(); ++c) setText(index, static_cast<int>(c), texts[c]);
    return index;
  }
  // One field of every row, in list order.
  template <typename F>
  auto each(F field) const {
    std::vector<decltype(field(rows[0]))> result;
    for (const FakeRow& row : rows) result.push_back(field(row));
    return result;
  }
  std::vector<std::string> ids() const {
    return each([](const FakeRow& r) { return r.texts[0]; });
  }
  std::vector<long> keys() const {
    return each([](const FakeRow& r) { return r.key; });
  }

 private:
  const FakeRow* at(int row) const { return row >= 0 && row < rowCount() ? &rows[row] : nullptr; }
  FakeRow* at(int row) { return const_cast<FakeRow*>(std::as_const(*this).at(row)); }
  template <typename T>
  void set(int row, T FakeRow::*field, T value) {
    if (at(row)) at(row)->*field = value;
  }
  const FakeColumn* col(int c) const { return c >= 0 && c < columnCount() ? &columns[c] : nullptr; }
  FakeColumn* col(int c) { return const_cast<FakeColumn*>(std::as_const(*this).col(c)); }
};

}  // namespace wabo::testing
