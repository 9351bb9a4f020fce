// What a copy watches and what a change of a file there asks for; the
// records of changes as the system hands them over.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "watch/change_records.h"
#include "watch/watch_plan.h"

using namespace wabo;

namespace {

using Folders = std::vector<WatchedFolder>;

Folders plan(const std::string& board, const std::string& mail, const std::string& id, int autoUpdate = 1) {
  return planWatch(WatchInputs{autoUpdate, board, mail, id}).folders;
}

TEST(WatchPlan, BoardAndMailFoldersApartOrTogetherWhatCannotBeNamedIsLeftToTheTimer) {
  EXPECT_TRUE(plan("C:\\b\\boad1.csv", "C:\\m", "taro", 0).empty());  // auto update off
  EXPECT_EQ(plan("\\\\srv\\share\\boards\\boad1.csv", "\\\\srv\\share\\mail", "taro"),
            (Folders{{"\\\\srv\\share\\boards\\", "boad1.csv", ""}, {"\\\\srv\\share\\mail\\", "", "taro"}}));
  // The same folder written another way: one watch for both.
  EXPECT_EQ(plan("z:/Share/boad2.csv", "Z:\\SHARE\\", "taro"), (Folders{{"z:/Share/", "boad2.csv", "taro"}}));
  // A mail folder written with '/' keeps its kind of separator; a root stays a root.
  EXPECT_EQ(plan("C:\\boad1.csv", "/srv/mail", "taro"),
            (Folders{{"C:\\", "boad1.csv", ""}, {"/srv/mail/", "", "taro"}}));
  // 表 is 0x95 0x5C and ソ 0x83 0x5C: their second bytes are '\'.
  EXPECT_EQ(plan("C:\\表\\ソ", "C:\\表", "taro"), (Folders{{"C:\\表\\", "ソ", "taro"}}));
  // A board without a folder part, or only a leading separator: mail alone.
  for (const char* board : {"boad1.csv", "\\boad1.csv"})
    EXPECT_EQ(plan(board, "C:\\ソ", "taro"), (Folders{{"C:\\ソ\\", "", "taro"}})) << board;
  // No mail folder, or a user ID that makes no file name: the board alone.
  const std::pair<const char*, const char*> boardAlone[] = {{"", "taro"}, {"C:\\m", ""}, {"C:\\m", "a\\b"}};
  for (const auto& [mail, id] : boardAlone)
    EXPECT_EQ(plan("C:\\b\\boad1.csv", mail, id), (Folders{{"C:\\b\\", "boad1.csv", ""}})) << mail << id;
  // Equal plans need no restart; a change of the user does.
  const WatchPlan base = planWatch(WatchInputs{1, "C:\\b\\boad1.csv", "C:\\b", "taro"});
  EXPECT_EQ(base, planWatch(WatchInputs{1, "C:\\b\\boad1.csv", "C:\\b", "taro"}));
  EXPECT_NE(base, planWatch(WatchInputs{1, "C:\\b\\boad1.csv", "C:\\b", "hanako"}));
}

TEST(ChangeKind, WhatAChangeOfANameAsksFor) {
  const WatchedFolder board{"C:\\b\\", "boad1.csv", ""}, mail{"C:\\m\\", "", "taro"},
      both{"C:\\w\\", "boad1.csv", "taro"}, taro1{"C:\\m\\", "", "taro1"}, kanji{"C:\\m\\", "", "表"};
  enum : int { Add, Rem, Mod, From, To, Lost };  // the order of FolderChange
  const struct { const WatchedFolder& folder; int change; const char* name; unsigned work; } cases[] = {
      {board, Rem, "BOAD1.CSV", kBoardWork}, {board, To, "boad1.csv", kBoardWork}, {board, Lost, "", kBoardWork},
      // The files of a save around the board ask for nothing by themselves.
      {board, To, "boad1.csv.new", 0}, {board, To, "boad2.csv", 0}, {board, Add, "keiji.dat", 0},
      {board, From, "LOCK.DAT", kLockGone}, {board, Add, "lock.dat", 0},
      {board, Mod, "old\\boad1.csv", 0},  // in a subfolder
      // The user's own mail slots that come; removal is the pickup's own deletion.
      {mail, Add, "taro0.ml", kMailWork}, {mail, To, "Taro9.Ml", kMailWork}, {mail, From, "taro5.ml", 0},
      {mail, Rem, "taro5.ml", 0}, {mail, Lost, "", kMailWork}, {mail, Add, "taro10.ml", 0}, {mail, Add, "tarox.ml", 0},
      {mail, Add, "taro3.mlx", 0}, {mail, Add, "hanako3.ml", 0},
      {mail, Rem, "lock.dat", 0},  // without the board here, not ours to wait for
      {taro1, Add, "taro10.ml", kMailWork}, {taro1, Add, "taro1.ml", 0}, {kanji, Add, "表3.ml", kMailWork},
      {kanji, Add, "ソ3.ml", 0}, {both, Rem, "lock.dat", kLockGone}, {both, Lost, "", kBoardWork | kMailWork}};
  for (const auto& c : cases)
    EXPECT_EQ(classifyChange(c.folder, FolderChange(c.change), c.name), c.work) << c.folder.path << c.name << c.change;
}

// Records as the system lays them out: each entry's offset of the next, action, name bytes and name.
struct RecordBuilder {
  std::vector<unsigned char> bytes;
  std::size_t lastStart = 0;
  void put32(std::uint32_t v, std::size_t at) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(v >> (8 * i));
  }
  RecordBuilder& entry(std::uint32_t action, const std::u16string& name) {
    if (!bytes.empty()) put32(static_cast<std::uint32_t>(bytes.size() - lastStart), lastStart);
    lastStart = bytes.size();
    bytes.resize(lastStart + 12 + (name.size() * 2 + 3) / 4 * 4);  // entries start on 32-bit boundaries
    put32(action, lastStart + 4);
    put32(static_cast<std::uint32_t>(name.size() * 2), lastStart + 8);
    for (std::size_t i = 0; i < 2 * name.size(); ++i)
      bytes[lastStart + 12 + i] = static_cast<unsigned char>(name[i / 2] >> (i % 2 * 8));
    return *this;
  }
  std::vector<ChangeRecord> read(std::size_t size = 0) const {
    return readChangeRecords(bytes.data(), size ? size : bytes.size());
  }
};

std::string changes(const std::vector<ChangeRecord>& records) {
  std::string out;
  for (const ChangeRecord& r : records) out += std::to_string(int(r.change)) + (r.name == u"boad1.csv" ? "b " : " ");
  return out;
}

TEST(ChangeRecords, AChainOfEntriesWithTheirActionsAndNamesBrokenOnesCountAsLost) {
  std::vector<ChangeRecord> r = RecordBuilder()
                                    .entry(1, u"lock.dat").entry(4, u"boad1.csv.new").entry(9, u"unknown")
                                    .entry(5, u"boad1.csv").entry(0, u"unknown").entry(2, u"lock.dat")
                                    .entry(3, u"\u8868" u"3.ml").read();
  ASSERT_EQ(r.size(), 5u);  // unknown actions are skipped
  EXPECT_EQ(changes(r), "0 3 4b 1 2 ");
  EXPECT_EQ(r[1].name, u"boad1.csv.new");
  EXPECT_EQ(r[4].name, u"\u8868" u"3.ml");
  // Lost or broken records count as lost.
  EXPECT_EQ(changes(readChangeRecords(nullptr, 0)), "5 ");
  RecordBuilder b;
  b.entry(5, u"boad1.csv").entry(3, u"taro0.ml");
  RecordBuilder longName = b, farNext = b, oddName = b;
  longName.put32(1000, b.lastStart + 8);  // the second name claims more bytes than there are
  EXPECT_EQ(changes(longName.read()), "4b 5 ");
  farNext.put32(0x7FFFFFF0, 0);  // an offset past the end
  EXPECT_EQ(changes(farNext.read()), "4b 5 ");
  oddName.put32(3, 8);  // an odd name length
  EXPECT_EQ(changes(oddName.read()), "5 ");
  EXPECT_EQ(changes(b.read(b.lastStart + 5)), "4b 5 ");  // cut inside a head
}

}  // namespace
