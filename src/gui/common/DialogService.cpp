#include "gui/common/DialogService.h"

#include "gui/common/LangDialogs.h"

namespace vantorim::common {

namespace {
DialogService* g_service = nullptr;
}

DialogService& dialogService() {
  static QtDialogService real;
  return g_service ? *g_service : real;
}

void setDialogService(DialogService* service) { g_service = service; }

int LangMessageDlg(const QString& msg, TMsgDlgType type, TMsgDlgButtons buttons,
                   TLanguage language, int helpContext) {
  return dialogService().messageDlg(msg, type, buttons, language, helpContext, -1, -1, {});
}

int LangMessageDlgPos(const QString& msg, TMsgDlgType type, TMsgDlgButtons buttons,
                      const QString& helpFile, int y, int x, TLanguage language, int helpContext) {
  return dialogService().messageDlg(msg, type, buttons, language, helpContext, x, y, helpFile);
}

bool LangInputQuery(const QString& caption, const QString& prompt, QString& value,
                    TLanguage language) {
  return dialogService().inputQuery(caption, prompt, value, language);
}

int LangSelectDirectory(QString& folder, const QString& caption, const QString& prompt,
                        TLanguage language) {
  return dialogService().selectDirectory(folder, caption, prompt, language);
}

}  // namespace vantorim::common
