#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>

#include "app/CliCheck.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

class CliUpdateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t_.Set("station", "1\t北京\tbj\n2\t天津\ttj\n");
    t_.Build();
  }
  test::CommandResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--db", t_.DbPath().string()});
    return test::RunCli(args);
  }
  // The update fails with `status` and one line on stderr that begins with `error`.
  void ExpectError(std::vector<std::string> args, int status, const std::string& error) {
    args.insert(args.begin(), "update");
    const auto r = test::ExpectCli(t_.DbPath().string(), args, status, "");
    EXPECT_EQ(r.err.rfind(error, 0), 0u) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }

  test::TestTimetable t_;
  test::TempDir dir_;
};

TEST_F(CliUpdateTest, AppliesTheFileAndDeletesIt) {
  const auto file =
      dir_.Write("u.txt", "insert;station;3;3,\"上海\",\"sh\"\r\nupdate;station;2;jm=\"tjx\"\r\n");
  test::ExpectCli(t_.DbPath().string(), {"update", file.string()}, 0, "更新完毕！\n", "");
  EXPECT_FALSE(fs::exists(file));
  EXPECT_EQ(Run({"stations", "sh"}).out, "3\t上海\n");
  EXPECT_EQ(Run({"stations", "tjx"}).out, "2\t天津\n");
}

TEST_F(CliUpdateTest, ABadOrMissingFileIsOneLineOnStderrAndChangesNothing) {
  const auto bad = dir_.Write("bad.txt", "insert;station;3;3,\"上海\",\"sh\"\r\nupdate;station;2;jm=x\r\n");
  const auto empty = dir_.Write("empty.txt", "");
  const auto missing = dir_.Path() / "missing.txt";
  ExpectError({bad.string()}, 2, "文件受损或格式不合法！第 2 行：无法识别的值：x\n");
  ExpectError({empty.string()}, 2, "您的更新文件有问题，请选择正确的更新文件！\n");
  ExpectError({missing.string()}, 3, "无法读取更新文件 " + missing.string());
  ExpectError({}, 2, "用法：kestrelway-cli update FILE");
  EXPECT_TRUE(fs::exists(bad) && fs::exists(empty));
  EXPECT_EQ(Run({"stations", "sh"}).out, "");
}

// The change is one transaction that outlives the process: the tool killed
// while it writes a large update into the file leaves the old timetable whole.
TEST_F(CliUpdateTest, KilledInTheMiddleOfALargeUpdateLeavesTheOldTimetableWhole) {
  // Every row changes, far more than SQLite keeps in memory: changed pages
  // reach the file long before the end.
  std::string stations, lines;
  for (int id = 1; id <= 60'000; ++id) {
    const std::string n = std::to_string(id);
    stations += n + "\t站" + n + "\tz" + n + "\n";
    lines += "update;station;" + n + ";jm=\"changed" + n + "\"\r\n";
  }
  t_.Set("station", stations).Build();
  const auto before = test::EveryRow(*Database::Open(t_.DbPath().string()));
  const auto file = dir_.Write("large.txt", lines);
  struct stat start {};
  ASSERT_EQ(stat(t_.DbPath().c_str(), &start), 0);

  const pid_t pid = fork();
  if (pid == 0) {
    if (freopen("/dev/null", "w", stdout) && freopen("/dev/null", "w", stderr))
      execl(KW_CLI_PATH, KW_CLI_PATH, "--db", t_.DbPath().c_str(), "update", file.c_str(), nullptr);
    _exit(127);
  }
  // Kill it as soon as the database file changes.
  int status = 0;
  for (struct stat now = start; waitpid(pid, &status, WNOHANG) == 0; usleep(200)) {
    if (stat(t_.DbPath().c_str(), &now) == 0 &&
        (now.st_size != start.st_size || now.st_mtim.tv_nsec != start.st_mtim.tv_nsec ||
         now.st_mtim.tv_sec != start.st_mtim.tv_sec)) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      break;
    }
  }
  ASSERT_TRUE(WIFSIGNALED(status)) << "the update ended before it could be killed: " << status;

  // A reader cannot finish what the update began: it says so, and does not
  // call the file damaged.
  try {
    Database::OpenReadOnly(t_.DbPath().string());
    ADD_FAILURE() << "read past an interrupted update";
  } catch (const DatabaseError& e) {
    EXPECT_NE(std::string(e.what()).find("须以可写方式打开一次"), std::string::npos) << e.what();
  }
  const auto db = Database::Open(t_.DbPath().string());
  EXPECT_EQ(test::QueryRows(*db, "PRAGMA integrity_check"), std::vector<std::string>{"ok"});
  EXPECT_EQ(test::EveryRow(*db), before);
  EXPECT_TRUE(fs::exists(file));
}

}  // namespace
}  // namespace kw
