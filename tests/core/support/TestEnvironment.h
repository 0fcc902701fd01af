#pragma once
// Shared fixtures for core tests: an isolated home, temporary folders and the
// conformance corpus.

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace vantorim::test {

// A temporary folder removed with the object; paths inside it are built with path().
class TempDir {
public:
  TempDir();
  QString path() const { return m_dir.path(); }
  QString path(const QString& relative) const { return m_dir.path() + '/' + relative; }
  // Writes bytes to a file below the folder, creating parent folders.
  QString write(const QString& relative, const QByteArray& bytes) const;
  // Creates a folder (with parents) below the folder.
  QString mkdir(const QString& relative) const;

private:
  QTemporaryDir m_dir;
};

QByteArray readAll(const QString& path);

// The folder of real files from other programs; empty when it is absent.
// Tests use VANTORIM_SKIP_WITHOUT_CORPUS to skip with a clear message.
QString corpusDir();

// Path of the command-line program built beside the tests.
QString cliPath();

// One run of the command-line program: exit code and both outputs.
struct CliRun {
  int rc = -1;
  QByteArray out;
  QByteArray err;
  QJsonObject json() const;  // the standard output read as a JSON object
};
CliRun runCli(const QStringList& args);

}  // namespace vantorim::test

#define VANTORIM_SKIP_WITHOUT_CORPUS(sub)                                                     \
  do {                                                                                         \
    if (::vantorim::test::corpusDir().isEmpty() ||                                             \
        !QFileInfo::exists(::vantorim::test::corpusDir() + "/" + QString(sub)))               \
      GTEST_SKIP() << "conformance corpus not found at " << VANTORIM_CORPUS_DIR << "/" << sub; \
  } while (0)
