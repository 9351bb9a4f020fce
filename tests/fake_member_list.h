// An in-memory member list with the list view's own behaviour: texts cut to
// the reader's buffer, find by ID (whole text, letters ignoring case, first
// match), a stable sort by row keys, and a column order that follows deletes
// and inserts as the header control's does.
#pragma once
#include <algorithm>
#include <array>
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
  int rowsInsertedWithRedraw = 0;  // inserts outside a bulk update
  int appearanceRebuilds = 0;

  int rowCount() const override { return static_cast<int>(rows.size()); }
  void deleteAllRows() override { rows.clear(); }
  int insertRow(int index, const std::string& id, int image, long key) override {
    index = std::clamp(index, 0, rowCount());
    FakeRow row;
    row.texts[0] = id;
    row.image = image;
    row.key = key;
    rows.insert(rows.begin() + index, std::move(row));
    if (bulkDepth == 0) ++rowsInsertedWithRedraw;
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
  void setImage(int row, int image) override { at(row, &FakeRow::image, image); }
  long key(int row) const override { return at(row) ? at(row)->key : 0; }
  void setKey(int row, long key) override { at(row, &FakeRow::key, key); }
  int mark(int row) const override { return at(row) ? at(row)->mark : 0; }
  void setMark(int row, int mark) override { at(row, &FakeRow::mark, mark); }
  int findId(const std::string& id) const override {
    for (int i = 0; i < rowCount(); ++i)
      if (sjis::equalsIgnoreCase(at(i)->texts[0], id)) return i;
    return -1;
  }
  int firstSelected() const override {
    for (int i = 0; i < rowCount(); ++i)
      if (at(i)->selected) return i;
    return -1;
  }
  void sortByKeys(const std::function<int(long, long)>& compare) override {
    std::stable_sort(rows.begin(), rows.end(), [&](const FakeRow& a, const FakeRow& b) { return compare(a.key, b.key) < 0; });
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
  void beginBulkUpdate() override { ++bulkDepth; }
  void endBulkUpdate() override { bulkDepth -= bulkDepth > 0; }

  // Test helpers
  int columnCount() const { return static_cast<int>(columns.size()); }
  void select(int row) {
    for (int i = 0; i < rowCount(); ++i) at(i)->selected = i == row;
  }
  // A row at the end with the next key and the given texts (subitem 0 first).
  int addRow(const std::vector<std::string>& texts, int image = 0) {
    int index = insertRow(rowCount(), texts.empty() ? "" : texts[0], image, rowCount());
    for (std::size_t c = 1; c < texts.size(); ++c) setText(index, static_cast<int>(c), texts[c]);
    return index;
  }
  std::vector<std::string> ids() const {
    std::vector<std::string> result;
    for (const FakeRow& row : rows) result.push_back(row.texts[0]);
    return result;
  }
  std::vector<long> keys() const {
    std::vector<long> result;
    for (const FakeRow& row : rows) result.push_back(row.key);
    return result;
  }

 private:
  const FakeRow* at(int row) const { return row >= 0 && row < rowCount() ? &rows[row] : nullptr; }
  FakeRow* at(int row) { return const_cast<FakeRow*>(std::as_const(*this).at(row)); }
  template <typename T>
  void at(int row, T FakeRow::*field, T value) {
    if (at(row)) at(row)->*field = value;
  }
  const FakeColumn* col(int c) const { return c >= 0 && c < columnCount() ? &columns[c] : nullptr; }
  FakeColumn* col(int c) { return const_cast<FakeColumn*>(std::as_const(*this).col(c)); }
};

}  // namespace wabo::testing
