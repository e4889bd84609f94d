// Runs the command-line tool for the tests of its commands and checks what
// it says.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/TestTimetable.h"

namespace kw::test {

// Runs the tool on the database `db` with `args` (LANG=`lang`) and expects
// `status`, and `out` and `err` where given; a failure names the command.
inline CommandResult ExpectCli(const std::string& db, std::vector<std::string> args, int status,
                               const char* out = nullptr, const char* err = nullptr,
                               const std::string& lang = "C.UTF-8") {
  std::string command;
  for (const auto& a : args) command += a + " ";
  SCOPED_TRACE(command);
  args.insert(args.begin(), {"--db", db});
  const auto r = RunCliWithLang(lang, args);
  EXPECT_EQ(r.status, status) << r.err;
  if (out) {
    EXPECT_EQ(r.out, out);
  }
  if (err) {
    EXPECT_EQ(r.err, err);
  }
  return r;
}

// The words of `line` between single spaces, for tables of commands whose
// arguments hold no space.
inline std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  for (size_t at = 0; at <= line.size();) {
    const size_t end = std::min(line.find(' ', at), line.size());
    words.push_back(line.substr(at, end - at));
    at = end + 1;
  }
  return words;
}

}  // namespace kw::test
