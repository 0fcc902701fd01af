#include "gui/app/FormInfo.h"

#include "gui/common/LangText.h"
#include "gui/common/PaintGradient.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace vantorim::gui {

namespace {
constexpr char kHomepage[] = "https://belvantic.example/vantorim/";
constexpr char kMail[] = "mailto:vantorim@belvantic.example";
}  // namespace

TFormInfo::TFormInfo(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Dialog) {
  setObjectName(QStringLiteral("FormInfo"));
  setFixedSize(442, 242);
  m_title = new QLabel(QStringLiteral("Vantorim Steerhall V1.04"), this);
  QFont f = m_title->font();
  f.setPixelSize(22);
  f.setBold(true);
  m_title->setFont(f);
  m_title->setAlignment(Qt::AlignCenter);
  m_title->setGeometry(30, 40, 382, 40);
  auto* sub = new QLabel(QStringLiteral("Belvantic"), this);
  sub->setAlignment(Qt::AlignCenter);
  sub->setGeometry(30, 82, 382, 20);
  auto makeLink = [this](const QString& text, const char* url) {
    auto* l = new QLabel(this);
    l->setText(QStringLiteral("<a href=\"%1\" style=\"color:#000080\"><b>%2</b></a>").arg(QLatin1String(url), text));
    l->setTextFormat(Qt::RichText);
    l->setOpenExternalLinks(false);
    l->setCursor(Qt::PointingHandCursor);
    connect(l, &QLabel::linkActivated, this, [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); });
    return l;
  };
  m_homepage = makeLink(QStringLiteral("Homepage"), kHomepage);
  m_homepage->setGeometry(60, 125, 150, 22);
  m_homepage->setAlignment(Qt::AlignCenter);
  m_mail = makeLink(QStringLiteral("EMail"), kMail);
  m_mail->setGeometry(232, 125, 150, 22);
  m_mail->setAlignment(Qt::AlignCenter);
  m_close = new QPushButton(this);
  m_close->setGeometry(171, 180, 100, 28);
  connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
  setLanguage(app::AppLanguage);
}

void TFormInfo::setLanguage(app::TLanguage language) {
  m_close->setText(common::langText(language, "TFormInfo", "&Close"));
}

void TFormInfo::showEvent(QShowEvent* event) {
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
}

void TFormInfo::paintEvent(QPaintEvent*) {
  QPainter p(this);
  common::PaintGradient(p, rect(), false, 1, {QColor(192, 192, 192), QColor(255, 255, 255)});
  common::PaintYellowFrame(p, rect());
}

void TFormInfo::mousePressEvent(QMouseEvent* event) {
  m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void TFormInfo::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) move(event->globalPosition().toPoint() - m_dragOffset);
}

}  // namespace vantorim::gui
