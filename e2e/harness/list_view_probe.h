// Reads the program's list view from the driver's process.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "harness/remote_buffer.h"

namespace e2e {

struct ListRow {
  std::vector<std::string> texts;  // subitems 0..columns-1
  int image = -1;
  int stateImage = 0;              // bits 12..15 of the item state
  LPARAM param = 0;
};

class ListViewProbe {
 public:
  ListViewProbe(HANDLE process, HWND listView);

  HWND window() const { return listView_; }
  HWND header() const;
  int rowCount() const;
  int columnCount() const;
  // Text of subitem `sub` of row `row` (at most 1023 bytes).
  std::string text(int row, int sub) const;
  int imageIndex(int row) const;
  int stateImageIndex(int row) const;
  LPARAM param(int row) const;
  ListRow row(int row) const;
  std::vector<ListRow> rows() const;
  // Texts of one subitem over all rows, top to bottom.
  std::vector<std::string> columnTexts(int sub) const;

  int columnWidth(int column) const;
  std::vector<int> columnWidths() const;
  std::vector<int> columnOrder() const;
  // Sets the column order array, as dragging header items does.
  void setColumnOrder(const std::vector<int>& order) const;
  // Sets a column's width, as dragging a header divider does.
  void setColumnWidth(int column, int width) const;
  std::string columnCaption(int column) const;
  std::vector<std::string> columnCaptions() const;
  // Rectangle of a column's header item, in header client coordinates.
  RECT headerItemRect(int column) const;
  // Clicks the middle of a column's header item with posted mouse messages,
  // as a user's click arrives at the header.
  void clickColumnHeader(int column) const;

 private:
  HANDLE process_;
  HWND listView_;
  mutable RemoteBuffer buffer_;
};

}  // namespace e2e
