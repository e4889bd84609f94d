// The identity of a timetable: a hash of its content, not of its file's
// bytes. The builder computes it from the tables and records it inside the
// database, in a table of its own that update files cannot name; an applied
// update moves it on (a hash of the identity before and of the update file),
// a refused one leaves it as it was. Two databases with the same identity
// hold the same timetable; a per-user copy whose identity is still the one
// it was made with is untouched, whatever its bytes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kw {

class Database;

// SHA-256, fed piece by piece; Hex() gives the 64 hex digits.
class ContentHasher {
 public:
  ContentHasher();
  ~ContentHasher();
  ContentHasher(const ContentHasher&) = delete;
  ContentHasher& operator=(const ContentHasher&) = delete;
  void Add(std::string_view bytes);
  // A piece that cannot run into the next: its length, then its bytes.
  void AddField(std::string_view bytes);
  std::string Hex();

 private:
  void* ctx_;
};

// SHA-256 of a file's bytes as 64 hex digits; empty when it cannot be read.
std::string FileDigest(const std::filesystem::path& file);

// The internal table that holds the identity; not one of the timetable's
// tables, so no update file can write it.
inline constexpr std::string_view kIdentityTable = "kw_identity";

// The identity recorded in `db`; empty for a database made before
// timetables had one.
std::string ReadContentIdentity(Database& db);
// Records `identity` in `db` (inside the caller's transaction, if any).
void WriteContentIdentity(Database& db, const std::string& identity);
// The identity after applying the update file whose FileDigest is
// `updateDigest` to a timetable of identity `before`.
std::string NextContentIdentity(const std::string& before, const std::string& updateDigest);

// While it lives, the cryptographic library's random numbers (the SQLCipher
// salt and page IVs of a new file) come from a generator seeded with `seed`,
// so that a database built twice from the same tables has the same bytes.
// For the builder only: it acts on the whole process.
class SeededRandom {
 public:
  explicit SeededRandom(const std::string& seed);
  ~SeededRandom();
  SeededRandom(const SeededRandom&) = delete;
  SeededRandom& operator=(const SeededRandom&) = delete;

 private:
  const void* previous_;
};

}  // namespace kw
