#pragma once
// A dialog service for GUI tests: answers from a script, in order, and records
// every question asked. Install it for the lifetime of a test:
//
//   vantorim::test::ScriptedDialogService dialogs;   // installs itself
//   dialogs.answerMessage(vantorim::common::mrYes);
//   panel.run();
//   QCOMPARE(dialogs.asked.size(), 1);
//   QCOMPARE(dialogs.asked[0].type, vantorim::common::mtConfirmation);

#include "gui/common/DialogService.h"
#include "gui/common/LangDialogs.h"

#include <QList>
#include <QString>

#include <deque>

namespace vantorim::test {

class ScriptedDialogService : public common::DialogService {
public:
  enum class Kind { Message, Input, SelectDirectory };

  // One question as the panel asked it.
  struct Asked {
    Kind kind = Kind::Message;
    common::TMsgDlgType type = common::mtCustom;  // message only
    QString text;                                 // message text, or the prompt
    common::TMsgDlgButtons buttons;               // message only
    QString title;  // the box title for messages, the caption for input and folder picker
    app::TLanguage language = app::lgGerman;
    QString value;  // input value or start folder as passed in
  };

  QList<Asked> asked;

  ScriptedDialogService() { common::setDialogService(this); }
  ~ScriptedDialogService() override { common::setDialogService(nullptr); }
  ScriptedDialogService(const ScriptedDialogService&) = delete;
  ScriptedDialogService& operator=(const ScriptedDialogService&) = delete;

  // Next answer to a message box: a modal result (common::mrYes ...).
  void answerMessage(int modalResult) { m_answers.push_back({Kind::Message, modalResult, {}}); }
  // Next answer to an input box: OK with the text, or cancel.
  void answerInput(const QString& text) { m_answers.push_back({Kind::Input, common::mrOk, text}); }
  void cancelInput() { m_answers.push_back({Kind::Input, common::mrCancel, {}}); }
  // Next answer to a folder picker: OK with a folder, the No button, or Abort.
  void answerFolder(const QString& folder) {
    m_answers.push_back({Kind::SelectDirectory, common::mrOk, folder});
  }
  void answerNoFolder() { m_answers.push_back({Kind::SelectDirectory, common::mrNo, {}}); }
  void abortFolder() { m_answers.push_back({Kind::SelectDirectory, common::mrAbort, {}}); }

  // Answers not used yet; a test may check it is empty at its end.
  int pendingAnswers() const { return static_cast<int>(m_answers.size()); }
  // Questions that found no answer of their kind in the script (answered with
  // mrCancel / cancel / abort). A test usually checks this is 0.
  int unexpected = 0;

  int messageDlg(const QString& text, common::TMsgDlgType type, common::TMsgDlgButtons buttons,
                 app::TLanguage language, int, int, int, const QString&) override {
    asked.push_back({Kind::Message, type, text, buttons, common::dialogTitle(type, language), language, {}});
    Answer a;
    if (!next(Kind::Message, a)) return common::mrCancel;
    return a.result;
  }

  bool inputQuery(const QString& caption, const QString& prompt, QString& value,
                  app::TLanguage language) override {
    asked.push_back({Kind::Input, common::mtCustom, prompt, {}, caption, language, value});
    Answer a;
    if (!next(Kind::Input, a) || a.result != common::mrOk) return false;
    value = a.text.left(255);
    return true;
  }

  int selectDirectory(QString& folder, const QString& caption, const QString& prompt,
                      app::TLanguage language) override {
    asked.push_back({Kind::SelectDirectory, common::mtCustom, prompt, {}, caption, language, folder});
    Answer a;
    if (!next(Kind::SelectDirectory, a)) return common::mrAbort;
    if (a.result == common::mrOk) {
      folder = a.text;
      if (!folder.isEmpty() && !folder.endsWith('/')) folder += '/';
    } else if (a.result == common::mrNo) {
      folder.clear();
    }
    return a.result;
  }

private:
  struct Answer {
    Kind kind;
    int result;
    QString text;
  };
  bool next(Kind kind, Answer& out) {
    if (m_answers.empty() || m_answers.front().kind != kind) {
      ++unexpected;
      return false;
    }
    out = m_answers.front();
    m_answers.pop_front();
    return true;
  }
  std::deque<Answer> m_answers;
};

}  // namespace vantorim::test
