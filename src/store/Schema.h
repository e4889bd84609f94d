// The seven tables of the timetable database, their columns and how each
// column's values are encoded.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kw {
class Database;
}

namespace kw::schema {

enum class ColumnType {
  Integer,  // ids, sequence numbers, day offsets, kilometres
  Time,     // timetable times h.mm, stored as numbers (8.3 = 08:30)
  Real,     // decimal numbers (a station's latitude and longitude in degrees)
  Text,
};

// The widest whole number the program keeps: nine digits, so that it and the
// difference of any two (a journey's distance, a stop count) fit the program's
// 32-bit numbers.
inline constexpr long long kLargestNumber = 999999999;

struct Column {
  std::string_view name;
  ColumnType type;
  bool required;  // may not be Null
  // Integer and Real columns: the values the program can hold and show.
  long long low = -kLargestNumber;
  long long high = kLargestNumber;
  // A column later timetables added: the statements that add it to an older
  // database, which then opens and works as before. A table file or an
  // update file may leave such columns out at the end of a row. When the
  // older database may not be written (opened read-only), a view of its
  // table with these columns empty stands in for it (StandInView).
  std::string_view added = {};
};

struct Table {
  std::string_view name;
  std::vector<Column> columns;  // in table order
  // Columns whose values identify a row: the first column for every table
  // but pass, which is keyed by (trainid, station).
  std::vector<std::string_view> key;
};

// All seven tables, in the order a database is built.
const std::vector<Table>& Tables();
// The table of that name (compared without regard to case), or null.
const Table* FindTable(std::string_view name);
// The column of that name in `table` (compared without regard to case), or null.
const Column* FindColumn(const Table& table, std::string_view name);

// How many leading columns of `table` every row gives: all but the added ones.
size_t BaseColumnCount(const Table& table);
// How many values a row of `table` gives, for messages: "3 至 6" for station.
std::string ColumnCountText(const Table& table);

// The statement that makes a read-only connection see `table` with the
// added columns `lacking` empty (Null), writing nothing to the file.
std::string StandInView(const Table& table, const std::vector<const Column*>& lacking);

// Creates the tables and the indexes the searches use in an empty database.
void CreateSchema(Database& db);

}  // namespace kw::schema
