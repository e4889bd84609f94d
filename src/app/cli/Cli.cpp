#include "app/cli/Cli.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iostream>

#include "app/cli/CliTexts.h"
#include "query/StationLookup.h"
#include "store/CoreStrings.h"
#include "store/Database.h"

namespace kw::cli {

Database& Context::Db() {
  if (!db_) {
    // A command that only reads opens the file for reading, beside a window
    // that has it open for writing. Only a file left with an interrupted
    // update's journal needs a writer, where the file can be written.
    if (readsOnly) {
      try {
        db_ = Database::OpenReadOnly(dbPath);
      } catch (const DatabaseError&) {
        if (access(dbPath.c_str(), W_OK) != 0) throw;
        db_ = Database::Open(dbPath);
      }
    } else {
      db_ = Database::Open(dbPath);
    }
    // Station names come out as the interface spells them.
    if (text::Translating()) text::SetStationSpellings(StationPinyinByName(*db_));
  }
  return *db_;
}

std::string Context::TakeOption(std::string_view name) {
  auto it = std::find(args.begin(), args.end(), name);
  if (it == args.end()) return {};
  if (it + 1 == args.end()) throw UsageError(text::Fill(kMissingValue, {name}));
  std::string value = *(it + 1);
  if (value.empty()) throw UsageError(text::Fill(kEmptyValue, {name}));
  args.erase(it, it + 2);
  return value;
}

void Context::ExpectArgs(size_t count, std::string_view usage) const {
  // What the command did not take as its option is no argument of it.
  for (const auto& arg : args) {
    if (arg.size() > 2 && arg.rfind("--", 0) == 0) throw UsageError(text::Fill(kUnknownOption, {Echo(arg)}));
  }
  if (args.size() != count) throw UsageError(text::Fill(kUsageLine, {usage}));
}

std::string Echo(std::string_view value) {
  std::string line(value);
  for (char& c : line) {
    if (c == '\n' || c == '\r' || c == '\t' || c == '\v' || c == '\f') c = ' ';
  }
  return text::Excerpt(line);
}

int ParseNumber(const std::string& text, std::string_view what) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) {
    throw UsageError(text::Fill(kNotNumber, {what, Echo(text)}));
  }
  return value;
}

std::optional<Clock> TakeClock(Context& ctx, std::string_view option) {
  const std::string value = ctx.TakeOption(option);
  if (value.empty()) return std::nullopt;
  const auto part = [&](std::string_view digits, int highest) {
    int n = -1;
    const bool digitsOnly = !digits.empty() && digits.size() <= 2 &&
                            digits.find_first_not_of("0123456789") == std::string_view::npos;
    if (digitsOnly) std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (n < 0 || n > highest) throw UsageError(text::Fill(kNotClock, {option, Echo(value)}));
    return n;
  };
  const size_t colon = value.find(':');
  const std::string_view text(value);
  return Clock{part(text.substr(0, colon), 23),
               colon == std::string::npos ? 0 : part(text.substr(colon + 1), 59)};
}

void RefuseLongText(std::string_view text, int maxLength, std::string_view what) {
  if (text::CharacterCount(text) > static_cast<size_t>(maxLength)) {
    throw UsageError(text::Fill(kTooLong, {what, std::to_string(maxLength)}));
  }
}

std::string ClassOptionList(const Text& lastJoin) {
  std::string list;
  for (size_t i = 0; i < text::kClassOptions.size(); ++i) {
    if (i) list += i + 1 == text::kClassOptions.size() ? std::string_view(lastJoin) : std::string_view(kListJoin);
    list += text::kClassOptions[i];
    if (text::Translating()) list += " (" + kClassOptionMeanings[i].str() + ")";
  }
  return list;
}

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

void PrintJsonObject(const std::vector<std::pair<std::string, std::string>>& fields) {
  std::string line = "{";
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) line += ",";
    line += JsonString(fields[i].first) + ":" + JsonString(fields[i].second);
  }
  std::cout << line << "}\n";
}

void PrintTabbed(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) line += '\t';
    line += fields[i];
  }
  std::cout << line << '\n';
}

}  // namespace kw::cli
