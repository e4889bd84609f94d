#include "update/UpdateFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "store/Database.h"
#include "support/TestTimetable.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using test::QueryRows;
using test::TempDir;

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

  std::vector<std::string> Stations() { return QueryRows(*db_, "SELECT * FROM station ORDER BY id"); }
  std::vector<std::string> Stops() { return QueryRows(*db_, "SELECT * FROM pass ORDER BY trainid, zhanci"); }
  // Everything the update file can change.
  std::vector<std::string> Everything() {
    std::vector<std::string> all;
    for (const char* sql : {"SELECT * FROM station ORDER BY id", "SELECT * FROM train ORDER BY id",
                            "SELECT * FROM pass ORDER BY trainid, station", "SELECT * FROM kind ORDER BY id",
                            "SELECT * FROM price ORDER BY distance", "SELECT * FROM everyday ORDER BY id",
                            "SELECT * FROM VerID"}) {
      const auto rows = QueryRows(*db_, sql);
      all.insert(all.end(), rows.begin(), rows.end());
      all.push_back("--");
    }
    return all;
  }

  // Applies `content`, which must fail on `line` with a reason containing
  // `reason`, leave the database as it was and keep the file.
  void ExpectRefused(const std::string& content, int line, const std::string& reason) {
    const auto before = Everything();
    const auto outcome = Apply(content);
    EXPECT_EQ(outcome.status, UpdateStatus::Failed) << content;
    EXPECT_EQ(outcome.line, line) << content;
    EXPECT_NE(outcome.reason.find(reason), std::string::npos) << content << " -> " << outcome.reason;
    EXPECT_EQ(outcome.Message(),
              "文件受损或格式不合法！第 " + std::to_string(line) + " 行：" + outcome.reason);
    EXPECT_EQ(Everything(), before) << content;
    EXPECT_TRUE(fs::exists(file_)) << content;
  }

  void ExpectApplied(const std::string& content) {
    const auto outcome = Apply(content);
    EXPECT_EQ(outcome.status, UpdateStatus::Applied) << content << " -> " << outcome.Message();
    EXPECT_EQ(outcome.Message(), "更新完毕！");
    EXPECT_FALSE(fs::exists(file_)) << content;
  }

  test::TestTimetable t_;
  std::unique_ptr<Database> db_;
  TempDir dir_;
  fs::path file_;
};

TEST_F(UpdateFileTest, InsertUpdateAndDeleteAStation) {
  ExpectApplied("insert;station;4;4,\"乌鲁木齐\",\"wlmq\"\r\n");
  EXPECT_EQ(Stations().back(), "4|乌鲁木齐|wlmq");
  ExpectApplied("update;station;4;station=\"乌鲁木齐南\", jm = \"wlmqn\"\r\n");
  EXPECT_EQ(Stations().back(), "4|乌鲁木齐南|wlmqn");
  ExpectApplied("update;station;4;jm=Null\r\n");
  EXPECT_EQ(Stations().back(), "4|乌鲁木齐南|NULL");
  ExpectApplied("delete;station;4\r\n");
  EXPECT_EQ(Stations(), (std::vector<std::string>{"1|北京|bj", "2|天津|tj", "3|上海|sh"}));
}

TEST_F(UpdateFileTest, InsertUpdateAndDeleteAStopByTrainAndStation) {
  ExpectApplied("insert;pass;1,4;1,4,4,21.05,NULL,1,1500\r\n");
  EXPECT_EQ(Stops().back(), "1|4|4|21.05|NULL|1|1500");
  // Only the stop at that station changes, not the train's other stops.
  ExpectApplied("update;pass;1,2;arrive=9.4,depart=9.45\r\n");
  EXPECT_EQ(Stops(), (std::vector<std::string>{"1|1|1|NULL|8.0|0|0", "1|2|2|9.4|9.45|0|137",
                                               "1|3|3|20.0|NULL|0|1463", "1|4|4|21.05|NULL|1|1500"}));
  // The delete addresses the stop by (train, station) too, leaving the rest
  // of the train.
  ExpectApplied("delete;pass;1,2\r\n");
  EXPECT_EQ(Stops(), (std::vector<std::string>{"1|1|1|NULL|8.0|0|0", "1|3|3|20.0|NULL|0|1463",
                                               "1|4|4|21.05|NULL|1|1500"}));
}

TEST_F(UpdateFileTest, ExistingKeysOnInsertAndMissingKeysOnUpdateOrDeleteChangeNothing) {
  const auto before = Everything();
  ExpectApplied(
      "insert;station;1;1,\"别的站\",\"bdz\"\r\n"
      "insert;pass;1,2;1,2,9,1.0,1.1,5,5\r\n"
      "update;station;99;station=\"没有\"\r\n"
      "update;pass;1,99;zhanci=7\r\n"
      "delete;station;99\r\n"
      "delete;pass;99,1\r\n");
  EXPECT_EQ(Everything(), before);
}

TEST_F(UpdateFileTest, AllTablesAndNamesAreFoundWithoutRegardToCase) {
  ExpectApplied(
      "insert;TRAIN;2;2,\"K7\",2,3,1,22.3,6.15,1,1463,\"空调\"\r\n"
      "update;Station;3;JM=\"shh\"\r\n"
      "insert;kind;9;9,\"动车\",\"空调特快\"\r\n"
      "update;price;100;pkz=\"1,2\"\r\n"
      "insert;everyday;1;1,\"标题\",\"内容，带逗号\"\r\n"
      "update;verid;2019.05;ver=\"2019.06\"\r\n");
  EXPECT_EQ(QueryRows(*db_, "SELECT * FROM train WHERE id=2").at(0), "2|K7|2|3|1|22.3|6.15|1|1463|空调");
  EXPECT_EQ(Stations().back(), "3|上海|shh");
  EXPECT_EQ(QueryRows(*db_, "SELECT kind, price FROM kind WHERE id=9").at(0), "动车|空调特快");
  EXPECT_EQ(QueryRows(*db_, "SELECT pkz FROM price WHERE distance=100").at(0), "1,2");
  EXPECT_EQ(QueryRows(*db_, "SELECT content FROM everyday").at(0), "内容，带逗号");
  EXPECT_EQ(QueryRows(*db_, "SELECT * FROM VerID"), (std::vector<std::string>{"2019.06"}));
}

TEST_F(UpdateFileTest, ATextKeyMayStandBare) {
  ExpectApplied("update;VerID;2019.05;ver=\"2020-01 标准版\"\nupdate;VerID;2020-01 标准版;ver=\"2020-02\"\n");
  EXPECT_EQ(QueryRows(*db_, "SELECT * FROM VerID"), (std::vector<std::string>{"2020-02"}));
}

TEST_F(UpdateFileTest, TextLiteralsKeepCommasAndDoubledQuotes) {
  ExpectApplied("insert;station;4;4, \"A,\"\"B\"\" C\" ,null\n");
  EXPECT_EQ(Stations().back(), "4|A,\"B\" C|NULL");
}

TEST_F(UpdateFileTest, AKeyColumnMayChangeWhenTheNewKeyIsFree) {
  ExpectApplied("update;station;3;id=30\r\nupdate;pass;1,3;station=30\r\n");
  EXPECT_EQ(Stations().back(), "30|上海|sh");
  EXPECT_EQ(Stops().back(), "1|30|3|20.0|NULL|0|1463");
  // A key that is taken is an error on its line, and the file applies not at all.
  ExpectRefused("update;station;30;id=3\r\nupdate;station;3;id=2\r\n", 2, "与表中已有的行冲突");
  ExpectRefused("update;pass;1,30;station=2\r\n", 1, "pass.trainid, pass.station");
}

TEST_F(UpdateFileTest, TheDatabasesOwnRulesAreErrorsOnTheLine) {
  // Station names are unique, without regard to case.
  ExpectRefused("insert;station;4;4,\"北京\",\"bj\"\r\n", 1, "station.station");
  ExpectRefused("insert;station;4;4,\"Ab\",\"\"\r\ninsert;station;5;5,\"aB\",\"\"\r\n", 2, "station.station");
  // One stop per train and sequence number.
  ExpectRefused("insert;pass;1,4;1,4,2,1,1,0,0\r\n", 1, "pass.trainid, pass.zhanci");
}

TEST_F(UpdateFileTest, AnUnknownActionDoesNothingButTheOthersApply) {
  ExpectApplied(
      "INSERT;station;4;4,\"乌鲁木齐\",\"wlmq\"\r\nInsert;station;5;x\r\ninsert;station;6;6,\"拉萨\","
      "\"ls\"\r\n");
  EXPECT_EQ(Stations(), (std::vector<std::string>{"1|北京|bj", "2|天津|tj", "3|上海|sh", "6|拉萨|ls"}));
}

TEST_F(UpdateFileTest, AFileThatAsksForNoChangeIsKept) {
  for (const std::string content :
       {"", "\r\n\r\n", "INSERT;station;4;4,\"乌鲁木齐\",\"wlmq\"\r\n", "这不是更新文件\n只是一段文字\n"}) {
    const auto before = Everything();
    const auto outcome = Apply(content);
    EXPECT_EQ(outcome.status, UpdateStatus::NoRecords) << content;
    EXPECT_EQ(outcome.Message(), "您的更新文件有问题，请选择正确的更新文件！");
    EXPECT_TRUE(fs::exists(file_));
    EXPECT_EQ(Everything(), before);
  }
}

TEST_F(UpdateFileTest, ABadFifthLineOfTenAppliesNothingAndNamesLineFive) {
  std::string content;
  for (int i = 1; i <= 10; ++i) {
    const std::string id = std::to_string(10 + i);
    content += i == 5 ? "insert;station;15;15,\"五站\"\r\n"
                      : "insert;station;" + id + ";" + id + ",\"站" + id + "\",\"z" + id + "\"\r\n";
  }
  ExpectRefused(content, 5, "应有 3 个，实有 2 个");
  // A bad line after a blank one is named by its place in the file.
  ExpectRefused("delete;station;1\r\n\r\ndelete;station;4.5\r\n", 3, "列 id 的值 “4.5” 不是整数");
}

TEST_F(UpdateFileTest, NothingInTheFileRunsAsSql) {
  ExpectRefused("insert;station;1;1);drop table train;--\r\n", 1, "应有 3 个，实有 1 个");
  ExpectRefused("insert;station;4;4,\"x\",\"y\"),(5,\"z\",\"w\"\r\n", 1, "插入的值的个数不对");
  ExpectRefused("insert;station;4;4,\"x\",\"y\") --\r\n", 1, "无法识别的值：\"y\") --");
  ExpectRefused("update;station;1;id=1 or 1=1\r\n", 1, "无法识别的值：1 or 1=1");
  ExpectRefused("update;station;1;station=(select station from station where id=2)\r\n", 1, "无法识别的值");
  ExpectRefused("update;station;1 or 1=1;jm=\"x\"\r\n", 1, "1 or 1=1");
  ExpectRefused("delete;station;1 or 1=1\r\n", 1, "1 or 1=1");
  ExpectRefused("delete;pass;1,1 or trainid>0\r\n", 1, "1 or trainid>0");
  ExpectRefused("delete;station where 1=1;1\r\n", 1, "没有这个表：station where 1=1");
  ExpectRefused("delete;sqlite_master;1\r\n", 1, "没有这个表");
  ExpectRefused("update;station;1;station=\"x\" where 1=1 --\"\r\n", 1, "双引号");
  ExpectRefused("update;station;1;station=\"x\" where 1=1 --\r\n", 1, "无法识别的值");
  ExpectRefused("update;station;1;\"station\"=\"x\"\r\n", 1, "表中没有这一列");
  ExpectRefused("update;station;1;rowid=5\r\n", 1, "表中没有这一列：station.rowid");
  // A quote inside a text ends nothing: the text is stored as written.
  ExpectApplied("update;station;1;jm=\"\"\"),(select 1) --\"\r\n");
  EXPECT_EQ(Stations().front(), "1|北京|\"),(select 1) --");
}

TEST_F(UpdateFileTest, ValuesMustSuitTheirColumns) {
  ExpectRefused("update;station;1;id=\"4\"\r\n", 1, "列 id 的值 “\"4\"” 不是整数");
  ExpectRefused("insert;station;4;4.5,\"x\",\"y\"\r\n", 1, "不是整数");
  ExpectRefused("insert;station;4;4,Null,\"y\"\r\n", 1, "列 station 不能为空");
  ExpectRefused("insert;station;4;4,x,\"y\"\r\n", 1, "无法识别的值：x");
  ExpectRefused("insert;station;4;4,\"x\",\"y\",\"z\"\r\n", 1, "应有 3 个，实有 4 个");
  ExpectRefused("insert;station;4;4,\"x\"\r\n", 1, "应有 3 个，实有 2 个");
  ExpectRefused("insert;station;4;4,,\"y\"\r\n", 1, "无法识别的值：（空）");
  ExpectRefused("insert;station;4;4,\"x,\"y\"\r\n", 1, "双引号");
  ExpectRefused("update;pass;1,2;arrive=24.00\r\n", 1, "列 arrive 的值 “24.00” 不是 时.分");
  ExpectRefused("update;pass;1,2;arrive=9.60\r\n", 1, "不是 时.分");
  ExpectRefused("update;pass;1,2;arrive=-1\r\n", 1, "不是 时.分");
  ExpectRefused("update;pass;1,2;zhanci=null\r\n", 1, "列 zhanci 不能为空");
  ExpectRefused("update;pass;1,2;zhanci=2,zhanci=3\r\n", 1, "同一列修改了两次：zhanci");
  ExpectRefused("update;pass;1,2;zhanci\r\n", 1, "修改应写成 列名=值");
  ExpectRefused("update;pass;1,2;\r\n", 1, "修改应写成 列名=值：（空）");
  ExpectRefused("update;pass;1,2;train=\"x\"\r\n", 1, "表中没有这一列：pass.train");
  // Times as whole hours, one or two decimals.
  ExpectApplied("update;pass;1,2;arrive=9,depart=.5\r\nupdate;pass;1,3;arrive=23.59\r\n");
  EXPECT_EQ(Stops()[1], "1|2|2|9.0|0.5|0|137");
  EXPECT_EQ(Stops()[2], "1|3|3|23.59|NULL|0|1463");
  // A number in a text column is kept as written.
  ExpectApplied("update;price;100;pkz=10.50\r\n");
  EXPECT_EQ(QueryRows(*db_, "SELECT pkz FROM price WHERE distance=100").at(0), "10.50");
}

TEST_F(UpdateFileTest, KeysMustBeOneValueOfTheKeyColumnsAndMatchTheInsertedRow) {
  ExpectRefused("delete;pass;1\r\n", 1, "编号应写成 trainid,station，实为 “1”");
  ExpectRefused("delete;pass;1,2,3\r\n", 1, "编号应写成 trainid,station");
  ExpectRefused("delete;station;1,2\r\n", 1, "编号应写成 id");
  ExpectRefused("delete;station;null\r\n", 1, "列 id 不能为空");
  ExpectRefused("delete;station;\r\n", 1, "无法识别的值：（空）");
  // The line insert;station;5 has id 5 and value 5: one value for three columns.
  ExpectRefused("insert;station;5\r\n", 1, "应有 3 个，实有 1 个");
  ExpectRefused("insert;station;4;5,\"x\",\"y\"\r\n", 1, "插入的值与编号不一致：id");
  ExpectRefused("insert;pass;1,5;1,4,9,1,1,0,0\r\n", 1, "插入的值与编号不一致：station");
  // Quoted fields arrive without their quotes.
  ExpectApplied("\"insert\";\"station\";\"4\";\"4,\"乌鲁木齐\",\"wlmq\"\"\r\n");
  EXPECT_EQ(Stations().back(), "4|乌鲁木齐|wlmq");
}

TEST_F(UpdateFileTest, ChineseNamesFromUtf8AndGb18030Files) {
  ExpectApplied("\xEF\xBB\xBFinsert;station;4;4,\"乌鲁木齐\",\"wlmq\"\r\n");
  // 呼和浩特 in GB18030.
  ExpectApplied("insert;station;5;5,\"\xBA\xF4\xBA\xCD\xBA\xC6\xCC\xD8\",\"hhht\"\r\n");
  EXPECT_EQ(Stations().back(), "5|呼和浩特|hhht");
  EXPECT_EQ(Stations()[3], "4|乌鲁木齐|wlmq");
}

TEST_F(UpdateFileTest, AFileThatCannotBeReadChangesNothing) {
  const auto outcome = ApplyUpdateFile(*db_, dir_.Path() / "missing.txt");
  EXPECT_EQ(outcome.status, UpdateStatus::Failed);
  EXPECT_EQ(outcome.line, 0);
  EXPECT_EQ(outcome.Message(), outcome.reason);
  EXPECT_NE(outcome.reason.find("missing.txt"), std::string::npos);
  ExpectRefused("delete;station;1\r\n\xFF\xFF\r\n", 2, "既非 UTF-8 也非 GB18030");
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

TEST_F(UpdateFileTest, TheDatabaseStaysUsableAfterAFailure) {
  ExpectRefused("insert;station;4;4,\"乌鲁木齐\",\"wlmq\"\r\ninsert;station;5;5,\"北京\",\"bj\"\r\n", 2,
                "冲突");
  ExpectApplied("insert;station;4;4,\"乌鲁木齐\",\"wlmq\"\r\n");
  EXPECT_EQ(Stations().back(), "4|乌鲁木齐|wlmq");
}

TEST_F(UpdateFileTest, AFileThatCannotBeDeletedIsReportedAfterTheUpdate) {
  // A pipe read through /proc can be read but not deleted, even by root.
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  const std::string content = "insert;station;4;4,\"乌鲁木齐\",\"wlmq\"\r\n";
  ASSERT_EQ(write(fds[1], content.data(), content.size()), static_cast<ssize_t>(content.size()));
  close(fds[1]);
  const fs::path path = "/proc/self/fd/" + std::to_string(fds[0]);
  const auto outcome = ApplyUpdateFile(*db_, path);
  close(fds[0]);
  EXPECT_EQ(outcome.status, UpdateStatus::AppliedFileKept);
  EXPECT_EQ(outcome.Message().rfind("更新完毕！但无法删除更新文件 " + path.string(), 0), 0u)
      << outcome.Message();
  EXPECT_EQ(Stations().back(), "4|乌鲁木齐|wlmq");
}

}  // namespace
}  // namespace kw
