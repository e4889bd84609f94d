#include "update/UpdateFile.h"

#include <sqlite3.h>
#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <new>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "store/ColumnValue.h"
#include "store/ContentIdentity.h"
#include "store/CoreStrings.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "update/CustomerDataSource.h"

namespace kw {

namespace {

// A record that cannot be applied; what() says why.
class LineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] void Refuse(std::string_view why, std::string_view what) {
  throw LineError(std::string(why) + std::string(what));
}

// The items of a comma-separated list, trimmed; a comma inside a text in
// double quotes does not split.
std::vector<std::string_view> SplitItems(std::string_view text) {
  std::vector<std::string_view> items;
  bool quoted = false;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') {
      quoted = !quoted;  // a doubled quote inside a text flips twice
    } else if (text[i] == ',' && !quoted) {
      items.push_back(text::Trim(text.substr(start, i - start)));
      start = i + 1;
    }
  }
  if (quoted) Refuse(text::kUpdateUnclosedText, text::Excerpt(text));
  items.push_back(text::Trim(text.substr(start)));
  return items;
}

struct Literal {
  enum class Kind { Null, Number, Text };
  Kind kind;
  std::string text;  // Number: as written; Text: without its quotes, "" made "
};

bool IsNumber(std::string_view text) {
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
  const size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  const auto digits = [](std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  return whole.size() + fraction.size() > 0 && digits(whole) && digits(fraction);
}

Literal ParseLiteral(std::string_view item) {
  if (!item.empty() && item.front() == '"') {
    std::string text;
    size_t i = 1;
    for (; i < item.size(); ++i) {
      if (item[i] != '"') {
        text += item[i];
      } else if (i + 1 < item.size() && item[i + 1] == '"') {
        text += '"';
        ++i;
      } else {
        break;
      }
    }
    // The closing quote must end the item.
    if (i + 1 != item.size()) Refuse(text::kUpdateBadValue, text::Excerpt(item));
    return {Literal::Kind::Text, std::move(text)};
  }
  if (item.size() == 4 && strncasecmp(item.data(), "null", 4) == 0) return {Literal::Kind::Null, {}};
  if (IsNumber(item)) return {Literal::Kind::Number, std::string(item)};
  Refuse(text::kUpdateBadValue, item.empty() ? std::string(text::kUpdateEmptyItem) : text::Excerpt(item));
}

// Whether UTF-8 text holds a control character: C0, DEL, or the line and
// paragraph separators U+2028 and U+2029; `found` is the first.
bool FindControlCharacter(std::string_view text, char32_t& found) {
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) {
      found = byte;
      return true;
    }
    if (text.substr(i, 3) == "\xE2\x80\xA8" || text.substr(i, 3) == "\xE2\x80\xA9") {
      found = text[i + 2] == '\xA8' ? 0x2028 : 0x2029;
      return true;
    }
  }
  return false;
}

ColumnValue ValueFor(const schema::Column& column, std::string_view item) {
  const Literal literal = ParseLiteral(item);
  switch (literal.kind) {
    case Literal::Kind::Null:
      if (column.required) throw LineError(RequiredReason(column));
      return std::monostate{};
    case Literal::Kind::Text:
      if (column.type != schema::ColumnType::Text) throw LineError(WrongTypeReason(column, item));
      if (char32_t c = 0; FindControlCharacter(literal.text, c)) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
        throw LineError(text::Fill(text::kUpdateControlCharacter, {column.name, code}));
      }
      return literal.text;
    case Literal::Kind::Number:
      break;
  }
  auto value = ParseColumnValue(column, literal.text);
  if (!value) throw LineError(WrongTypeReason(column, item));
  return std::move(*value);
}

const schema::Column& ColumnNamed(const schema::Table& table, std::string_view name) {
  return *schema::FindColumn(table, name);
}

// The row's key from the id field: one value per key column. With
// `leadingPart`, the first key columns may stand alone ("12" for every stop
// of train 12).
std::vector<ColumnValue> ParseKey(const schema::Table& table, std::string_view id, bool leadingPart) {
  // A key is numbers or bare text: a quote in it is one the line's fields
  // did not take off ("6028 would otherwise name some other row).
  if (id.find('"') != std::string_view::npos) Refuse(text::kUpdateQuoteInKey, text::Excerpt(id));
  const auto items = SplitItems(id);
  if (items.size() != table.key.size() && !(leadingPart && items.size() < table.key.size())) {
    std::string shape;
    for (const auto name : table.key) shape += (shape.empty() ? "" : ",") + std::string(name);
    Refuse(text::kUpdateBadKey, text::Fill(text::kUpdateKeyIs, {shape, text::Excerpt(id)}));
  }
  std::vector<ColumnValue> key;
  for (size_t i = 0; i < items.size(); ++i) {
    schema::Column column = ColumnNamed(table, table.key[i]);
    column.required = true;  // a key is never Null
    // A text key stands bare (2026-12 标准版).
    const bool bareText = column.type == schema::ColumnType::Text && !items[i].empty() && !IsNumber(items[i]) &&
                          !(items[i].size() == 4 && strncasecmp(items[i].data(), "null", 4) == 0);
    key.push_back(bareText ? ColumnValue(std::string(items[i])) : ValueFor(column, items[i]));
  }
  return key;
}

// "id=?" or "trainid=? AND station=?" for the first `parts` key columns,
// built from the schema's names only.
std::string KeyCondition(const schema::Table& table, size_t parts) {
  std::string condition;
  for (size_t i = 0; i < parts; ++i)
    condition += (condition.empty() ? "" : " AND ") + std::string(table.key[i]) + "=?";
  return condition;
}

void BindKey(Query& query, int first, const std::vector<ColumnValue>& key) {
  for (size_t i = 0; i < key.size(); ++i) BindValue(query, first + static_cast<int>(i), key[i]);
}

bool RowExists(Database& db, const schema::Table& table, const std::vector<ColumnValue>& key) {
  auto query =
      db.Prepare("SELECT 1 FROM " + std::string(table.name) + " WHERE " + KeyCondition(table, key.size()));
  BindKey(query, 1, key);
  return query.Step();
}

void Insert(Database& db, const schema::Table& table, const std::vector<ColumnValue>& key,
            const UpdateRecord& record) {
  const auto items = SplitItems(record.value);
  // The added columns may be left out at the end (a station without py).
  if (items.size() < schema::BaseColumnCount(table) || items.size() > table.columns.size()) {
    Refuse(text::kUpdateValueCount, text::Fill(text::kUpdateCountIs, {table.name, schema::ColumnCountText(table),
                                                                       std::to_string(items.size())}));
  }
  std::vector<ColumnValue> row;
  std::string columns;
  std::string marks;
  for (size_t c = 0; c < items.size(); ++c) {
    row.push_back(ValueFor(table.columns[c], items[c]));
    columns += (c ? "," : "") + std::string(table.columns[c].name);
    marks += c ? ",?" : "?";
  }
  for (size_t k = 0; k < table.key.size(); ++k) {
    const auto& name = table.key[k];
    const auto at = static_cast<size_t>(&ColumnNamed(table, name) - table.columns.data());
    if (row[at] != key[k])
      Refuse(text::kUpdateKeyMismatch, text::Fill(text::kUpdateKeyDiffers, {name, text::Excerpt(record.id)}));
  }
  if (RowExists(db, table, key)) return;
  auto query =
      db.Prepare("INSERT INTO " + std::string(table.name) + " (" + columns + ") VALUES (" + marks + ")");
  for (size_t c = 0; c < row.size(); ++c) BindValue(query, static_cast<int>(c + 1), row[c]);
  query.Run();
}

void Update(Database& db, const schema::Table& table, const std::vector<ColumnValue>& key,
            const UpdateRecord& record) {
  std::vector<const schema::Column*> columns;
  std::vector<ColumnValue> values;
  std::string assignments;
  for (const auto item : SplitItems(record.value)) {
    const size_t eq = item.find('=');
    if (eq == std::string_view::npos)
      Refuse(text::kUpdateBadAssignment,
             item.empty() ? std::string(text::kUpdateEmptyItem) : text::Excerpt(item));
    const std::string_view name = text::Trim(item.substr(0, eq));
    const auto* column = schema::FindColumn(table, name);
    if (!column) Refuse(text::kUpdateNoColumn, std::string(table.name) + "." + text::Excerpt(name));
    if (std::find(columns.begin(), columns.end(), column) != columns.end()) {
      Refuse(text::kUpdateRepeatedColumn, column->name);
    }
    columns.push_back(column);
    values.push_back(ValueFor(*column, text::Trim(item.substr(eq + 1))));
    assignments += (assignments.empty() ? "" : ",") + std::string(column->name) + "=?";
  }
  auto query = db.Prepare("UPDATE " + std::string(table.name) + " SET " + assignments + " WHERE " +
                          KeyCondition(table, key.size()));
  for (size_t i = 0; i < values.size(); ++i) BindValue(query, static_cast<int>(i + 1), values[i]);
  BindKey(query, static_cast<int>(values.size() + 1), key);
  query.Run();
}

// Removes the row with that key, or every row whose key begins with it.
void Delete(Database& db, const schema::Table& table, const std::vector<ColumnValue>& key) {
  auto query =
      db.Prepare("DELETE FROM " + std::string(table.name) + " WHERE " + KeyCondition(table, key.size()));
  BindKey(query, 1, key);
  query.Run();
}

// Text that no update file begins with: a byte order mark (a second one, or
// one of another encoding), a replacement or non-character, or a control
// character. Such a first line was not read as it was written.
bool StartsUnreadable(std::string_view action) {
  for (const std::string_view mark : {"\xEF\xBB\xBF", "\xEF\xBF\xBD", "\xEF\xBF\xBE"}) {
    if (action.starts_with(mark)) return true;
  }
  const auto first = action.empty() ? '\0' : static_cast<unsigned char>(action.front());
  return (first < 0x20 && first != '\t' && first != '\0') || first == 0x7F;
}

// Applies one record; throws LineError for a bad record and DatabaseError
// when the database refuses it.
void ApplyRecord(Database& db, const UpdateRecord& record) {
  // A record that would do nothing is data lost: refused, as a bad value is.
  const std::string_view action = text::Trim(record.action);
  if (action != "insert" && action != "update" && action != "delete")
    Refuse(text::kUpdateUnknownAction,
           action.empty() ? std::string(text::kUpdateEmptyItem) : text::Excerpt(action));
  const std::string_view tableName = text::Trim(record.table);
  if (tableName.find('"') != std::string_view::npos) Refuse(text::kUpdateQuoteInTable, text::Excerpt(tableName));
  const auto* table = schema::FindTable(tableName);
  if (!table)
    Refuse(text::kUpdateNoTable,
           tableName.empty() ? std::string(text::kUpdateEmptyItem) : text::Excerpt(tableName));
  const auto key = ParseKey(*table, record.id, action == "delete");
  if (action == "insert") {
    Insert(db, *table, key, record);
  } else if (action == "update") {
    Update(db, *table, key, record);
  } else {
    Delete(db, *table, key);
  }
}

UpdateOutcome Failure(int line, std::string reason) {
  return {UpdateStatus::Failed, line, std::move(reason)};
}

}  // namespace

std::string UpdateOutcome::Message() const {
  switch (status) {
    case UpdateStatus::Applied:
      return std::string(text::kUpdateDone);
    case UpdateStatus::AppliedFileKept:
      return std::string(text::kUpdateDone) + reason;
    case UpdateStatus::NoRecords:
      return std::string(text::kUpdateNoRecords);
    case UpdateStatus::Failed:
      break;
  }
  if (line == 0) return reason;
  return text::Fill(text::kUpdateAtLine, {text::kUpdateDamaged, std::to_string(line), reason});
}

namespace {

UpdateOutcome ApplyRecords(Database& db, const std::filesystem::path& file, const UpdateProgress& progress) {
  std::optional<CustomerDataSource> source;
  try {
    source.emplace(file);
  } catch (const UpdateFileError& e) {
    return Failure(e.Line(), e.what());
  }
  try {
    // Opened at the first record: a file without one changes nothing.
    std::optional<Transaction> transaction;
    long long nextReport = 0;
    while (true) {
      std::optional<UpdateRecord> record;
      try {
        record = source->Next();
      } catch (const UpdateFileError& e) {
        return Failure(e.Line(), e.what());
      }
      if (!record) break;
      if (record->line == 1 && StartsUnreadable(record->action)) {
        return Failure(1, std::string(text::kUpdateUnreadableStart) + text::Excerpt(record->action));
      }
      if (!transaction) transaction.emplace(db);
      try {
        ApplyRecord(db, *record);
      } catch (const LineError& e) {
        return Failure(record->line, e.what());
      } catch (const DatabaseError& e) {
        // A broken rule of the database is the line's fault; any other
        // failure is the database's own.
        if ((sqlite3_errcode(db.Handle()) & 0xff) != SQLITE_CONSTRAINT) return Failure(0, e.what());
        return Failure(record->line,
                       text::Fill(text::kInBrackets, {text::kUpdateConflict, sqlite3_errmsg(db.Handle())}));
      }
      if (progress && source->Position() >= nextReport) {
        if (!progress(source->Position(), source->Size())) return Failure(0, std::string(text::kUpdateCancelled));
        nextReport = source->Position() + kUpdateProgressStep;
      }
    }
    // A file without a record is not an update file; it is kept rather than
    // deleted as if it had been applied.
    if (!transaction) return {UpdateStatus::NoRecords, 0, {}};
    // The timetable is now another one: its identity moves on with the file.
    WriteContentIdentity(db, NextContentIdentity(ReadContentIdentity(db), FileDigest(file)));
    transaction->Commit();
  } catch (const DatabaseError& e) {
    return Failure(0, e.what());
  }
  std::error_code ec;
  std::filesystem::remove(file, ec);
  if (ec) {
    return {UpdateStatus::AppliedFileKept, 0,
            text::Fill(text::kPathFailure, {text::kUpdateNotDeleted, file.string(), text::ErrorCause(ec.value())})};
  }
  return {UpdateStatus::Applied, 0, {}};
}

}  // namespace

UpdateOutcome ApplyUpdateFile(Database& db, const std::filesystem::path& file, const UpdateProgress& progress) {
  try {
    return ApplyRecords(db, file, progress);
  } catch (const std::bad_alloc&) {
    return Failure(0, std::string(text::kUpdateOutOfMemory));
  }
}

}  // namespace kw
