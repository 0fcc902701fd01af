#include "core/app/ExplorerRules.h"

#include "core/app/NameFilter.h"

namespace vantorim::app {

QString FormatByteSize(std::int64_t n, const QLocale& locale) {
  if (n <= 0) return {};
  QLocale loc = locale;
  loc.setNumberOptions(QLocale::OmitGroupSeparator);
  constexpr std::int64_t KB = 1024, MB = KB * 1024, GB = MB * 1024;
  if (n < KB) return QStringLiteral("%1 Bytes").arg(n);
  if (n < MB) return loc.toString(double(n) / KB, 'f', 2) + QStringLiteral(" KB");
  if (n < GB) return loc.toString(double(n) / MB, 'f', 2) + QStringLiteral(" MB");
  return loc.toString(double(n) / GB, 'f', 2) + QStringLiteral(" GB");
}

QString MakeShortcutName(const QString& folder, const QString& name, const QString& plainPrefix,
                         const QString& numberedPrefix,
                         const std::function<bool(const QString&)>& exists) {
  QString base = folder;
  while (base.size() > 1 && base.endsWith(QLatin1Char('/'))) base.chop(1);
  if (base != QLatin1String("/")) base += QLatin1Char('/');
  QString candidate = base + plainPrefix + QLatin1Char(' ') + name;
  for (int i = 1; exists(candidate); ++i) {
    if (i > 20) return {};
    candidate = base + QString(numberedPrefix).replace(QLatin1String("%d"), QString::number(i)) +
                QLatin1Char(' ') + name;
  }
  return candidate;
}

bool markAllSelects(bool isFolder, const QString& name, bool foldersPage) {
  const bool zip = extensionOf(name.toLower()) == QLatin1String(".zip");
  if (foldersPage) return isFolder && !zip;
  return !isFolder || zip;
}

bool DuplicateNotificationFilter::accept(std::uint32_t code, const QString& path1,
                                         const QString& path2) {
  // Paths are compared exactly: names on this file system are case-sensitive.
  if (m_has && code == m_code && path1 == m_path1 && path2 == m_path2) return false;
  m_has = true;
  m_code = code;
  m_path1 = path1;
  m_path2 = path2;
  return true;
}

UndoCaption undoCaptionOf(UndoEvent event) {
  switch (event) {
    case UndoEvent::FileAttributes:
    case UndoEvent::FolderAttributes: return UndoCaption::ChangeAttributes;
    case UndoEvent::FolderRename:
    case UndoEvent::FileRename: return UndoCaption::Rename;
    case UndoEvent::FileRenameSort:
    case UndoEvent::FileSorting: return UndoCaption::Sort;
    case UndoEvent::JpegMoves: return UndoCaption::Move;
  }
  return UndoCaption::Neutral;
}

void UndoBook::runFinished(UndoEvent event, bool undoPossible) {
  m_caption = undoCaptionOf(event);
  m_kind = static_cast<std::uint8_t>(event);
  m_enabled = undoPossible;
}

void UndoBook::undone() {
  m_kind = 0;
  m_enabled = false;
}

}  // namespace vantorim::app
