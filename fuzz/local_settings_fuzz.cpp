// WaboM.ini: any bytes as the local settings file. Every text fits its
// buffer, every value that indexes something is in range, and writing what
// was read gives a file that reads back to the same bytes.
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "settings/local_settings.h"

using namespace wabo;
using wabo::fuzz::fitsBuffer;

namespace {

bool isArrangement(const ColumnOrder& order) {
  std::array<int, kColumnCount> count{};
  for (int column : order) {
    if (column < 0 || column >= kColumnCount) return false;
    ++count[column];
  }
  return count == std::array<int, kColumnCount>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
}

void requireInRange(const LocalSettings& s) {
  FUZZ_REQUIRE(fitsBuffer(s.userId, kShortTextBytes));
  FUZZ_REQUIRE(fitsBuffer(s.quickInputWord1, kShortTextBytes));
  FUZZ_REQUIRE(fitsBuffer(s.quickInputWord2, kShortTextBytes));
  FUZZ_REQUIRE(fitsBuffer(s.sharedSettingsFolder, kPathBytes));
  FUZZ_REQUIRE(s.selectedBoard >= 1 && s.selectedBoard <= kBoardCount);
  for (int key : s.sortKeys) FUZZ_REQUIRE(key >= 0 && key < 2 * kColumnCount);
  for (const ColumnOrder& order : s.columnOrder) FUZZ_REQUIRE(isArrangement(order));
  FUZZ_REQUIRE((s.autoUpdateEnabled == 1) == (s.autoUpdateMinutes != 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto& scratch = fuzz::Scratch::instance();
  const std::string path = scratch.write("WaboM.ini", data, size);

  LocalSettings read;
  FUZZ_REQUIRE(readLocalSettingsFile(read, path));
  deriveAutoUpdateState(read);
  requireInRange(read);

  // Write, read, write: the same bytes.
  const std::string written = scratch.file("WaboM-written.ini");
  FUZZ_REQUIRE(writeLocalSettingsFile(read, written));
  LocalSettings again;
  FUZZ_REQUIRE(readLocalSettingsFile(again, written));
  const std::string rewritten = scratch.file("WaboM-rewritten.ini");
  FUZZ_REQUIRE(writeLocalSettingsFile(again, rewritten));
  FUZZ_REQUIRE(fuzz::Scratch::read(written) == fuzz::Scratch::read(rewritten));
  return 0;
}
