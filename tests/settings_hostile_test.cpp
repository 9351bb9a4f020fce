// Settings files full of junk: reading them must never crash, and what they
// give must stay within the limits the rest of the program relies on.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "common/sjis.h"
#include "settings/local_settings.h"
#include "settings/shared_settings.h"
#include "settings_test_files.h"

using namespace wabo;
using wabo::testing::TempFolder;
using wabo::testing::writeBytes;

namespace {

// No NUL, at most `limit` bytes, and no double-byte character cut in half.
void expectSafeText(const std::string& text, std::size_t limit) {
  EXPECT_LE(text.size(), limit);
  EXPECT_EQ(text.find('\0'), std::string::npos);
  EXPECT_EQ(sjis::cutLength(text, text.size()), text.size());
  if (!text.empty()) {
    // The last byte must not be a lone first byte of a double-byte character.
    std::size_t i = 0;
    while (i < text.size()) i += (sjis::isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1);
    EXPECT_EQ(i, text.size()) << "half a character at the end";
  }
}

void expectSafeLocal(const LocalSettings& s) {
  EXPECT_GE(s.selectedBoard, 1);
  EXPECT_LE(s.selectedBoard, kBoardCount);
  for (int key : s.sortKeys) {
    EXPECT_GE(key, 0);
    EXPECT_LE(key, 19);
  }
  for (const auto& order : s.columnOrder) {
    std::array<int, kColumnCount> count{};
    for (int column : order) {
      ASSERT_GE(column, 0);
      ASSERT_LT(column, kColumnCount);
      ++count[column];
    }
    for (int n : count) EXPECT_EQ(n, 1);
  }
  expectSafeText(s.userId, 29);
  expectSafeText(s.quickInputWord1, 29);
  expectSafeText(s.quickInputWord2, 29);
  expectSafeText(s.sharedSettingsFolder, 255);
}

void expectSafeShared(const SharedSettings& s) {
  for (const auto& name : s.boardNames) expectSafeText(name, 29);
  for (const auto& path : s.boardPaths) expectSafeText(path, 255);
  expectSafeText(s.mailFolder, 255);
  for (const auto& slot : s.destinationList) expectSafeText(slot, 29);
}

std::string junk(std::mt19937& random, std::size_t size, const std::string& alphabet) {
  std::string bytes(size, '\0');
  for (char& c : bytes) {
    c = alphabet.empty() ? static_cast<char>(random() & 0xFF) : alphabet[random() % alphabet.size()];
  }
  return bytes;
}

}  // namespace

TEST(HostileSettingsFiles, RandomBytesNeverBreakTheLimits) {
  TempFolder folder;
  std::mt19937 random(20240601);
  // Raw bytes, and bytes biased to what the readers look for (digits, signs,
  // commas, CR, LF, lead bytes of double-byte characters).
  const std::string alphabets[] = {"", "0123456789-+,\r\n \x81\x95\\", "\r\n", "9,", "\x81\r"};
  for (int round = 0; round < 300; ++round) {
    const std::string bytes = junk(random, random() % 3000, alphabets[round % 5]);
    writeBytes(folder / "junk.ini", bytes);
    LocalSettings local;
    ASSERT_TRUE(readLocalSettingsFile(local, folder / "junk.ini"));
    expectSafeLocal(local);
    SharedSettings shared;
    loadSharedSettings(shared, folder / "junk.ini");
    expectSafeShared(shared);
  }
}

TEST(HostileSettingsFiles, TenMegabyteLinesAreReadInBoundsAndSkipped) {
  TempFolder folder;
  const std::string hugeLine(10 * 1024 * 1024, 'x');

  // One huge line instead of the whole file.
  writeBytes(folder / "one.ini", hugeLine);
  LocalSettings one;
  ASSERT_TRUE(readLocalSettingsFile(one, folder / "one.ini"));
  expectSafeLocal(one);
  EXPECT_EQ(one.windowLeft, 119);  // nothing scans in a line of letters
  EXPECT_EQ(one.userId, std::string(29, 'x'));

  // A huge user ID in an otherwise good file: cut, and the rest is in place.
  LocalSettings written;
  written.selectedBoard = 2;
  written.fontSize = 20;
  ASSERT_TRUE(writeLocalSettingsFile(written, folder / "good.ini"));
  std::string good = wabo::testing::readBytes(folder / "good.ini");
  std::size_t idLine = good.find("[自分のID]\r\n") + std::string("[自分のID]\r\n").size();
  good.insert(idLine, hugeLine);
  writeBytes(folder / "longid.ini", good);
  LocalSettings longId;
  ASSERT_TRUE(readLocalSettingsFile(longId, folder / "longid.ini"));
  EXPECT_EQ(longId.userId, std::string(29, 'x'));
  EXPECT_EQ(longId.selectedBoard, 2);
  EXPECT_EQ(longId.fontSize, 20);

  // A huge board name in the shared file.
  SharedSettings sharedWritten;
  sharedWritten.boardPaths[0] = "C:\\b1.csv";
  sharedWritten.mailFolder = "C:\\mail";
  ASSERT_TRUE(saveSharedSettings(sharedWritten, folder / "Wabo.ini"));
  std::string shared = wabo::testing::readBytes(folder / "Wabo.ini");
  shared.insert(shared.find("ﾎﾞｰﾄﾞ1\r\n"), hugeLine);
  writeBytes(folder / "Wabo.ini", shared);
  SharedSettings read;
  loadSharedSettings(read, folder / "Wabo.ini");
  EXPECT_EQ(read.boardNames[0], std::string(29, 'x'));
  EXPECT_EQ(read.boardPaths[0], "C:\\b1.csv");
  EXPECT_EQ(read.mailFolder, "C:\\mail");
  EXPECT_EQ(read.destinationList[0], "事務所");
}
