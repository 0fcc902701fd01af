#pragma once
// Texts in a chosen language, independent of the program-wide translators:
// a panel shows its texts in its own `Language`, a dialog in the caller's.
// English is the source text; the other languages come from the compiled
// translation files (:/i18n/<area>_<code>.qm).

#include "core/app/Settings.h"

#include <QString>

namespace vantorim::common {

// "nl", "en", "fr", "de" or "es".
QString languageCode(app::TLanguage language);

// The text `source` of `context` in `language`; the source itself for English or
// when no translation exists.
QString langText(app::TLanguage language, const char* context, const char* source);

// The panel convention for `Language`: the setter ignores an unchanged value,
// otherwise stores it and re-captions everything.
class LanguageAware {
public:
  virtual ~LanguageAware() = default;
  app::TLanguage language() const { return m_language; }
  void setLanguage(app::TLanguage value) {
    if (value == m_language) return;
    m_language = value;
    applyLanguage();
  }

protected:
  explicit LanguageAware(app::TLanguage initial = app::lgGerman) : m_language(initial) {}
  // Sets every caption, hint, list item and message text for language(). A panel
  // with German and English texts only leaves its texts as they are for the
  // other three languages.
  virtual void applyLanguage() = 0;
  // Texts of this panel's context in its language.
  QString text(const char* context, const char* source) const {
    return langText(m_language, context, source);
  }

private:
  app::TLanguage m_language;
};

}  // namespace vantorim::common
