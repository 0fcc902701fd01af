// Vantorim Steerhall, the desktop program.

#include "gui/app/Application.h"
#include "gui/app/FormHaupt.h"
#include "gui/app/StartUp.h"

int main(int argc, char** argv) {
  vantorim::gui::TApplication app(argc, argv);
  QApplication::setApplicationName("Vantorim Steerhall");
  QApplication::setOrganizationName("Belvantic");
  QApplication::setApplicationVersion(VANTORIM_VERSION);
  vantorim::gui::setUpIconTheme();
  return vantorim::gui::runProgram([] { return std::unique_ptr<QWidget>(new vantorim::gui::TFormHaupt); });
}
