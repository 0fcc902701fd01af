#pragma once
// The messages of gathering, name building and the run. Engines return these
// codes; panels and the command line turn them into text with messageText().

#include <QString>

namespace vantorim::rename {

enum class Message {
  None,
  NoFileMarked,          // nothing marked and no preview to clear
  NoFileFound,           // recursive search or file list gave nothing
  NoTargetDirectory,     // move or copy without a destination
  NoMainName,            // mode 2 without base name
  TooFewDigits,          // counter capacity below the number of files
  NoSearchText,          // mode 3 without search text (not an abort)
  NoOldExtension,        // mode 8
  NoNewExtension,        // mode 8
  InvalidInteger,        // start value or logical-sorting key not a 32-bit integer
  RenameFailed,          // one file of a run
  LogNotWritten,         // the log file could not be written: no undo
  QuestionUndoable,      // question before a rename or move run
  QuestionNotUndoable,   // question before a copy run
  UnsupportedMode,       // a mode this build has no rule for
};

// The English text (translated through the "vantorim::rename" context); `arg`
// fills the %1 of RenameFailed, InvalidInteger and LogNotWritten.
QString messageText(Message message, const QString& arg = {});

// Whether the message ends the operation (all but NoSearchText and None).
bool isAbort(Message message);

}  // namespace vantorim::rename
