// The interface's language: Chinese, the language the program's texts are
// written in, or English, from the translation file built into the program.
#pragma once

#include <optional>
#include <string_view>

namespace kw {

enum class Language { Chinese, English };

// The language a code names: "zh" or "en", alone or followed by a region
// and more ("en_GB.UTF-8"); nothing for any other code.
std::optional<Language> LanguageNamed(std::string_view code);
// "zh" or "en".
std::string_view LanguageCode(Language language);
// The system's language as `LANG` names it: English where it names English,
// else Chinese.
Language EnvironmentLanguage();

// Makes `language` the language of every text the program reads from now on
// (the program's own, and Qt's through the application's translators when
// there is an application). False, and the program stays Chinese, when the
// English translation cannot be loaded.
bool UseLanguage(Language language);
Language CurrentLanguage();

}  // namespace kw
