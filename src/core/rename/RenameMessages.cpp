#include "core/rename/RenameMessages.h"

#include <QCoreApplication>

namespace vantorim::rename {

const char* messageSourceText(Message message) {
  switch (message) {
    case Message::None: return "";
    case Message::NoFileMarked: return "No file marked yet !";
    case Message::NoFileFound: return "No file found !";
    case Message::NoTargetDirectory: return "You haven`t entered a destination directory yet !";
    case Message::NoMainName: return "You haven`t inserted a main name yet !";
    case Message::TooFewDigits: return "Number of positions too low !";
    case Message::NoSearchText: return "You haven`t yet entered a\nsymbol series to be replaced !";
    case Message::NoOldExtension: return "You haven`t selected an old file extension yet !";
    case Message::NoNewExtension: return "You haven`t selected a new file extension yet !";
    case Message::InvalidInteger: return "'%1' is not a valid integer value";
    case Message::RenameFailed:
      return "File couldn`t be renamed.\nMaybe the file %1\nis write protected or in use.";
    case Message::LogNotWritten:
      return "The log file %1 could not be written.\nThis renaming cannot be undone.";
    case Message::QuestionUndoable:
      return "Do you really want to rename the files ?\nUndo is just possible\nright after action.";
    case Message::QuestionNotUndoable:
      return "Do you really want to rename the files ?\nThis action cannot be canceled !";
    case Message::UnsupportedMode: return "This renaming function is not available.";
  }
  return "";
}

QString messageText(Message message, const QString& arg) {
  const QString text = QCoreApplication::translate("vantorim::rename", messageSourceText(message));
  return text.contains(QLatin1String("%1")) ? text.arg(arg) : text;
}

bool isAbort(Message message) { return message != Message::None && message != Message::NoSearchText; }

}  // namespace vantorim::rename
