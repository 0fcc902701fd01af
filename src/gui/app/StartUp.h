#pragma once
// The start sequence of the desktop program.

#include <QWidget>

#include <functional>
#include <memory>

namespace vantorim::gui {

// Reads all settings into app::AppSettings, sets app::AppLanguage from "Sprache"
// and loads its translations, creates the main window with `createMainWindow`
// (not shown yet), shows the language dialog when "Sprachwahl" is set, then
// shows the main window and runs the event loop until it closes. After OK in the
// language dialog the main window's slot "ApplyLanguage()" is called when it has one.
// A damaged settings file is reported once; the program starts with the defaults.
int runProgram(const std::function<std::unique_ptr<QWidget>()>& createMainWindow);

}  // namespace vantorim::gui
