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
      // A field that begins and ends with a double quote loses them; any
      // other quote stays where it is.
      {"\"insert\";\"station\";\"5\";\"5,\"\"a\"\",\"\"b\"\"\"",
       {"insert", "station", "5", "5,\"\"a\"\",\"\"b\"\""}},
      {"\"insertX;station;\"6028;v\"", {"\"insertX", "station", "\"6028", "v\""}},
      {"insert;station;\"北;\"北京站", {"insert", "station", "\"北", "\"北京站"}},
      {"\";\"\";x;y", {"\"", "", "x", "y"}},
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
    CustomerDataSource source(dir.Write("update.txt", bytes));
    Fields records;
    while (const auto r = source.Next())
      records.push_back(r->action + " " + r->id + " @" + std::to_string(r->line));
    EXPECT_EQ(source.Position(), static_cast<long long>(bytes.size()));
    return records;
  };
  EXPECT_EQ(read("delete;station;1\r\ndelete;station;2\rdelete;station;3\n\r\n   \n\tdelete;station;7\r\n"),
            (Fields{"delete 1 @1", "delete 2 @2", "delete 3 @3", "\tdelete 7 @6"}));
  // A mark at the start of a later line, or after a blank first line.
  EXPECT_EQ(read("\xEF\xBB\xBF\r\n\xEF\xBB\xBF"
                 "delete;station;1\r\n\xEF\xBB\xBF"
                 "delete;station;2"),
            (Fields{"delete 1 @2", "delete 2 @3"}));
  // The last line needs no line end; a CR LF is one end.
  EXPECT_EQ(read("\r\n\r\ndelete;station;9"), Fields{"delete 9 @3"});
  EXPECT_TRUE(read("").empty());
  EXPECT_TRUE(read("\r\n\n \t\r").empty());
  // A CR LF split across two reads of the file is one line end.
  const std::string first(65535, 'a');
  EXPECT_EQ(read(first + "\r\ndelete;station;4\r\rdelete;station;5\n"),
            (Fields{first + " " + first + " @1", "delete 4 @2", "delete 5 @4"}));
}

TEST(DecodeUpdateText, EachLineTakesTheReadingWhoseCharactersAreChinese) {
  // 站 is D5 BE in GB18030, which UTF-8 reads as U+057E; 平山站 is
  // C6 BD C9 BD D5 BE, UTF-8 ƽɽվ; 北京 is B1 B1 BE A9, which is no UTF-8.
  const std::string pingshan = test::ToGb18030("平山站");
  const struct {
    std::string bytes, text;
  } cases[] = {
      {test::ToGb18030("update;station;5;station=\"站27\""), "update;station;5;station=\"站27\""},
      {test::ToGb18030("站北京"), "站北京"},
      // Behind UTF-8's mark, and in a file with Chinese in UTF-8 on an earlier line.
      {"\xEF\xBB\xBF" + pingshan, "平山站"},
      {"\xEF\xBB\xBF\xD5\xBE", "站"},
      // Han characters in UTF-8 stay UTF-8, with the signs around them,
      // though 站站վ reads as four Han characters in GB18030 too.
      {"站站\xD5\xBE", "站站\xD5\xBE"},
      {"测试南站·“北”", "测试南站·“北”"},
      {"“”", "“”"},
      {"plain ascii", "plain ascii"},
      // A mark at the start of any line is dropped, UTF-8's or GB18030's.
      {"a\r\n\xEF\xBB\xBF"
       "b\n\x84\x31\x95\x33"
       "c",
       "a\nb\nc"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeUpdateText(c.bytes), c.text) << c.bytes;
}

TEST(DecodeUpdateText, AFileIsOneEncodingAndABadLineIsNamed) {
  const std::string pingshan = test::ToGb18030("平山站");
  const struct {
    std::string bytes;
    int line;
    const char* reason;
  } cases[] = {
      // Neither encoding; a GB18030 lead byte may be cut off at the end.
      {"delete;station;1\r\ndelete;station;2\r\ndelete;station;\xFF\r\n", 3, "既非 UTF-8 也非 GB18030"},
      {"\n\n\x81", 3, "既非 UTF-8 也非 GB18030"},
      // GB18030's mark, then UTF-8 lines: a file saved twice.
      {"\x84\x31\x95\x33" + test::ToGb18030("北京\n") + "\n测试南站\n", 3, "开头标明的编码（GB18030）"},
      // Chinese in UTF-8, then the same in GB18030, and the other way round.
      {"测试\n" + pingshan, 2, "文件按 UTF-8 读取"},
      {pingshan + "\nabc\n测试", 3, "文件按 GB18030 读取"},
      // Valid in both, Chinese in neither: €€ reads as 鈧 and a private character.
      {"€€", 1, "读来都不是中文"},
  };
  for (const auto& c : cases) {
    try {
      DecodeUpdateText(c.bytes);
      ADD_FAILURE() << "decoded " << c.bytes;
    } catch (const UpdateFileError& e) {
      EXPECT_EQ(e.Line(), c.line) << c.bytes;
      EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace kw
