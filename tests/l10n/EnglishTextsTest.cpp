// The program's texts with the English translation loaded (this binary's
// main loads it): the core's, the windows', and station names.
#include <gtest/gtest.h>

#include <QString>

#include "store/CoreStrings.h"
#include "ui/Strings.h"

namespace kw {
namespace {

TEST(EnglishTexts, CoreAndWindowTextsReadInEnglish) {
  // A day label is put right before an arrival time: "+1 day 07:15".
  for (const auto& [day, text] :
       {std::pair{0, " 07:15"}, {1, "+1 day 07:15"}, {2, "+2 days 07:15"}, {7, "+7 days 07:15"}})
    EXPECT_EQ(text::kDayLabels[day].str() + "07:15", text);
  EXPECT_EQ(text::kUnknownFigure.view(), "n/a");
  EXPECT_EQ(QString(str::kOk), QStringLiteral("OK"));
  EXPECT_EQ(str::kCancel.str(), QStringLiteral("Cancel"));
}

// Texts the windows build from pieces read as English once put together.
TEST(EnglishTexts, PiecesPutTogetherReadAsEnglish) {
  struct Case {
    QString built;
    QString expected;
  };
  const Case cases[] = {
      {str::kFooterBefore + QStringLiteral("3") + str::kFooterPage, QStringLiteral("Page 3 ")},
      {QStringLiteral("Beijingnan") + str::kDepartsSuffix, QStringLiteral("Beijingnan departs")},
      {str::kTransferPrefix + QStringLiteral("Zhengzhou"), QStringLiteral("Transfer station Zhengzhou")},
      {str::kStatusProgramVersion + QStringLiteral("V1") + str::kStatusDataVersion +
           QStringLiteral("2019-10"),
       QStringLiteral("Program version: V1, timetable version: 2019-10")},
      {QString::fromStdString(text::Fill(text::kStationCaption, {"T109", "Beijing", "Shanghai", "Express"})),
       QStringLiteral(" T109 (Beijing---Shanghai) Express")},
  };
  for (const Case& c : cases) EXPECT_EQ(c.built.toStdString(), c.expected.toStdString());
}

// The capitalised pinyin, names without pinyin in the timetable and the pick
// lists' two spellings are checked on the timetable's own spellings
// (EnglishCoreTexts, EnglishWindows); here, a name whose pinyin is empty.
TEST(EnglishTexts, AStationWithEmptyPinyinKeepsItsName) {
  text::SetStationSpellings({{"北京南", "beijingnan"}, {"无拼音", ""}});
  EXPECT_EQ(text::StationName("北京南"), "Beijingnan");
  EXPECT_EQ(text::StationName("无拼音"), "无拼音");
  EXPECT_EQ(text::StationNameWithChinese("无拼音"), "无拼音");
}

}  // namespace
}  // namespace kw
