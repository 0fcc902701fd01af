#pragma once
// Small rules of the explorer panes: size texts, shortcut names, mark all,
// and the filter against repeated change notifications.

#include <QLocale>
#include <QString>

#include <cstdint>
#include <functional>

namespace vantorim::app {

// "%d Bytes" below 1024, then KB, MB and GB with two decimals in the locale's
// decimal separator and no thousands separator; empty for 0 and negative sizes.
QString FormatByteSize(std::int64_t n, const QLocale& locale = QLocale());

// Name of a new shortcut (a symbolic link) to `name` in `folder`:
// folder + "/" + plainPrefix + " " + name, else numberedPrefix with %d = 1..20 in
// the same pattern, the first that `exists` denies; empty when all 21 are taken.
QString MakeShortcutName(const QString& folder, const QString& name, const QString& plainPrefix,
                         const QString& numberedPrefix,
                         const std::function<bool(const QString&)>& exists);

// Whether mark all selects a top-level item. Folders page: exactly the folders
// that are not *.zip; every other page: everything else.
bool markAllSelects(bool isFolder, const QString& name, bool foldersPage);

// Drops a change notification equal to the one before it (same code, same paths).
class DuplicateNotificationFilter {
public:
  // True when the notification is new (and remembers it).
  bool accept(std::uint32_t code, const QString& path1, const QString& path2);

private:
  bool m_has = false;
  std::uint32_t m_code = 0;
  QString m_path1, m_path2;
};

// Undo bookkeeping of the main window: which panel run the single undo command
// would undo, what it is called and whether it is enabled.
enum class UndoCaption { Neutral, Rename, Sort, ChangeAttributes, Move };

// The run events that can be undone, with the kind they record (1..7).
enum class UndoEvent : std::uint8_t {
  FileAttributes = 1,
  FolderAttributes = 2,
  FolderRename = 3,
  FileRename = 4,
  FileRenameSort = 5,
  JpegMoves = 6,
  FileSorting = 7,
};

class UndoBook {
public:
  std::uint8_t kind() const { return m_kind; }
  UndoCaption caption() const { return m_caption; }
  bool enabled() const { return m_enabled; }
  // Whether the caption carries the kind and the "&" accelerator.
  bool captionWithKind() const { return m_caption != UndoCaption::Neutral; }

  // A run finished: caption, hint and kind are set whatever `undoPossible` says;
  // only the enabled state follows it.
  void runFinished(UndoEvent event, bool undoPossible);
  // A panel finished its undo: nothing is left to undo, the caption stays.
  void undone();
  // Language switch: neutral caption, kind and enabled state kept.
  void languageChanged() { m_caption = UndoCaption::Neutral; }

private:
  std::uint8_t m_kind = 0;
  UndoCaption m_caption = UndoCaption::Neutral;
  bool m_enabled = false;
};

// The caption a run event gives the undo command.
UndoCaption undoCaptionOf(UndoEvent event);

}  // namespace vantorim::app
