#include "update/CustomerDataSource.h"

#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

using test::TempDir;
using test::ToGb18030;

std::vector<std::string> Fields(const UpdateRecord& r) { return {r.action, r.table, r.id, r.value}; }

std::vector<std::string> Split(std::string_view line) { return Fields(SplitUpdateLine(line, 1)); }

std::vector<UpdateRecord> Read(const std::string& bytes) {
  TempDir dir;
  return CustomerDataSource(dir.Write("update.txt", bytes)).Records();
}

TEST(SplitUpdateLine, FourFieldsAtSemicolons) {
  EXPECT_EQ(Split("insert;station;5;5,\"北京\",\"bj\""),
            (std::vector<std::string>{"insert", "station", "5", "5,\"北京\",\"bj\""}));
  EXPECT_EQ(Split("update;pass;12,5;arrive=8.3,depart=8.35"),
            (std::vector<std::string>{"update", "pass", "12,5", "arrive=8.3,depart=8.35"}));
  // Text after a fourth semicolon is not part of any field.
  EXPECT_EQ(Split("delete;station;5;;junk"), (std::vector<std::string>{"delete", "station", "5", ""}));
}

TEST(SplitUpdateLine, AMissingSemicolonRepeatsTheRestInEveryLaterField) {
  EXPECT_EQ(Split("insert;station;5"), (std::vector<std::string>{"insert", "station", "5", "5"}));
  EXPECT_EQ(Split("delete;station"), (std::vector<std::string>{"delete", "station", "station", "station"}));
  EXPECT_EQ(Split("nonsense"), (std::vector<std::string>{"nonsense", "nonsense", "nonsense", "nonsense"}));
  // The rest is repeated as written; each field then loses its own quotes.
  EXPECT_EQ(Split("insert;station;\"5\""), (std::vector<std::string>{"insert", "station", "5", "5"}));
}

TEST(SplitUpdateLine, AFieldStartingWithAQuoteLosesItsFirstAndLastCharacter) {
  EXPECT_EQ(Split("\"insert\";\"station\";\"5\";\"5,\"\"a\"\",\"\"b\"\"\""),
            (std::vector<std::string>{"insert", "station", "5", "5,\"\"a\"\",\"\"b\"\""}));
  // Whatever the last character is.
  EXPECT_EQ(Split("\"insertX;station;5;v"), (std::vector<std::string>{"insert", "station", "5", "v"}));
  EXPECT_EQ(Split("\";\"\";x;y"), (std::vector<std::string>{"", "", "x", "y"}));
  // A quote that is not first stays.
  EXPECT_EQ(Split("update;station;5;station=\"北京\""),
            (std::vector<std::string>{"update", "station", "5", "station=\"北京\""}));
}

TEST(CustomerDataSource, LineEndsAreCrCrLfOrLfAndBlankLinesCountButAreSkipped) {
  const auto records =
      Read("delete;station;1\r\ndelete;station;2\rdelete;station;3\n\r\n   \n\tdelete;station;7\r\n");
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0].id, "1");
  EXPECT_EQ(records[0].line, 1);
  EXPECT_EQ(records[1].id, "2");
  EXPECT_EQ(records[1].line, 2);
  EXPECT_EQ(records[2].id, "3");
  EXPECT_EQ(records[2].line, 3);
  EXPECT_EQ(records[3].action, "\tdelete");
  EXPECT_EQ(records[3].line, 6);
  // The last line needs no line end; a CR LF split by nothing else is one end.
  EXPECT_EQ(Read("\r\n\r\ndelete;station;9").at(0).line, 3);
  EXPECT_TRUE(Read("").empty());
  EXPECT_TRUE(Read("\r\n\n  \r").empty());
}

TEST(CustomerDataSource, Utf8WithOrWithoutByteOrderMark) {
  const std::string line = "insert;station;5;5,\"乌鲁木齐\",\"wlmq\"";
  for (const std::string& bytes : {line, "\xEF\xBB\xBF" + line}) {
    const auto records = Read(bytes);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].action, "insert");
    EXPECT_EQ(records[0].value, "5,\"乌鲁木齐\",\"wlmq\"");
  }
}

TEST(CustomerDataSource, Gb18030IsConvertedToUtf8) {
  const std::string text =
      "insert;station;5;5,\"乌鲁木齐\",\"wlmq\"\r\nupdate;station;5;station=\"呼和浩特\"\r\n";
  const std::string bytes = ToGb18030(text);
  ASSERT_NE(bytes, text);
  const auto records = Read(bytes);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].value, "5,\"乌鲁木齐\",\"wlmq\"");
  EXPECT_EQ(records[1].value, "station=\"呼和浩特\"");
  EXPECT_EQ(records[1].line, 2);
}

TEST(CustomerDataSource, Gb18030ThatHappensToBeValidUtf8IsStillGb18030) {
  // 站 is D5 BE in GB18030, which UTF-8 reads as U+057E; 北京 is B1 B1 BE A9,
  // which is no UTF-8.
  EXPECT_EQ(DecodeUpdateText(ToGb18030("update;station;5;station=\"站27\"")),
            "update;station;5;station=\"站27\"");
  EXPECT_EQ(DecodeUpdateText(ToGb18030("站北京")), "站北京");
  // UTF-8 with a Chinese character, or with a byte order mark, stays UTF-8.
  EXPECT_EQ(DecodeUpdateText("站\xD5\xBE"), "站\xD5\xBE");
  EXPECT_EQ(DecodeUpdateText("\xEF\xBB\xBF\xD5\xBE"), "\xD5\xBE");
  EXPECT_EQ(DecodeUpdateText("plain ascii"), "plain ascii");
}

TEST(CustomerDataSource, BytesThatAreNeitherUtf8NorGb18030NameTheirLine) {
  try {
    Read("delete;station;1\r\ndelete;station;2\r\ndelete;station;\xFF\r\n");
    FAIL() << "read an undecodable file";
  } catch (const UpdateFileError& e) {
    EXPECT_EQ(e.Line(), 3);
  }
  // A GB18030 lead byte cut off at the end of the file.
  EXPECT_THROW(Read("delete;station;1\n\x81"), UpdateFileError);
}

TEST(CustomerDataSource, AFileThatCannotBeReadIsAClearError) {
  TempDir dir;
  try {
    CustomerDataSource source(dir.Path() / "missing.txt");
    FAIL() << "read a missing file";
  } catch (const UpdateFileError& e) {
    EXPECT_EQ(e.Line(), 0);
    EXPECT_NE(std::string(e.what()).find("missing.txt"), std::string::npos);
  }
  // A folder is no file.
  EXPECT_THROW(CustomerDataSource source(dir.Path()), UpdateFileError);
}

}  // namespace
}  // namespace kw
