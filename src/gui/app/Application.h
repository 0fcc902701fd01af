#pragma once
// Program-wide start-up of the desktop program: the application object, icon
// theme, translations.

#include <QApplication>
#include <QString>

namespace vantorim::gui {

// The program's application object. An exception that escapes an event handler
// would otherwise end the program with the user's work half done; it is
// discarded here (noted on the error output only) and the event counts as
// unhandled.
class TApplication : public QApplication {
public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override;
};

// Makes the icon theme usable where the platform names none.
void setUpIconTheme();

// Installs the translators for a language code ("de", "en"); English needs none.
void installTranslations(const QString& languageCode);

}  // namespace vantorim::gui
