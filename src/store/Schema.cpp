#include "store/Schema.h"

#include "store/CoreStrings.h"

#include <strings.h>

#include "store/CoreStrings.h"
#include "store/Database.h"

namespace kw::schema {

namespace {

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// Day offsets run from 0, the departure day, to the last day a result can
// name (7, 第八日).
constexpr long long kLastDay = static_cast<long long>(text::kDayLabels.size()) - 1;

}  // namespace

const std::vector<Table>& Tables() {
  using enum ColumnType;
  static const std::vector<Table> tables = {
      {"station",
       {{"id", Integer, true},
        {"station", Text, true},
        {"jm", Text, false},
        // Full pinyin, lower case, no tones or separators (beijingnan).
        {.name = "py",
         .type = Text,
         .required = false,
         .added = "ALTER TABLE station ADD COLUMN py TEXT COLLATE NOCASE;"
                  "CREATE INDEX station_py ON station (py);"},
        // Position in WGS84 degrees, for the map; Null where it is not known.
        {.name = "lat",
         .type = Real,
         .required = false,
         .low = -90,
         .high = 90,
         .added = "ALTER TABLE station ADD COLUMN lat REAL;"},
        {.name = "lon",
         .type = Real,
         .required = false,
         .low = -180,
         .high = 180,
         .added = "ALTER TABLE station ADD COLUMN lon REAL;"}},
       {"id"}},
      {"kind", {{"id", Integer, true}, {"kind", Text, false}, {"price", Text, false}}, {"id"}},
      {"train",
       {{"id", Integer, true},
        {"train", Text, true},
        {"kind", Integer, false},
        {"fstation", Integer, false},
        {"estation", Integer, false},
        {"ftime", Time, false},
        {"etime", Time, false},
        {"day", Integer, false, 0, kLastDay},
        {"distance", Integer, false},
        {"memo", Text, false}},
       {"id"}},
      {"pass",
       {{"trainid", Integer, true},
        {"station", Integer, true},
        {"zhanci", Integer, true},
        {"arrive", Time, false},
        {"depart", Time, false},
        {"day", Integer, false, 0, kLastDay},
        {"distance", Integer, false}},
       {"trainid", "station"}},
      {"price",
       {{"distance", Integer, true},
        {"pkz", Text, false},
        {"pmw", Text, false},
        {"pkw", Text, false},
        {"tkz", Text, false},
        {"tkw", Text, false},
        {"ktpkz", Text, false},
        {"ktpkw", Text, false},
        {"kttkz", Text, false},
        {"kttkw", Text, false}},
       {"distance"}},
      {"everyday", {{"id", Integer, true}, {"title", Text, false}, {"content", Text, false}}, {"id"}},
      {"VerID", {{"ver", Text, false}}, {"ver"}},
  };
  return tables;
}

const Table* FindTable(std::string_view name) {
  for (const auto& table : Tables()) {
    if (SameName(table.name, name)) return &table;
  }
  return nullptr;
}

const Column* FindColumn(const Table& table, std::string_view name) {
  for (const auto& column : table.columns) {
    if (SameName(column.name, name)) return &column;
  }
  return nullptr;
}

size_t BaseColumnCount(const Table& table) {
  size_t count = 0;
  while (count < table.columns.size() && table.columns[count].added.empty()) ++count;
  return count;
}

std::string ColumnCountText(const Table& table) {
  const size_t base = BaseColumnCount(table);
  const std::string all = std::to_string(table.columns.size());
  return base == table.columns.size() ? all : text::Fill(text::kRange, {std::to_string(base), all});
}

std::string StandInView(const Table& table, const std::vector<const Column*>& lacking) {
  // Names from the program's own schema, never typed text.
  std::string sql = "CREATE TEMP VIEW " + std::string(table.name) + " AS SELECT *";
  for (const auto* column : lacking) sql += ", NULL AS " + std::string(column->name);
  return sql + " FROM main." + std::string(table.name) + ";";
}

void CreateSchema(Database& db) {
  // Names, train numbers and short codes compare without regard to case, as
  // travellers type them. Keys are enforced by the database itself, so no
  // update can put a second row under one key.
  db.Execute(R"sql(
CREATE TABLE station (
  id INTEGER PRIMARY KEY,
  station TEXT NOT NULL COLLATE NOCASE UNIQUE,
  jm TEXT COLLATE NOCASE,
  py TEXT COLLATE NOCASE,
  lat REAL,
  lon REAL
);
CREATE TABLE kind (
  id INTEGER PRIMARY KEY,
  kind TEXT,
  price TEXT
);
CREATE TABLE train (
  id INTEGER PRIMARY KEY,
  train TEXT NOT NULL COLLATE NOCASE,
  kind INTEGER,
  fstation INTEGER,
  estation INTEGER,
  ftime REAL,
  etime REAL,
  day INTEGER,
  distance INTEGER,
  memo TEXT
);
CREATE TABLE pass (
  trainid INTEGER NOT NULL,
  station INTEGER NOT NULL,
  zhanci INTEGER NOT NULL,
  arrive REAL,
  depart REAL,
  day INTEGER,
  distance INTEGER,
  PRIMARY KEY (trainid, station),
  UNIQUE (trainid, zhanci)
);
CREATE TABLE price (
  distance INTEGER PRIMARY KEY,
  pkz TEXT, pmw TEXT, pkw TEXT,
  tkz TEXT, tkw TEXT,
  ktpkz TEXT, ktpkw TEXT,
  kttkz TEXT, kttkw TEXT
);
CREATE TABLE everyday (
  id INTEGER PRIMARY KEY,
  title TEXT,
  content TEXT
);
CREATE TABLE VerID (
  ver TEXT
);
CREATE INDEX station_jm ON station (jm);
CREATE INDEX station_py ON station (py);
CREATE INDEX pass_station ON pass (station, trainid, zhanci, arrive, depart, day, distance);
CREATE INDEX train_number ON train (train);
)sql");
}

}  // namespace kw::schema
