// Vantorim Steerhall, the desktop program.

#include "gui/app/Application.h"
#include "gui/app/StartUp.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vantorim Steerhall");
  QApplication::setOrganizationName("Belvantic");
  QApplication::setApplicationVersion(VANTORIM_VERSION);
  vantorim::gui::setUpIconTheme();
  return vantorim::gui::runProgram([] {
    auto window = std::make_unique<QLabel>("Vantorim Steerhall");
    window->resize(800, 565);
    return std::unique_ptr<QWidget>(std::move(window));
  });
}
