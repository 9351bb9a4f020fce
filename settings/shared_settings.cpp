// The 44 lines of Wabo.ini, read by position and written byte for byte.
#include "settings/shared_settings.h"

#include <cstdio>

#include "common/checked_file.h"
#include "common/platform_file.h"
#include "settings/positional_reader.h"

namespace wabo {

namespace {

const char kHeaderBoard[] = "[ﾎﾞｰﾄﾞ";
const char kHeaderMailFolder[] = "[ﾒｰﾙﾌｫﾙﾀﾞ]";
const char kHeaderBackup[] = "[ﾊﾞｯｸｱｯﾌﾟ設定]";
const char kHeaderAskUserId[] = "[起動時ID入力設定]";
const char kHeaderPcSearch[] = "[PC接続ｻｰﾁ許可]";
const char kHeaderDestinations[] = "[行き先ﾘｽﾄ]";

constexpr std::size_t kNameLine = 30;
constexpr std::size_t kPathLine = 256;
constexpr std::size_t kDestinationLine = 30;

void readAll(SharedSettings& s, PositionalReader& in) {
  for (int board = 0; board < kBoardCount; ++board) {
    in.skipHeaderLine();
    in.readTextLine(kNameLine, s.boardNames[board]);
    in.readTextLine(kPathLine, s.boardPaths[board]);
  }
  in.skipHeaderLine();
  in.readTextLine(kPathLine, s.mailFolder);
  in.skipHeaderLine();
  in.scan("%d\n", {&s.backupEnabled});
  in.skipHeaderLine();
  in.scan("%d\n", {&s.askUserIdAtStart});
  in.skipHeaderLine();
  in.scan("%d\n", {&s.pcSearchAllowed});
  in.skipHeaderLine();
  for (std::string& slot : s.destinationList) in.readTextLine(kDestinationLine, slot);
}

void line(std::string& out, const std::string& text) {
  out += text;
  out += "\r\n";
}

std::string format(const SharedSettings& s) {
  std::string out;
  for (int board = 0; board < kBoardCount; ++board) {
    line(out, kHeaderBoard + std::to_string(board + 1) + "]");
    line(out, s.boardNames[board]);
    line(out, s.boardPaths[board]);
  }
  line(out, kHeaderMailFolder);
  line(out, s.mailFolder);
  line(out, kHeaderBackup);
  line(out, std::to_string(s.backupEnabled));
  line(out, kHeaderAskUserId);
  line(out, std::to_string(s.askUserIdAtStart));
  line(out, kHeaderPcSearch);
  line(out, std::to_string(s.pcSearchAllowed));
  line(out, kHeaderDestinations);
  for (const std::string& slot : s.destinationList) line(out, slot);
  return out;
}

}  // namespace

void loadSharedSettings(SharedSettings& settings, const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return;
  PositionalReader in(file);
  readAll(settings, in);
  std::fclose(file);
}

// Every copy reads Wabo.ini at its start, over the network: a reader that
// holds it open just when the administrator saves is waited for, so the
// save is not refused for a moment's read.
constexpr int kReaderWaitMs = 1000;

bool saveSharedSettings(const SharedSettings& settings, const std::string& path) {
  // An administrator who marked the file read-only wants it kept; the
  // replace below would not ask.
  if (platform::isReadOnly(path)) return false;
  // Every member reads this file at start: a write that fails half way must
  // leave the previous file, not a cut one.
  return writeFileReplacing(path, path + ".new", format(settings), kReaderWaitMs);
}

}  // namespace wabo
