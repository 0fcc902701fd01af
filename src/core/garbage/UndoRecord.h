#pragma once
// The operation log that doubles as undo data: UTF-8 text, one entry per line,
// every line ended by CR LF, replaced whole by every run.

#include "core/platform/FileOps.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vantorim::garbage {

// Writes the lines, replacing the file only when all of it could be written.
platform::OpResult writeUndoRecord(const QString& path, const QStringList& lines);

// Reads the lines; accepts CR LF, LF and CR; text that is not UTF-8 is read as
// Windows-1252. Empty when the file cannot be read.
std::optional<QStringList> readUndoRecord(const QString& path);

}  // namespace vantorim::garbage
