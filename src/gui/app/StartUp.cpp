#include "gui/app/StartUp.h"

#include "core/app/Settings.h"
#include "gui/app/Application.h"
#include "gui/app/FormSprache.h"
#include "gui/common/DialogService.h"
#include "gui/common/LangText.h"

#include <QApplication>
#include <QMetaObject>

namespace vantorim::gui {

int runProgram(const std::function<std::unique_ptr<QWidget>()>& createMainWindow) {
  app::AppLanguage = app::lgGerman;
  app::SettingsStore store;
  app::AppSettings = store.readAll();
  app::AppLanguage = app::AppSettings.language();
  installTranslations(common::languageCode(app::AppLanguage));

  if (!store.backupPath().isEmpty()) {
    const QString text =
        common::langText(app::AppLanguage, "TFormSprache",
                         QT_TRANSLATE_NOOP("TFormSprache",
                                           "The settings file was damaged. It has been kept as %1; the default settings apply."))
            .arg(store.backupPath());
    common::LangMessageDlg(text, common::mtWarning, {common::mbOK}, app::AppLanguage);
  }

  std::unique_ptr<QWidget> mainWindow = createMainWindow();
  TFormSprache language(store, nullptr);
  QObject::connect(&language, &TFormSprache::applyLanguage, mainWindow.get(), [w = mainWindow.get()] {
    if (w->metaObject()->indexOfMethod("ApplyLanguage()") >= 0) QMetaObject::invokeMethod(w, "ApplyLanguage");
  });
  language.showAtStart();
  mainWindow->show();
  return QApplication::exec();
}

}  // namespace vantorim::gui
