// Applying an update file to the timetable database: the whole file in one
// transaction, or nothing of it.
//
// Nothing in the file is run as SQL. The table must be one of the seven
// (blanks around its name do not count), the key is one value of the table's
// key column ("trainid,station" for pass), an insert's value is one literal
// per column in table order and an update's value is column=literal
// assignments. A literal is a number (12, 8.3), a text in double quotes
// ("北京", with "" for a quote inside it) or Null; each must suit its column
// (whole numbers of at most nine digits in integer columns, day offsets 0-7,
// h.mm in time columns, no Null in required columns). The statements are the
// program's own, with the values bound as parameters. A refusal repeats at
// most 80 characters of the item it names. A text may hold no control
// character (U+0000-U+001F, U+007F, U+2028, U+2029): it would shift the
// columns of copied rows or reach a terminal as a command. A quote in a
// table name or a key is refused: only a field that both begins and ends
// with a quote is quoted.
//
// The file is read and applied one line at a time, so the first bad line
// ends the update as soon as it is read, and memory grows with the records
// applied, not with the file.
//
// What a record does (its action, like every field, may have blanks around it):
//   insert  adds the row, unless a row with that key exists (left unchanged);
//           the key columns of the value must match the key
//   update  changes the named columns of the row with that key, if there is one
//   delete  removes the row with that key, if there is one; a pass key may
//           be the train id alone ("delete;pass;12"): every stop of the train
// Any other action (also "INSERT") is refused on its line: a record that
// did nothing would be data lost.
// The database's own rules (one row per key, unique station names, one stop
// per train and sequence number) hold: a record that would break them is an
// error on its line. An update may change a key column (a station's id, a
// stop's station); a key already taken is such an error.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace kw {

class Database;

enum class UpdateStatus {
  Applied,          // every record applied; the file is deleted
  AppliedFileKept,  // every record applied, but the file could not be deleted
  NoRecords,        // the file holds no record (only blank lines); nothing changed, the file stays
  Failed,           // a bad line, an unreadable file or a database failure;
                    // nothing changed, the file stays
};

struct UpdateOutcome {
  UpdateStatus status = UpdateStatus::Failed;
  // Failed: the line of the file that was wrong, 0 when no one line was (the
  // file cannot be read, the database failed).
  int line = 0;
  // Failed: what was wrong; AppliedFileKept: why the file is still there.
  std::string reason;

  // The one-line text that reports the outcome:
  //   Applied          更新完毕！
  //   AppliedFileKept  更新完毕！但无法删除更新文件 <path>：<cause>  (causes in Chinese)
  //   NoRecords        您的更新文件有问题，请选择正确的更新文件！
  //   Failed           文件受损或格式不合法！第 5 行：<reason>   (line 0: the reason alone)
  std::string Message() const;
};

// Told how far an update has come: the bytes of the file read so far and
// its size. Returning false cancels the update, which then changes nothing
// (Failed, line 0).
using UpdateProgress = std::function<bool(long long done, long long total)>;
// How many bytes of the file are read between two calls of the progress.
inline constexpr long long kUpdateProgressStep = 64 << 10;

// Reads the update file at `file` and applies it to `db`, calling `progress`
// (when given) after the first record and then every kUpdateProgressStep
// bytes. Never throws for a bad file or a failing database: the outcome says
// what happened.
UpdateOutcome ApplyUpdateFile(Database& db, const std::filesystem::path& file,
                              const UpdateProgress& progress = {});

}  // namespace kw
