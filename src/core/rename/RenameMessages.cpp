#include "core/rename/RenameMessages.h"

#include <QCoreApplication>

namespace vantorim::rename {

namespace {
QString tr(const char* text) { return QCoreApplication::translate("vantorim::rename", text); }
}  // namespace

QString messageText(Message message, const QString& arg) {
  switch (message) {
    case Message::None: return {};
    case Message::NoFileMarked: return tr("No file marked yet !");
    case Message::NoFileFound: return tr("No file found !");
    case Message::NoTargetDirectory: return tr("You haven`t entered a destination directory yet !");
    case Message::NoMainName: return tr("You haven`t inserted a main name yet !");
    case Message::TooFewDigits: return tr("Number of positions too low !");
    case Message::NoSearchText: return tr("You haven`t yet entered a\nsymbol series to be replaced !");
    case Message::NoOldExtension: return tr("You haven`t selected an old file extension yet !");
    case Message::NoNewExtension: return tr("You haven`t selected a new file extension yet !");
    case Message::InvalidInteger: return tr("'%1' is not a valid integer value").arg(arg);
    case Message::RenameFailed:
      return tr("File couldn`t be renamed.\nMaybe the file %1\nis write protected or in use.").arg(arg);
    case Message::LogNotWritten:
      return tr("The log file %1 could not be written.\nThis renaming cannot be undone.").arg(arg);
    case Message::QuestionUndoable:
      return tr("Do you really want to rename the files ?\nUndo is just possible\nright after action.");
    case Message::QuestionNotUndoable:
      return tr("Do you really want to rename the files ?\nThis action cannot be canceled !");
    case Message::UnsupportedMode: return tr("This renaming function is not available.");
  }
  return {};
}

bool isAbort(Message message) { return message != Message::None && message != Message::NoSearchText; }

}  // namespace vantorim::rename
