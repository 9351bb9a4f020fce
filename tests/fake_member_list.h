// An in-memory member list for tests, with the list view's own behaviour:
// rows by index, subitem texts cut to the reader's buffer, image index, row
// key, search mark, selection, find by ID (whole text, letters ignoring
// case, first match), a stable sort by row keys, and columns with captions,
// widths and an order array that follows deletes and inserts as the header
// control's does. It also counts what tests want to know about (bulk
// updates, rows inserted while redraw was on, appearance rebuilds).
#pragma once
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "board/member_list.h"
#include "common/limits.h"
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
  int bulkUpdates = 0;              // completed begin/end pairs
  int rowsInsertedWithRedraw = 0;   // inserts outside a bulk update
  int appearanceRebuilds = 0;
  int sorts = 0;

  // Rows
  int rowCount() const override { return static_cast<int>(rows.size()); }
  void deleteAllRows() override { rows.clear(); }
  int insertRow(int index, const std::string& id, int image, long key) override {
    index = std::clamp(index, 0, rowCount());
    FakeRow row;
    row.texts[0] = id;
    row.image = image;
    row.key = key;
    rows.insert(rows.begin() + index, row);
    if (bulkDepth == 0) ++rowsInsertedWithRedraw;
    return index;
  }
  void deleteRow(int index) override {
    if (valid(index)) rows.erase(rows.begin() + index);
  }
  std::string text(int row, int column, std::size_t bufferBytes) const override {
    if (!valid(row) || column < 0 || column >= kColumnCount || bufferBytes == 0) return "";
    return sjis::cut(rows[static_cast<std::size_t>(row)].texts[static_cast<std::size_t>(column)], bufferBytes - 1);
  }
  void setText(int row, int column, const std::string& text) override {
    if (valid(row) && column >= 0 && column < kColumnCount) {
      rows[static_cast<std::size_t>(row)].texts[static_cast<std::size_t>(column)] = text;
    }
  }
  int image(int row) const override { return valid(row) ? rows[static_cast<std::size_t>(row)].image : -1; }
  void setImage(int row, int image) override {
    if (valid(row)) rows[static_cast<std::size_t>(row)].image = image;
  }
  long key(int row) const override { return valid(row) ? rows[static_cast<std::size_t>(row)].key : 0; }
  void setKey(int row, long key) override {
    if (valid(row)) rows[static_cast<std::size_t>(row)].key = key;
  }
  int mark(int row) const override { return valid(row) ? rows[static_cast<std::size_t>(row)].mark : 0; }
  void setMark(int row, int mark) override {
    if (valid(row)) rows[static_cast<std::size_t>(row)].mark = mark;
  }
  int findId(const std::string& id) const override {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (sjis::equalsIgnoreCase(rows[i].texts[0], id)) return static_cast<int>(i);
    }
    return -1;
  }
  int firstSelected() const override {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (rows[i].selected) return static_cast<int>(i);
    }
    return -1;
  }
  void sortByKeys(const std::function<int(long, long)>& compare) override {
    ++sorts;
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const FakeRow& a, const FakeRow& b) { return compare(a.key, b.key) < 0; });
  }

  // Columns
  int columnWidth(int column) const override {
    return column >= 0 && column < columnCount() ? columns[static_cast<std::size_t>(column)].width : 0;
  }
  void setColumnWidth(int column, int width) override {
    if (column >= 0 && column < columnCount()) columns[static_cast<std::size_t>(column)].width = width;
  }
  ColumnOrder columnOrder() const override {
    ColumnOrder result{};
    for (int i = 0; i < kColumnCount; ++i) result[static_cast<std::size_t>(i)] = i < static_cast<int>(order.size()) ? order[static_cast<std::size_t>(i)] : i;
    return result;
  }
  void setColumnOrder(const ColumnOrder& newOrder) override {
    order.assign(newOrder.begin(), newOrder.begin() + std::min<std::size_t>(newOrder.size(), columns.size()));
  }
  void deleteColumn(int column) override {
    if (column < 0 || column >= columnCount()) return;
    columns.erase(columns.begin() + column);
    order.erase(std::remove(order.begin(), order.end(), column), order.end());
    for (int& c : order) {
      if (c > column) --c;
    }
  }
  void insertColumn(int column, const std::string& caption, int width) override {
    column = std::clamp(column, 0, columnCount());
    columns.insert(columns.begin() + column, FakeColumn{caption, width});
    for (int& c : order) {
      if (c >= column) ++c;
    }
    order.insert(order.begin() + std::min<std::size_t>(static_cast<std::size_t>(column), order.size()), column);
  }
  std::string columnCaption(int column) const override {
    return column >= 0 && column < columnCount() ? columns[static_cast<std::size_t>(column)].caption : "";
  }
  int fullScreenWidth() const override { return screenWidth; }

  void rebuildAppearance() override { ++appearanceRebuilds; }
  void beginBulkUpdate() override { ++bulkDepth; }
  void endBulkUpdate() override {
    if (bulkDepth > 0 && --bulkDepth == 0) ++bulkUpdates;
  }

  // Test helpers
  int columnCount() const { return static_cast<int>(columns.size()); }
  void select(int row) {
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].selected = static_cast<int>(i) == row;
  }
  // Adds a row at the end with the next key and the given texts (subitem 0 first).
  int addRow(std::vector<std::string> texts, int image = 0) {
    int index = insertRow(rowCount(), texts.empty() ? "" : texts[0], image, rowCount());
    for (std::size_t c = 1; c < texts.size() && c < static_cast<std::size_t>(kColumnCount); ++c) {
      setText(index, static_cast<int>(c), texts[c]);
    }
    return index;
  }
  // The IDs in list order.
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
  bool valid(int row) const { return row >= 0 && row < rowCount(); }
};

}  // namespace wabo::testing
