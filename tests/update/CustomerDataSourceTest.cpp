#include "update/CustomerDataSource.h"

#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

using Fields = std::vector<std::string>;

TEST(SplitUpdateLine, FourFieldsAtSemicolonsWithQuotesAndMissingFields) {
  const std::pair<const char*, Fields> cases[] = {
      {"insert;station;5;5,\"北京\",\"bj\"", {"insert", "station", "5", "5,\"北京\",\"bj\""}},
      {"update;pass;12,5;arrive=8.3,depart=8.35", {"update", "pass", "12,5", "arrive=8.3,depart=8.35"}},
      // Text after a fourth semicolon is not part of any field.
      {"delete;station;5;;junk", {"delete", "station", "5", ""}},
      // A missing semicolon repeats the rest, as written, in every later field.
      {"insert;station;5", {"insert", "station", "5", "5"}},
      {"delete;station", {"delete", "station", "station", "station"}},
      {"nonsense", {"nonsense", "nonsense", "nonsense", "nonsense"}},
      {"insert;station;\"5\"", {"insert", "station", "5", "5"}},
      // A field starting with a double quote loses its first and last
      // character, whatever the last is; a quote further on stays.
      {"\"insert\";\"station\";\"5\";\"5,\"\"a\"\",\"\"b\"\"\"",
       {"insert", "station", "5", "5,\"\"a\"\",\"\"b\"\""}},
      {"\"insertX;station;5;v", {"insert", "station", "5", "v"}},
      {"\";\"\";x;y", {"", "", "x", "y"}},
      {"update;station;5;station=\"北京\"", {"update", "station", "5", "station=\"北京\""}},
  };
  for (const auto& [line, fields] : cases) {
    const UpdateRecord r = SplitUpdateLine(line, 1);
    EXPECT_EQ((Fields{r.action, r.table, r.id, r.value}), fields) << line;
  }
}

TEST(CustomerDataSource, LineEndsAreCrCrLfOrLfAndBlankLinesCountButAreSkipped) {
  const auto read = [](const std::string& bytes) {
    const test::TempDir dir;
    const CustomerDataSource source(dir.Write("update.txt", bytes));
    Fields records;
    for (const auto& r : source.Records())
      records.push_back(r.action + " " + r.id + " @" + std::to_string(r.line));
    return records;
  };
  EXPECT_EQ(read("delete;station;1\r\ndelete;station;2\rdelete;station;3\n\r\n   \n\tdelete;station;7\r\n"),
            (Fields{"delete 1 @1", "delete 2 @2", "delete 3 @3", "\tdelete 7 @6"}));
  // The last line needs no line end; a CR LF is one end.
  EXPECT_EQ(read("\r\n\r\ndelete;station;9"), Fields{"delete 9 @3"});
  EXPECT_TRUE(read("").empty());
  EXPECT_TRUE(read("\r\n\n  \r").empty());
}

TEST(DecodeUpdateText, Gb18030ThatHappensToBeValidUtf8IsStillGb18030) {
  // 站 is D5 BE in GB18030, which UTF-8 reads as U+057E; 北京 is B1 B1 BE A9,
  // which is no UTF-8.
  EXPECT_EQ(DecodeUpdateText(test::ToGb18030("update;station;5;station=\"站27\"")),
            "update;station;5;station=\"站27\"");
  EXPECT_EQ(DecodeUpdateText(test::ToGb18030("站北京")), "站北京");
  // UTF-8 with a Chinese character, or with a byte order mark, stays UTF-8.
  EXPECT_EQ(DecodeUpdateText("站\xD5\xBE"), "站\xD5\xBE");
  EXPECT_EQ(DecodeUpdateText("\xEF\xBB\xBF\xD5\xBE"), "\xD5\xBE");
  EXPECT_EQ(DecodeUpdateText("plain ascii"), "plain ascii");
  // Neither: the line of the first bad byte is named; a GB18030 lead byte
  // may be cut off at the end.
  for (const char* bytes : {"delete;station;1\r\ndelete;station;2\r\ndelete;station;\xFF\r\n", "\n\n\x81"}) {
    try {
      DecodeUpdateText(bytes);
      ADD_FAILURE() << "decoded " << bytes;
    } catch (const UpdateFileError& e) {
      EXPECT_EQ(e.Line(), 3);
    }
  }
}

}  // namespace
}  // namespace kw
