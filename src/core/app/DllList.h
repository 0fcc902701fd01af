#pragma once
// The list of linked renaming libraries, "DLL_Liste.txt" in the working
// directory: one file name per line, sorted without regard to case, CR LF.

#include <QString>
#include <QStringList>

namespace vantorim::app {

inline constexpr char kDllListFileName[] = "DLL_Liste.txt";

// Sorts names alphabetically without regard to case (the list's own order).
void sortDllNames(QStringList& names);

// Reads the list; empty lines are dropped. Empty when the file is missing or
// unreadable (`ok` false then).
QStringList readDllList(const QString& workingDirectory, bool* ok = nullptr);

// Writes the list sorted, replacing the file whole; an empty list gives an empty file.
bool writeDllList(const QString& workingDirectory, QStringList names, QString* error = nullptr);

}  // namespace vantorim::app
