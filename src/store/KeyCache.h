// The database key, derived once per file. SQLCipher turns the password into
// the file's key with many rounds of PBKDF2 over the salt in the file's first
// bytes, on every open. The password is the program's own, so the key of a
// given salt never changes: it is derived here the same way, kept in the
// user's cache folder and handed to SQLCipher as a raw key.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kw {

inline constexpr size_t kSaltBytes = 16;
inline constexpr size_t kRawKeyBytes = 32;

// The key of `password` for `salt`: PBKDF2 with `iterations` rounds of the
// HMAC SQLCipher names `algorithm` ("PBKDF2_HMAC_SHA1", the only one before
// SQLCipher 4, "PBKDF2_HMAC_SHA256", "PBKDF2_HMAC_SHA512"); nullopt for
// another algorithm or a failure.
std::optional<std::string> DeriveRawKey(std::string_view password, std::string_view salt, int iterations,
                                        std::string_view algorithm);

// The key cached for `salt` and `password`; nullopt when there is none or
// the cache file is not a whole entry of this salt and password.
std::optional<std::string> CachedRawKey(std::string_view password, std::string_view salt);
// Keeps `key` for `salt` and `password`; silently nothing when the cache
// cannot be written.
void RememberRawKey(std::string_view password, std::string_view salt, std::string_view key);
// Drops the entry of `salt`, if any.
void ForgetRawKey(std::string_view salt);

// The cache file's name for `salt`.
std::string KeyCacheFileName(std::string_view salt);

// The key text SQLCipher takes as a raw key and salt: x'<key hex><salt hex>'.
std::string RawKeySpec(std::string_view key, std::string_view salt);

}  // namespace kw
