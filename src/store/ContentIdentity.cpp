#include "store/ContentIdentity.h"

// RAND_set_rand_method is the library's documented way to supply the random
// numbers; OpenSSL 3 marks it deprecated but keeps it.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <cstdint>
#include <fstream>
#include <mutex>
#include <new>

#include "store/Database.h"

namespace kw {

namespace {

std::string ToHex(const unsigned char* bytes, unsigned size) {
  static const char kDigits[] = "0123456789abcdef";
  std::string text;
  for (unsigned i = 0; i < size; ++i) {
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 0xf];
  }
  return text;
}

EVP_MD_CTX* Ctx(void* p) { return static_cast<EVP_MD_CTX*>(p); }

// The seeded generator: block n is SHA-256(seed, n).
struct Generator {
  std::mutex mutex;
  std::string seed;
  std::uint64_t counter = 0;
  unsigned char block[32] = {};
  unsigned used = sizeof block;
};
Generator& TheGenerator() {
  static Generator generator;
  return generator;
}

int SeededBytes(unsigned char* out, int count) {
  Generator& g = TheGenerator();
  std::lock_guard lock(g.mutex);
  for (int i = 0; i < count; ++i) {
    if (g.used == sizeof g.block) {
      const std::string input = g.seed + ":" + std::to_string(g.counter++);
      unsigned size = 0;
      EVP_Digest(input.data(), input.size(), g.block, &size, EVP_sha256(), nullptr);
      g.used = 0;
    }
    out[i] = g.block[g.used++];
  }
  return 1;
}
int SeededSeed(const void*, int) { return 1; }
int SeededAdd(const void*, int, double) { return 1; }
int SeededStatus() { return 1; }

const RAND_METHOD kSeededMethod = {SeededSeed, SeededBytes, nullptr, SeededAdd, SeededBytes, SeededStatus};

}  // namespace

ContentHasher::ContentHasher() : ctx_(EVP_MD_CTX_new()) {
  if (!ctx_ || EVP_DigestInit_ex(Ctx(ctx_), EVP_sha256(), nullptr) != 1) throw std::bad_alloc();
}

ContentHasher::~ContentHasher() { EVP_MD_CTX_free(Ctx(ctx_)); }

void ContentHasher::Add(std::string_view bytes) { EVP_DigestUpdate(Ctx(ctx_), bytes.data(), bytes.size()); }

void ContentHasher::AddField(std::string_view bytes) {
  Add(std::to_string(bytes.size()));
  Add(":");
  Add(bytes);
}

std::string ContentHasher::Hex() {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned size = 0;
  EVP_DigestFinal_ex(Ctx(ctx_), digest, &size);
  EVP_DigestInit_ex(Ctx(ctx_), EVP_sha256(), nullptr);
  return ToHex(digest, size);
}

std::string FileDigest(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return {};
  ContentHasher hasher;
  char buffer[1 << 16];
  while (in) {
    in.read(buffer, sizeof buffer);
    hasher.Add(std::string_view(buffer, static_cast<size_t>(in.gcount())));
  }
  if (in.bad()) return {};
  return hasher.Hex();
}

std::string ReadContentIdentity(Database& db) {
  auto exists = db.Prepare("SELECT 1 FROM sqlite_master WHERE type='table' AND name=?");
  exists.Bind(1, kIdentityTable);
  if (!exists.Step()) return {};
  auto q = db.Prepare("SELECT identity FROM " + std::string(kIdentityTable) + " LIMIT 1");
  return q.Step() ? q.Text(0) : std::string();
}

void WriteContentIdentity(Database& db, const std::string& identity) {
  const std::string table(kIdentityTable);
  db.Execute("CREATE TABLE IF NOT EXISTS " + table + " (identity TEXT NOT NULL); DELETE FROM " + table);
  db.Prepare("INSERT INTO " + table + " VALUES (?)").Bind(1, identity).Run();
}

std::string NextContentIdentity(const std::string& before, const std::string& updateDigest) {
  ContentHasher hasher;
  hasher.AddField("update");
  hasher.AddField(before);
  hasher.AddField(updateDigest);
  return hasher.Hex();
}

SeededRandom::SeededRandom(const std::string& seed) : previous_(RAND_get_rand_method()) {
  Generator& g = TheGenerator();
  {
    std::lock_guard lock(g.mutex);
    g.seed = seed;
    g.counter = 0;
    g.used = sizeof g.block;
  }
  RAND_set_rand_method(&kSeededMethod);
}

SeededRandom::~SeededRandom() { RAND_set_rand_method(static_cast<const RAND_METHOD*>(previous_)); }

}  // namespace kw
