#include "gui/app/FormSprache.h"

#include "gui/app/Application.h"
#include "gui/common/DialogService.h"
#include "gui/common/LangText.h"
#include "gui/common/PaintGradient.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace vantorim::gui {

namespace {

constexpr const char* kContext = "TFormSprache";
constexpr int kWidth = 283, kHeight = 229, kFrame = 21, kLowerTop = 160;

// Small flag pictures: the German tricolour and two English ones.
QPixmap flag(int kind) {
  QPixmap pix(32, 20);
  QPainter p(&pix);
  if (kind == 0) {
    p.fillRect(0, 0, 32, 7, QColor(0, 0, 0));
    p.fillRect(0, 7, 32, 6, QColor(0xDD, 0, 0));
    p.fillRect(0, 13, 32, 7, QColor(0xFF, 0xCE, 0));
  } else if (kind == 1) {
    p.fillRect(pix.rect(), QColor(0x01, 0x21, 0x69));
    p.setPen(QPen(Qt::white, 4));
    p.drawLine(0, 0, 32, 20);
    p.drawLine(32, 0, 0, 20);
    p.setPen(QPen(QColor(0xC8, 0x10, 0x2E), 1.5));
    p.drawLine(0, 0, 32, 20);
    p.drawLine(32, 0, 0, 20);
    p.fillRect(12, 0, 8, 20, Qt::white);
    p.fillRect(0, 7, 32, 6, Qt::white);
    p.fillRect(14, 0, 4, 20, QColor(0xC8, 0x10, 0x2E));
    p.fillRect(0, 8, 32, 4, QColor(0xC8, 0x10, 0x2E));
  } else {
    for (int i = 0; i < 7; ++i) p.fillRect(0, i * 3, 32, 3, i % 2 ? Qt::white : QColor(0xB2, 0x22, 0x34));
    p.fillRect(0, 0, 14, 11, QColor(0x3C, 0x3B, 0x6E));
  }
  p.setPen(QColor(0x80, 0x80, 0x80));
  p.drawRect(0, 0, 31, 19);
  return pix;
}

}  // namespace

TFormSprache::TFormSprache(app::SettingsStore& store, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_store(store) {
  setObjectName(QStringLiteral("FormSprache"));
  setFixedSize(kWidth, kHeight);
  setWindowTitle(QStringLiteral("Sprache / Language"));

  const char* hints[3] = {"Sprache: deutsch", "Language: english", "Language: english"};
  for (int i = 0; i < 3; ++i) {
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ImageFlag%1").arg(i + 1));
    picture->setPixmap(flag(i));
    picture->setToolTip(QString::fromLatin1(hints[i]));
    picture->setGeometry(kFrame + 30 + i * 70, kFrame + 8, 32, 20);
  }

  m_group = new QGroupBox(QStringLiteral("Sprache / Language"), this);
  m_group->setObjectName(QStringLiteral("RadioGroupSprache"));
  m_group->setGeometry(kFrame + 8, kFrame + 34, kWidth - 2 * kFrame - 16, 70);
  auto* column = new QVBoxLayout(m_group);
  column->setContentsMargins(10, 2, 10, 2);
  column->setSpacing(2);
  m_german = new QRadioButton(QStringLiteral("deutsch"), m_group);
  m_english = new QRadioButton(QStringLiteral("english"), m_group);
  m_german->setObjectName(QStringLiteral("RadioDeutsch"));
  m_english->setObjectName(QStringLiteral("RadioEnglish"));
  column->addWidget(m_german);
  column->addWidget(m_english);
  connect(m_german, &QRadioButton::toggled, this, [this](bool on) {
    if (on) setCaptionsFor(app::lgGerman);
  });
  connect(m_english, &QRadioButton::toggled, this, [this](bool on) {
    if (on) setCaptionsFor(app::lgEnglish);
  });

  m_check = new QCheckBox(QStringLiteral("bei jedem Start anzeigen"), this);
  m_check->setObjectName(QStringLiteral("CheckBox01"));
  m_check->setGeometry(kFrame + 10, kFrame + 108, kWidth - 2 * kFrame - 20, 22);

  const int buttonTop = kLowerTop + (kHeight - kFrame - kLowerTop - 30) / 2;
  m_ok = new QPushButton(QStringLiteral("OK"), this);
  m_ok->setObjectName(QStringLiteral("BitBtnOK"));
  m_ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  m_ok->setGeometry(kFrame + 7, buttonTop, 110, 30);
  m_ok->setDefault(true);
  m_abort = new QPushButton(QStringLiteral("Abbrechen"), this);
  m_abort->setObjectName(QStringLiteral("BitBtnAbort"));
  m_abort->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  m_abort->setGeometry(kWidth - kFrame - 7 - 110, buttonTop, 110, 30);
  connect(m_ok, &QPushButton::clicked, this, &TFormSprache::confirm);
  connect(m_abort, &QPushButton::clicked, this, &QDialog::reject);

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(kWidth / 2, kHeight / 2));
}

bool TFormSprache::showAtStart() {
  if (!app::AppSettings.Sprachwahl) return false;
  exec();
  return true;
}

void TFormSprache::showEvent(QShowEvent* event) {
  // The choices as stored; the captions follow the selected language.
  const bool english = app::AppSettings.Sprache == 1;
  (english ? m_english : m_german)->setChecked(true);
  setCaptionsFor(english ? app::lgEnglish : app::lgGerman);
  m_check->setChecked(app::AppSettings.Sprachwahl);
  QDialog::showEvent(event);
}

void TFormSprache::setCaptionsFor(app::TLanguage language) {
  m_ok->setText(common::langText(language, kContext, QT_TRANSLATE_NOOP("TFormSprache", "OK")));
  m_abort->setText(common::langText(language, kContext, QT_TRANSLATE_NOOP("TFormSprache", "Abort")));
  m_check->setText(common::langText(language, kContext,
                                    QT_TRANSLATE_NOOP("TFormSprache", "Show at each start of program")));
}

void TFormSprache::confirm() {
  hide();
  QCoreApplication::processEvents();  // the windows behind repaint first
  const bool english = m_english->isChecked();
  app::AppSettings.Sprache = english ? 1 : 0;
  app::AppLanguage = english ? app::lgEnglish : app::lgGerman;
  installTranslations(common::languageCode(app::AppLanguage));
  Q_EMIT applyLanguage();
  app::AppSettings.Sprachwahl = m_check->isChecked();
  const bool written = m_store.writeDword(QString::fromLatin1(app::keys::Sprache),
                                          static_cast<std::uint32_t>(app::AppSettings.Sprache)) &&
                       m_store.writeBool(QString::fromLatin1(app::keys::Sprachwahl), app::AppSettings.Sprachwahl);
  if (!written) {
    const QString text =
        common::langText(app::AppLanguage, kContext,
                         QT_TRANSLATE_NOOP("TFormSprache", "The language could not be saved for the next start: %1"))
            .arg(m_store.lastError());
    common::LangMessageDlg(text, common::mtError, {common::mbOK}, app::AppLanguage);
  }
  accept();
}

void TFormSprache::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect inner = rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
  const QRect upper(inner.left(), inner.top(), inner.width(), kLowerTop - inner.top());
  const QRect lower(inner.left(), kLowerTop, inner.width(), inner.bottom() + 1 - kLowerTop);
  const QColor silver(0xC0, 0xC0, 0xC0), white(0xFF, 0xFF, 0xFF);
  common::PaintGradient(painter, upper, false, 1, {silver, white});
  common::PaintGradient(painter, lower, false, 1, {white, silver});
  common::PaintYellowFrame(painter, rect());
}

void TFormSprache::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
  }
  QDialog::mousePressEvent(event);
}

void TFormSprache::mouseMoveEvent(QMouseEvent* event) {
  if (m_dragging && (event->buttons() & Qt::LeftButton)) move(event->globalPosition().toPoint() - m_dragOffset);
  else m_dragging = false;
  QDialog::mouseMoveEvent(event);
}

}  // namespace vantorim::gui
