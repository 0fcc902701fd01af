#include "gui/rename/FilenamePreview.h"

#include "core/rename/NameText.h"

#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace vantorim::rename {

namespace {
const char* kContext = "TFilenamePreview";
}

TFilenamePreview::TFilenamePreview(QWidget* parent)
    : QWidget(parent), m_strip(new QWidget(this)), m_title(new QLabel(m_strip)), m_width(new QSpinBox(m_strip)),
      m_back(new QToolButton(m_strip)), m_grid(new QTableWidget(10, 2, this)) {
  resize(250, 400);
  m_strip->setFixedHeight(36);
  m_strip->setAutoFillBackground(true);
  QPalette pal = m_strip->palette();
  QLinearGradient g(0, 0, 1, 0);
  g.setCoordinateMode(QGradient::ObjectMode);
  g.setColorAt(0, QColor(0x40, 0x60, 0xA0));
  g.setColorAt(1, QColor(0xC0, 0xD0, 0xF0));
  pal.setBrush(QPalette::Window, g);
  m_strip->setPalette(pal);
  QFont f("Comic Sans MS", 14);
  m_title->setFont(f);
  m_title->setAlignment(Qt::AlignCenter);
  m_width->setReadOnly(true);
  m_width->setMaximum(2048);
  m_width->setGeometry(4, 6, 64, 24);
  m_back->setArrowType(Qt::LeftArrow);
  m_back->resize(30, 30);
  connect(m_back, &QToolButton::clicked, this, &TFilenamePreview::OnBackBtnClick);
  connect(m_width, &QSpinBox::valueChanged, this, [this](int w) {
    m_grid->setColumnWidth(0, w);
    m_grid->setColumnWidth(1, w);
  });
  m_grid->verticalHeader()->hide();
  m_grid->verticalHeader()->setDefaultSectionSize(16);
  m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(m_strip);
  layout->addWidget(m_grid);
  applyLanguage();
}

void TFilenamePreview::setEvents(gui::PanelEvents* events) {
  if (events) connect(this, &TFilenamePreview::OnBackBtnClick, this, [this, events] { events->OnBackBtnClick(this); });
}

void TFilenamePreview::applyLanguage() {
  m_title->setText(text(kContext, "Preview"));
  m_grid->setHorizontalHeaderLabels({text(kContext, "Old Filename"), text(kContext, "New Filename")});
}

void TFilenamePreview::setRows(int rows) {
  m_grid->clearContents();
  m_grid->setRowCount(rows);
}

void TFilenamePreview::Show() {
  if (m_old.size() != m_new.size()) return;
  if (m_old.isEmpty()) {
    setRows(1);
    return;
  }
  m_grid->setUpdatesEnabled(false);
  setRows(static_cast<int>(m_old.size()));
  for (int i = 0; i < m_old.size(); ++i) {
    m_grid->setItem(i, 0, new QTableWidgetItem(fileNameOf(m_old.at(i))));
    m_grid->setItem(i, 1, new QTableWidgetItem(fileNameOf(m_new.at(i))));
  }
  m_grid->setUpdatesEnabled(true);
}

void TFilenamePreview::Clear() {
  setRows(1);
  m_old.clear();
  m_new.clear();
}

void TFilenamePreview::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int col = (width() - 22) / 2;
  m_width->blockSignals(true);
  m_width->setMinimum(width() / 2 - 11);
  m_width->setValue(width() / 2 - 11);
  m_width->blockSignals(false);
  m_grid->setColumnWidth(0, col);
  m_grid->setColumnWidth(1, col);
  m_title->setGeometry(0, 0, m_strip->width(), m_strip->height());
  m_back->move(m_strip->width() - 40, 3);
  m_width->raise();
  m_back->raise();
}

}  // namespace vantorim::rename
