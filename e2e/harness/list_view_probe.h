// Reads and drives a list view of the program from the driver's process.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "harness/remote_buffer.h"

namespace e2e {

struct ListRow {
  std::vector<std::string> texts;  // subitems 0..columns-1 (none from item())
  int image = -1;
  int stateImage = 0;  // the search mark
  LPARAM param = 0;    // the row key
};

class ListViewProbe {
 public:
  ListViewProbe(HANDLE process, HWND listView);
  int rowCount() const;
  std::string text(int row, int sub) const;
  ListRow item(int row) const;
  ListRow row(int row) const;
  // Texts of one subitem over all rows, top to bottom.
  std::vector<std::string> columnTexts(int sub) const;
  // Sets the state bits in `mask` of a row (-1: of every row).
  void setItemState(int row, UINT mask, UINT state) const;
  // A whole row's rectangle in the list view's client coordinates.
  RECT itemRect(int row) const;
  // Clicks the middle of a row's picture with posted mouse messages.
  void clickItem(int row) const;

  std::vector<std::string> columnCaptions() const;
  int columnWidth(int column) const;
  std::vector<int> columnWidths() const;
  std::vector<int> columnOrder() const;
  // As dragging a header divider or header items does.
  void setColumnWidth(int column, int width) const;
  void setColumnOrder(const std::vector<int>& order) const;
  // Clicks the middle of a column's header item with posted mouse messages.
  void clickColumnHeader(int column) const;

 private:
  int columnCount() const;
  // Sends `message` with `data` placed in the program's memory; the result
  // (which must not be 0) and what the program left in `data`.
  template <typename T>
  LRESULT exchange(HWND window, UINT message, WPARAM wParam, T& data, const char* what) const;

  HWND listView_;
  mutable RemoteBuffer buffer_;
};

}  // namespace e2e
