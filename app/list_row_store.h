// The texts of the member list's rows, kept by the program in list order.
// The list view's items carry LPSTR_TEXTCALLBACK: the control asks for a
// text only when it draws or is asked for one, so a load hands it no texts
// at all. The items still hold their picture, row key and states; this store
// follows every insert, delete and sort of them.
#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "common/limits.h"

namespace wabo {

class ListRowStore {
 public:
  std::size_t size() const { return rows_.size(); }
  void clear() { rows_.clear(); }
  // Inserts a row whose ID is `id` and whose other texts are empty at
  // `index` (held to 0..size()).
  void insert(std::size_t index, const std::string& id);
  void erase(std::size_t index);

  // Text of `column` of `row`, cut to fit a buffer of `bufferBytes` (at most
  // bufferBytes - 1 bytes, never half a double-byte character); "" for a row
  // or column that does not exist.
  std::string text(int row, int column, std::size_t bufferBytes) const;
  void setText(int row, int column, const std::string& text);
  // The same text written NUL-terminated into `buffer` of `bufferBytes`.
  void copyText(int row, int column, char* buffer, std::size_t bufferBytes) const;

  // Puts the rows in a new order: the row at place i comes from place
  // from[i]. `from` must name every place once; otherwise nothing moves.
  void reorder(const std::vector<std::size_t>& from);

 private:
  using Texts = std::array<std::string, kColumnCount>;
  const std::string* at(int row, int column) const;
  std::vector<Texts> rows_;
};

// The stable order of rows by their keys: element i is the present place of
// the row that goes to place i.
std::vector<std::size_t> orderOfKeys(const std::vector<long>& keys, const std::function<int(long, long)>& compare);

// True when no two rows share a key.
bool keysDistinct(std::vector<long> keys);

}  // namespace wabo
