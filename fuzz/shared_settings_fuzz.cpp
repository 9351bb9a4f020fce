// Wabo.ini: any bytes as the shared settings file. Every text fits its
// buffer and writing what was read gives a file that reads back to the same
// bytes.
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "settings/shared_settings.h"

using namespace wabo;
using wabo::fuzz::fitsBuffer;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto& scratch = fuzz::Scratch::instance();
  const std::string path = scratch.write("Wabo.ini", data, size);

  SharedSettings read;
  loadSharedSettings(read, path);
  for (const std::string& name : read.boardNames) FUZZ_REQUIRE(fitsBuffer(name, kShortTextBytes));
  for (const std::string& boardPath : read.boardPaths) FUZZ_REQUIRE(fitsBuffer(boardPath, kPathBytes));
  FUZZ_REQUIRE(fitsBuffer(read.mailFolder, kPathBytes));
  for (const std::string& word : read.destinationList) FUZZ_REQUIRE(fitsBuffer(word, kShortTextBytes));

  const std::string written = scratch.file("Wabo-written.ini");
  FUZZ_REQUIRE(saveSharedSettings(read, written));
  SharedSettings again;
  loadSharedSettings(again, written);
  FUZZ_REQUIRE(again.boardNames == read.boardNames && again.boardPaths == read.boardPaths);
  FUZZ_REQUIRE(again.mailFolder == read.mailFolder && again.destinationList == read.destinationList);
  FUZZ_REQUIRE(again.backupEnabled == read.backupEnabled && again.askUserIdAtStart == read.askUserIdAtStart &&
               again.pcSearchAllowed == read.pcSearchAllowed);
  const std::string rewritten = scratch.file("Wabo-rewritten.ini");
  FUZZ_REQUIRE(saveSharedSettings(again, rewritten));
  FUZZ_REQUIRE(fuzz::Scratch::read(written) == fuzz::Scratch::read(rewritten));
  return 0;
}
