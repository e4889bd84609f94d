#include "l10n/Language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstdlib>
#include <memory>

#include "store/Translation.h"

// The translation files built into the program (translations.qrc).
static void InitTranslationResources() { Q_INIT_RESOURCE(translations); }

namespace kw {

namespace {

constexpr char kEnglishFile[] = ":/i18n/kestrelway_en.qm";

struct State {
  Language language = Language::Chinese;
  std::unique_ptr<QTranslator> translator;
};

State& Current() {
  static State state;
  return state;
}

}  // namespace

std::optional<Language> LanguageNamed(std::string_view code) {
  const std::string_view language = code.substr(0, code.find_first_of("_.@-"));
  if (language == "zh") return Language::Chinese;
  if (language == "en") return Language::English;
  return std::nullopt;
}

std::string_view LanguageCode(Language language) { return language == Language::English ? "en" : "zh"; }

Language EnvironmentLanguage() {
  const char* lang = std::getenv("LANG");
  return lang && LanguageNamed(lang) == Language::English ? Language::English : Language::Chinese;
}

bool UseLanguage(Language language) {
  State& state = Current();
  if (state.translator && QCoreApplication::instance()) QCoreApplication::removeTranslator(state.translator.get());
  text::SetTranslator({});
  state.translator.reset();
  state.language = Language::Chinese;
  if (language == Language::Chinese) return true;

  InitTranslationResources();
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QString::fromLatin1(kEnglishFile))) return false;
  const QTranslator* english = translator.get();
  text::SetTranslator([english](const char* context, const char* source) {
    return english->translate(context, source).toStdString();
  });
  if (QCoreApplication::instance()) QCoreApplication::installTranslator(translator.get());
  state.translator = std::move(translator);
  state.language = language;
  return true;
}

Language CurrentLanguage() { return Current().language; }

}  // namespace kw
