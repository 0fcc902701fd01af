#include "gui/common/GuiHelpers.h"

#include <QPainter>
#include <QPixmap>

#include "core/common/FileHelpers.h"
#include "gui/common/DialogService.h"
#include "gui/common/LangText.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStyle>
#include <QTimer>
#include <QUrl>

namespace vantorim::common {

QIcon themeIcon(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const QString n = QString::fromLatin1(name);
    if (QIcon::hasThemeIcon(n)) return QIcon::fromTheme(n);
  }
  return {};
}

QIcon pieChartIcon() {
  QIcon icon;
  for (int size : {16, 24, 32}) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1, 1, size - 2, size - 2);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(70, 130, 200));
    p.drawPie(r, 90 * 16, 250 * 16);
    p.setBrush(QColor(240, 180, 40));
    p.drawPie(r, 340 * 16, 110 * 16);
    p.end();
    icon.addPixmap(pm);
  }
  return icon;
}


void ExecuteFile(const QString& file, const QString& parameters, const QString& folder, int) {
  const QString f = file.left(255), p = parameters.left(255), d = folder.left(255);
  if (f.isEmpty()) return;
  const QUrl url = QUrl::fromUserInput(f, d.isEmpty() ? QDir::currentPath() : d, QUrl::AssumeLocalFile);
  if (!p.isEmpty() && url.isLocalFile() && QFileInfo(url.toLocalFile()).isExecutable() &&
      !QFileInfo(url.toLocalFile()).isDir()) {
    QProcess::startDetached(url.toLocalFile(), QProcess::splitCommand(p), d);
    return;
  }
  QDesktopServices::openUrl(url);
}

QString selectDirectoryCaption(app::TLanguage language) {
  return langText(language, "Allgemein", QT_TRANSLATE_NOOP("Allgemein", "Select Directory"));
}

QString selectDirectoryPrompt(app::TLanguage language) {
  return langText(language, "Allgemein",
                  QT_TRANSLATE_NOOP("Allgemein", "Please select the destination directory:"));
}

QString destinationFolderHint(app::TLanguage language) {
  return langText(language, "Allgemein",
                  QT_TRANSLATE_NOOP("Allgemein", "Selection of a destination directory"));
}

void SelectFolderForEdit(QLineEdit* edit, app::TLanguage language) {
  if (!edit) return;
  QString folder = edit->text();
  if (!folder.isEmpty()) {
    if (!DriveReady(folder)) {
      edit->setText(QStringLiteral("/"));
      return;
    }
    if (!QFileInfo(folder).isDir()) folder = NearestExistingFolder(folder);
  }
  const int result = LangSelectDirectory(folder, selectDirectoryCaption(language),
                                         selectDirectoryPrompt(language), language);
  if (result == mrOk || result == mrNo) edit->setText(folder);
}

// ---------------------------------------------------------------------------

TBalloonHint::TBalloonHint(QWidget* control)
    : QObject(control), m_control(control), m_showTimer(new QTimer(this)), m_hideTimer(new QTimer(this)) {
  m_showTimer->setSingleShot(true);
  m_showTimer->setInterval(500);
  m_hideTimer->setSingleShot(true);
  m_hideTimer->setInterval(10000);
  connect(m_showTimer, &QTimer::timeout, this, &TBalloonHint::showNow);
  connect(m_hideTimer, &QTimer::timeout, this, &TBalloonHint::hideNow);
  control->installEventFilter(this);
}

TBalloonHint::~TBalloonHint() { delete m_window; }

void TBalloonHint::setContent(int iconKind, const QString& title, const QColor& textColor,
                              const QColor& backgroundColor, const QString& text) {
  m_iconKind = ((iconKind % 4) + 4) % 4;
  m_title = title;
  m_text = text;
  m_textColor = textColor;
  m_backgroundColor = backgroundColor;
  if (m_window && m_window->isVisible()) showNow();
}

QWidget* TBalloonHint::balloon() const { return m_window; }

void TBalloonHint::showNow() {
  if (!m_window) {
    m_window = new QFrame(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    m_window->setObjectName(QStringLiteral("BalloonHint"));
    auto* layout = new QHBoxLayout(m_window);
    layout->setContentsMargins(8, 6, 8, 6);
    m_icon = new QLabel(m_window);
    m_icon->setObjectName(QStringLiteral("BalloonIcon"));
    m_label = new QLabel(m_window);
    m_label->setObjectName(QStringLiteral("BalloonText"));
    m_label->setTextFormat(Qt::RichText);
    layout->addWidget(m_icon, 0, Qt::AlignTop);
    layout->addWidget(m_label, 1);
  }
  static const QStyle::StandardPixmap icons[4] = {QStyle::SP_CustomBase, QStyle::SP_MessageBoxInformation,
                                                  QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical};
  m_icon->setVisible(m_iconKind != 0);
  if (m_iconKind != 0) m_icon->setPixmap(m_control->style()->standardIcon(icons[m_iconKind]).pixmap(16, 16));
  QString html;
  if (!m_title.isEmpty()) html += QStringLiteral("<b>%1</b><br>").arg(m_title.toHtmlEscaped());
  html += m_text.toHtmlEscaped().replace('\n', QLatin1String("<br>"));
  m_label->setText(html);
  m_window->setStyleSheet(QStringLiteral("QFrame#BalloonHint { background: %2; border: 1px solid #808080; }"
                                         " QLabel { color: %1; background: transparent; }")
                              .arg(m_textColor.name(), m_backgroundColor.name()));
  m_window->adjustSize();
  const QPoint below = m_control->mapToGlobal(QPoint(m_control->width() / 2, m_control->height()));
  m_window->move(below.x() - 12, below.y() + 2);
  m_window->show();
  m_window->raise();
  m_hideTimer->start();
}

void TBalloonHint::hideNow() {
  m_showTimer->stop();
  m_hideTimer->stop();
  if (m_window) m_window->hide();
}

bool TBalloonHint::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_control) {
    switch (event->type()) {
      case QEvent::Enter:
        m_showTimer->start();
        break;
      case QEvent::Leave:
      case QEvent::Hide:
      case QEvent::MouseButtonPress:
        hideNow();
        break;
      default: break;
    }
  }
  return QObject::eventFilter(watched, event);
}

void ShowBalloonHint(QWidget* control, int iconKind, const QString& title, QPointer<TBalloonHint>& handle,
                     const QColor& textColor, const QColor& backgroundColor, const QString& text) {
  if (!control) return;
  if (!handle) handle = new TBalloonHint(control);
  handle->setContent(iconKind, title, textColor, backgroundColor, text);
}

}  // namespace vantorim::common
