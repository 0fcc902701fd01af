#include "gui/rename/FileRename.h"

#include "core/rename/RenameRun.h"
#include "gui/common/DialogService.h"
#include "gui/common/GuiHelpers.h"
#include "gui/common/UpDownLong.h"
#include "gui/rename/FilenamePreview.h"
#include "gui/app/ExplorerInterface.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace vantorim::rename {

namespace {

const char* kContext = "TFileRename";
// The case kinds share English words with the extension case but not German ones.

constexpr int kNarrowNotebook = 294;
constexpr int kWideNotebook = 588;
constexpr int kWideFrom = 1070;
constexpr int kStripWidth = 226;

const char* const kLayerFilters[4] = {"*.*", "*.*", "*.mp3|*.mp+", "*.ttf"};
const char* const kBuiltInExtensions[] = {"*.bak", "*.doc", "*.exe", "*.gif", "*.htm", "*.html",
                                          "*.jpeg", "*.jpg", "*.mp3", "*.mpeg", "*.mpg", "*.pas",
                                          "*.res", "*.tmp", "*.txt", "*.vqf", "*.zip"};

// Clicks on a read-only field open the directory choice.
class ClickFilter : public QObject {
public:
  ClickFilter(QObject* parent, std::function<void()> onClick) : QObject(parent), m_onClick(std::move(onClick)) {}
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::MouseButtonRelease) {
      m_onClick();
      return true;
    }
    return QObject::eventFilter(o, e);
  }

private:
  std::function<void()> m_onClick;
};

QButtonGroup* buttonsOf(const QGroupBox* group) { return group->findChild<QButtonGroup*>(); }

QList<MarkedItem> marksOf(const gui::ExplorerInterface& list) {
  QList<MarkedItem> out;
  for (const gui::MarkedItem& m : list.markedItems()) out.append({m.path, !m.isFile});
  return out;
}

}  // namespace

int TFileRename::radioIndex(const QGroupBox* group) {
  const QButtonGroup* g = buttonsOf(group);
  return g ? std::max(0, g->checkedId()) : 0;
}

void TFileRename::setRadio(QGroupBox* group, int index) {
  if (QButtonGroup* g = buttonsOf(group))
    if (QAbstractButton* b = g->button(index)) b->setChecked(true);
}

TFileRename::TFileRename(QWidget* parent) : QWidget(parent) {
  setMinimumSize(776, 177);
  resize(776, 177);
  build();
  applyLanguage();
  setRenameLayers(m_layers | 0x100);  // force the first application
}

TFileRename::~TFileRename() = default;

// ---------------------------------------------------------------- building

void TFileRename::build() {
  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  auto* left = new QVBoxLayout;
  left->setSpacing(0);
  c.layerTabs = new QTabBar(this);
  c.layerTabs->setFixedHeight(24);
  for (const char* t : {"&Allgemein", "&Funktionen", "&MP3", "&TTF"}) c.layerTabs->addTab(QString::fromUtf8(t));
  c.layerPages = new QStackedWidget(this);
  c.layerPages->addWidget(buildGeneralLayer());
  for (int i = 1; i < 4; ++i) c.layerPages->addWidget(new QWidget(c.layerPages));
  left->addWidget(c.layerTabs);
  left->addWidget(c.layerPages, 1);
  outer->addLayout(left, 1);
  m_strip = buildCommonStrip();
  outer->addWidget(m_strip);
  connect(c.layerTabs, &QTabBar::currentChanged, this, [this](int i) { layerChanged(i); });
}

QWidget* TFileRename::buildCommonStrip() {
  auto* strip = new QWidget(this);
  // At least the designed width; wider where the captions need it in this font.
  strip->setMinimumWidth(kStripWidth);
  strip->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  auto* v = new QVBoxLayout(strip);
  v->setContentsMargins(4, 2, 4, 2);
  v->setSpacing(2);

  c.targetGroup = new QGroupBox(strip);
  auto* tg = new QVBoxLayout(c.targetGroup);
  tg->setContentsMargins(4, 2, 4, 2);
  tg->setSpacing(0);
  auto* tgButtons = new QButtonGroup(c.targetGroup);
  const char* targetItems[] = {"", "and move to destination directory", "and copy to destination directory"};
  for (int i = 0; i < 3; ++i) {
    auto* r = new QRadioButton(c.targetGroup);
    tgButtons->addButton(r, i);
    tg->addWidget(r);
    c.targetModes << r;
    const char* src = targetItems[i];
    m_captions.push_back([this, r, src] { r->setText(*src ? text(kContext, src) : QString()); });
  }
  c.targetModes[0]->setChecked(true);
  m_captions.push_back([this] { c.targetGroup->setTitle(text(kContext, "Rename files")); });
  v->addWidget(c.targetGroup);
  connect(tgButtons, &QButtonGroup::idToggled, this, [this](int, bool on) { if (on) RefreshPreview(); });

  auto* dirRow = new QHBoxLayout;
  auto* icon = new QLabel(strip);
  icon->setPixmap(QIcon::fromTheme("folder").pixmap(16, 16));
  auto* dirLabel = new QLabel(strip);
  m_captions.push_back([this, dirLabel] { dirLabel->setText(text(kContext, "Destination Directory")); });
  dirRow->addWidget(icon);
  dirRow->addWidget(dirLabel, 1);
  v->addLayout(dirRow);
  c.targetDir = new QLineEdit(strip);
  c.targetDir->setReadOnly(true);
  c.targetDir->setObjectName("EditZielverzeichnis");
  c.targetDir->installEventFilter(new ClickFilter(c.targetDir, [this] { chooseTargetDirectory(); }));
  m_captions.push_back([this] { c.targetDir->setToolTip(text(kContext, "Set destination directory. Please click !!!")); });
  v->addWidget(c.targetDir);

  c.recursive = new QCheckBox(strip);
  m_captions.push_back([this] {
    c.recursive->setText(text(kContext, "Search Directories Recursive"));
    c.recursive->setToolTip(text(kContext, "Here you can choose whether to search the sub-directories as well"));
  });
  c.useFileList = new QCheckBox(strip);
  m_captions.push_back([this] { c.useFileList->setText(text(kContext, "File List")); });
  c.logicalSorting = new QCheckBox(strip);
  c.logicalSorting->setVisible(false);
  c.logicalSorting->setEnabled(false);
  m_captions.push_back([this] {
    c.logicalSorting->setText(text(kContext, "Logical Sorting"));
    c.logicalSorting->setToolTip(text(kContext, "Logical sorting after the first number within the file name."));
  });
  c.preview = new QPushButton(strip);
  c.preview->setCheckable(true);
  m_captions.push_back([this] {
    c.preview->setText(text(kContext, "Preview"));
    c.preview->setToolTip(text(kContext, "Preview"));
  });
  for (QWidget* w : std::initializer_list<QWidget*>{c.recursive, c.useFileList, c.logicalSorting, c.preview})
    v->addWidget(w);
  v->addStretch(1);
  connect(c.recursive, &QCheckBox::clicked, this, [this] { recursiveClicked(); });
  connect(c.useFileList, &QCheckBox::clicked, this, [this] { useFileListClicked(); });
  connect(c.logicalSorting, &QCheckBox::toggled, this, [this] { RefreshPreview(); });
  connect(c.preview, &QPushButton::clicked, this, [this] { previewClicked(); });
  m_balloon = new common::TBalloonHint(c.targetDir);
  return strip;
}

QWidget* TFileRename::buildGeneralLayer() {
  auto* layer = new QWidget(this);
  m_generalLayer = layer;
  auto* h = new QHBoxLayout(layer);
  h->setContentsMargins(2, 2, 2, 2);
  m_modeScroll = new QScrollArea(layer);
  m_modeScroll->setWidgetResizable(true);
  m_modeScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  c.modeGroup = new QGroupBox;
  auto* mv = new QVBoxLayout(c.modeGroup);
  mv->setSpacing(0);
  auto* modeButtons = new QButtonGroup(c.modeGroup);
  static const char* const modeNames[kGeneralModeCount] = {
      "Number Index", "Character Index", "Complete Existing Filename", "Replace Symbol Series",
      "Insert Symbol Series", "Cut Out Symbol Series", "Upper/Lower Case", "Shorten Existing Filename",
      "Change File Extension", "Date / Time", "External Renaming Function"};
  for (int i = 0; i < kGeneralModeCount; ++i) {
    auto* r = new QRadioButton(c.modeGroup);
    modeButtons->addButton(r, i);
    mv->addWidget(r);
    c.modes << r;
    const char* src = modeNames[i];
    m_captions.push_back([this, r, src] { r->setText(text(kContext, src)); });
  }
  c.modes[0]->setChecked(true);
  m_captions.push_back([this] {
    c.modeGroup->setTitle(text(kContext, "Options"));
    c.modeGroup->setToolTip(text(kContext, "Here you can choose the desired criterion"));
  });
  m_modeScroll->setWidget(c.modeGroup);
  h->addWidget(m_modeScroll, 1);
  c.options = new QStackedWidget(layer);
  c.options->setFixedWidth(kNarrowNotebook);
  h->addWidget(c.options);
  buildOptionPages();
  connect(modeButtons, &QButtonGroup::idToggled, this, [this](int id, bool on) { if (on) modeChanged(id); });
  return layer;
}

void TFileRename::buildOptionPages() {
  auto refresh = [this] { RefreshPreview(); };
  auto radio = [this, refresh](QWidget* parent, const char* title, std::vector<const char*> items,
                               int columns = 1, const char* itemContext = kContext) {
    auto* g = new QGroupBox(parent);
    auto* grid = new QGridLayout(g);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(0);
    auto* buttons = new QButtonGroup(g);
    const int rows = static_cast<int>((items.size() + columns - 1) / columns);
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
      auto* r = new QRadioButton(g);
      buttons->addButton(r, i);
      grid->addWidget(r, i % rows, i / rows);
      const char* src = items[static_cast<size_t>(i)];
      m_captions.push_back([this, r, src, itemContext] { r->setText(text(itemContext, src)); });
    }
    buttons->button(0)->setChecked(true);
    m_captions.push_back([this, g, title] { g->setTitle(text(kContext, title)); });
    connect(buttons, &QButtonGroup::idToggled, this, [refresh](int, bool on) { if (on) refresh(); });
    return g;
  };
  auto label = [this](QWidget* parent, const char* source, const char* hintText = nullptr) {
    auto* l = new QLabel(parent);
    m_captions.push_back([this, l, source, hintText] {
      l->setText(text(kContext, source));
      if (hintText) l->setToolTip(text(kContext, hintText));
    });
    return l;
  };
  auto edit = [this](QWidget* parent, const char* hintText, bool refreshes) {
    auto* e = new QLineEdit(parent);
    if (hintText) m_captions.push_back([this, e, hintText] { e->setToolTip(text(kContext, hintText)); });
    if (refreshes) connect(e, &QLineEdit::textChanged, this, [this] { RefreshPreview(); });
    return e;
  };
  // An edit with its up-down, in one row widget.
  auto numberField = [&](QWidget* parent, int lo, int hi, int def, bool readOnly, const char* hintText,
                         bool refreshes, common::TUpDownLong** upDown) {
    auto* row = new QWidget(parent);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(0);
    QLineEdit* e = edit(row, hintText, refreshes);
    e->setReadOnly(readOnly);
    e->setMaximumWidth(90);
    if (!readOnly) e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), e));
    auto* ud = new common::TUpDownLong(row);
    ud->setAssociate(e);
    ud->setMin(lo);
    ud->setMax(hi);
    ud->setPosition(def);
    h->addWidget(e);
    h->addWidget(ud);
    h->addStretch(1);
    if (upDown) *upDown = ud;
    return std::pair{row, e};
  };
  auto tool = [this](QWidget* parent, const char* hintText, Qt::ArrowType arrow) {
    auto* b = new QToolButton(parent);
    b->setArrowType(arrow);
    if (hintText) m_captions.push_back([this, b, hintText] { b->setToolTip(text(kContext, hintText)); });
    return b;
  };
  auto page = [this](const char* name) {
    auto* p = new QWidget(c.options);
    p->setObjectName(QString::fromUtf8(name));
    auto* h = new QHBoxLayout(p);
    h->setContentsMargins(0, 0, 0, 0);
    c.options->addWidget(p);
    return p;
  };
  auto panel = [](QWidget* pageWidget) {
    auto* w = new QWidget(pageWidget);
    w->setFixedWidth(kNarrowNotebook);
    pageWidget->layout()->addWidget(w);
    return w;
  };

  // Stammname 1
  QWidget* p = page("Stammname 1");
  m_panelStamm1 = panel(p);
  {
    auto* f = new QGridLayout(m_panelStamm1);
    f->setContentsMargins(4, 2, 4, 2);
    f->setVerticalSpacing(1);
    c.baseName = edit(m_panelStamm1, "Here you can enter the main name of the files to be renamed", true);
    f->addWidget(label(m_panelStamm1, "Main Name"), 0, 0);
    f->addWidget(c.baseName, 0, 1, 1, 2);
    auto [dRow, dEdit] = numberField(m_panelStamm1, 1, 9, 1, true, "Number of positions (1-9)", true, &c.digitsUpDown);
    c.digits = dEdit;
    f->addWidget(label(m_panelStamm1, "Number Of Positions"), 1, 0);
    f->addWidget(dRow, 1, 1);
    auto [sRow, sEdit] = numberField(m_panelStamm1, 0, 999999999, 0, false, "Startvalue", true, &c.startUpDown);
    c.startValue = sEdit;
    f->addWidget(label(m_panelStamm1, "Startvalue Decimal"), 2, 0);
    f->addWidget(sRow, 2, 1);
    auto* buttons = new QHBoxLayout;
    c.presetButton = tool(m_panelStamm1, "Set startvalue to preselected value", Qt::NoArrow);
    c.presetButton->setText("S");
    c.continueButton = tool(m_panelStamm1, "Set startvalue to last number ending +1", Qt::NoArrow);
    c.continueButton->setText("+1");
    buttons->addWidget(c.presetButton);
    buttons->addWidget(c.continueButton);
    f->addLayout(buttons, 2, 2);
    auto [stRow, stEdit] = numberField(m_panelStamm1, 1, 1000, 1, false, nullptr, true, &c.stepUpDown);
    c.step = stEdit;
    f->addWidget(label(m_panelStamm1, "Increment"), 3, 0);
    f->addWidget(stRow, 3, 1);
    c.startLetters = edit(m_panelStamm1, "Number of characters must match the number of positions", true);
    c.startLetters->setText("a");
    c.startLetters->setMaximumWidth(90);
    f->addWidget(label(m_panelStamm1, "Startvalue Characters"), 4, 0);
    f->addWidget(c.startLetters, 4, 1);
    c.moreButton = tool(m_panelStamm1, "Additional options", Qt::RightArrow);
    f->addWidget(c.moreButton, 4, 2, Qt::AlignRight);
    f->setRowStretch(5, 1);
    connect(c.presetButton, &QToolButton::clicked, this, [this] { c.startUpDown->setPosition(m_startConst); });
    connect(c.continueButton, &QToolButton::clicked, this,
            [this] { c.startUpDown->setPosition(static_cast<std::int32_t>(m_ruleState.lastNumber + 1)); });
    connect(c.moreButton, &QToolButton::clicked, this, [this] { c.options->setCurrentIndex(pgStammname2); });
  }
  // Stammname 2
  p = page("Stammname 2");
  m_panelStamm2 = panel(p);
  {
    auto* v = new QGridLayout(m_panelStamm2);
    v->setContentsMargins(4, 2, 4, 2);
    v->setVerticalSpacing(1);
    c.extCaseGroup = radio(m_panelStamm2, "File Extension:", {"Do Not Change", "Upper Case", "Lower Case"});
    c.indexPlaceGroup = radio(m_panelStamm2, "Insert Index", {"At The End", "At The Beginning"}, 2);
    c.completeGroup = radio(m_panelStamm2, "Existing Filenames",
                            {"Main Name + Existing Filename", "Number Index + Existing Filename"});
    c.completeGroup->setVisible(false);
    c.backButton = tool(m_panelStamm2, nullptr, Qt::LeftArrow);
    v->addWidget(c.extCaseGroup, 0, 0);
    v->addWidget(c.backButton, 0, 1, Qt::AlignTop);
    v->addWidget(c.indexPlaceGroup, 1, 0, 1, 2);
    v->addWidget(c.completeGroup, 2, 0, 1, 2);
    v->setRowStretch(3, 1);
    connect(c.backButton, &QToolButton::clicked, this, [this] { c.options->setCurrentIndex(pgStammname1); });
  }
  // Zeichenkette
  p = page("Zeichenkette");
  {
    QWidget* w = panel(p);
    auto* f = new QFormLayout(w);
    c.searchText = edit(w, "Here you can enter the symbol series to be replaced.", false);
    c.replaceText = edit(w, "Here you can enter the new symbol series.", true);
    f->addRow(label(w, "Symbol Series"), c.searchText);
    f->addRow(label(w, "Replace Through"), c.replaceText);
  }
  // Zeichenkette einsetzen
  p = page("Zeichenkette einsetzen");
  {
    QWidget* w = panel(p);
    auto* f = new QFormLayout(w);
    c.insertText = edit(w, "Here you can insert the sign series which shall be inserted into the filenames.", false);
    auto [row, e] = numberField(w, 0, 255, 0, true, "Position where the sign series shall be inserted.", true, nullptr);
    c.insertPos = e;
    c.insertSideGroup = radio(w, "Position From The", {"Beginning Of The Filenames", "End Of The Filenames"});
    m_captions.push_back([this] { c.insertSideGroup->setToolTip(text(kContext, "Position where the sign series shall be inserted.")); });
    f->addRow(label(w, "Sign Series To Be Inserted"), c.insertText);
    f->addRow(label(w, "Position"), row);
    f->addRow(c.insertSideGroup);
  }
  // Zeichenkette ausschneiden
  p = page("Zeichenkette ausschneiden");
  {
    QWidget* w = panel(p);
    auto* f = new QFormLayout(w);
    auto [cRow, cEdit] = numberField(w, 0, 255, 0, true, "Number Of Signs To Be Removed", false, nullptr);
    c.cutCount = cEdit;
    auto [pRow, pEdit] = numberField(w, 0, 255, 0, true, "Position where the signs shall be removed", true, nullptr);
    c.cutPos = pEdit;
    c.cutSideGroup = radio(w, "Position From The", {"Beginning Of The Filenames", "End Of The Filenames"});
    m_captions.push_back([this] { c.cutSideGroup->setToolTip(text(kContext, "Position where the sign series shall be inserted.")); });
    f->addRow(label(w, "Number Of Signs To Be Removed", "Number Of Signs To Be Removed"), cRow);
    f->addRow(label(w, "Position"), pRow);
    f->addRow(c.cutSideGroup);
  }
  // Schreibung
  p = page("Schreibung");
  {
    QWidget* w = panel(p);
    auto* h = new QHBoxLayout(w);
    c.caseKindGroup = radio(w, "Upper/Lower Case",
                            {"Capitalize", "Upper Word Beginnings", "Upper Case", "Lower Case", "Invert Cases"}, 1,
                            "TFileRename.CaseKind");
    m_captions.push_back([this] { c.caseKindGroup->setToolTip(text(kContext, "Here you can choose which modification shall be undertaken")); });
    c.caseTargetGroup = radio(w, "Employ To", {"Filename", "File Type", "Both"});
    h->addWidget(c.caseKindGroup);
    h->addWidget(c.caseTargetGroup, 0, Qt::AlignTop);
  }
  // Namenkuerzen
  p = page("Namenkuerzen");
  {
    QWidget* w = panel(p);
    auto* g = new QGridLayout(w);
    g->setContentsMargins(4, 2, 4, 2);
    g->setVerticalSpacing(1);
    auto* l = label(w, "Number of digits which shall be removed from the filenames");
    l->setWordWrap(true);
    auto [row, e] = numberField(w, 0, 255, 0, true,
                                "Here you can adjust the number of digits which shall be removed from the filenames",
                                true, nullptr);
    c.shortenCount = e;
    c.shortenSideGroup = radio(w, "Remove Digits From The", {"Beginning Of The Filenames", "End Of The Filenames"});
    c.shortenKindGroup = radio(w, "Filenames", {"Shorten", "Shorten to x signs", "Convert to 8.3 - Format"});
    c.shortenTargetGroup = radio(w, "Employ To", {"Name", "Name+Ending"});
    c.shortenTargetGroup->setVisible(false);
    g->addWidget(l, 0, 0);
    g->addWidget(row, 0, 1);
    g->addWidget(c.shortenSideGroup, 1, 0, 1, 2);
    g->addWidget(c.shortenKindGroup, 2, 0);
    g->addWidget(c.shortenTargetGroup, 2, 1);
    connect(buttonsOf(c.shortenKindGroup), &QButtonGroup::idToggled, this,
            [this](int id, bool on) { if (on) c.shortenTargetGroup->setVisible(id == 1); });
  }
  // Dateiendung
  p = page("Dateiendung");
  {
    QWidget* w = panel(p);
    auto* f = new QFormLayout(w);
    c.oldExt = new QComboBox(w);
    c.newExt = new QComboBox(w);
    for (QComboBox* box : {c.oldExt, c.newExt}) {
      box->setEditable(true);
      box->setInsertPolicy(QComboBox::InsertAlphabetically);
      connect(box, &QComboBox::currentTextChanged, this, [this] { RefreshPreview(); });
    }
    c.allExt = new QCheckBox(w);
    m_captions.push_back([this] { c.allExt->setText(text(kContext, "Change file extension of all marked files")); });
    connect(c.allExt, &QCheckBox::toggled, this, [this] { RefreshPreview(); });
    f->addRow(label(w, "Old File Extension"), c.oldExt);
    f->addRow(label(w, "New File Extension"), c.newExt);
    f->addRow(c.allExt);
    fillExtensionBoxes();
  }
  // DatumZeit01
  p = page("DatumZeit01");
  m_panelDatum1 = panel(p);
  {
    auto* g = new QGridLayout(m_panelDatum1);
    g->setContentsMargins(4, 2, 4, 2);
    g->setVerticalSpacing(1);
    c.dateSourceGroup = radio(m_panelDatum1, "Values To Use", {"Creation Date/Time", "Own Values"});
    c.dateLabel = label(m_panelDatum1, "Date");
    c.date = edit(m_panelDatum1, nullptr, true);
    c.timeLabel = label(m_panelDatum1, "Time");
    c.time = edit(m_panelDatum1, nullptr, true);
    c.date->setMaxLength(10);
    c.time->setMaxLength(8);
    for (QWidget* x : std::initializer_list<QWidget*>{c.dateLabel, c.date, c.timeLabel, c.time}) x->setVisible(false);
    c.placementGroup = radio(m_panelDatum1, "Date / Time",
                             {"Insert Before Existing File Names", "Insert Behind Existing File Names"});
    c.arrangementGroup = radio(m_panelDatum1, "Arrangement", {"Date", "Date + Time", "Time", "Time + Date"}, 2);
    c.formatButton = tool(m_panelDatum1, nullptr, Qt::RightArrow);
    g->addWidget(c.dateSourceGroup, 0, 0, 2, 1);
    g->addWidget(c.dateLabel, 0, 1);
    g->addWidget(c.date, 0, 2);
    g->addWidget(c.timeLabel, 1, 1);
    g->addWidget(c.time, 1, 2);
    g->addWidget(c.placementGroup, 2, 0, 1, 3);
    g->addWidget(c.arrangementGroup, 3, 0, 1, 2);
    g->addWidget(c.formatButton, 3, 2, Qt::AlignRight | Qt::AlignBottom);
    connect(buttonsOf(c.dateSourceGroup), &QButtonGroup::idToggled, this, [this](int id, bool on) {
      if (!on) return;
      const bool own = id == 1;
      for (QWidget* x : std::initializer_list<QWidget*>{c.dateLabel, c.date, c.timeLabel, c.time}) x->setVisible(own);
      if (own) {
        // Delphi-style masks "!99/99/0000" and "!90.00.00": 9 optional, 0 required digit.
        c.date->setInputMask("00/00/9999;_");
        c.time->setInputMask("09.99.99;_");
        c.date->clear();
        c.time->clear();
      }
    });
    connect(c.formatButton, &QToolButton::clicked, this, [this] { c.options->setCurrentIndex(pgDatumZeit02); });
  }
  // DatumZeit02
  p = page("DatumZeit02");
  m_panelDatum2 = panel(p);
  {
    auto* g = new QGridLayout(m_panelDatum2);
    c.dateOrderGroup = radio(m_panelDatum2, "Date Format", {"DD.MM.YYYY", "MM.DD.YYYY", "YYYY.MM.DD"});
    c.formatBackButton = tool(m_panelDatum2, nullptr, Qt::LeftArrow);
    g->addWidget(c.dateOrderGroup, 0, 0);
    g->addWidget(c.formatBackButton, 0, 1, Qt::AlignTop);
    g->setRowStretch(1, 1);
    connect(c.formatBackButton, &QToolButton::clicked, this, [this] { c.options->setCurrentIndex(pgDatumZeit01); });
  }
  // ExterneUmbenenung: the library box; its rules come with the library support.
  p = page("ExterneUmbenenung");
  {
    QWidget* w = panel(p);
    auto* v = new QVBoxLayout(w);
    c.libraryBox = new QComboBox(w);
    connect(c.libraryBox, &QComboBox::currentIndexChanged, this, [this] { RefreshPreview(); });
    v->addWidget(c.libraryBox);
    v->addStretch(1);
  }
}

void TFileRename::fillExtensionBoxes() {
  QStringList items;
  for (const char* e : kBuiltInExtensions) items << QString::fromUtf8(e);
  items << m_additionalExt;
  items.sort();
  for (QComboBox* box : {c.oldExt, c.newExt}) {
    const QSignalBlocker block(box);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(QString());
  }
}

// ---------------------------------------------------------------- properties

void TFileRename::setWorkingDirectory(const QString& value) {
  QString v = value;
  if (!v.endsWith('/')) v += '/';
  if (v != m_workingDirectory) m_workingDirectory = v;
}

void TFileRename::setFileExtFilter(const QString& value) {
  if (value == m_fileExtFilter) return;
  m_fileExtFilter = value;
  m_patterns = splitFilePatterns(value);
}

void TFileRename::setAdditionalFileExt(const QStringList& value) {
  m_additionalExt = value;
  fillExtensionBoxes();
}

void TFileRename::setDllList(const QStringList& value) {
  m_dllList = value;
  const QSignalBlocker block(c.libraryBox);
  c.libraryBox->clear();
  c.libraryBox->addItems(value);
}

void TFileRename::setLogicalSorting(bool value) {
  if (value == m_logicalSortingOffered) return;
  m_logicalSortingOffered = value;
  if (!value) c.logicalSorting->setChecked(false);
  c.logicalSorting->setVisible(value);
  c.logicalSorting->setEnabled(value && mode() <= 1 && m_layer == 0);
}

void TFileRename::setRenameLayers(TSetRenameLayers value) {
  const bool force = value & 0x100;
  value &= kAllRenameLayers;
  if (!force && value == m_layers) return;
  m_layers = value;
  // Tab index -> member: 0 general, 1 functions, 2 MP3, 3 TTF.
  const TSetRenameLayers member[4] = {rlGeneral, rlFunctions, rlMP3, rlTTF};
  for (int i = 0; i < 4; ++i) c.layerTabs->setTabVisible(i, (m_layers & member[i]) != 0);
  if (!(m_layers & member[m_layer]))
    for (int i = 0; i < 4; ++i)
      if (m_layers & member[i]) {
        c.layerTabs->setCurrentIndex(i);
        break;
      }
}

// ---------------------------------------------------------------- language

void TFileRename::applyLanguage() {
  const QSignalBlocker blockTabs(c.layerTabs);
  const char* tabs[4] = {"General", "Functions", "MP3", "TTF"};
  for (int i = 0; i < 4; ++i) c.layerTabs->setTabText(i, text(kContext, tabs[i]));
  m_refreshing = true;  // one refresh at the end, not one per group
  for (const auto& f : m_captions) f();
  for (QGroupBox* g : findChildren<QGroupBox*>())
    if (g != c.modeGroup) setRadio(g, 0);
  m_refreshing = false;
  m_balloon->setContent(1, text(kContext, "Selection of a destination directory"), Qt::black,
                        QColor(0xF0, 0xFB, 0xFF),
                        text(kContext, "To call the dialog for the selection of a destination directory\n"
                                 "please click once with the left mouse button into this field."));
  if (c.modes[0]->isChecked()) modeChanged(0);
  else c.modes[0]->setChecked(true);
}

// ---------------------------------------------------------------- reactions

int TFileRename::mode() const { return radioIndex(c.modeGroup); }

void TFileRename::setMode(int m) {
  if (m >= 0 && m < kGeneralModeCount) c.modes[m]->setChecked(true);
}

void TFileRename::modeChanged(int m) {
  static const int pageOfMode[kGeneralModeCount] = {pgStammname1, pgStammname1, pgStammname1, pgZeichenkette,
                                                    pgEinsetzen,  pgAusschneiden, pgSchreibung, pgNamenkuerzen,
                                                    pgDateiendung, pgDatumZeit01, pgExtern};
  c.options->setCurrentIndex(pageOfMode[m]);
  const bool counter = m <= 1;
  if (m <= 2) {
    c.baseName->setEnabled(true);
    if (c.baseName->isVisible()) c.baseName->setFocus();
    c.digits->setEnabled(m != 2);
    c.digitsUpDown->setEnabled(m != 2);
    for (QWidget* w : std::initializer_list<QWidget*>{c.startValue, c.startUpDown, c.step, c.stepUpDown,
                                                      c.presetButton, c.continueButton})
      w->setEnabled(m == 0);
    c.startLetters->setEnabled(m == 1);
    c.indexPlaceGroup->setVisible(m != 2);
    c.completeGroup->setVisible(m == 2);
    const bool was = m_refreshing;
    m_refreshing = true;
    setRadio(m == 2 ? c.completeGroup : c.indexPlaceGroup, 0);
    m_refreshing = was;
  }
  c.logicalSorting->setEnabled(counter && m_logicalSortingOffered);
  if (m <= 2) {
    c.recursive->setChecked(false);
    m_recursive = false;
    c.recursive->setEnabled(false);
  } else if (m == 5) {
    c.recursive->setEnabled(false);  // keeps its checked state
  } else {
    c.recursive->setEnabled(true);
  }
  if (m == 3) {
    const QSignalBlocker b1(c.searchText), b2(c.replaceText);
    c.searchText->clear();
    c.replaceText->clear();
  }
  RefreshPreview();
}

void TFileRename::setCurrentLayer(int layer) { c.layerTabs->setCurrentIndex(layer); }

void TFileRename::layerChanged(int layer) {
  if (layer < 0 || layer > 3) return;
  c.layerPages->setCurrentIndex(layer);
  m_layer = layer;
  if (layer != 2 && m_id3Active) SetID3TagsActive(false);
  if (layer == 0) {
    setMode(0);
    c.useFileList->setEnabled(true);
  } else {
    c.recursive->setEnabled(true);
    c.recursive->setChecked(false);
    m_recursive = false;
    c.logicalSorting->setEnabled(false);
    c.useFileList->setEnabled(false);
    c.useFileList->setChecked(false);
    m_useFileList = false;
    SetSelectedFile(m_selectedFile);
  }
  emit OnPageControlChange(QString::fromUtf8(kLayerFilters[layer]));
}

void TFileRename::useFileListClicked() {
  m_useFileList = c.useFileList->isChecked();
  if (m_useFileList && c.recursive->isChecked()) {
    c.recursive->setChecked(false);
    m_recursive = false;
  }
  RefreshPreview();
  emit OnUseFileListClick(m_useFileList);
}

void TFileRename::recursiveClicked() {
  m_recursive = c.recursive->isChecked();
  if (m_recursive && c.useFileList->isChecked()) {
    c.useFileList->setChecked(false);
    useFileListClicked();
  }
  RefreshPreview();
}

void TFileRename::previewClicked() {
  m_previewActive = c.preview->isChecked();
  if (m_fileList && m_useFileList) RefreshPreview();
  emit OnPreviewClick(m_previewActive);
}

void TFileRename::SetPreviewActive(bool value) {
  if (value == m_previewActive) return;
  c.preview->setChecked(value);
  previewClicked();
}

void TFileRename::SetUseFileList(bool value) {
  if (value == m_useFileList) return;
  c.useFileList->setChecked(value);
  useFileListClicked();
}

void TFileRename::SetID3TagsActive(bool value) {
  if (value == m_id3Active) return;
  m_id3Active = value;
  emit OnID3TagsClick(value);
}

bool TFileRename::RecursiveSearch() const { return c.recursive->isChecked(); }

void TFileRename::setEvents(gui::PanelEvents* events) {
  if (!events) return;
  connect(this, &TFileRename::OnRename, this, [this, events](bool u) { events->OnRename(this, u); });
  connect(this, &TFileRename::OnSort, this, [this, events](bool u) { events->OnSort(this, u); });
  connect(this, &TFileRename::OnUndo, this, [this, events] { events->OnUndo(this); });
  connect(this, &TFileRename::OnPreviewClick, this, [this, events](bool a) { events->OnPreviewClick(this, a); });
  connect(this, &TFileRename::OnID3TagsClick, this, [this, events](bool a) { events->OnID3TagsClick(this, a); });
  connect(this, &TFileRename::OnUseFileListClick, this,
          [this, events](bool a) { events->OnUseFileListClick(this, a); });
  connect(this, &TFileRename::OnPageControlChange, this,
          [this, events](const QString& f) { events->OnPageControlChange(this, f); });
}

void TFileRename::linkPanel(gui::PanelId id, gui::ToolPanel* panel) {
  // The file list and the MP3 tag panel are linked once those panels exist.
  if (id == gui::PanelId::FilenamePreview01 && panel)
    setFilenamePreview(dynamic_cast<TFilenamePreview*>(panel->widget()));
}

void TFileRename::chooseTargetDirectory() {
  common::SelectFolderForEdit(c.targetDir, language());
  RefreshPreview();
}

// ---------------------------------------------------------------- names, run, undo

GeneralParams TFileRename::params() const {
  GeneralParams p;
  p.mode = static_cast<GeneralMode>(mode());
  p.logicalSorting = c.logicalSorting->isChecked();
  p.baseName = c.baseName->text();
  p.digits = c.digits->text().toInt();
  p.startValue = c.startValue->text();
  p.step = c.step->text().toInt();
  p.startLetters = c.startLetters->text();
  p.extensionCase = radioIndex(c.extCaseGroup);
  p.indexPlace = radioIndex(c.indexPlaceGroup);
  p.completeVariant = radioIndex(c.completeGroup);
  p.searchText = c.searchText->text();
  p.replacement = c.replaceText->text();
  p.insertText = c.insertText->text();
  p.insertPosition = c.insertPos->text().toInt();
  p.insertFromEnd = radioIndex(c.insertSideGroup);
  p.cutCount = c.cutCount->text().toInt();
  p.cutPosition = c.cutPos->text().toInt();
  p.cutFromEnd = radioIndex(c.cutSideGroup);
  p.caseKind = radioIndex(c.caseKindGroup);
  p.caseTarget = radioIndex(c.caseTargetGroup);
  p.shortenCount = c.shortenCount->text().toInt();
  p.shortenFromEnd = radioIndex(c.shortenSideGroup);
  p.shortenKind = radioIndex(c.shortenKindGroup);
  p.shortenTarget = radioIndex(c.shortenTargetGroup);
  p.oldExtension = c.oldExt->currentText();
  p.newExtension = c.newExt->currentText();
  p.changeAllExtensions = c.allExt->isChecked();
  p.dateSource = radioIndex(c.dateSourceGroup);
  p.ownDate = c.date->text();
  p.ownTime = c.time->text();
  p.dateFormat = m_dateFormat;
  p.datePlacement = radioIndex(c.placementGroup);
  p.dateArrangement = radioIndex(c.arrangementGroup);
  p.dateOrder = radioIndex(c.dateOrderGroup);
  return p;
}

Placement TFileRename::placement() const {
  return {static_cast<TargetMode>(radioIndex(c.targetGroup)), c.targetDir->text()};
}

QString TFileRename::msg(Message message, const QString& arg) const {
  const QString t = common::langText(language(), "vantorim::rename", messageSourceText(message));
  return t.contains(QLatin1String("%1")) ? t.arg(arg) : t;
}

void TFileRename::inform(Message message, const QString& arg) {
  common::LangMessageDlg(msg(message, arg), common::mtInformation, {common::mbOK}, language());
}

bool TFileRename::buildNames(NameLists& lists, bool& cleared) {
  cleared = false;
  GatherRequest req;
  if (c.useFileList->isChecked()) {
    req.source = GatherSource::FileList;
    req.fileListAttached = static_cast<bool>(m_fileList);
    if (m_fileList) req.fileList = m_fileList();
  } else if (c.recursive->isChecked()) {
    req.source = GatherSource::Recursive;
    req.currentFolder = m_explorer ? m_explorer->currentFolder() : QString();
    req.patterns = m_patterns;
    req.pump = [] { QCoreApplication::processEvents(); };
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    if (m_explorer) req.marked = marksOf(*m_explorer);
    req.previewActive = m_previewActive;
  }
  GatherResult g = gatherFiles(req);
  if (req.source == GatherSource::Recursive) QApplication::restoreOverrideCursor();
  if (!g.ok) {
    if (g.message != Message::None) inform(g.message);
    return false;
  }
  if (g.clearPreview) {
    cleared = true;
    return true;
  }
  lists = std::move(g.lists);
  if (m_layer != 0) {
    inform(Message::UnsupportedMode);
    return false;
  }
  const RuleOutcome r = applyGeneralRule(params(), placement(), lists, m_ruleState);
  if (r.message != Message::None) inform(r.message, r.messageArg);
  return !r.aborted();
}

void TFileRename::RefreshPreview() {
  if (m_refreshing || !m_previewActive || !m_explorer) return;
  m_refreshing = true;  // a message box must not start a second refresh
  const bool nothingMarked = !c.useFileList->isChecked() && !c.recursive->isChecked() && m_explorer->markedItems().isEmpty();
  if (nothingMarked) {
    if (m_preview) m_preview->Clear();
  } else {
    NameLists lists;
    bool cleared = false;
    if (buildNames(lists, cleared) && m_preview) {
      if (cleared) {
        m_preview->Clear();
      } else {
        m_preview->setFileNamesNew(lists.newPaths);
        m_preview->setFileNamesOld(lists.oldPaths);
        m_preview->Show();
      }
    }
  }
  m_refreshing = false;
}

void TFileRename::RenameFiles() {
  if (!m_explorer) return;
  NameLists lists;
  bool cleared = false;
  if (!buildNames(lists, cleared)) return;
  if (cleared || lists.oldPaths.isEmpty()) {
    // Nothing to rename: the log keeps the last run's undo data.
    if (m_preview) m_preview->Clear();
    inform(Message::NoFileMarked);
    return;
  }
  const TargetMode mode = placement().mode;
  const QString question = msg(mode == TargetMode::Copy ? Message::QuestionNotUndoable : Message::QuestionUndoable);
  if (common::LangMessageDlg(question, common::mtWarning, {common::mbYes, common::mbNo}, language()) != common::mrYes)
    return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  m_explorer->beginUpdate();
  RunRequest req{lists.oldPaths, lists.newPaths, mode, logPath()};
  req.onFailure = [this](const RunFailure& f) {
    QApplication::restoreOverrideCursor();
    inform(Message::RenameFailed, f.oldPath);
    QApplication::setOverrideCursor(Qt::WaitCursor);
  };
  req.onProgress = [](qsizetype done, qsizetype) {
    if (done % 256 == 0) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
  const RunResult r = runRename(req);
  m_explorer->endUpdate();  // the outermost end rebuilds the list once
  if (!r.logWritten) {
    QApplication::restoreOverrideCursor();
    inform(Message::LogNotWritten, logPath());
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  QApplication::restoreOverrideCursor();
  emit OnRename(r.undoPossible);
}

void TFileRename::UndoRename() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  undoRename(logPath());
  if (m_explorer) m_explorer->rebuild();
  QApplication::restoreOverrideCursor();
  emit OnUndo();
}

// ---------------------------------------------------------------- layout

void TFileRename::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  applyLayout();
}

void TFileRename::applyLayout() {
  const bool wide = width() >= kWideFrom;
  m_modeScroll->setFixedHeight(std::max(0, height() - 2 * 2 - c.layerTabs->height()));
  if (wide == m_wide) return;
  m_wide = wide;
  c.options->setFixedWidth(wide ? kWideNotebook : kNarrowNotebook);
  QWidget* page1 = c.options->widget(pgStammname1);
  QWidget* page2 = c.options->widget(pgStammname2);
  QWidget* date1 = c.options->widget(pgDatumZeit01);
  QWidget* date2 = c.options->widget(pgDatumZeit02);
  (wide ? page1 : page2)->layout()->addWidget(m_panelStamm2);
  (wide ? date1 : date2)->layout()->addWidget(m_panelDatum2);
  for (QWidget* b : std::initializer_list<QWidget*>{c.moreButton, c.backButton, c.formatButton, c.formatBackButton})
    b->setVisible(!wide);
  if (wide && c.options->currentIndex() == pgStammname2) c.options->setCurrentIndex(pgStammname1);
  if (wide && c.options->currentIndex() == pgDatumZeit02) c.options->setCurrentIndex(pgDatumZeit01);
}

}  // namespace vantorim::rename
