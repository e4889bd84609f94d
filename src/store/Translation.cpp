#include "store/Translation.h"

#include <mutex>
#include <shared_mutex>
#include <utility>

namespace kw::text {

namespace {

struct Translations {
  std::shared_mutex lock;
  TranslateFunction translate;
  // Translations read so far, by context and source. Their nodes never
  // move, so the views handed out stay valid.
  std::unordered_map<std::string, std::string> known;
  std::unordered_map<std::string, std::string> pinyin;
};

Translations& State() {
  static Translations state;
  return state;
}

std::string Key(const char* context, std::string_view source) {
  std::string key(context);
  key += '\x04';
  key += source;
  return key;
}

}  // namespace

void SetTranslator(TranslateFunction translate) {
  Translations& state = State();
  std::unique_lock guard(state.lock);
  state.translate = std::move(translate);
  state.known.clear();
  state.pinyin.clear();
}

bool Translating() {
  Translations& state = State();
  std::shared_lock guard(state.lock);
  return static_cast<bool>(state.translate);
}

std::string_view Translate(const char* context, const char* source) {
  Translations& state = State();
  std::string key;
  {
    std::shared_lock guard(state.lock);
    if (!state.translate) return source;
    key = Key(context, source);
    if (const auto found = state.known.find(key); found != state.known.end()) return found->second;
  }
  std::unique_lock guard(state.lock);
  if (!state.translate) return source;
  if (const auto found = state.known.find(key); found != state.known.end()) return found->second;
  std::string translated = state.translate(context, source);
  if (translated.empty()) translated = source;
  return state.known.emplace(std::move(key), std::move(translated)).first->second;
}

std::string DataWord(std::string_view word) {
  const std::string source(word);
  return std::string(Translate(kDataContext, source.c_str()));
}

void SetStationSpellings(std::unordered_map<std::string, std::string> pinyinByName) {
  Translations& state = State();
  std::unique_lock guard(state.lock);
  state.pinyin = std::move(pinyinByName);
}

std::string CapitalisedPinyin(std::string_view pinyin) {
  std::string name(pinyin);
  if (!name.empty() && name[0] >= 'a' && name[0] <= 'z') name[0] = static_cast<char>(name[0] - 'a' + 'A');
  return name;
}

std::string StationName(std::string_view name) {
  Translations& state = State();
  std::shared_lock guard(state.lock);
  if (!state.translate) return std::string(name);
  const auto found = state.pinyin.find(std::string(name));
  if (found == state.pinyin.end() || found->second.empty()) return std::string(name);
  return CapitalisedPinyin(found->second);
}

std::string StationNameWithChinese(std::string_view name) {
  const std::string english = StationName(name);
  if (english == name) return english;
  return english + " " + std::string(name);
}

}  // namespace kw::text
