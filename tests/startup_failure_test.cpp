// The one message of a start that fails: what failed, then the system's text and number for the error.
#include <gtest/gtest.h>

#include <set>

#include "app/startup_failure.h"

using namespace wabo;

TEST(StartupFailure, SaysWhatFailedThenTheSystemsOwnTextAndTheErrorNumber) {
  const std::string head = "行き先表示ボードを起動できません\n";
  EXPECT_EQ(startupFailureText(StartupStep::kWindowClass, 1410, "クラスは既に存在します。 \r\n"),
            head + "ｳｨﾝﾄﾞｳｸﾗｽを登録できませんでした\n\nクラスは既に存在します。\n(ｴﾗｰ番号 1410)");
  // A number the system has no text for stands alone; without a number nothing follows what failed.
  EXPECT_EQ(startupFailureText(StartupStep::kResources, 1814, "\r\n"),
            head + "ﾌﾟﾛｸﾞﾗﾑﾌｧｲﾙのﾒﾆｭｰまたはｼｮｰﾄｶｯﾄｷｰを読み込めませんでした\n\n(ｴﾗｰ番号 1814)");
  EXPECT_EQ(startupFailureText(StartupStep::kUnexpected, 0, "not shown"), head + "予期しないｴﾗｰが発生しました");
  std::set<std::string> texts;
  for (StartupStep step : {StartupStep::kResources, StartupStep::kWindowClass, StartupStep::kMainWindow,
                           StartupStep::kUnexpected})
    texts.insert(startupFailureText(step, 0, ""));
  EXPECT_EQ(texts.size(), 4u) << "each step says what failed in its own words";
}
