#include "update/UpdateFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "store/Database.h"
#include "support/TestTimetable.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using test::QueryRows;
using Rows = std::vector<std::string>;

class UpdateFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t_.Set("station", "1\t北京\tbj\n2\t天津\ttj\n3\t上海\tsh\n");
    t_.Set("train", "1\tT1\t1\t1\t3\t8\t20\t0\t1463\t\n");
    t_.Set("pass", "1\t1\t1\t\t8\t0\t0\n1\t2\t2\t9.3\t9.35\t0\t137\n1\t3\t3\t20\t\t0\t1463\n");
    t_.Set("VerID", "2019.05\n");
    db_ = t_.Open();
  }

  // Writes `content` as an update file and applies it.
  UpdateOutcome Apply(const std::string& content) {
    file_ = dir_.Write("update.txt", content);
    return ApplyUpdateFile(*db_, file_);
  }
  Rows Stations() { return QueryRows(*db_, "SELECT id, station, jm FROM station ORDER BY id"); }
  Rows Stops() { return QueryRows(*db_, "SELECT station, arrive, depart FROM pass ORDER BY station"); }
  Rows Everything() { return test::EveryRow(*db_); }

  // `content` must fail on `line` with a reason containing `reason`, leave
  // the database as it was and keep the file.
  void ExpectRefused(const std::string& content, int line, const std::string& reason) {
    SCOPED_TRACE(content);
    const auto before = Everything();
    const auto outcome = Apply(content);
    EXPECT_EQ(outcome.status, UpdateStatus::Failed);
    EXPECT_EQ(outcome.line, line);
    EXPECT_NE(outcome.reason.find(reason), std::string::npos) << outcome.reason;
    EXPECT_EQ(outcome.Message(),
              "文件受损或格式不合法！第 " + std::to_string(line) + " 行：" + outcome.reason);
    EXPECT_EQ(Everything(), before);
    EXPECT_TRUE(fs::exists(file_));
  }
  void ExpectApplied(const std::string& content) {
    const auto outcome = Apply(content);
    EXPECT_EQ(outcome.Message(), "更新完毕！") << content;
    EXPECT_FALSE(fs::exists(file_)) << content;
  }

  test::TestTimetable t_;
  std::unique_ptr<Database> db_;
  test::TempDir dir_;
  fs::path file_;
};

// Withdrawing a train: the train id alone names every stop of the train; a
// train id and a station id name one stop. (The update fuzz test applies
// each action to both tables by their keys.)
TEST_F(UpdateFileTest, ATrainIdAloneDeletesEveryStopOfTheTrain) {
  const char* stops = "SELECT trainid, station FROM pass ORDER BY trainid, station";
  ExpectApplied("insert;pass;2,1;2,1,1,Null,7,0,0\r\ndelete;pass;1,2\r\n");
  EXPECT_EQ(QueryRows(*db_, stops), (Rows{"1|1", "1|3", "2|1"}));
  ExpectApplied("delete;train;1\r\ndelete;pass;1\r\n");
  EXPECT_EQ(QueryRows(*db_, stops), Rows{"2|1"});
  EXPECT_EQ(QueryRows(*db_, "SELECT count(*) FROM train"), Rows{"0"});
}

TEST_F(UpdateFileTest, EveryTableTakesItsValuesAsWritten) {
  const struct {
    const char *line, *query, *row;
  } cases[] = {
      // Tables and columns are named without regard to case.
      {"insert;TRAIN;2;2,\"K7\",2,3,1,22.3,6.15,1,1463,\"空调\"", "SELECT * FROM train WHERE id=2",
       "2|K7|2|3|1|22.3|6.15|1|1463|空调"},
      {"insert;kind;9;9,\"动车\",\"空调特快\"", "SELECT kind, price FROM kind WHERE id=9", "动车|空调特快"},
      {"update;price;100;pkz=\"1,2\"", "SELECT pkz FROM price WHERE distance=100", "1,2"},
      {"update;price;100;pkz=10.50", "SELECT pkz FROM price WHERE distance=100", "10.50"},
      {"insert;everyday;1;1,\"标题\",\"内容，带逗号\"", "SELECT content FROM everyday", "内容，带逗号"},
      // A text key may stand bare.
      {"update;verid;2019.05;ver=\"2020-01 标准版\"", "SELECT * FROM VerID", "2020-01 标准版"},
      {"update;VerID;2020-01 标准版;ver=\"2020-02\"", "SELECT * FROM VerID", "2020-02"},
      {"insert;station;4;4, \"A,\"\"B\"\" C\" ,null", "SELECT station, jm FROM station WHERE id=4",
       "A,\"B\" C|NULL"},
      {"insert; station ;6;6,\"拉萨\",\"ls\"", "SELECT station FROM station WHERE id=6", "拉萨"},
      // Quoted fields arrive without their quotes.
      {"\"insert\";\"station\";\"5\";\"5,\"乌鲁木齐\",\"wlmq\"\"", "SELECT * FROM station WHERE id=5",
       "5|乌鲁木齐|wlmq|NULL|NULL|NULL"},
      // Full pinyin, given or left out.
      {"insert;station;7;7,\"南京\",\"nj\",\"nanjing\"", "SELECT py FROM station WHERE id=7", "nanjing"},
      {"update;station;1;py=\"beijing\"", "SELECT py FROM station WHERE id=1", "beijing"},
      // A position in degrees, given, changed or taken away.
      {"insert;station;8;8,\"拉萨西\",\"lsx\",null,29.65,-91.1", "SELECT lat, lon FROM station WHERE id=8",
       "29.65|-91.1"},
      {"update;station;1;lat=39.90469,lon=116.40717", "SELECT lat, lon FROM station WHERE id=1",
       "39.90469|116.40717"},
      {"update;station;1;lon=null", "SELECT lat, lon FROM station WHERE id=1", "39.90469|NULL"},
  };
  for (const auto& c : cases) {
    ExpectApplied(std::string(c.line) + "\r\n");
    EXPECT_EQ(QueryRows(*db_, c.query), Rows{c.row}) << c.line;
  }
}

// Blanks around the action do not count, as around the other fields; any
// other action is refused on its line rather than skipped.
TEST_F(UpdateFileTest, AnActionIsInsertUpdateOrDeleteAndAnyOtherIsRefused) {
  ExpectApplied(" insert;station;4;4,\"乌鲁木齐\",\"wlmq\"\r\n\tdelete ;station;3\r\n");
  EXPECT_EQ(Stations(), (Rows{"1|北京|bj", "2|天津|tj", "4|乌鲁木齐|wlmq"}));
  ExpectRefused("delete;station;4\r\nINSERT;station;5;5,\"拉萨\",\"ls\"\r\n", 2, "无法识别的操作");
  ExpectRefused("这不是更新文件\n只是一段文字\n", 1, "无法识别的操作");
}

TEST_F(UpdateFileTest, ValuesAndKeysMustSuitTheirColumns) {
  const struct {
    const char *line, *reason;
  } cases[] = {
      {"update;station;1;id=\"4\"", "列 id 的值 “\"4\"” 不是整数"},
      {"insert;station;4;4,Null,\"y\"", "列 station 不能为空"},
      {"insert;station;4;4,x,\"y\"", "无法识别的值：x"},
      {"insert;station;4;4,,\"y\"", "无法识别的值：（空）"},
      {"insert;station;4;4,\"x,\"y\"", "双引号"},
      {"update;pass;1,2;arrive=24.00", "列 arrive 的值 “24.00” 不是 时.分"},
      {"update;pass;1,2;zhanci=null", "列 zhanci 不能为空"},
      {"update;pass;1,2;zhanci=2,zhanci=3", "同一列修改了两次：zhanci"},
      {"update;pass;1,2;zhanci", "修改应写成 列名=值"},
      {"update;pass;1;arrive=8", "编号应写成 trainid,station，实为 “1”"},
      {"delete;pass;1,2,3", "编号应写成 trainid,station，实为 “1,2,3”"},
      {"delete;station;1,2", "编号应写成 id"},
      {"delete;station;null", "列 id 不能为空"},
      {"delete;station;", "无法识别的值：（空）"},
      {"insert;station;4;5,\"x\",\"y\"", "插入的值与编号不一致：id"},
      {"insert;pass;1,5;1,4,9,1,1,0,0", "插入的值与编号不一致：station"},
      // Numbers the program cannot hold exactly.
      {"insert;station;4294967306;4294967306,\"远\",\"y\"", "列 id 的值 “4294967306” 超出范围"},
      {"delete;pass;1,4294967306", "列 station 的值 “4294967306” 超出范围"},
      {"update;station;1;lon=\"116.4\"", "列 lon 的值 “\"116.4\"” 不是数值"},
      // A key may change only to one that is free. (The database's other
      // rules, unique sequence numbers and names, are the update fuzz test's.)
      {"update;station;3;id=2", "与表中已有的行冲突"},
      {"update;pass;1,3;station=2", "pass.trainid, pass.station"},
      // Nothing in the file runs as SQL.
      {"insert;station;1;1);drop table train;--", "应有 3 至 6 个，实有 1 个"},
      {"insert;station;4;4,\"x\",\"y\"),(5,\"z\",\"w\"),(6,\"a\",\"b\"", "插入的值的个数不对"},
      {"insert;station;4;4,\"x\",\"y\") --", "无法识别的值：\"y\") --"},
      {"update;station;1;id=1 or 1=1", "无法识别的值：1 or 1=1"},
      {"update;station;1 or 1=1;jm=\"x\"", "1 or 1=1"},
      {"delete;sqlite_master;1", "没有这个表"},
      {"update;station;1;\"station\"=\"x\"", "表中没有这一列"},
      {"update;station;1;rowid=5", "表中没有这一列：station.rowid"},
  };
  for (const auto& c : cases) ExpectRefused(std::string(c.line) + "\r\n", 1, c.reason);
  // A quote inside a text ends nothing: the text is stored as written.
  ExpectApplied("update;station;1;jm=\"\"\"),(select 1) --\"\r\n");
  EXPECT_EQ(Stations().front(), "1|北京|\"),(select 1) --");
}

// A quote that does not close its field is no quoting: it would otherwise
// take the field's last character and name another row or table.
TEST_F(UpdateFileTest, AStrayQuoteInATableNameOrKeyIsRefused) {
  const struct {
    const char *line, *reason;
  } cases[] = {
      {"delete;train;\"12", "编号中有多余的双引号：\"12"},             // was train 1
      {"update;station;\"12;jm=\"x\"", "编号中有多余的双引号：\"12"},  // was station 1
      {"delete;pass;1,\"22", "编号中有多余的双引号"},
      {"delete;station;1\"", "编号中有多余的双引号"},
      {"insert;\"station北;4;4,\"乌鲁木齐\",\"wlmq\"", "表名中有多余的双引号：\"station北"},
      {"delete;sta\"tion;1", "表名中有多余的双引号"},
  };
  for (const auto& c : cases) ExpectRefused(std::string(c.line) + "\r\n", 1, c.reason);
  // A field that begins and ends with a quote is quoted.
  ExpectApplied("delete;\"station\";\"3\"\r\n");
  EXPECT_EQ(Stations(), (Rows{"1|北京|bj", "2|天津|tj"}));
}

// A control character would shift the columns of copied rows or reach a
// terminal as a command: no text of an update may hold one.
TEST_F(UpdateFileTest, AControlCharacterInAnyTextIsRefused) {
  const struct {
    std::string line, reason;
  } cases[] = {
      {"update;station;1;station=\"北\t京\"", "列 station 的文字含有控制字符 U+0009"},
      {"update;station;1;jm=\"\x1B[31mbj\"", "列 jm 的文字含有控制字符 U+001B"},
      {"update;station;1;py=\"bei\0jing\""s, "列 py 的文字含有控制字符 U+0000"},
      {"update;station;1;jm=\"b\x1Fj\"", "U+001F"},
      {"update;station;1;jm=\"bj\x7F\"", "U+007F"},
      {"update;station;1;station=\"北京\u2028西\"", "U+2028"},
      {"insert;station;4;4,\"\u2029\",\"x\"", "列 station 的文字含有控制字符 U+2029"},
  };
  for (const auto& c : cases) ExpectRefused(c.line + "\r\n", 1, c.reason);
  // The refusal itself shows no control character: it goes to a terminal.
  const auto outcome = Apply("delete;\x1B[2J;1\r\n");
  EXPECT_EQ(outcome.reason, "没有这个表：\xEF\xBF\xBD[2J");
  // Spaces, full-width ones and the characters next to the separators are text.
  ExpectApplied("update;station;1;station=\"北京 西\u3000南\u2027\u202A\"\r\n");
  EXPECT_EQ(Stations().front(), "1|北京 西\u3000南\u2027\u202A|bj");
}

// Each line is checked as it is read: the first bad line ends the update,
// whatever comes after it.
TEST_F(UpdateFileTest, TheFirstBadLineIsRefusedBeforeTheLinesAfterItAreRead) {
  std::string lines = "delete;station;3\r\nx\r\n";
  for (int i = 0; i < 10000; ++i) lines += "x\n";
  ExpectRefused(lines + "\xFF\xFF\r\n", 2, "无法识别的操作");
  // A bad encoding is named on its line; the lines before it changed nothing.
  ExpectRefused("delete;station;3\r\n\xFF\xFF\r\nx\r\n", 2, "既非 UTF-8 也非 GB18030");
}

TEST_F(UpdateFileTest, ALongUpdateReportsItsProgressAndMayBeCancelled) {
  std::string content;
  for (int i = 0; i < 6000; ++i) content += "update;station;3;jm=\"sh" + std::to_string(i % 10) + "\"\r\n";
  const long long size = static_cast<long long>(content.size());  // 27 bytes a line
  ASSERT_EQ(size, 6000 * 27);
  file_ = dir_.Write("update.txt", content);
  std::vector<long long> done;
  auto outcome = ApplyUpdateFile(*db_, file_, [&](long long at, long long total) {
    EXPECT_EQ(total, size);
    done.push_back(at);
    return true;
  });
  EXPECT_EQ(outcome.status, UpdateStatus::Applied);
  // After the first line, then at the end of the first line that reaches
  // 64 kB (65,536 bytes) beyond the last call.
  EXPECT_EQ(done, (std::vector<long long>{27, 65583, 131139}));
  EXPECT_EQ(Stations().back(), "3|上海|sh9");

  // Cancelled: nothing changes and the file stays.
  const auto before = Everything();
  file_ = dir_.Write("update.txt", content + "delete;station;1\r\n");
  int calls = 0;
  outcome = ApplyUpdateFile(*db_, file_, [&](long long, long long) { return ++calls < 2; });
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(outcome.status, UpdateStatus::Failed);
  EXPECT_EQ(outcome.Message(), "更新已取消，时刻表没有改变");
  EXPECT_EQ(Everything(), before);
  EXPECT_TRUE(fs::exists(file_));
}

TEST_F(UpdateFileTest, ARefusalRepeatsAtMostEightyCharactersOfAnItem) {
  const std::string longItem(1'000'000, 'x');
  for (const std::string& line : {
           "update;station;1;jm=" + longItem,
           "update;station;1;jm=\"" + longItem,
           "update;station;1;" + longItem,
           "update;station;1;" + longItem + "=1",
           "update;station;" + longItem + ";jm=\"x\"",
           "delete;pass;1,2," + longItem,
           "insert;station;5" + std::string(1'000'000, ' ') + ";6,\"a\",\"b\"",
           "delete;" + longItem + ";1",
       }) {
    const auto outcome = Apply(line + "\r\n");
    EXPECT_EQ(outcome.status, UpdateStatus::Failed) << line.substr(0, 30);
    EXPECT_NE(outcome.reason.find("…"), std::string::npos) << outcome.reason.substr(0, 300);
    EXPECT_LT(outcome.Message().size(), 300u) << line.substr(0, 30);
  }
}

TEST_F(UpdateFileTest, ChineseNamesFromUtf8AndGb18030Files) {
  ExpectApplied("\xEF\xBB\xBFinsert;station;4;4,\"乌鲁木齐\",\"wlmq\"\r\n");
  // 呼和浩特 in GB18030.
  ExpectApplied("insert;station;5;5,\"\xBA\xF4\xBA\xCD\xBA\xC6\xCC\xD8\",\"hhht\"\r\n");
  EXPECT_EQ(Stations(), (Rows{"1|北京|bj", "2|天津|tj", "3|上海|sh", "4|乌鲁木齐|wlmq", "5|呼和浩特|hhht"}));
  // A first line that still cannot be read is refused, not skipped.
  ExpectRefused(
      "\x01"
      "delete;station;4\r\ndelete;station;5\r\n",
      1, "文件开头无法识别");
}

// Only a regular file of at most 64 MB is read: a pipe would block, a device
// never end. Every cause is told in Chinese.
TEST_F(UpdateFileTest, OnlyARegularFileOfAtMostSixtyFourMegabytesIsRead) {
  const fs::path fifo = dir_.Path() / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const fs::path large = dir_.Path() / "large.txt";
  std::ofstream(large) << "delete;station;1\r\n";
  fs::resize_file(large, (64 << 20) + 1);  // sparse: nothing to write
  const struct {
    fs::path path;
    const char* cause;
  } cases[] = {
      {dir_.Path() / "missing.txt", "文件不存在"},
      {dir_.Path(), "不是普通文件"},
      {fifo, "不是普通文件"},
      {"/dev/zero", "不是普通文件"},
      {large, "文件过大（最多 64 MB）"},
  };
  const auto before = Everything();
  for (const auto& c : cases) {
    const auto outcome = ApplyUpdateFile(*db_, c.path);
    EXPECT_EQ(outcome.status, UpdateStatus::Failed);
    EXPECT_EQ(outcome.line, 0);
    EXPECT_EQ(outcome.Message(), "无法读取更新文件 " + c.path.string() + "：" + c.cause);
  }
  EXPECT_EQ(Everything(), before);
  // 64 MB is the largest file read, not the smallest refused: a line of
  // blanks fills the file up to exactly that size.
  const std::string line = "insert;station;4;4,\"乌鲁木齐\",\"wlmq\"\r\n";
  ExpectApplied(line + std::string((64 << 20) - line.size(), ' '));
  EXPECT_EQ(Stations().back(), "4|乌鲁木齐|wlmq");
}

TEST_F(UpdateFileTest, AFailureOfTheDatabaseIsNotBlamedOnALine) {
  {
    Transaction open(*db_);  // the update cannot start its own transaction
    const auto outcome = Apply("delete;station;1\r\n");
    EXPECT_EQ(outcome.status, UpdateStatus::Failed);
    EXPECT_EQ(outcome.line, 0);
    EXPECT_EQ(outcome.Message().rfind("时刻表数据库出错", 0), 0u) << outcome.Message();
    EXPECT_TRUE(fs::exists(file_));
  }
  EXPECT_EQ(Stations().front(), "1|北京|bj");
}

TEST_F(UpdateFileTest, AFileThatCannotBeDeletedIsReportedAfterTheUpdate) {
  // A file read through /proc can be read but not deleted there, even by root.
  const fs::path file = dir_.Write("update.txt", "insert;station;4;4,\"乌鲁木齐\",\"wlmq\"\r\n");
  const int fd = open(file.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  const fs::path path = "/proc/self/fd/" + std::to_string(fd);
  const auto outcome = ApplyUpdateFile(*db_, path);
  close(fd);
  EXPECT_EQ(outcome.status, UpdateStatus::AppliedFileKept);
  EXPECT_EQ(outcome.Message(), "更新完毕！但无法删除更新文件 " + path.string() + "：没有权限");
  EXPECT_EQ(Stations().back(), "4|乌鲁木齐|wlmq");
}

}  // namespace
}  // namespace kw
