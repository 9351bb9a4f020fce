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

WatchInputs inputs(const std::string& board, const std::string& mail, const std::string& id, int autoUpdate = 1) {
  WatchInputs in;
  in.autoUpdateEnabled = autoUpdate;
  in.boardPath = board;
  in.mailFolder = mail;
  in.userId = id;
  return in;
}

TEST(WatchPlan, AutoUpdateOffWatchesNothing) {
  EXPECT_TRUE(planWatch(inputs("C:\\b\\boad1.csv", "C:\\m", "taro", 0)).folders.empty());
  EXPECT_TRUE(planWatch(inputs("C:\\b\\boad1.csv", "C:\\m", "taro", 2)).folders.empty());
}

TEST(WatchPlan, BoardAndMailFoldersApartOrTogether) {
  WatchPlan apart = planWatch(inputs("\\\\srv\\share\\boards\\boad1.csv", "\\\\srv\\share\\mail", "taro"));
  ASSERT_EQ(apart.folders.size(), 2u);
  EXPECT_EQ(apart.folders[0], (WatchedFolder{"\\\\srv\\share\\boards\\", "boad1.csv", ""}));
  EXPECT_EQ(apart.folders[1], (WatchedFolder{"\\\\srv\\share\\mail\\", "", "taro"}));

  // The same folder written another way: one watch for both.
  WatchPlan together = planWatch(inputs("z:/Share/boad2.csv", "Z:\\SHARE\\", "taro"));
  ASSERT_EQ(together.folders.size(), 1u);
  EXPECT_EQ(together.folders[0], (WatchedFolder{"z:/Share/", "boad2.csv", "taro"}));

  // A mail folder written with '/' keeps its kind of separator; a root stays a root.
  WatchPlan rooted = planWatch(inputs("C:\\boad1.csv", "/srv/mail", "taro"));
  ASSERT_EQ(rooted.folders.size(), 2u);
  EXPECT_EQ(rooted.folders[0].path, "C:\\");
  EXPECT_EQ(rooted.folders[1].path, "/srv/mail/");
}

TEST(WatchPlan, DoubleByteFolderNamesAreNotCutAtATrailByte) {
  // 表 is 0x95 0x5C and ソ 0x83 0x5C: their second bytes are '\'.
  WatchPlan plan = planWatch(inputs("C:\\表\\ソ", "C:\\表", "taro"));
  ASSERT_EQ(plan.folders.size(), 1u);
  EXPECT_EQ(plan.folders[0].path, "C:\\表\\");
  EXPECT_EQ(plan.folders[0].boardFileName, "ソ");
  EXPECT_EQ(plan.folders[0].mailId, "taro");
  WatchPlan mailOnly = planWatch(inputs("boad1.csv", "C:\\ソ", "taro"));
  ASSERT_EQ(mailOnly.folders.size(), 1u);
  EXPECT_EQ(mailOnly.folders[0].path, "C:\\ソ\\");
}

TEST(WatchPlan, WhatCannotBeNamedIsLeftToTheTimer) {
  // A board without a folder part, or only a leading separator: mail alone.
  for (const char* board : {"boad1.csv", "\\boad1.csv", "C:\\boards\\", ""}) {
    WatchPlan plan = planWatch(inputs(board, "C:\\m", "taro"));
    ASSERT_EQ(plan.folders.size(), 1u) << board;
    EXPECT_TRUE(plan.folders[0].boardFileName.empty()) << board;
  }
  // No user ID, or one that makes no file name: the board alone.
  for (const char* id : {"", "..", "a\\b", "con", "x:y"}) {
    WatchPlan plan = planWatch(inputs("C:\\b\\boad1.csv", "C:\\m", id));
    ASSERT_EQ(plan.folders.size(), 1u) << id;
    EXPECT_TRUE(plan.folders[0].mailId.empty()) << id;
  }
  EXPECT_EQ(planWatch(inputs("C:\\b\\boad1.csv", "", "taro")).folders.size(), 1u);
}

TEST(WatchPlan, AnyChangeOfFolderBoardOrUserMakesAnotherPlan) {
  const WatchPlan base = planWatch(inputs("C:\\b\\boad1.csv", "C:\\m", "taro"));
  EXPECT_EQ(base, planWatch(inputs("C:\\b\\boad1.csv", "C:\\m", "taro")));
  EXPECT_NE(base, planWatch(inputs("C:\\b\\boad2.csv", "C:\\m", "taro")));
  EXPECT_NE(base, planWatch(inputs("C:\\b\\boad1.csv", "C:\\n", "taro")));
  EXPECT_NE(base, planWatch(inputs("C:\\b\\boad1.csv", "C:\\m", "hanako")));
}

TEST(ChangeKind, BoardFileAndLockOfItsFolder) {
  const WatchedFolder boards{"C:\\b\\", "boad1.csv", ""};
  for (FolderChange c : {FolderChange::kAdded, FolderChange::kRemoved, FolderChange::kModified,
                         FolderChange::kRenamedFrom, FolderChange::kRenamedTo}) {
    EXPECT_EQ(classifyChange(boards, c, "boad1.csv"), kBoardWork);
    EXPECT_EQ(classifyChange(boards, c, "BOAD1.CSV"), kBoardWork);
  }
  // The files of a save around the board ask for nothing by themselves.
  for (const char* other : {"boad1.csv.new", "boad1.bak", "boad1.bak.new", "boad2.csv", "keiji.dat", "WaboM.ini"})
    EXPECT_EQ(classifyChange(boards, FolderChange::kRenamedTo, other), kNoWatchWork) << other;
  EXPECT_EQ(classifyChange(boards, FolderChange::kRemoved, "lock.dat"), kLockGone);
  EXPECT_EQ(classifyChange(boards, FolderChange::kRenamedFrom, "LOCK.DAT"), kLockGone);
  EXPECT_EQ(classifyChange(boards, FolderChange::kAdded, "lock.dat"), kNoWatchWork);
  EXPECT_EQ(classifyChange(boards, FolderChange::kModified, "lock.dat"), kNoWatchWork);
  // A name in a subfolder is not the board of this folder.
  EXPECT_EQ(classifyChange(boards, FolderChange::kModified, "old\\boad1.csv"), kNoWatchWork);
  EXPECT_EQ(classifyChange(boards, FolderChange::kLost, ""), kBoardWork);
}

TEST(ChangeKind, OnlyTheUsersOwnMailSlotsThatCome) {
  const WatchedFolder mail{"C:\\m\\", "", "taro"};
  for (const char* name : {"taro0.ml", "taro9.ml", "TARO3.ML", "Taro5.Ml"}) {
    EXPECT_EQ(classifyChange(mail, FolderChange::kAdded, name), kMailWork) << name;
    EXPECT_EQ(classifyChange(mail, FolderChange::kModified, name), kMailWork) << name;
    EXPECT_EQ(classifyChange(mail, FolderChange::kRenamedTo, name), kMailWork) << name;
    // Removal is the pickup's own deletion.
    EXPECT_EQ(classifyChange(mail, FolderChange::kRemoved, name), kNoWatchWork) << name;
  }
  for (const char* name : {"taro10.ml", "taro.ml", "tarox.ml", "taro3.mlx", "taro3.m", "hanako3.ml", "lock.dat",
                           "keiji.dat", "boad1.csv"})
    EXPECT_EQ(classifyChange(mail, FolderChange::kAdded, name), kNoWatchWork) << name;
  // The slots of the ID taro1 are taro10.ml to taro19.ml.
  const WatchedFolder mail1{"C:\\m\\", "", "taro1"};
  EXPECT_EQ(classifyChange(mail1, FolderChange::kAdded, "taro10.ml"), kMailWork);
  EXPECT_EQ(classifyChange(mail1, FolderChange::kAdded, "taro1.ml"), kNoWatchWork);
  // A double-byte ID compares its characters exactly.
  const WatchedFolder kanji{"C:\\m\\", "", "表"};
  EXPECT_EQ(classifyChange(kanji, FolderChange::kAdded, "表3.ml"), kMailWork);
  EXPECT_EQ(classifyChange(kanji, FolderChange::kAdded, "ソ3.ml"), kNoWatchWork);
  EXPECT_EQ(classifyChange(mail, FolderChange::kLost, ""), kMailWork);
}

TEST(ChangeKind, OneFolderForBoardAndMail) {
  const WatchedFolder both{"C:\\w\\", "boad1.csv", "taro"};
  EXPECT_EQ(classifyChange(both, FolderChange::kRenamedTo, "boad1.csv"), kBoardWork);
  EXPECT_EQ(classifyChange(both, FolderChange::kAdded, "taro2.ml"), kMailWork);
  EXPECT_EQ(classifyChange(both, FolderChange::kRemoved, "lock.dat"), kLockGone);
  EXPECT_EQ(classifyChange(both, FolderChange::kLost, ""), kBoardWork | kMailWork);
  // Without the board here, the lock file is not ours to wait for.
  EXPECT_EQ(classifyChange(WatchedFolder{"C:\\m\\", "", "taro"}, FolderChange::kRemoved, "lock.dat"), kNoWatchWork);
}

// Records as the system lays them out.
struct RecordBuilder {
  std::vector<unsigned char> bytes;
  std::size_t lastStart = 0;
  void put32(std::uint32_t v, std::size_t at) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(v >> (8 * i));
  }
  RecordBuilder& entry(std::uint32_t action, const std::u16string& name) {
    if (!bytes.empty()) put32(static_cast<std::uint32_t>(bytes.size() - lastStart), lastStart);
    lastStart = bytes.size();
    bytes.resize(bytes.size() + 12 + name.size() * 2);
    put32(0, lastStart);
    put32(action, lastStart + 4);
    put32(static_cast<std::uint32_t>(name.size() * 2), lastStart + 8);
    for (std::size_t i = 0; i < name.size(); ++i) {
      bytes[lastStart + 12 + 2 * i] = static_cast<unsigned char>(name[i] & 0xFF);
      bytes[lastStart + 13 + 2 * i] = static_cast<unsigned char>(name[i] >> 8);
    }
    while (bytes.size() % 4 != 0) bytes.push_back(0);  // entries start on 32-bit boundaries
    return *this;
  }
  std::vector<ChangeRecord> read() const { return readChangeRecords(bytes.data(), bytes.size()); }
};

TEST(ChangeRecords, AChainOfEntriesWithTheirActionsAndNames) {
  RecordBuilder b;
  b.entry(1, u"lock.dat").entry(4, u"boad1.csv.new").entry(5, u"boad1.csv").entry(2, u"lock.dat")
      .entry(3, u"\u8868" u"3.ml");
  std::vector<ChangeRecord> r = b.read();
  ASSERT_EQ(r.size(), 5u);
  EXPECT_EQ(r[0].change, FolderChange::kAdded);
  EXPECT_EQ(r[1].change, FolderChange::kRenamedFrom);
  EXPECT_EQ(r[1].name, u"boad1.csv.new");
  EXPECT_EQ(r[2].change, FolderChange::kRenamedTo);
  EXPECT_EQ(r[3].change, FolderChange::kRemoved);
  EXPECT_EQ(r[4].change, FolderChange::kModified);
  EXPECT_EQ(r[4].name, u"\u8868" u"3.ml");
}

TEST(ChangeRecords, LostOrBrokenRecordsCountAsLost) {
  std::vector<ChangeRecord> empty = readChangeRecords(nullptr, 0);
  ASSERT_EQ(empty.size(), 1u);
  EXPECT_EQ(empty[0].change, FolderChange::kLost);

  RecordBuilder b;
  b.entry(5, u"boad1.csv").entry(3, u"taro0.ml");
  // The second name claims more bytes than there are: the first entry stands.
  RecordBuilder longName = b;
  longName.put32(1000, longName.lastStart + 8);
  std::vector<ChangeRecord> r = longName.read();
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].name, u"boad1.csv");
  EXPECT_EQ(r[1].change, FolderChange::kLost);
  // An offset past the end, an odd name length, a buffer cut inside a head.
  RecordBuilder farNext = b;
  farNext.put32(0x7FFFFFF0, 0);
  EXPECT_EQ(farNext.read().back().change, FolderChange::kLost);
  EXPECT_EQ(farNext.read().size(), 2u);
  RecordBuilder oddName = b;
  oddName.put32(3, 8);
  r = oddName.read();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].change, FolderChange::kLost);
  r = readChangeRecords(b.bytes.data(), b.lastStart + 5);
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[1].change, FolderChange::kLost);
}

TEST(ChangeRecords, UnknownActionsAreSkipped) {
  RecordBuilder b;
  b.entry(9, u"x").entry(0, u"y").entry(5, u"boad1.csv");
  std::vector<ChangeRecord> r = b.read();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].name, u"boad1.csv");
}

}  // namespace
