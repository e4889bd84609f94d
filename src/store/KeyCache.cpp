#include "store/KeyCache.h"

#include <openssl/evp.h>

#include "store/UserCache.h"

namespace kw {

namespace {

// An entry: a header naming the format, the salt, a digest of salt and
// password (a key is only handed out for the password it was derived
// from), the key.
constexpr std::string_view kMagic = "KWKEY01\n";
constexpr size_t kTagBytes = 32;
constexpr size_t kEntryBytes = kMagic.size() + kSaltBytes + kTagBytes + kRawKeyBytes;

std::string PasswordTag(std::string_view password, std::string_view salt) {
  const std::string input = std::string(salt) + std::string(password);
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  if (EVP_Digest(input.data(), input.size(), digest, &length, EVP_sha256(), nullptr) != 1 || length != kTagBytes) {
    return {};
  }
  return std::string(reinterpret_cast<const char*>(digest), length);
}

}  // namespace

std::optional<std::string> DeriveRawKey(std::string_view password, std::string_view salt, int iterations,
                                        std::string_view algorithm) {
  const EVP_MD* digest = algorithm == "PBKDF2_HMAC_SHA1"     ? EVP_sha1()
                         : algorithm == "PBKDF2_HMAC_SHA256" ? EVP_sha256()
                         : algorithm == "PBKDF2_HMAC_SHA512" ? EVP_sha512()
                                                             : nullptr;
  if (!digest || iterations < 1 || salt.size() != kSaltBytes) return std::nullopt;
  std::string key(kRawKeyBytes, '\0');
  if (PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()),
                        reinterpret_cast<const unsigned char*>(salt.data()), static_cast<int>(salt.size()),
                        iterations, digest, static_cast<int>(key.size()),
                        reinterpret_cast<unsigned char*>(key.data())) != 1) {
    return std::nullopt;
  }
  return key;
}

std::string KeyCacheFileName(std::string_view salt) { return "key-" + HexText(salt); }

std::optional<std::string> CachedRawKey(std::string_view password, std::string_view salt) {
  if (salt.size() != kSaltBytes) return std::nullopt;
  const std::optional<std::string> entry = ReadCacheFile(KeyCacheFileName(salt), kEntryBytes);
  if (!entry || entry->size() != kEntryBytes) return std::nullopt;
  const std::string_view e(*entry);
  if (e.substr(0, kMagic.size()) != kMagic || e.substr(kMagic.size(), kSaltBytes) != salt ||
      e.substr(kMagic.size() + kSaltBytes, kTagBytes) != PasswordTag(password, salt)) {
    return std::nullopt;
  }
  return std::string(e.substr(kEntryBytes - kRawKeyBytes));
}

void RememberRawKey(std::string_view password, std::string_view salt, std::string_view key) {
  const std::string tag = PasswordTag(password, salt);
  if (salt.size() != kSaltBytes || key.size() != kRawKeyBytes || tag.empty()) return;
  WriteCacheFile(KeyCacheFileName(salt), std::string(kMagic) + std::string(salt) + tag + std::string(key));
}

void ForgetRawKey(std::string_view salt) { RemoveCacheFile(KeyCacheFileName(salt)); }

std::string RawKeySpec(std::string_view key, std::string_view salt) {
  return "x'" + HexText(key) + HexText(salt) + "'";
}

}  // namespace kw
