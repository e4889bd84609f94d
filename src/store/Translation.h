// The program's own texts in the user's language. Texts are written in
// Chinese, the source language; a translator installed at start (the
// program's translation file, see l10n/Language.h) gives them in English.
// Without one, every text is its Chinese source.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

// Marks a text for lupdate without translating it (the same definition Qt
// gives, for the parts of the program built without Qt).
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace kw::text {

// The context the core's texts are translated in.
inline constexpr char kCoreContext[] = "kw::text";
// The context of words that come from the timetable itself (train classes,
// the version's edition, remarks).
inline constexpr char kDataContext[] = "kw::data";

// Gives the translation of `source` in `context`, or an empty string for
// none. Called at most once per text; it may be called from any thread.
using TranslateFunction = std::function<std::string(const char* context, const char* source)>;

// Installs the translator (an empty function: Chinese). Done once at start,
// before any text is read; a later call forgets the translations read so far.
void SetTranslator(TranslateFunction translate);

// Whether a translator is installed (the interface is not Chinese).
bool Translating();

// `source` in the user's language: a view of the source itself when there is
// no translator, else of the translation, kept for the program's life.
std::string_view Translate(const char* context, const char* source);

// One of the core's own texts: converts to its translation each time it is read.
class Text {
 public:
  constexpr Text(const char* source) : source_(source) {}  // NOLINT: a text is written as its source
  operator std::string_view() const { return Translate(kCoreContext, source_); }  // NOLINT
  std::string_view view() const { return *this; }
  std::string str() const { return std::string(view()); }
  const char* source() const { return source_; }
  friend bool operator==(std::string_view value, const Text& text) { return value == text.view(); }

 private:
  const char* source_;
};

// A word from the timetable (a class name, an edition) in the user's
// language; the word itself when the translation file does not know it.
std::string DataWord(std::string_view word);

// Station names as the interface spells them. In Chinese, the name itself.
// Otherwise the full pinyin with a capital first letter, as one word
// (北京南 → Beijingnan); a station whose pinyin is not known keeps its name.
// The spellings are set from the timetable once it is open.
void SetStationSpellings(std::unordered_map<std::string, std::string> pinyinByName);
std::string StationName(std::string_view name);
// Both spellings, for pick lists: "Beijingnan 北京南"; the name alone in Chinese.
std::string StationNameWithChinese(std::string_view name);
// The pinyin written as a name: first letter capital, the rest as it is.
std::string CapitalisedPinyin(std::string_view pinyin);

}  // namespace kw::text
