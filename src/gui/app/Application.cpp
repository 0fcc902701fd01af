#include "gui/app/Application.h"

#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <exception>
#include <memory>
#include <vector>

namespace vantorim::gui {

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vantorim: event handler failed: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "vantorim: event handler failed\n");
  }
  return false;
}

void setUpIconTheme() {
  QStringList paths = QIcon::themeSearchPaths();
  if (!paths.contains("/usr/share/icons")) paths << "/usr/share/icons";
  QIcon::setThemeSearchPaths(paths);
  if (QIcon::themeName().isEmpty() || QIcon::themeName() == "hicolor") QIcon::setThemeName("Adwaita");
}

void installTranslations(const QString& languageCode) {
  static std::vector<std::unique_ptr<QTranslator>> installed;
  for (auto& t : installed) QCoreApplication::removeTranslator(t.get());
  installed.clear();
  // Qt's own texts (standard buttons, edit menus, "Folder" in the lists) first.
  if (languageCode != QLatin1String("en")) {
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + languageCode, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(qt.get());
      installed.push_back(std::move(qt));
    }
  }
  const QDir dir(":/i18n");
  const QStringList files = dir.entryList({"*_" + languageCode + ".qm"}, QDir::Files);
  for (const QString& file : files) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(dir.filePath(file))) {
      QCoreApplication::installTranslator(translator.get());
      installed.push_back(std::move(translator));
    }
  }
}

}  // namespace vantorim::gui
