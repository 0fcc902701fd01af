// Vantorim Steerhall, the desktop program.

#include "gui/app/Application.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vantorim Steerhall");
  QApplication::setOrganizationName("Belvantic");
  QApplication::setApplicationVersion(VANTORIM_VERSION);
  vantorim::gui::setUpIconTheme();
  QLabel label("Vantorim Steerhall");
  label.resize(800, 565);
  label.show();
  return QApplication::exec();
}
