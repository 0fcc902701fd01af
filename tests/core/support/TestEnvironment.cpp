#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>

#include <gtest/gtest.h>

#include <cstdlib>

namespace vantorim::test {

TempDir::TempDir() { EXPECT_TRUE(m_dir.isValid()); }

QString TempDir::write(const QString& relative, const QByteArray& bytes) const {
  const QString full = path(relative);
  QDir().mkpath(QFileInfo(full).absolutePath());
  QFile f(full);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << full.toStdString();
  f.write(bytes);
  return full;
}

QString TempDir::mkdir(const QString& relative) const {
  const QString full = path(relative);
  QDir().mkpath(full);
  return full;
}

QByteArray readAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

QString corpusDir() {
  const QString dir = QString::fromUtf8(VANTORIM_CORPUS_DIR);
  return QFileInfo(dir).isDir() ? QDir(dir).canonicalPath() : QString();
}

QString cliPath() { return QString::fromUtf8(VANTORIM_CLI_PATH); }

QJsonObject CliRun::json() const { return QJsonDocument::fromJson(out).object(); }

CliRun runCli(const QStringList& args) {
  QProcess p;
  p.start(cliPath(), args);
  if (!p.waitForFinished(30000)) ADD_FAILURE() << "vantorim-cli did not finish: " << args.join(' ').toStdString();
  return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

}  // namespace vantorim::test

namespace {

// Points HOME and the XDG folders at a private temporary folder so that no test
// touches the real user's settings, data or trash.
class IsolatedHome : public ::testing::Environment {
public:
  void SetUp() override {
    m_home = std::make_unique<QTemporaryDir>();
    const QString root = m_home->path();
    const auto set = [&](const char* name, const QString& sub) {
      const QString dir = root + sub;
      QDir().mkpath(dir);
      qputenv(name, dir.toUtf8());
    };
    set("HOME", "/home");
    set("XDG_CONFIG_HOME", "/home/.config");
    set("XDG_DATA_HOME", "/home/.local/share");
    set("XDG_CACHE_HOME", "/home/.cache");
    set("XDG_STATE_HOME", "/home/.local/state");
    set("XDG_RUNTIME_DIR", "/run");
    QFile::setPermissions(root + "/run", QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
  }
  void TearDown() override { m_home.reset(); }

private:
  std::unique_ptr<QTemporaryDir> m_home;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new IsolatedHome);
  return RUN_ALL_TESTS();
}
