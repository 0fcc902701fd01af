#pragma once
// The program's own message box, input box and folder picker: buttons and
// titles in the caller's language, gradient background.

#include "gui/common/DialogService.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;
class QFileSystemModel;

namespace vantorim::common {

// Caption of a button in a language (Dutch, English, French, German, Spanish).
QString buttonCaption(TMsgDlgBtn button, TLanguage language);
// Title of a dialog type; the application name for mtCustom.
QString dialogTitle(TMsgDlgType type, TLanguage language);
// The button Enter presses: OK when in the set, else Yes, else Retry; -1 when none.
int defaultButtonOf(TMsgDlgButtons buttons);
// The button Esc presses: Cancel when in the set, else No, else OK; -1 when none.
int cancelButtonOf(TMsgDlgButtons buttons);

// Message box with a chosen button set.
class TMessageForm : public QDialog {
  Q_OBJECT
public:
  TMessageForm(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons, TLanguage language,
               QWidget* parent = nullptr);
  // The button with the component name ("Yes", "No", "OK", ...), or nullptr.
  QPushButton* button(TMsgDlgBtn b) const;
  QPushButton* defaultButton() const { return m_default; }
  QPushButton* cancelButton() const { return m_cancel; }
  QLabel* messageLabel() const { return m_message; }

protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

private:
  QPushButton* m_buttons[kButtonCount] = {};
  QPushButton* m_default = nullptr;
  QPushButton* m_cancel = nullptr;
  QLabel* m_message = nullptr;
};

// One line of text, at most 255 characters.
class TQueryForm : public QDialog {
  Q_OBJECT
public:
  TQueryForm(const QString& caption, const QString& prompt, const QString& value,
             TLanguage language, QWidget* parent = nullptr);
  QLineEdit* edit() const { return m_edit; }
  QPushButton* okButton() const { return m_ok; }
  QPushButton* cancelButton() const { return m_cancel; }

protected:
  void paintEvent(QPaintEvent* event) override;
  void reject() override;

private:
  QLineEdit* m_edit = nullptr;
  QPushButton* m_ok = nullptr;
  QPushButton* m_cancel = nullptr;
};

// Folder picker over the file system, rooted at "/".
class TSelectDirDlg : public QDialog {
  Q_OBJECT
public:
  TSelectDirDlg(const QString& folder, const QString& caption, const QString& prompt,
                TLanguage language, QWidget* parent = nullptr);
  // Selects a folder in the tree; false when it cannot be shown.
  bool selectFolder(const QString& path);
  // The selected folder with a trailing '/'; empty when nothing real is selected.
  QString selectedFolder() const;
  QTreeView* tree() const { return m_tree; }
  QPushButton* okButton() const { return m_ok; }
  QPushButton* noButton() const { return m_no; }
  QPushButton* abortButton() const { return m_abort; }

protected:
  void paintEvent(QPaintEvent* event) override;
  void reject() override;

private:
  QLabel* m_heading = nullptr;
  QTreeView* m_tree = nullptr;
  QFileSystemModel* m_model = nullptr;
  QPushButton* m_ok = nullptr;
  QPushButton* m_no = nullptr;
  QPushButton* m_abort = nullptr;
};

// The real dialogs.
class QtDialogService : public DialogService {
public:
  int messageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons,
                 TLanguage language, int helpContext, int x, int y,
                 const QString& helpFile) override;
  bool inputQuery(const QString& caption, const QString& prompt, QString& value,
                  TLanguage language) override;
  int selectDirectory(QString& folder, const QString& caption, const QString& prompt,
                      TLanguage language) override;
};

}  // namespace vantorim::common
