#include "gui/app/Application.h"
#include "support/GuiTestMain.h"

#include <QIcon>
#include <QStandardPaths>

#include <stdexcept>

namespace {

// An object whose event handler fails the way a careless slot might.
class ThrowingObject : public QObject {
public:
  int handled = 0;
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("broken handler");
    if (e->type() == QEvent::User + 1) throw 42;
    ++handled;
    return QObject::event(e);
  }
};

}  // namespace

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
  void exceptionsInEventHandlersAreDiscarded() {
    ThrowingObject target;
    QEvent failing(QEvent::User);
    QVERIFY(!QCoreApplication::sendEvent(&target, &failing));
    QEvent failingOther(QEvent::Type(QEvent::User + 1));
    QVERIFY(!QCoreApplication::sendEvent(&target, &failingOther));
    // The program goes on: later events are delivered as usual.
    QCoreApplication::postEvent(&target, new QEvent(QEvent::Type(QEvent::User + 2)));
    QCoreApplication::processEvents();
    QCOMPARE(target.handled, 1);
  }
};

int main(int argc, char** argv) {
  QTemporaryDir home;
  vantorim::test::isolateHome(home);
  vantorim::gui::TApplication app(argc, argv);
  ApplicationTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_application.moc"
