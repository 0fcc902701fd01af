#pragma once
// Entry point for the GUI test programs: isolates HOME and the XDG folders in a
// temporary folder and runs offscreen before the application object exists.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace vantorim::test {

inline void isolateHome(const QTemporaryDir& root) {
  const auto set = [&](const char* name, const QString& sub) {
    const QString dir = root.path() + sub;
    QDir().mkpath(dir);
    qputenv(name, dir.toUtf8());
  };
  set("HOME", "/home");
  set("XDG_CONFIG_HOME", "/home/.config");
  set("XDG_DATA_HOME", "/home/.local/share");
  set("XDG_CACHE_HOME", "/home/.cache");
  set("XDG_STATE_HOME", "/home/.local/state");
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace vantorim::test

#define VANTORIM_GUI_TEST_MAIN(TestClass)            \
  int main(int argc, char** argv) {                  \
    QTemporaryDir home;                              \
    vantorim::test::isolateHome(home);               \
    QApplication app(argc, argv);                    \
    TestClass test;                                  \
    return QTest::qExec(&test, argc, argv);          \
  }
