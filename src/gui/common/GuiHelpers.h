#pragma once
// Shared helpers that need widgets: opening files, the folder picker bound to an
// edit field and the balloon hint of controls.

#include "core/app/Settings.h"

#include <QColor>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QTimer;
class QWidget;

namespace vantorim::common {

// The first of the named theme icons the platform has; empty when none.
// Themes differ in what they name, so callers list a few in order of fit.
QIcon themeIcon(std::initializer_list<const char*> names);
// A small pie chart in the program's colours, for the fill-level commands
// (icon themes rarely have one).
QIcon pieChartIcon();

// Opens a file, folder or URL with the desktop's default program; with
// parameters, a program is started with them in `folder`. Each string is cut to
// 255 characters. Errors are ignored. `showMode` is kept for callers and unused.
void ExecuteFile(const QString& file, const QString& parameters, const QString& folder, int showMode = 1);

// Texts of the target-folder fields.
QString selectDirectoryCaption(app::TLanguage language);
QString selectDirectoryPrompt(app::TLanguage language);
QString destinationFolderHint(app::TLanguage language);

// The click handler of read-only target-folder fields: checks the volume (an
// unready one sets "/" and stops), starts at the nearest existing folder and
// shows the folder picker; OK puts the chosen folder into the edit, the No
// button empties it, Abort leaves it as it was.
void SelectFolderForEdit(QLineEdit* edit, app::TLanguage language);

// A balloon that comes up 500 ms after the mouse rests on its control and
// stays 10 s. Owned by the control.
class TBalloonHint : public QObject {
  Q_OBJECT
public:
  explicit TBalloonHint(QWidget* control);
  ~TBalloonHint() override;
  void setContent(int iconKind, const QString& title, const QColor& textColor,
                  const QColor& backgroundColor, const QString& text);
  // The balloon window (created on first show); for tests.
  QWidget* balloon() const;
  void showNow();
  void hideNow();
  int iconKind() const { return m_iconKind; }
  const QString& title() const { return m_title; }
  const QString& text() const { return m_text; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QWidget* m_control;
  QPointer<QFrame> m_window;
  QLabel* m_icon = nullptr;
  QLabel* m_label = nullptr;
  QTimer* m_showTimer;
  QTimer* m_hideTimer;
  int m_iconKind = 0;
  QString m_title, m_text;
  QColor m_textColor = Qt::black, m_backgroundColor = QColor(0xFF, 0xFF, 0xE1);
};

// Creates the balloon of `control` in `handle` when it has none, then sets its
// icon kind (0 none, 1 information, 2 warning, 3 error; taken modulo 4), title,
// colours and text.
void ShowBalloonHint(QWidget* control, int iconKind, const QString& title,
                     QPointer<TBalloonHint>& handle, const QColor& textColor,
                     const QColor& backgroundColor, const QString& text);

}  // namespace vantorim::common
