#include "gui/common/LangDialogs.h"

#include "gui/common/LangText.h"
#include "gui/common/PaintGradient.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTreeView>

#include <cmath>

namespace vantorim::common {

namespace {

constexpr const char* kContext = "LangDialogs";

constexpr const char* kButtonNames[kButtonCount] = {"Yes",   "No",  "OK",      "Cancel",
                                                     "Abort", "Retry", "Ignore", "All",
                                                     "NoToAll", "YesToAll", "Help"};
// English captions; the other languages come from the translation files.
constexpr const char* kButtonCaptions[kButtonCount] = {
    QT_TRANSLATE_NOOP("LangDialogs", "&Yes"),       QT_TRANSLATE_NOOP("LangDialogs", "&No"),
    QT_TRANSLATE_NOOP("LangDialogs", "OK"),         QT_TRANSLATE_NOOP("LangDialogs", "Abort"),
    QT_TRANSLATE_NOOP("LangDialogs", "&Abort"),     QT_TRANSLATE_NOOP("LangDialogs", "&Retry"),
    QT_TRANSLATE_NOOP("LangDialogs", "&Ignore"),    QT_TRANSLATE_NOOP("LangDialogs", "&All"),
    QT_TRANSLATE_NOOP("LangDialogs", "&No To All"), QT_TRANSLATE_NOOP("LangDialogs", "Yes To A&ll"),
    QT_TRANSLATE_NOOP("LangDialogs", "&Help")};
constexpr const char* kTitles[4] = {
    QT_TRANSLATE_NOOP("LangDialogs", "Warning"), QT_TRANSLATE_NOOP("LangDialogs", "Error"),
    QT_TRANSLATE_NOOP("LangDialogs", "Information"), QT_TRANSLATE_NOOP("LangDialogs", "Confirm")};

// a * b / c rounded to the nearest integer.
int mulDiv(int a, int b, int c) { return static_cast<int>(std::lround(static_cast<double>(a) * b / c)); }

// Average character size of the dialog font: height and width/52 of A..Za..z.
QSize averageCharSize(const QFontMetrics& fm) {
  const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return {fm.horizontalAdvance(letters) / 52, fm.height()};
}

QString withoutMnemonic(QString caption) {
  caption.replace(QLatin1String("&&"), QLatin1String("\x01"));
  caption.remove('&');
  caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  return caption;
}

// Measured caption widths, one per button, kept for the whole run (0 = not yet).
int g_captionWidths[kButtonCount] = {};

QRect screenRect(const QWidget* w) {
  const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void centreOnScreen(QWidget* w) {
  const QRect screen = screenRect(w);
  w->move(screen.center() - QPoint(w->width() / 2, w->height() / 2));
}

void paintDialogGradient(QWidget* w) {
  QPainter painter(w);
  PaintGradient(painter, w->rect(), true, 1, {QColor(0xFF, 0xFF, 0xFF), QColor(0xC0, 0xC0, 0xC0)});
}

QStyle::StandardPixmap iconOf(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return QStyle::SP_MessageBoxWarning;
    case mtError: return QStyle::SP_MessageBoxCritical;
    case mtInformation: return QStyle::SP_MessageBoxInformation;
    case mtConfirmation: return QStyle::SP_MessageBoxQuestion;
    case mtCustom: break;
  }
  return QStyle::SP_CustomBase;
}

}  // namespace

QString buttonCaption(TMsgDlgBtn button, TLanguage language) {
  return langText(language, kContext, kButtonCaptions[button]);
}

QString dialogTitle(TMsgDlgType type, TLanguage language) {
  if (type == mtCustom || type < 0 || type > mtCustom) {
    const QString name = QGuiApplication::applicationDisplayName();
    return name.isEmpty() ? QCoreApplication::applicationName() : name;
  }
  return langText(language, kContext, kTitles[type]);
}

int defaultButtonOf(TMsgDlgButtons buttons) {
  if (buttons.contains(mbOK)) return mbOK;
  if (buttons.contains(mbYes)) return mbYes;
  if (buttons.contains(mbRetry)) return mbRetry;
  return -1;
}

int cancelButtonOf(TMsgDlgButtons buttons) {
  if (buttons.contains(mbCancel)) return mbCancel;
  if (buttons.contains(mbNo)) return mbNo;
  if (buttons.contains(mbOK)) return mbOK;
  return -1;
}

// ---------------------------------------------------------------------------

TMessageForm::TMessageForm(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons,
                           TLanguage language, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("MessageForm"));
  setFont(QApplication::font("QMessageBox"));
  setLayoutDirection(QGuiApplication::layoutDirection());
  const QFontMetrics fm(font());
  const QSize avg = averageCharSize(fm);
  const int cx = avg.width(), cy = avg.height();
  const int hMargin = mulDiv(8, cx, 4), vMargin = mulDiv(8, cy, 8);
  const int hSpacing = mulDiv(10, cx, 4), vSpacing = mulDiv(10, cy, 8);
  const int buttonHeight = mulDiv(14, cy, 8), buttonSpacing = mulDiv(4, cx, 4);

  int buttonWidth = mulDiv(50, cx, 4);
  int count = 0;
  for (int b = 0; b < kButtonCount; ++b) {
    if (!buttons.contains(static_cast<TMsgDlgBtn>(b))) continue;
    ++count;
    if (g_captionWidths[b] == 0)
      g_captionWidths[b] = fm.horizontalAdvance(withoutMnemonic(buttonCaption(static_cast<TMsgDlgBtn>(b), language)));
    buttonWidth = std::max(buttonWidth, g_captionWidths[b] + 8);
  }

  const QRect textRect = fm.boundingRect(QRect(0, 0, screenRect(this).width() / 2, 0),
                                         Qt::TextWordWrap | Qt::TextExpandTabs, text);
  const bool hasIcon = type != mtCustom && type >= mtWarning && type < mtCustom;
  const int textWidth = textRect.width(), textHeight = textRect.height();
  const int blockWidth = textWidth + (hasIcon ? 32 + hSpacing : 0);
  const int blockHeight = hasIcon ? std::max(textHeight, 32) : textHeight;
  const int rowWidth = count * buttonWidth + std::max(0, count - 1) * buttonSpacing;
  const int clientWidth = std::max(blockWidth, rowWidth) + 2 * hMargin;
  const int clientHeight = blockHeight + vSpacing + buttonHeight + 2 * vMargin;
  setFixedSize(clientWidth, clientHeight);
  setWindowTitle(dialogTitle(type, language));

  const bool rtl = layoutDirection() == Qt::RightToLeft;
  const auto place = [&](QWidget* w, int x, int y, int width, int height) {
    w->setGeometry(rtl ? clientWidth - x - width : x, y, width, height);
  };

  int textLeft = hMargin;
  if (hasIcon) {
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image"));
    image->setPixmap(style()->standardIcon(iconOf(type), nullptr, this).pixmap(32, 32));
    place(image, hMargin, vMargin, 32, 32);
    textLeft = hMargin + 32 + hSpacing;
  }
  m_message = new QLabel(text, this);
  m_message->setObjectName(QStringLiteral("Message"));
  m_message->setWordWrap(true);
  m_message->setTextFormat(Qt::PlainText);
  place(m_message, textLeft, vMargin, textWidth + 1, textHeight);

  int x = (clientWidth - rowWidth) / 2;
  const int top = blockHeight + vMargin + vSpacing;
  const int def = defaultButtonOf(buttons), cancel = cancelButtonOf(buttons);
  for (int b = 0; b < kButtonCount; ++b) {
    const auto btn = static_cast<TMsgDlgBtn>(b);
    if (!buttons.contains(btn)) continue;
    auto* button = new QPushButton(buttonCaption(btn, language), this);
    button->setObjectName(QString::fromLatin1(kButtonNames[b]));
    button->setAutoDefault(false);
    place(button, x, top, buttonWidth, buttonHeight);
    x += buttonWidth + buttonSpacing;
    m_buttons[b] = button;
    if (btn == mbHelp) {
      // No help topics exist; the button stays without closing the box.
    } else {
      const int result = modalResultOf(btn);
      connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    }
    if (b == def) {
      button->setDefault(true);
      m_default = button;
    }
    if (b == cancel) m_cancel = button;
  }
  if (m_default) m_default->setFocus();
  centreOnScreen(this);
}

QPushButton* TMessageForm::button(TMsgDlgBtn b) const { return m_buttons[b]; }

void TMessageForm::paintEvent(QPaintEvent*) { paintDialogGradient(this); }

void TMessageForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    if (m_cancel) m_cancel->click();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

// Closing with the close box gives Cancel, whatever buttons the box has.
void TMessageForm::reject() { done(mrCancel); }

// ---------------------------------------------------------------------------

TQueryForm::TQueryForm(const QString& caption, const QString& prompt, const QString& value,
                       TLanguage language, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("QueryForm"));
  setWindowTitle(caption);
  const QFontMetrics fm(font());
  const QSize avg = averageCharSize(fm);
  const int cx = avg.width(), cy = avg.height();
  setFixedSize(mulDiv(180, cx, 4), mulDiv(63, cy, 8));

  auto* label = new QLabel(prompt, this);
  label->setObjectName(QStringLiteral("Prompt"));
  label->move(mulDiv(8, cx, 4), mulDiv(8, cy, 8));
  label->adjustSize();

  m_edit = new QLineEdit(this);
  m_edit->setObjectName(QStringLiteral("Edit"));
  m_edit->setMaxLength(255);
  m_edit->setText(value);
  m_edit->selectAll();
  m_edit->setGeometry(mulDiv(8, cx, 4), mulDiv(19, cy, 8), mulDiv(164, cx, 4), m_edit->sizeHint().height());
  label->setBuddy(m_edit);

  const int bw = mulDiv(50, cx, 4), bh = mulDiv(14, cy, 8), top = mulDiv(41, cy, 8);
  m_ok = new QPushButton(QStringLiteral("OK"), this);
  m_ok->setObjectName(QStringLiteral("OK"));
  m_ok->setGeometry(mulDiv(38, cx, 4), top, bw, bh);
  m_ok->setDefault(true);
  connect(m_ok, &QPushButton::clicked, this, [this] { done(mrOk); });
  m_cancel = new QPushButton(buttonCaption(mbCancel, language), this);
  m_cancel->setObjectName(QStringLiteral("Cancel"));
  m_cancel->setAutoDefault(false);
  m_cancel->setGeometry(mulDiv(92, cx, 4), top, bw, bh);
  connect(m_cancel, &QPushButton::clicked, this, [this] { done(mrCancel); });
  m_edit->setFocus();
  centreOnScreen(this);
}

void TQueryForm::paintEvent(QPaintEvent*) { paintDialogGradient(this); }

void TQueryForm::reject() { done(mrCancel); }

// ---------------------------------------------------------------------------

TSelectDirDlg::TSelectDirDlg(const QString& folder, const QString& caption, const QString& prompt,
                             TLanguage language, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("SelectDirDlg"));
  setWindowTitle(caption);
  setFixedSize(280, 320);

  m_heading = new QLabel(prompt, this);
  m_heading->setObjectName(QStringLiteral("LabelUeberschrift"));
  m_heading->setAlignment(Qt::AlignCenter);
  m_heading->setWordWrap(true);
  m_heading->setGeometry(15, 8, 250, 30);

  m_model = new QFileSystemModel(this);
  m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  m_model->setReadOnly(true);
  m_model->setRootPath(QString());
  m_tree = new QTreeView(this);
  m_tree->setObjectName(QStringLiteral("ShellTreeView"));
  m_tree->setModel(m_model);
  for (int c = 1; c < m_model->columnCount(); ++c) m_tree->hideColumn(c);
  m_tree->header()->hide();
  m_tree->setGeometry(15, 48, 250, 225);

  m_ok = new QPushButton(QStringLiteral("OK"), this);
  m_ok->setObjectName(QStringLiteral("OKButton"));
  m_ok->setGeometry(20, 285, 100, 25);
  m_ok->setAutoDefault(false);
  connect(m_ok, &QPushButton::clicked, this, [this] { done(mrOk); });
  m_no = new QPushButton(this);
  m_no->setObjectName(QStringLiteral("NoButton"));
  m_no->setIcon(style()->standardIcon(QStyle::SP_DialogNoButton, nullptr, this));
  m_no->setToolTip(buttonCaption(mbNo, language).remove('&'));
  m_no->setGeometry(125, 285, 30, 25);
  m_no->setAutoDefault(false);
  connect(m_no, &QPushButton::clicked, this, [this] { done(mrNo); });
  m_abort = new QPushButton(buttonCaption(mbAbort, language), this);
  m_abort->setObjectName(QStringLiteral("AbortButton"));
  m_abort->setGeometry(160, 285, 100, 25);
  m_abort->setAutoDefault(false);
  connect(m_abort, &QPushButton::clicked, this, [this] { done(mrAbort); });

  // Start folder: the given folder as a full path; when it cannot be shown, the
  // current folder.
  if (!folder.isEmpty()) {
    const QString full = QDir::cleanPath(QDir::current().absoluteFilePath(folder));
    if (!selectFolder(full)) selectFolder(QDir::currentPath());
  }
  m_tree->setFocus();
  centreOnScreen(this);
}

bool TSelectDirDlg::selectFolder(const QString& path) {
  const QFileInfo info(path);
  if (!QDir::isAbsolutePath(path) || !info.isDir()) return false;
  const QModelIndex index = m_model->index(QDir::cleanPath(path));
  if (!index.isValid()) return false;
  m_tree->setCurrentIndex(index);
  for (QModelIndex p = index.parent(); p.isValid(); p = p.parent()) m_tree->expand(p);
  m_tree->scrollTo(index);
  return true;
}

QString TSelectDirDlg::selectedFolder() const {
  const QModelIndex index = m_tree->currentIndex();
  if (!index.isValid()) return {};
  QString path = m_model->filePath(index);
  if (!QDir::isAbsolutePath(path)) return {};  // not a folder of the file system
  if (!path.endsWith('/')) path += '/';
  return path;
}

void TSelectDirDlg::paintEvent(QPaintEvent*) { paintDialogGradient(this); }

// Closing the window keeps the folder, as Abort does.
void TSelectDirDlg::reject() { done(mrAbort); }

// ---------------------------------------------------------------------------

int QtDialogService::messageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons,
                                TLanguage language, int, int x, int y, const QString&) {
  TMessageForm form(text, type, buttons, language, QApplication::activeWindow());
  if (x >= 0 || y >= 0) form.move(x >= 0 ? x : form.x(), y >= 0 ? y : form.y());
  return form.exec();
}

bool QtDialogService::inputQuery(const QString& caption, const QString& prompt, QString& value,
                                 TLanguage language) {
  TQueryForm form(caption, prompt, value, language, QApplication::activeWindow());
  if (form.exec() != mrOk) return false;
  value = form.edit()->text();
  return true;
}

int QtDialogService::selectDirectory(QString& folder, const QString& caption, const QString& prompt,
                                     TLanguage language) {
  TSelectDirDlg form(folder, caption, prompt, language, QApplication::activeWindow());
  const int result = form.exec();
  if (result == mrOk)
    folder = form.selectedFolder();
  else if (result == mrNo)
    folder.clear();
  return result == mrOk || result == mrNo ? result : mrAbort;
}

}  // namespace vantorim::common
