// The program's texts with the English translation loaded (this binary's
// main loads it): the core's, the windows', and station names.
#include <gtest/gtest.h>

#include <QString>

#include "store/CoreStrings.h"
#include "ui/Strings.h"

namespace kw {
namespace {

TEST(EnglishTexts, CoreAndWindowTextsReadInEnglish) {
  EXPECT_EQ(text::kDayLabels[1].view(), "+1 day");
  EXPECT_EQ(text::kUnknownFigure.view(), "n/a");
  EXPECT_EQ(QString(str::kOk), QStringLiteral("OK"));
  EXPECT_EQ(str::kCancel.str(), QStringLiteral("Cancel"));
}

TEST(EnglishTexts, StationsAreSpelledInPinyinWithACapitalOrKeepTheirName) {
  text::SetStationSpellings({{"北京南", "beijingnan"}, {"上海虹桥", "shanghaihongqiao"}, {"无拼音", ""}});
  EXPECT_EQ(text::StationName("北京南"), "Beijingnan");
  EXPECT_EQ(text::StationName("上海虹桥"), "Shanghaihongqiao");
  EXPECT_EQ(text::StationName("无拼音"), "无拼音");
  EXPECT_EQ(text::StationName("未知"), "未知");
  EXPECT_EQ(text::StationNameWithChinese("北京南"), "Beijingnan 北京南");
  EXPECT_EQ(text::StationNameWithChinese("无拼音"), "无拼音");
}

}  // namespace
}  // namespace kw
