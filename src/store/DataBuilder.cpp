#include "store/DataBuilder.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <strings.h>
#include <variant>
#include <vector>

#include "store/ColumnValue.h"
#include "store/ContentIdentity.h"
#include "store/CoreStrings.h"
#include "store/Database.h"
#include "store/Schema.h"

namespace kw {

namespace fs = std::filesystem;

BuildError::BuildError(std::string file, int line, const std::string& message)
    : std::runtime_error(text::Fill(text::kBuildAt, {file, std::to_string(line), message})),
      file_(std::move(file)),
      line_(line) {}

namespace {

struct Row {
  int line;
  std::vector<ColumnValue> values;
};

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    const size_t tab = line.find('\t', start);
    if (tab == std::string::npos) {
      fields.push_back(line.substr(start));
      return fields;
    }
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
}

std::vector<Row> ReadTable(const fs::path& dir, const schema::Table& table) {
  const std::string fileName = std::string(table.name) + ".tsv";
  const fs::path path = dir / fileName;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw BuildError(fileName, 0, text::Fill(text::kBuildCannotRead, {path.string()}));

  std::vector<Row> rows;
  std::string line;
  int lineNo = 0;
  bool header = true;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (lineNo == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    if (line.empty()) continue;
    const auto fields = SplitTabs(line);
    // A file may leave the added columns out (a station table without py).
    if (fields.size() < schema::BaseColumnCount(table) || fields.size() > table.columns.size()) {
      throw BuildError(fileName, lineNo,
                       text::Fill(text::kBuildColumnCount,
                                  {schema::ColumnCountText(table), std::to_string(fields.size())}));
    }
    if (header) {
      for (size_t c = 0; c < fields.size(); ++c) {
        if (strcasecmp(fields[c].c_str(), std::string(table.columns[c].name).c_str()) != 0) {
          throw BuildError(fileName, lineNo,
                           text::Fill(text::kBuildColumnName,
                                      {std::to_string(c + 1), table.columns[c].name, text::Excerpt(fields[c])}));
        }
      }
      header = false;
      continue;
    }
    Row row{lineNo, {}};
    for (size_t c = 0; c < fields.size(); ++c) {
      const auto& column = table.columns[c];
      const std::string& field = fields[c];
      if (field.empty()) {
        if (column.required) throw BuildError(fileName, lineNo, RequiredReason(column));
        row.values.emplace_back(std::monostate{});
        continue;
      }
      auto value = ParseColumnValue(column, field);
      if (!value) throw BuildError(fileName, lineNo, WrongTypeReason(column, field));
      row.values.push_back(std::move(*value));
    }
    row.values.resize(table.columns.size());  // the columns left out are Null
    rows.push_back(std::move(row));
  }
  if (header) throw BuildError(fileName, 1, std::string(text::kBuildNoHeader));
  return rows;
}

long long IntAt(const Row& row, size_t column) {
  const auto* v = std::get_if<long long>(&row.values[column]);
  return v ? *v : 0;
}

bool IsNull(const Row& row, size_t column) {
  return std::holds_alternative<std::monostate>(row.values[column]);
}

void CheckUnique(const std::string& fileName, const std::vector<Row>& rows, size_t column,
                 const std::string& what) {
  std::map<std::string, int> seen;
  for (const auto& row : rows) {
    std::string key;
    if (const auto* i = std::get_if<long long>(&row.values[column])) key = std::to_string(*i);
    if (const auto* s = std::get_if<std::string>(&row.values[column])) {
      // Names compare without regard to case, as the database compares them.
      for (char ch : *s) key += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    const auto [it, inserted] = seen.emplace(key, row.line);
    if (!inserted) {
      throw BuildError(fileName, row.line, text::Fill(text::kBuildRepeated, {what, std::to_string(it->second)}));
    }
  }
}

void CheckReference(const std::string& fileName, const std::vector<Row>& rows, size_t column,
                    const std::set<long long>& known, const std::string& what) {
  for (const auto& row : rows) {
    if (IsNull(row, column)) continue;
    if (!known.count(IntAt(row, column))) {
      throw BuildError(fileName, row.line, text::Fill(text::kBuildNoSuch, {what, std::to_string(IntAt(row, column))}));
    }
  }
}

std::set<long long> Ids(const std::vector<Row>& rows) {
  std::set<long long> ids;
  for (const auto& row : rows) ids.insert(IntAt(row, 0));
  return ids;
}

void Validate(std::map<std::string_view, std::vector<Row>>& tables) {
  const auto& stations = tables["station"];
  const auto& kinds = tables["kind"];
  const auto& trains = tables["train"];
  const auto& stops = tables["pass"];
  CheckUnique("station.tsv", stations, 0, text::kBuildStationId.str());
  CheckUnique("station.tsv", stations, 1, text::kBuildStationName.str());
  CheckUnique("kind.tsv", kinds, 0, text::kBuildKindId.str());
  CheckUnique("train.tsv", trains, 0, text::kBuildTrainId.str());
  CheckUnique("price.tsv", tables["price"], 0, text::kBuildPriceKm.str());
  CheckUnique("everyday.tsv", tables["everyday"], 0, text::kBuildTipId.str());

  const auto stationIds = Ids(stations);
  const auto kindIds = Ids(kinds);
  const auto trainIds = Ids(trains);
  CheckReference("train.tsv", trains, 2, kindIds, text::kBuildKindId.str());
  CheckReference("train.tsv", trains, 3, stationIds, text::kBuildFirstStationId.str());
  CheckReference("train.tsv", trains, 4, stationIds, text::kBuildLastStationId.str());
  CheckReference("pass.tsv", stops, 0, trainIds, text::kBuildTrainId.str());
  CheckReference("pass.tsv", stops, 1, stationIds, text::kBuildStationId.str());

  std::map<std::pair<long long, long long>, int> byStation;
  std::map<std::pair<long long, long long>, int> bySequence;
  for (const auto& row : stops) {
    const long long train = IntAt(row, 0);
    const auto [s, newStation] = byStation.emplace(std::pair{train, IntAt(row, 1)}, row.line);
    if (!newStation) {
      throw BuildError("pass.tsv", row.line,
                       text::Fill(text::kBuildTwoStops, {std::to_string(train), std::to_string(IntAt(row, 1)),
                                                         std::to_string(s->second)}));
    }
    const auto [z, newSequence] = bySequence.emplace(std::pair{train, IntAt(row, 2)}, row.line);
    if (!newSequence) {
      throw BuildError("pass.tsv", row.line,
                       text::Fill(text::kBuildTwoZhanci, {std::to_string(train), std::to_string(IntAt(row, 2)),
                                                          std::to_string(z->second)}));
    }
  }
}

// Where the stations' positions are written, apart from the tables (they come
// under another licence): station, lon, lat, source; a station without a
// position has empty lon and lat.
constexpr std::string_view kPositionsFile = "station_coordinates.tsv";

std::string LowerAscii(std::string_view text) {
  std::string lower;
  for (char ch : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return lower;
}

// Puts the positions of the positions file, when there is one, into the
// lat and lon columns of the station rows they name.
void ReadPositions(const fs::path& dir, std::vector<Row>& stations) {
  const fs::path path = dir / kPositionsFile;
  const std::string fileName(kPositionsFile);
  std::error_code ec;
  if (!fs::exists(path, ec)) return;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw BuildError(fileName, 0, text::Fill(text::kBuildCannotRead, {path.string()}));

  const auto& table = *schema::FindTable("station");
  const auto column = [&](std::string_view name) {
    return static_cast<size_t>(schema::FindColumn(table, name) - table.columns.data());
  };
  const size_t nameAt = column("station");
  const size_t latAt = column("lat");
  const size_t lonAt = column("lon");
  std::map<std::string, Row*> byName;
  for (auto& row : stations) {
    if (const auto* name = std::get_if<std::string>(&row.values[nameAt])) byName[LowerAscii(*name)] = &row;
  }

  const std::vector<std::string> header = {"station", "lon", "lat", "source"};
  std::map<std::string, int> seen;
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (lineNo == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    if (line.empty()) continue;
    const auto fields = SplitTabs(line);
    if (fields.size() != header.size()) {
      throw BuildError(fileName, lineNo, text::Fill(text::kBuildColumnCount, {"4", std::to_string(fields.size())}));
    }
    if (lineNo == 1) {
      for (size_t c = 0; c < header.size(); ++c) {
        if (strcasecmp(fields[c].c_str(), header[c].c_str()) != 0) {
          throw BuildError(fileName, lineNo,
                           text::Fill(text::kBuildColumnName, {std::to_string(c + 1), header[c], text::Excerpt(fields[c])}));
        }
      }
      continue;
    }
    const auto found = byName.find(LowerAscii(fields[0]));
    if (found == byName.end()) throw BuildError(fileName, lineNo, text::Fill(text::kBuildUnknownStation, {text::Excerpt(fields[0])}));
    const auto [first, isNew] = seen.emplace(LowerAscii(fields[0]), lineNo);
    if (!isNew) throw BuildError(fileName, lineNo, text::Fill(text::kBuildRepeated, {text::kBuildStationName, std::to_string(first->second)}));
    const std::string& lon = fields[1];
    const std::string& lat = fields[2];
    if (lon.empty() != lat.empty()) throw BuildError(fileName, lineNo, std::string(text::kBuildHalfPosition));
    if (lon.empty()) continue;  // no position known: stays Null
    const auto lonValue = ParseColumnValue(table.columns[lonAt], lon);
    if (!lonValue) throw BuildError(fileName, lineNo, WrongTypeReason(table.columns[lonAt], lon));
    const auto latValue = ParseColumnValue(table.columns[latAt], lat);
    if (!latValue) throw BuildError(fileName, lineNo, WrongTypeReason(table.columns[latAt], lat));
    found->second->values[lonAt] = *lonValue;
    found->second->values[latAt] = *latValue;
  }
}

// The timetable's identity: a hash of every table's rows as the database
// will hold them, in table and file order.
std::string TablesIdentity(std::map<std::string_view, std::vector<Row>>& tables) {
  ContentHasher hasher;
  hasher.AddField("kestrelway timetable");
  for (const auto& table : schema::Tables()) {
    hasher.AddField(table.name);
    const auto& rows = tables[table.name];
    hasher.AddField(std::to_string(rows.size()));
    for (const auto& row : rows) {
      for (const auto& value : row.values) {
        if (const auto* i = std::get_if<long long>(&value)) {
          hasher.AddField("i" + std::to_string(*i));
        } else if (const auto* d = std::get_if<double>(&value)) {
          char text[32];
          const auto end = std::to_chars(text, text + sizeof text, *d).ptr;
          hasher.AddField("d" + std::string(text, end));
        } else if (const auto* t = std::get_if<std::string>(&value)) {
          hasher.AddField("t" + *t);
        } else {
          hasher.AddField("n");
        }
      }
    }
  }
  return hasher.Hex();
}

}  // namespace

BuildSummary BuildDatabase(const std::string& dataDir, const std::string& outFile, const std::string& password) {
  std::map<std::string_view, std::vector<Row>> tables;
  for (const auto& table : schema::Tables()) tables[table.name] = ReadTable(dataDir, table);
  Validate(tables);
  ReadPositions(dataDir, tables["station"]);

  // Write beside the target and move it into place only when complete.
  const std::string partial = outFile + ".part";
  std::error_code ec;
  fs::remove(partial, ec);
  const std::string identity = TablesIdentity(tables);
  try {
    // The file's salt and the pages' random parts come from the content, so
    // the same tables give the same bytes.
    const SeededRandom random(identity);
    auto db = Database::Create(partial, password);
    schema::CreateSchema(*db);
    Transaction transaction(*db);
    for (const auto& table : schema::Tables()) {
      std::string sql = "INSERT INTO " + std::string(table.name) + " VALUES (";
      for (size_t c = 0; c < table.columns.size(); ++c) sql += c ? ",?" : "?";
      sql += ")";
      for (const auto& row : tables[table.name]) {
        auto q = db->Prepare(sql);
        for (size_t c = 0; c < row.values.size(); ++c) BindValue(q, static_cast<int>(c + 1), row.values[c]);
        q.Run();
      }
    }
    WriteContentIdentity(*db, identity);
    transaction.Commit();
    db->Execute("ANALYZE");
  } catch (...) {
    fs::remove(partial, ec);
    throw;
  }
  fs::rename(partial, outFile, ec);
  if (ec) {
    fs::remove(partial, ec);
    throw DatabaseError(text::Fill(text::kCannotWriteFile, {outFile, ec.message()}));
  }
  return {static_cast<int>(tables["station"].size()), static_cast<int>(tables["train"].size()),
          static_cast<int>(tables["pass"].size())};
}

}  // namespace kw
