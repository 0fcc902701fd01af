#include "gui/app/Application.h"
#include "support/GuiTestMain.h"

#include <QIcon>
#include <QStandardPaths>

class ApplicationTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void homeIsIsolated() {
    QVERIFY(QStandardPaths::writableLocation(QStandardPaths::ConfigLocation)
                .startsWith(qEnvironmentVariable("HOME")));
    QVERIFY(!QDir::homePath().startsWith("/root"));
  }
  void iconThemeIsSet() {
    vantorim::gui::setUpIconTheme();
    QVERIFY(!QIcon::themeName().isEmpty());
    QVERIFY(QIcon::themeSearchPaths().contains("/usr/share/icons"));
  }
};

VANTORIM_GUI_TEST_MAIN(ApplicationTest)
#include "tst_application.moc"
