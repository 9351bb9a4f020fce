// A board's change history ("<board>.his"): any bytes as the file. The
// reader keeps no more entries than it may and than the bytes could hold,
// every field fits its buffer and holds neither the separator nor a line
// break, the file reader and the reader of bytes agree on a small file, and
// an append to the file keeps it within its bound and reads back with the
// appended line last.
#include <cstdint>
#include <string_view>

#include "board/history_file.h"
#include "common/limits.h"
#include "fuzz/fuzz_support.h"

using namespace wabo;
using wabo::fuzz::fitsBuffer;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto& scratch = fuzz::Scratch::instance();
  const std::string path = scratch.write("boad1.csv.his", data, size);

  const HistoryRead read = readHistory(path);
  FUZZ_REQUIRE(read.readable);
  FUZZ_REQUIRE(read.entries.size() <= kHistoryMaxEntries);
  // Every entry is a line of at least one byte and its line end.
  FUZZ_REQUIRE(read.entries.size() <= size / 2 + 1);
  for (const HistoryEntry& e : read.entries) {
    FUZZ_REQUIRE(fitsBuffer(e.time, kHistoryTimeBytes));
    for (const std::string* f : {&e.userId, &e.pcName, &e.memberId, &e.kind, &e.column})
      FUZZ_REQUIRE(fitsBuffer(*f, kShortTextBytes));
    FUZZ_REQUIRE(fitsBuffer(e.oldText, kHistoryTextBytes));
    FUZZ_REQUIRE(fitsBuffer(e.newText, kHistoryTextBytes));
    for (const std::string* f : {&e.time, &e.userId, &e.pcName, &e.memberId, &e.kind, &e.column, &e.oldText,
                                 &e.newText})
      FUZZ_REQUIRE(f->find_first_of(",\n") == std::string::npos);
  }
  bool cut = false;
  FUZZ_REQUIRE(parseHistory(std::string_view(reinterpret_cast<const char*>(data), size), cut) == read.entries);

  const std::string line = "2026/12/07 09:05:01,u,PC,id,\x92\xc7\x89\xc1,,,x\r\n";
  FUZZ_REQUIRE(appendHistory(path, line));
  const HistoryRead after = readHistory(path);
  FUZZ_REQUIRE(!after.entries.empty());
  FUZZ_REQUIRE(after.entries.back().memberId == "id" && after.entries.back().newText == "x");
  FUZZ_REQUIRE(fuzz::Scratch::read(path).size() <= kHistoryMaxBytes);
  return 0;
}
