#include "gui/common/UpDownLong.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLocale>
#include <QLineEdit>
#include <QToolButton>

namespace vantorim::common {

namespace {
const char* kOwnerProperty = "vantorimUpDownOwner";
}

TUpDownLong::TUpDownLong(QWidget* parent) : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
  m_up->setArrowType(Qt::UpArrow);
  m_down->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {m_up, m_down}) {
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    b->setFixedWidth(16);
  }
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(m_up);
  layout->addWidget(m_down);
  connect(m_up, &QToolButton::clicked, this, [this] { step(btNext); });
  connect(m_down, &QToolButton::clicked, this, [this] { step(btPrev); });
  setFixedWidth(16);
}

TUpDownLong::~TUpDownLong() {
  if (m_associate) {
    m_associate->removeEventFilter(this);
    m_associate->setProperty(kOwnerProperty, QVariant());
  }
}

void TUpDownLong::setMin(std::int32_t v) {
  m_min = v;
  if (m_position < m_min) setPosition(m_min);
}

void TUpDownLong::setMax(std::int32_t v) {
  m_max = v;
  if (m_position > m_max) setPosition(m_max);
}

void TUpDownLong::setPosition(std::int32_t v) {
  m_position = std::clamp(v, std::min(m_min, m_max), std::max(m_min, m_max));
  writeText();
}

void TUpDownLong::setOrientation(TUDOrientation v) {
  m_orientation = v;
  m_up->setArrowType(v == udVertical ? Qt::UpArrow : Qt::RightArrow);
  m_down->setArrowType(v == udVertical ? Qt::DownArrow : Qt::LeftArrow);
}

bool TUpDownLong::setAssociate(QLineEdit* edit, QString* error) {
  if (edit == m_associate) return true;
  if (edit) {
    const QVariant owner = edit->property(kOwnerProperty);
    if (owner.isValid() && owner.value<QObject*>() != this) {
      if (error) *error = tr("%1 is already associated with %2").arg(edit->objectName(), owner.value<QObject*>()->objectName());
      return false;
    }
  }
  if (m_associate) {
    m_associate->removeEventFilter(this);
    m_associate->setProperty(kOwnerProperty, QVariant());
  }
  m_associate = edit;
  if (edit) {
    edit->setProperty(kOwnerProperty, QVariant::fromValue<QObject*>(this));
    edit->installEventFilter(this);
    writeText();
  }
  return true;
}

void TUpDownLong::step(TUDBtnType button) {
  // A number typed into the edit counts as the current position.
  if (m_associate) {
    bool ok = false;
    const qint64 typed = m_associate->text().remove(QLocale().groupSeparator()).toLongLong(&ok);
    if (ok) m_position = static_cast<std::int32_t>(std::clamp<qint64>(typed, m_min, m_max));
  }
  qint64 next = static_cast<qint64>(m_position) + (button == btNext ? m_increment : -m_increment);
  if (next > m_max) next = m_wrap ? m_min : m_max;
  if (next < m_min) next = m_wrap ? m_max : m_min;
  bool allow = true;
  emit OnChanging(allow);
  emit OnChangingEx(allow, static_cast<std::int32_t>(next), button == btNext ? updUp : updDown);
  if (allow && next != m_position) setPosition(static_cast<std::int32_t>(next));
  emit OnClick(button);
}

bool TUpDownLong::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_associate && m_arrowKeys && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up) { step(btNext); return true; }
    if (key == Qt::Key_Down) { step(btPrev); return true; }
  }
  return QWidget::eventFilter(watched, event);
}

void TUpDownLong::writeText() {
  if (!m_associate) return;
  // Plain decimal even with Thousands: the fields are read back as integers.
  m_associate->setText(QString::number(m_position));
}

}  // namespace vantorim::common
