// The member list as the board code sees it: the shown board's only store.
// It has the list view's own semantics (rows by index, subitem texts 0..9,
// image index, row key, search mark, find by ID ignoring case, columns with
// widths and an order array). The program implements it over the real
// SysListView32 (app/member_list_view_win.cpp); the tests keep it in memory
// (tests/fake_member_list.h).
#pragma once
#include <array>
#include <functional>
#include <string>

#include "common/column_order.h"
#include "common/limits.h"

namespace wabo {

class MemberList {
 public:
  virtual ~MemberList() = default;

  // Rows
  virtual int rowCount() const = 0;
  virtual void deleteAllRows() = 0;
  // Inserts a row at `index` (clamped to 0..rowCount) with item text `id`,
  // image `image` and row key `key`; returns the index it got.
  virtual int insertRow(int index, const std::string& id, int image, long key) = 0;
  virtual void deleteRow(int index) = 0;
  // Text of subitem `column` (0 = ID), cut to fit a buffer of `bufferBytes`
  // (at most bufferBytes - 1 bytes, never half a double-byte character).
  virtual std::string text(int row, int column, std::size_t bufferBytes) const = 0;
  virtual void setText(int row, int column, const std::string& text) = 0;
  virtual int image(int row) const = 0;
  virtual void setImage(int row, int image) = 0;
  virtual long key(int row) const = 0;
  virtual void setKey(int row, long key) = 0;
  // Search mark: 0 not searched, 1 not connected, 2 connected.
  virtual int mark(int row) const = 0;
  virtual void setMark(int row, int mark) = 0;
  // First row whose ID equals `id` (whole text, letters ignoring case), or -1.
  virtual int findId(const std::string& id) const = 0;
  // First selected row, or -1.
  virtual int firstSelected() const = 0;
  // Sorts the rows with a comparison of two row keys (negative, 0, positive).
  virtual void sortByKeys(const std::function<int(long, long)>& compare) = 0;

  // Columns (index = subitem 0..9)
  virtual int columnWidth(int column) const = 0;
  virtual void setColumnWidth(int column, int width) = 0;
  virtual ColumnOrder columnOrder() const = 0;
  virtual void setColumnOrder(const ColumnOrder& order) = 0;
  // Removes the column at `column`; later columns move down by one.
  virtual void deleteColumn(int column) = 0;
  // Inserts a left-aligned column at `column` for subitem `column`.
  virtual void insertColumn(int column, const std::string& caption, int width) = 0;
  virtual std::string columnCaption(int column) const = 0;
  // Width of a full-screen window's client area (SM_CXFULLSCREEN).
  virtual int fullScreenWidth() const = 0;

  // Extended styles and image list again from the display settings.
  virtual void rebuildAppearance() = 0;
  // Bulk changes: redraw is suspended between begin and end.
  virtual void beginBulkUpdate() {}
  virtual void endBulkUpdate() {}
};

}  // namespace wabo
