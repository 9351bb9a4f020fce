#include "app/list_row_store.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "common/sjis.h"

namespace wabo {

void ListRowStore::insert(std::size_t index, const std::string& id) {
  Texts texts;
  texts[0] = id;
  rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(std::min(index, rows_.size())), std::move(texts));
}

void ListRowStore::erase(std::size_t index) {
  if (index < rows_.size()) rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
}

const std::string* ListRowStore::at(int row, int column) const {
  if (row < 0 || static_cast<std::size_t>(row) >= rows_.size() || column < 0 || column >= kColumnCount)
    return nullptr;
  return &rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

std::string ListRowStore::text(int row, int column, std::size_t bufferBytes) const {
  const std::string* text = at(row, column);
  if (text == nullptr || bufferBytes == 0) return "";
  return sjis::cut(*text, bufferBytes - 1);
}

void ListRowStore::setText(int row, int column, const std::string& text) {
  if (at(row, column) != nullptr) rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
}

void ListRowStore::copyText(int row, int column, char* buffer, std::size_t bufferBytes) const {
  if (buffer == nullptr || bufferBytes == 0) return;
  const std::string* text = at(row, column);
  const std::size_t n = text == nullptr ? 0 : sjis::cutLength(*text, bufferBytes - 1);
  if (n != 0) std::memcpy(buffer, text->data(), n);
  buffer[n] = '\0';
}

void ListRowStore::reorder(const std::vector<std::size_t>& from) {
  if (from.size() != rows_.size()) return;
  std::vector<bool> named(from.size(), false);
  for (std::size_t place : from) {
    if (place >= from.size() || named[place]) return;
    named[place] = true;
  }
  std::vector<Texts> moved;
  moved.reserve(rows_.size());
  for (std::size_t place : from) moved.push_back(std::move(rows_[place]));
  rows_ = std::move(moved);
}

std::vector<std::size_t> orderOfKeys(const std::vector<long>& keys, const std::function<int(long, long)>& compare) {
  std::vector<std::size_t> order(keys.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return compare(keys[a], keys[b]) < 0; });
  return order;
}

bool keysDistinct(std::vector<long> keys) {
  std::sort(keys.begin(), keys.end());
  return std::adjacent_find(keys.begin(), keys.end()) == keys.end();
}

}  // namespace wabo
