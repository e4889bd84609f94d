// kw-netgen SRC_DIR OUT_DIR FACTOR
//
// Scales a timetable up for benchmarks: FACTOR copies of the network, each
// with its own stations and trains. Copy 1 is the original; copy c > 1 names
// its stations "<name>·c" with short code "<jm>c" (and full pinyin "<py>c"),
// so station name prefixes (北京 ...) cover every copy and a search does
// FACTOR times the work. Train numbers are kept, so a number search matches
// FACTOR times as many trains.
// Deterministic: the same input gives the same output.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Row = std::vector<std::string>;

std::vector<Row> ReadTsv(const fs::path& path, std::string& header) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::vector<Row> rows;
  std::string line;
  bool first = true;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (first) {
      header = line;
      first = false;
      continue;
    }
    Row row;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
      row.push_back(line.substr(start, tab - start));
    }
    row.push_back(line.substr(start));
    rows.push_back(std::move(row));
  }
  return rows;
}

void WriteTsv(const fs::path& path, const std::string& header, const std::vector<Row>& rows) {
  std::ofstream out(path, std::ios::binary);
  out << header << '\n';
  for (const auto& row : rows) {
    for (size_t i = 0; i < row.size(); ++i) out << (i ? "\t" : "") << row[i];
    out << '\n';
  }
}

long MaxId(const std::vector<Row>& rows) {
  long max = 0;
  for (const auto& row : rows) max = std::max(max, std::stol(row[0]));
  return max;
}

std::string Shift(const std::string& id, long offset) {
  return id.empty() ? id : std::to_string(std::stol(id) + offset);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: kw-netgen SRC_DIR OUT_DIR FACTOR\n";
    return 2;
  }
  const fs::path src = argv[1];
  const fs::path out = argv[2];
  const int factor = std::atoi(argv[3]);
  if (factor < 1) {
    std::cerr << "FACTOR must be 1 or more\n";
    return 2;
  }
  try {
    fs::create_directories(out);
    for (const char* same : {"kind.tsv", "price.tsv", "everyday.tsv", "VerID.tsv"}) {
      fs::copy_file(src / same, out / same, fs::copy_options::overwrite_existing);
    }
    std::string stationHeader, trainHeader, passHeader;
    const auto stations = ReadTsv(src / "station.tsv", stationHeader);
    const auto trains = ReadTsv(src / "train.tsv", trainHeader);
    const auto stops = ReadTsv(src / "pass.tsv", passHeader);
    const long stationSpan = MaxId(stations) + 1;
    const long trainSpan = MaxId(trains) + 1;

    std::vector<Row> newStations, newTrains, newStops;
    for (int c = 0; c < factor; ++c) {
      const long so = stationSpan * c;
      const long to = trainSpan * c;
      const std::string suffix = c == 0 ? "" : std::to_string(c + 1);
      for (Row row : stations) {
        row[0] = Shift(row[0], so);
        if (c) {
          row[1] += "·" + suffix;
          row[2] += suffix;
          if (row.size() > 3 && !row[3].empty()) row[3] += suffix;  // full pinyin, where given
        }
        newStations.push_back(std::move(row));
      }
      for (Row row : trains) {
        row[0] = Shift(row[0], to);
        row[3] = Shift(row[3], so);
        row[4] = Shift(row[4], so);
        newTrains.push_back(std::move(row));
      }
      for (Row row : stops) {
        row[0] = Shift(row[0], to);
        row[1] = Shift(row[1], so);
        newStops.push_back(std::move(row));
      }
    }
    WriteTsv(out / "station.tsv", stationHeader, newStations);
    WriteTsv(out / "train.tsv", trainHeader, newTrains);
    WriteTsv(out / "pass.tsv", passHeader, newStops);
    std::cerr << out.string() << ": " << newStations.size() << " stations, " << newTrains.size()
              << " trains, " << newStops.size() << " stops\n";
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 3;
  }
  return 0;
}
