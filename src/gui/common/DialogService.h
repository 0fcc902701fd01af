#pragma once
// How panels ask and inform the user: message boxes with a chosen button set,
// a one-line input box and a folder picker, all in the caller's language. The
// program uses the real dialogs; tests install a scripted service instead.

#include "core/app/Settings.h"

#include <QString>

#include <initializer_list>

namespace vantorim::common {

using app::TLanguage;

// Dialog type; decides title and icon.
enum TMsgDlgType { mtWarning = 0, mtError = 1, mtInformation = 2, mtConfirmation = 3, mtCustom = 4 };

// Buttons, in the order they appear left to right.
enum TMsgDlgBtn {
  mbYes = 0,
  mbNo = 1,
  mbOK = 2,
  mbCancel = 3,
  mbAbort = 4,
  mbRetry = 5,
  mbIgnore = 6,
  mbAll = 7,
  mbNoToAll = 8,
  mbYesToAll = 9,
  mbHelp = 10
};
inline constexpr int kButtonCount = 11;

// A set of buttons.
class TMsgDlgButtons {
public:
  constexpr TMsgDlgButtons() = default;
  constexpr TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons) {
    for (TMsgDlgBtn b : buttons) m_bits |= 1u << b;
  }
  constexpr bool contains(TMsgDlgBtn b) const { return (m_bits >> b) & 1u; }
  constexpr bool isEmpty() const { return m_bits == 0; }
  constexpr unsigned bits() const { return m_bits; }
  constexpr TMsgDlgButtons& operator<<(TMsgDlgBtn b) {
    m_bits |= 1u << b;
    return *this;
  }
  friend constexpr bool operator==(TMsgDlgButtons, TMsgDlgButtons) = default;

private:
  unsigned m_bits = 0;
};

// Modal results returned by the dialogs.
enum TModalResult {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
  mrAll = 8,
  mrNoToAll = 9,
  mrYesToAll = 10
};

// Modal result of a button (Help gives 0).
constexpr int modalResultOf(TMsgDlgBtn b) {
  constexpr int results[kButtonCount] = {mrYes, mrNo, mrOk, mrCancel, mrAbort, mrRetry,
                                         mrIgnore, mrAll, mrNoToAll, mrYesToAll, mrNone};
  return results[b];
}

class DialogService {
public:
  virtual ~DialogService() = default;

  // Message box; returns the modal result of the pressed button (closing the
  // window gives the cancel button's result, mrCancel when it has none).
  // x or y negative: centred on the screen.
  virtual int messageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons,
                         TLanguage language, int helpContext = 0, int x = -1, int y = -1,
                         const QString& helpFile = {}) = 0;

  // One line of text, at most 255 characters. True, with `value` replaced, on OK.
  virtual bool inputQuery(const QString& caption, const QString& prompt, QString& value,
                          TLanguage language) = 0;

  // Folder picker. `folder` is the start folder on input. On return: OK gives the
  // chosen folder with a trailing '/', No gives an empty folder, Abort or closing
  // leaves it unchanged. Returns mrOk, mrNo or mrAbort.
  virtual int selectDirectory(QString& folder, const QString& caption, const QString& prompt,
                              TLanguage language) = 0;
};

// The service in use; the real dialogs unless a test installed another one.
DialogService& dialogService();

// Installs a service (not owned); nullptr brings back the real dialogs.
void setDialogService(DialogService* service);

// The dialogs under the names the panels use; all go through dialogService().
int LangMessageDlg(const QString& msg, TMsgDlgType type, TMsgDlgButtons buttons,
                   TLanguage language, int helpContext = 0);
int LangMessageDlgPos(const QString& msg, TMsgDlgType type, TMsgDlgButtons buttons,
                      const QString& helpFile, int y, int x, TLanguage language,
                      int helpContext = 0);
bool LangInputQuery(const QString& caption, const QString& prompt, QString& value,
                    TLanguage language);
int LangSelectDirectory(QString& folder, const QString& caption, const QString& prompt,
                        TLanguage language);

}  // namespace vantorim::common
