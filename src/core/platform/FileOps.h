#pragma once
// File operations that never replace what is already there.

#include <QString>

namespace vantorim::platform {

// Outcome of one operation on one item; `error` is a readable reason when !ok.
struct OpResult {
  bool ok = true;
  QString error;
  static OpResult success() { return {}; }
  static OpResult failure(QString why) { return {false, std::move(why)}; }
  explicit operator bool() const { return ok; }
};

// Renames or moves `from` to `to`; fails when `to` exists (file, folder or link).
OpResult renameNoReplace(const QString& from, const QString& to);

// Copies the file `from` to `to`; fails when `to` exists. Keeps the modification time.
OpResult copyNoOverwrite(const QString& from, const QString& to);

// Creates a folder with all missing parents; succeeds when it already exists.
OpResult makePath(const QString& dir);

// Moves a file or folder to the freedesktop.org trash.
OpResult moveToTrash(const QString& path);

// Text of the last system error, for messages.
QString systemErrorText(int err);

}  // namespace vantorim::platform
