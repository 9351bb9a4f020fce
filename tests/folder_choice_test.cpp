// The folder picker's hand-over: a chosen path reaches the caller's buffer
// only whole.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/folder_choice.h"

using namespace wabo;

TEST(FolderChoice, TakesAPathOnlyWhenItFitsWithItsTerminatingZero) {
  char result[16];
  std::memset(result, '#', sizeof result);
  EXPECT_EQ(takeChosenFolder("C:\\共有\\ab", result, sizeof result), kFolderChosen);  // 11 bytes
  EXPECT_STREQ(result, "C:\\共有\\ab");

  const std::string fifteen(15, 'p'), sixteen(16, 'q');
  EXPECT_EQ(takeChosenFolder(fifteen, result, sizeof result), kFolderChosen);
  EXPECT_EQ(std::string(result), fifteen);

  // One byte too long: cancelled, and the buffer keeps what it held.
  EXPECT_EQ(takeChosenFolder(sixteen, result, sizeof result), kFolderCancelled);
  EXPECT_EQ(std::string(result), fifteen);
  EXPECT_EQ(takeChosenFolder("x", result, 0), kFolderCancelled);
  EXPECT_EQ(takeChosenFolder("x", nullptr, 16), kFolderCancelled);
  EXPECT_EQ(takeChosenFolder(std::string("a\0b", 3), result, sizeof result), kFolderCancelled);
  EXPECT_EQ(std::string(result), fifteen);
}
