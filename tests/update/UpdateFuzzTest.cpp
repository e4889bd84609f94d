// Thousands of generated update lines. A small model of the station and pass
// tables says what each line must do; every file must then leave the
// database exactly as the model says: fully updated, or unchanged and the
// line of the first bad record named. Mutated lines, whose meaning nobody
// knows, must still leave the database either unchanged or updated, never
// half of it, and never damaged.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <random>

#include "store/Database.h"
#include "support/TestTimetable.h"
#include "update/UpdateFile.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using test::QueryRows;

using Opt = std::optional<long long>;

std::string Text(const Opt& v) { return v ? std::to_string(*v) : "NULL"; }

struct Model {
  struct Station {
    std::string name;
    std::optional<std::string> jm;
  };
  struct Stop {
    long long zhanci;
    Opt arrive, depart;  // hhmm
    Opt day, distance;
  };
  std::map<long long, Station> stations;
  std::map<std::pair<long long, long long>, Stop> stops;

  // Station names compare as the database compares them: ASCII letters
  // without regard to case.
  static std::string Folded(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }
  bool NameTaken(const std::string& name, long long exceptId) const {
    return std::any_of(stations.begin(), stations.end(), [&](const auto& s) {
      return s.first != exceptId && Folded(s.second.name) == Folded(name);
    });
  }
  bool SequenceTaken(long long train, long long zhanci, std::pair<long long, long long> except) const {
    return std::any_of(stops.begin(), stops.end(), [&](const auto& s) {
      return s.first != except && s.first.first == train && s.second.zhanci == zhanci;
    });
  }

  std::vector<std::string> Dump() const {
    std::vector<std::string> rows;
    for (const auto& [id, s] : stations)
      rows.push_back(std::to_string(id) + "|" + s.name + "|" + (s.jm ? *s.jm : "NULL"));
    rows.push_back("--");
    for (const auto& [key, s] : stops) {
      rows.push_back(std::to_string(key.first) + "|" + std::to_string(key.second) + "|" +
                     std::to_string(s.zhanci) + "|" + Text(s.arrive) + "|" + Text(s.depart) + "|" +
                     Text(s.day) + "|" + Text(s.distance));
    }
    return rows;
  }
};

std::vector<std::string> Dump(Database& db) {
  auto rows = QueryRows(db, "SELECT id, station, jm FROM station ORDER BY id");
  rows.push_back("--");
  for (auto& row : QueryRows(db,
                             "SELECT trainid, station, zhanci, CAST(round(arrive*100) AS INTEGER), "
                             "CAST(round(depart*100) AS INTEGER), day, distance FROM pass "
                             "ORDER BY trainid, station")) {
    rows.push_back(std::move(row));
  }
  return rows;
}

// One generated line and what it must do to the model: false when the line
// must be refused.
struct Line {
  std::string text;
  std::function<bool(Model&)> effect;
  bool asksForChange = true;
};

class Generator {
 public:
  explicit Generator(unsigned seed) : rng_(seed) {}

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }
  long long Between(int low, int high) { return low + Pick(high - low + 1); }
  std::mt19937& Rng() { return rng_; }

  Line Next() {
    if (Chance(0.02)) return Bad();
    if (Chance(0.03)) return Unknown();
    switch (Pick(6)) {
      case 0:
        return InsertStation();
      case 1:
        return UpdateStation();
      case 2:
        return DeleteStation();
      case 3:
        return InsertStop();
      case 4:
        return UpdateStop();
      default:
        return DeleteStop();
    }
  }

 private:
  std::string Table(const std::string& name) {
    std::string t = name;
    if (Chance(0.2)) std::transform(t.begin(), t.end(), t.begin(), ::toupper);
    if (Chance(0.1)) t[0] = static_cast<char>(std::toupper(t[0]));
    return t;
  }
  std::string Space() { return Chance(0.2) ? " " : ""; }
  std::string Null() {
    static const char* words[] = {"Null", "NULL", "null", "nUlL"};
    return words[Pick(4)];
  }
  static std::string Quote(const std::string& s) {
    std::string out = "\"";
    for (char c : s) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
  }
  std::string Name() {
    static const char* names[] = {"北京", "天津", "上海",    "乌鲁木齐", "拉萨",   "Ab",     "aB",
                                  "AB",   "x,y",  "q\"uote", "呼和浩特", "石家庄", "=,\"\"", "zz"};
    if (Chance(0.7)) return "站" + std::to_string(Between(1, 40));
    return names[Pick(14)];
  }
  std::optional<std::string> Jm() {
    static const char* codes[] = {"bj", "tj", "sh", "wlmq", "a,b"};
    if (Chance(0.2)) return std::nullopt;
    return std::string(codes[Pick(5)]);
  }
  std::string Literal(const std::optional<std::string>& s) { return s ? Quote(*s) : Null(); }
  std::string Literal(const Opt& v) { return v ? std::to_string(*v) : Null(); }
  Opt Time() {
    if (Chance(0.2)) return std::nullopt;
    return Between(0, 23) * 100 + Between(0, 59);
  }
  std::string TimeLiteral(const Opt& hhmm) {
    if (!hhmm) return Null();
    const long long h = *hhmm / 100;
    const long long m = *hhmm % 100;
    if (m == 0 && Chance(0.5)) return std::to_string(h);
    if (m % 10 == 0 && Chance(0.5)) return std::to_string(h) + "." + std::to_string(m / 10);
    return std::to_string(h) + "." + (m < 10 ? "0" : "") + std::to_string(m);
  }
  Opt Small(int high) { return Chance(0.2) ? Opt{} : Opt{Between(0, high)}; }
  std::string Assignments(std::vector<std::string> parts) {
    std::shuffle(parts.begin(), parts.end(), rng_);
    std::string out;
    for (const auto& p : parts) out += (out.empty() ? "" : "," + Space()) + p;
    return out;
  }

  Line InsertStation() {
    const long long id = Between(1, 12);
    const std::string name = Name();
    const auto jm = Jm();
    const std::string ids = std::to_string(id);
    return {"insert;" + Table("station") + ";" + ids + ";" + ids + "," + Space() + Quote(name) + "," +
                Literal(jm),
            [=](Model& m) {
              if (m.stations.count(id)) return true;
              if (m.NameTaken(name, id)) return false;
              m.stations[id] = {name, jm};
              return true;
            }};
  }

  Line UpdateStation() {
    const long long id = Between(1, 12);
    Opt newId;
    std::optional<std::string> name;
    std::optional<std::optional<std::string>> jm;
    std::vector<std::string> parts;
    if (Chance(0.2)) {
      newId = Between(1, 12);
      parts.push_back("id" + Space() + "=" + Space() + std::to_string(*newId));
    }
    if (Chance(0.5)) {
      name = Name();
      parts.push_back("station=" + Quote(*name));
    }
    if (parts.empty() || Chance(0.5)) {
      jm.emplace(Jm());
      parts.push_back("jm=" + Literal(*jm));
    }
    return {"update;" + Table("station") + ";" + std::to_string(id) + ";" + Assignments(parts),
            [=](Model& m) {
              if (!m.stations.count(id)) return true;
              Model::Station row = m.stations[id];
              const long long to = newId.value_or(id);
              if (to != id && m.stations.count(to)) return false;
              if (name) row.name = *name;
              if (jm) row.jm = *jm;
              if (m.NameTaken(row.name, id)) return false;
              m.stations.erase(id);
              m.stations[to] = row;
              return true;
            }};
  }

  Line DeleteStation() {
    const long long id = Between(1, 12);
    const std::string tail = Chance(0.5) ? "" : ";" + std::to_string(id);
    return {"delete;" + Table("station") + ";" + std::to_string(id) + tail, [=](Model& m) {
              m.stations.erase(id);
              return true;
            }};
  }

  Line InsertStop() {
    const std::pair<long long, long long> key{Between(1, 3), Between(1, 12)};
    Model::Stop stop{Between(1, 20), Time(), Time(), Small(2), Small(3000)};
    const std::string t = std::to_string(key.first);
    const std::string s = std::to_string(key.second);
    const std::string value = t + "," + s + "," + std::to_string(stop.zhanci) + "," +
                              TimeLiteral(stop.arrive) + "," + Space() + TimeLiteral(stop.depart) + "," +
                              Literal(stop.day) + "," + Literal(stop.distance);
    return {"insert;" + Table("pass") + ";" + t + "," + Space() + s + ";" + value, [=](Model& m) {
              if (m.stops.count(key)) return true;
              if (m.SequenceTaken(key.first, stop.zhanci, key)) return false;
              m.stops[key] = stop;
              return true;
            }};
  }

  Line UpdateStop() {
    const std::pair<long long, long long> key{Between(1, 3), Between(1, 12)};
    Opt station, zhanci, day, distance;
    std::optional<Opt> arrive, depart;
    std::vector<std::string> parts;
    if (Chance(0.15)) {
      station = Between(1, 12);
      parts.push_back("station=" + std::to_string(*station));
    }
    if (Chance(0.3)) {
      zhanci = Between(1, 20);
      parts.push_back("zhanci=" + std::to_string(*zhanci));
    }
    if (Chance(0.4)) {
      arrive.emplace(Time());
      parts.push_back("arrive=" + TimeLiteral(*arrive));
    }
    if (Chance(0.4)) {
      depart.emplace(Time());
      parts.push_back("Depart=" + TimeLiteral(*depart));
    }
    if (parts.empty() || Chance(0.3)) {
      distance = Between(0, 3000);
      parts.push_back("distance=" + std::to_string(*distance));
    }
    const std::string id = std::to_string(key.first) + "," + std::to_string(key.second);
    return {"update;" + Table("pass") + ";" + id + ";" + Assignments(parts), [=](Model& m) {
              if (!m.stops.count(key)) return true;
              Model::Stop row = m.stops[key];
              const std::pair<long long, long long> to{key.first, station.value_or(key.second)};
              if (to != key && m.stops.count(to)) return false;
              if (zhanci) row.zhanci = *zhanci;
              if (arrive) row.arrive = *arrive;
              if (depart) row.depart = *depart;
              if (distance) row.distance = *distance;
              if (m.SequenceTaken(key.first, row.zhanci, key)) return false;
              m.stops.erase(key);
              m.stops[to] = row;
              return true;
            }};
  }

  Line DeleteStop() {
    const std::pair<long long, long long> key{Between(1, 3), Between(1, 12)};
    return {"delete;" + Table("pass") + ";" + std::to_string(key.first) + "," + std::to_string(key.second),
            [=](Model& m) {
              m.stops.erase(key);
              return true;
            }};
  }

  // A record with an action nobody knows: it does nothing.
  Line Unknown() {
    static const char* lines[] = {"INSERT;station;20;20,\"新站\",\"xz\"", "Delete;station;1",
                                  "remove;pass;1,1", "-- comment", "insert ;station;21;21,\"新站\",\"xz\""};
    return {lines[Pick(5)], [](Model&) { return true; }, false};
  }

  // A record that is wrong whatever the database holds.
  Line Bad() {
    const std::string id = std::to_string(Between(1, 12));
    const std::string lines[] = {
        "insert;station;" + id + ";" + id + ",\"缺一列\"",
        "insert;station;" + id + ";" + id + "),(99,\"x\",\"y\"",
        "update;station;" + id + ";id=" + id + " or 1=1",
        "update;station;" + id + ";nosuch=1",
        "update;pass;1," + id + ";zhanci=\"3\"",
        "update;pass;1," + id + ";arrive=24.10",
        "update;pass;1," + id + ";zhanci=" + Null(),
        "delete;nosuch;" + id,
        "delete;pass;" + id,
        "insert;station;" + id + ";0,\"编号不符\",\"bf\"",
        "update;station;" + id + ";station=\"未结束",
        "delete;station;" + id + " or 1=1",
    };
    return {lines[Pick(12)], [](Model&) { return false; }};
  }

  std::mt19937 rng_;
};

class UpdateFuzzTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t_.Set("station", "1\t北京\tbj\n2\t天津\ttj\n3\t上海\tsh\n");
    t_.Set("train", "1\tT1\t1\t1\t3\t8\t20\t0\t1463\t\n");
    t_.Set("pass", "1\t1\t1\t\t8\t0\t0\n1\t2\t2\t9.3\t9.35\t0\t137\n1\t3\t3\t20\t\t0\t1463\n");
    db_ = t_.Open();
    db_->Execute("PRAGMA synchronous=OFF");  // thousands of commits; the data is thrown away
    model_.stations = {{1, {"北京", "bj"}}, {2, {"天津", "tj"}}, {3, {"上海", "sh"}}};
    model_.stops = {
        {{1, 1}, {1, {}, 800, 0, 0}}, {{1, 2}, {2, 930, 935, 0, 137}}, {{1, 3}, {3, 2000, {}, 0, 1463}}};
    ASSERT_EQ(Dump(*db_), model_.Dump());
  }

  // Lines joined with random line ends and blank lines, sometimes with a
  // byte order mark, sometimes in GB18030. Records each line's number.
  std::string MakeFile(Generator& gen, const std::vector<std::string>& lines, std::vector<int>* numbers) {
    static const char* ends[] = {"\r\n", "\r", "\n"};
    std::string text;
    int number = 0;
    const auto endLine = [&] {
      // A CR and then an LF would be one line end.
      const std::string end = ends[gen.Pick(3)];
      text += (!text.empty() && text.back() == '\r' && end == "\n") ? "\r\n" : end;
      ++number;
    };
    for (const auto& line : lines) {
      while (gen.Chance(0.05)) endLine();
      text += line;
      endLine();
      numbers->push_back(number);
    }
    if (gen.Chance(0.3)) {
      try {
        return test::ToGb18030(text);
      } catch (const std::runtime_error&) {
        return text;  // mutated bytes that are not UTF-8 stay as they are
      }
    }
    return gen.Chance(0.1) ? "\xEF\xBB\xBF" + text : text;
  }

  std::string IntegrityCheck() { return QueryRows(*db_, "PRAGMA integrity_check").at(0); }

  test::TestTimetable t_;
  std::unique_ptr<Database> db_;
  test::TempDir dir_;
  Model model_;
};

TEST_F(UpdateFuzzTest, EveryFileIsAppliedWhollyAsTheModelSaysOrNotAtAll) {
  Generator gen(20190501);
  int applied = 0;
  int refused = 0;
  int lines = 0;
  for (int round = 0; round < 400; ++round) {
    std::vector<Line> file;
    for (int n = 1 + gen.Pick(18); n > 0; --n) file.push_back(gen.Next());
    std::vector<std::string> texts;
    for (const auto& line : file) texts.push_back(line.text);
    std::vector<int> numbers;
    const fs::path path = dir_.Write("update.txt", MakeFile(gen, texts, &numbers));
    lines += static_cast<int>(file.size());

    // What the model expects: the state after every line, or the first line
    // that must be refused.
    Model expected = model_;
    int badLine = 0;
    for (size_t i = 0; i < file.size() && !badLine; ++i) {
      if (!file[i].effect(expected)) badLine = numbers[i];
    }
    const bool asksForChange =
        std::any_of(file.begin(), file.end(), [](const Line& l) { return l.asksForChange; });

    const auto outcome = ApplyUpdateFile(*db_, path);
    std::string listing;
    for (size_t i = 0; i < texts.size(); ++i) listing += std::to_string(numbers[i]) + ": " + texts[i] + "\n";
    SCOPED_TRACE("round " + std::to_string(round) + "\n" + listing + outcome.Message());
    if (!asksForChange) {
      EXPECT_EQ(outcome.status, UpdateStatus::NoRecords);
    } else if (badLine) {
      EXPECT_EQ(outcome.status, UpdateStatus::Failed);
      EXPECT_EQ(outcome.line, badLine);
      ++refused;
    } else {
      EXPECT_EQ(outcome.status, UpdateStatus::Applied);
      model_ = expected;
      ++applied;
    }
    EXPECT_EQ(fs::exists(path), outcome.status != UpdateStatus::Applied);
    ASSERT_EQ(Dump(*db_), model_.Dump());
    if (round % 25 == 0) {
      ASSERT_EQ(IntegrityCheck(), "ok");
    }
  }
  EXPECT_EQ(IntegrityCheck(), "ok");
  // The generator must exercise both ways, with thousands of lines.
  EXPECT_GT(applied, 100);
  EXPECT_GT(refused, 100);
  EXPECT_GT(lines, 3000);
}

TEST_F(UpdateFuzzTest, MutatedLinesLeaveTheDatabaseUpdatedOrUnchangedNeverDamaged) {
  Generator gen(604);
  const std::vector<std::string> pieces = {";",    ",",    "\"",       "\"\"", "=",        " ",  "(",  ")",
                                           "--",   "'",    "Null",     "x",    "0",        "9",  ".",  "-",
                                           "\xFF", "\x81", "\x81\x30", "北",   "\xE5\x8C", "\t", "\\", "%"};
  int applied = 0;
  int unchanged = 0;
  int lines = 0;
  for (int round = 0; round < 400; ++round) {
    std::vector<std::string> texts;
    for (int n = 1 + gen.Pick(16); n > 0; --n) {
      std::string text = gen.Next().text;
      for (int k = gen.Chance(0.15) ? 1 + gen.Pick(3) : 0; k > 0; --k) {
        const size_t at = static_cast<size_t>(gen.Pick(static_cast<int>(text.size()) + 1));
        switch (gen.Pick(4)) {
          case 0:
            text.erase(at, 1 + gen.Pick(3));
            break;
          case 1:
            text.insert(at, pieces[gen.Pick(static_cast<int>(pieces.size()))]);
            break;
          case 2:
            text.replace(at, 1, pieces[gen.Pick(static_cast<int>(pieces.size()))]);
            break;
          default:
            text.resize(at);
            break;
        }
      }
      texts.push_back(text);
    }
    lines += static_cast<int>(texts.size());
    std::vector<int> numbers;
    const fs::path path = dir_.Write("update.txt", MakeFile(gen, texts, &numbers));
    const auto before = Dump(*db_);
    const auto outcome = ApplyUpdateFile(*db_, path);
    SCOPED_TRACE("round " + std::to_string(round) + ": " + outcome.Message());
    switch (outcome.status) {
      case UpdateStatus::Applied:
        EXPECT_FALSE(fs::exists(path));
        ++applied;
        break;
      case UpdateStatus::Failed:
        EXPECT_GE(outcome.line, 1);
        EXPECT_LE(outcome.line, numbers.back());
        [[fallthrough]];
      case UpdateStatus::NoRecords:
        EXPECT_TRUE(fs::exists(path));
        ASSERT_EQ(Dump(*db_), before);
        ++unchanged;
        break;
      case UpdateStatus::AppliedFileKept:
        ADD_FAILURE() << "a written file could not be deleted";
    }
    if (round % 25 == 0) {
      ASSERT_EQ(IntegrityCheck(), "ok");
    }
  }
  EXPECT_EQ(IntegrityCheck(), "ok");
  EXPECT_GT(applied, 50);
  EXPECT_GT(unchanged, 100);
  EXPECT_GT(lines, 3000);
}

}  // namespace
}  // namespace kw
