#include "core/app/DllList.h"

#include "core/common/TextFile.h"

#include <QDir>

#include <algorithm>

namespace vantorim::app {

namespace {
QString listPath(const QString& workingDirectory) {
  return QDir(workingDirectory).filePath(QString::fromLatin1(kDllListFileName));
}
}  // namespace

void sortDllNames(QStringList& names) {
  std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
  });
}

QStringList readDllList(const QString& workingDirectory, bool* ok) {
  QString text;
  const bool read = common::readTextFile(listPath(workingDirectory), text);
  if (ok) *ok = read;
  if (!read) return {};
  QStringList names;
  for (const QString& line : common::splitLines(text))
    if (!line.trimmed().isEmpty()) names << line;
  sortDllNames(names);
  return names;
}

bool writeDllList(const QString& workingDirectory, QStringList names, QString* error) {
  sortDllNames(names);
  QDir().mkpath(workingDirectory);
  return common::writeFileAtomic(listPath(workingDirectory), common::joinLinesCrLf(names), error);
}

}  // namespace vantorim::app
