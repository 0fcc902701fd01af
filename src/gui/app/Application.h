#pragma once
// Program-wide start-up of the desktop program: icon theme, translations.

#include <QString>

namespace vantorim::gui {

// Makes the icon theme usable where the platform names none.
void setUpIconTheme();

// Installs the translators for a language code ("de", "en"); English needs none.
void installTranslations(const QString& languageCode);

}  // namespace vantorim::gui
