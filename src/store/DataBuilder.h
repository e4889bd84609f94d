// Builds the encrypted timetable database from the tables written as text:
// one UTF-8 TSV per table (station.tsv ... VerID.tsv), first line the column
// names in table order, an empty field for Null, times in the stored h.mm
// encoding.
#pragma once

#include <stdexcept>
#include <string>

namespace kw {

// A table file that cannot become a timetable. what() names the file, the
// line (1 = the header line) and what is wrong with it.
class BuildError : public std::runtime_error {
 public:
  BuildError(std::string file, int line, const std::string& message);
  const std::string& File() const { return file_; }
  int Line() const { return line_; }

 private:
  std::string file_;
  int line_;
};

struct BuildSummary {
  int stations = 0;
  int trains = 0;
  int stops = 0;
};

// Reads every table from `dataDir` (and the stations' positions from
// station_coordinates.tsv there, when it is present), checks that the rows keep the timetable's
// invariants (known station, class and train ids; one stop per train and
// station; one stop per train and sequence number; times in h.mm; unique
// keys and station names) and writes a new database to `outFile`, keyed with
// `password`. Nothing is left at `outFile` when it fails. Throws BuildError
// for bad rows and DatabaseError when the file cannot be written.
BuildSummary BuildDatabase(const std::string& dataDir, const std::string& outFile,
                           const std::string& password);

}  // namespace kw
