// Thousands of generated update lines, checked against a small model of the
// station and pass tables: a file of well-formed lines must leave the database
// exactly as the model says, every line applied or nothing changed and the
// first bad line named. A file with mangled lines, whose meaning nobody knows,
// must leave it wholly updated or unchanged. It never gets damaged.
#include <gtest/gtest.h>
#include <strings.h>

#include <algorithm>
#include <functional>
#include <map>
#include <random>

#include "store/Database.h"
#include "support/TestTimetable.h"
#include "update/UpdateFile.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using Row = std::vector<std::string>;  // as QueryRows shows it: NULL for Null, times as hhmm

struct Column {
  std::string name;
  char kind;  // 'i' integer from low to high, 't' time, 'n' station name, 'c' short code
  bool required;
  int low = 0, high = 0;
};
struct Table {
  std::string name;
  std::vector<Column> columns;
  long keySize;                // the key is the leading columns
  std::vector<size_t> unique;  // no two rows agree on these (ASCII letters without regard to case)
};
// clang-format off
const Table kTables[] = {
    {"station", {{"id", 'i', true, 1, 12}, {"station", 'n', true}, {"jm", 'c', false}}, 1, {1}},
    {"pass", {{"trainid", 'i', true, 1, 3}, {"station", 'i', true, 1, 12}, {"zhanci", 'i', true, 1, 20},
              {"arrive", 't', false}, {"depart", 't', false}, {"day", 'i', false, 0, 2},
              {"distance", 'i', false, 0, 3000}}, 2, {0, 2}},
};
// clang-format on

using Model = std::vector<std::map<Row, Row>>;  // per table of kTables: key -> row

// What the database holds (no generated text has a "|" in it).
Model Load(Database& db) {
  Model model(std::size(kTables));
  for (size_t t = 0; t < model.size(); ++t) {
    std::string columns;
    for (const auto& c : kTables[t].columns)
      columns += (columns.empty() ? "" : ",") +
                 (c.kind == 't' ? "CAST(round(" + c.name + "*100) AS INTEGER)" : c.name);
    for (const auto& line : test::QueryRows(db, "SELECT " + columns + " FROM " + kTables[t].name)) {
      Row row(1);
      for (const char ch : line) ch == '|' ? void(row.emplace_back()) : row.back().push_back(ch);
      model[t][Row(row.begin(), row.begin() + kTables[t].keySize)] = row;
    }
  }
  return model;
}

// Puts `row` in place of the row under `key`; false when another row has its
// key or its unique columns.
bool Put(const Table& t, std::map<Row, Row>& rows, const Row& key, const Row& row) {
  const Row to(row.begin(), row.begin() + t.keySize);
  for (const auto& [otherKey, other] : rows) {
    const auto same = [&](size_t c) { return strcasecmp(other[c].c_str(), row[c].c_str()) == 0; };
    if (otherKey != key && (otherKey == to || std::all_of(t.unique.begin(), t.unique.end(), same)))
      return false;
  }
  rows.erase(key);
  rows[to] = row;
  return true;
}

// A generated line, and what it does to the model: false when it must be refused.
using Line = std::pair<std::string, std::function<bool(Model&)>>;

class Generator {
 public:
  explicit Generator(unsigned seed) : rng_(seed) {}
  int Pick(size_t n) { return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(rng_); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }

  Line Next() {
    const size_t ti = static_cast<size_t>(Pick(std::size(kTables)));
    const Table& t = kTables[ti];
    Row row, literals;
    for (const auto& c : t.columns) {
      const auto [literal, stored] = ValueFor(c);
      literals.push_back(literal);
      row.push_back(stored);
    }
    const Row key(row.begin(), row.begin() + t.keySize);
    // A wrong value, or Null in a required column (every key column is), is refused.
    const auto badIn = [&](size_t c) { return row[c] == "?" || (t.columns[c].required && row[c] == "NULL"); };
    bool bad = badIn(0) || (t.keySize > 1 && badIn(1));
    const std::string head =
        ";" + Spelled(t.name) + ";" + Listed(Row(literals.begin(), literals.begin() + t.keySize));
    const int action = Pick(3);
    if (action == 0) {
      for (size_t c = 0; c < row.size(); ++c) bad = bad || badIn(c);
      return {"insert" + head + ";" + Listed(literals),
              [=, &t](Model& m) { return !bad && (m[ti].count(key) || Put(t, m[ti], key, row)); }};
    }
    if (action == 1) {
      std::vector<size_t> columns;
      Row sets;
      for (size_t c = 0; c < row.size(); ++c) {
        if (!Chance(0.35) && !(c + 1 == row.size() && columns.empty())) continue;
        columns.push_back(c);
        sets.push_back(Spelled(t.columns[c].name) + Space() + "=" + Space() + literals[c]);
        bad = bad || badIn(c);
      }
      std::shuffle(sets.begin(), sets.end(), rng_);
      return {"update" + head + ";" + Listed(sets), [=, &t](Model& m) {
                if (bad || !m[ti].count(key)) return !bad;
                Row changed = m[ti][key];
                for (size_t c : columns) changed[c] = row[c];
                return Put(t, m[ti], key, changed);
              }};
    }
    return {"delete" + head + (Chance(0.5) ? "" : ";" + literals[0]),
            [=](Model& m) { return !bad && (m[ti].erase(key), true); }};
  }

  // Inserts, removes or replaces a few bytes of `text`, or cuts it short.
  void Mangle(std::string& text) {
    static const char* pieces[] = {";",        ",",    "\"",       "=",  " ",  "(", ")",    "--",
                                   "'",        "Null", "x",        "9",  ".",  "-", "\xFF", "\x81",
                                   "\x81\x30", "北",   "\xE5\x8C", "\t", "\\", "%"};
    static const size_t lengths[] = {0, 1, 3, std::string::npos};
    for (int k = 1 + Pick(3); k > 0; --k) {
      text.replace(static_cast<size_t>(Pick(text.size() + 1)), lengths[Pick(4)],
                   Chance(0.6) ? pieces[Pick(std::size(pieces))] : "");
    }
  }

  // The lines joined with random line ends and blank lines, sometimes with a
  // byte order mark, sometimes in GB18030; `numbers` gets each one's line number.
  std::string File(const std::vector<Line>& lines, bool mangled, std::vector<int>* numbers) {
    std::string text;
    int number = 0;
    const auto endLine = [&] {
      const std::string end = std::vector<std::string>{"\r\n", "\r", "\n"}[Pick(3)];
      text += (!text.empty() && text.back() == '\r' && end == "\n") ? "\r\n" : end;  // CR LF is one end
      ++number;
    };
    for (const auto& line : lines) {
      while (Chance(0.05)) endLine();
      text += line.first;
      endLine();
      numbers->push_back(number);
    }
    if (Chance(0.3) && !mangled) return test::ToGb18030(text);  // mangled bytes may be no UTF-8
    return Chance(0.1) ? "\xEF\xBB\xBF" + text : text;
  }

 private:
  int Between(int low, int high) { return low + Pick(static_cast<size_t>(high - low + 1)); }
  std::string Space() { return Chance(0.2) ? " " : ""; }
  // Names of tables and columns and Null are read without regard to case.
  std::string Spelled(std::string word) {
    for (char& c : word) c = Chance(0.15) ? static_cast<char>(std::toupper(c)) : c;
    return word;
  }
  std::string Listed(const Row& items) {
    std::string out;
    for (const auto& item : items) out += (out.empty() ? "" : "," + Space()) + item;
    return out;
  }
  // A value for `c`: as the file writes it, and as the database holds it ("?": refused).
  std::pair<std::string, std::string> ValueFor(const Column& c) {
    if (Chance(c.required ? 0.005 : 0.2)) return {Spelled("null"), "NULL"};
    if (Chance(0.01)) {
      static const char* wrong[] = {"9.60", "24.10", " \"7\"", "1 or 1=1", "x", "(select 1)"};
      static const char* wrongText[] = {"x", "\"未结束", "\"a\" or 1=1", "\"a\"),(\"b\""};
      const bool text = c.kind == 'n' || c.kind == 'c';
      return {text ? wrongText[Pick(std::size(wrongText))] : wrong[Pick(std::size(wrong))], "?"};
    }
    const std::string n = std::to_string(Between(c.low, c.high));
    if (c.kind == 'i') return {n, n};
    if (c.kind == 't') {  // 9, 9.3, 9.30 and 9.05 are all h.mm
      const int h = Between(0, 23), m = Between(0, 59);
      std::string literal = std::to_string(h) + "." + (m < 10 ? "0" : "") + std::to_string(m);
      if (m % 10 == 0 && Chance(0.5)) literal = std::to_string(h) + (m ? "." + std::to_string(m / 10) : "");
      return {literal, std::to_string(h * 100 + m)};
    }
    static const char* names[] = {"北京", "上海", "乌鲁木齐", "Ab",     "aB",
                                  "AB",   "x,y",  "q\"uote",  "=,\"\"", "zz"};
    static const char* codes[] = {"bj", "tj", "sh", "wlmq", "a,b"};
    const std::string s = c.kind == 'c' ? codes[Pick(std::size(codes))]
                          : Chance(0.7) ? "站" + std::to_string(Between(1, 40))
                                        : names[Pick(std::size(names))];
    std::string quoted;
    for (char ch : s) quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return {"\"" + quoted + "\"", s};
  }

  std::mt19937 rng_;
};

TEST(UpdateFuzz, EveryFileIsAppliedWhollyOrNotAtAll) {
  test::TestTimetable timetable;
  const auto db = timetable.Open();       // empty station and pass tables
  db->Execute("PRAGMA synchronous=OFF");  // thousands of commits; the data is thrown away
  const test::TempDir dir;
  Model model(std::size(kTables));
  Generator gen(20190501);
  int applied = 0;
  for (int round = 0; round < 600; ++round) {
    const bool mangled = round % 3 == 2;
    std::vector<Line> file(static_cast<size_t>(1 + gen.Pick(18)));
    for (auto& line : file) {
      line = gen.Next();
      if (mangled && gen.Chance(0.15)) gen.Mangle(line.first);
    }
    std::vector<int> numbers;
    const fs::path path = dir.Write("update.txt", gen.File(file, mangled, &numbers));

    // The state after every line, or the first line that must be refused.
    Model expected = model;
    int badLine = 0;
    for (size_t i = 0; i < file.size() && !badLine; ++i) badLine = file[i].second(expected) ? 0 : numbers[i];

    const auto outcome = ApplyUpdateFile(*db, path);
    std::string listing;
    for (size_t i = 0; i < file.size(); ++i)
      listing += std::to_string(numbers[i]) + ": " + file[i].first + "\n";
    SCOPED_TRACE("round " + std::to_string(round) + "\n" + listing + outcome.Message());
    ASSERT_NE(outcome.status, UpdateStatus::AppliedFileKept);
    EXPECT_EQ(fs::exists(path), outcome.status != UpdateStatus::Applied);
    if (outcome.status == UpdateStatus::Failed) {
      EXPECT_TRUE(outcome.line >= 1 && outcome.line <= numbers.back()) << outcome.line;
    }
    if (!mangled) {
      EXPECT_EQ(outcome.status, badLine ? UpdateStatus::Failed : UpdateStatus::Applied);
      EXPECT_EQ(outcome.line, badLine);
    }
    if (outcome.status == UpdateStatus::Applied) {
      ++applied;
      model = mangled ? Load(*db) : expected;  // whatever the mangled lines meant
    }
    ASSERT_EQ(Load(*db), model);  // a file not applied changes nothing
    if (round % 25 == 24) {
      ASSERT_EQ(test::QueryRows(*db, "PRAGMA integrity_check").at(0), "ok");
    }
  }
  // The generator must exercise both ways, with thousands of lines.
  EXPECT_GT(applied, 150);
  EXPECT_LT(applied, 450);
}

}  // namespace
}  // namespace kw
