#include "gui/app/FormHaupt.h"
#include "gui/common/GuiHelpers.h"

#include "core/app/ChangeNotifier.h"
#include "core/platform/SpecialFolders.h"
#include "gui/app/Application.h"
#include "gui/app/FormInfo.h"
#include "gui/app/FormSprache.h"
#include "gui/app/SearchResultList.h"
#include "gui/common/DialogService.h"
#include "gui/common/LangText.h"
#include "gui/common/PaintGradient.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QSplitter>
#include <QTimer>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace vantorim::gui {

namespace {
constexpr char kContext[] = "TFormHaupt";

// The toolbar, painted from white at the left to silver at the right.
class GradientToolBar : public QToolBar {
public:
  using QToolBar::QToolBar;

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    common::PaintGradient(p, rect(), true, 1, {QColor(255, 255, 255), QColor(192, 192, 192)});
  }
};

// Lays out the two explorer notebooks and the divider the way SetDualPane says.
class ExplorerArea : public QWidget {
public:
  ExplorerArea(QWidget* parent, QWidget* left, QWidget* bevel, QWidget* right)
      : QWidget(parent), m_left(left), m_bevel(bevel), m_right(right) {}
  void setDual(bool dual) {
    m_dual = dual;
    m_bevel->setVisible(dual);
    m_right->setVisible(dual);
    relayout();
  }
  int leftWidth() const { return m_leftWidth; }
  void setLeftWidth(int w) {
    m_leftWidth = w;
    relayout();
  }

protected:
  // A resize keeps the two panes at half the width each.
  void resizeEvent(QResizeEvent*) override {
    if (m_dual) m_leftWidth = (width() - 2) / 2;
    relayout();
  }

private:
  void relayout() {
    const int h = height();
    if (!m_dual) {
      m_left->setGeometry(0, 0, width(), h);
      return;
    }
    const int lw = qBound(0, m_leftWidth, width() - 2);
    m_left->setGeometry(0, 0, lw, h);
    m_bevel->setGeometry(lw, 0, 2, h);
    m_right->setGeometry(lw + 2, 0, width() - lw - 2, h);
  }
  QWidget* m_left;
  QWidget* m_bevel;
  QWidget* m_right;
  bool m_dual = true;
  int m_leftWidth = 400;
};

int treeWidthFor(int notebookWidth) { return qMin(255, int(0.4 * notebookWidth)); }
}  // namespace

QString TFormHaupt::T(const char* source) const { return common::langText(app::AppLanguage, kContext, source); }

TFormHaupt::TFormHaupt(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("FormHaupt"));
  resize(796, 596);
  setMinimumSize(800, 565);
  buildMenusAndToolbar();
  buildExplorerArea();
  buildToolPages();
  wirePanels();
  FormCreate();
  m_about = new TFormInfo(this);
}

TFormHaupt::~TFormHaupt() {
  if (m_notify) m_notify->stop();
}

void TFormHaupt::buildMenusAndToolbar() {
  menuBar()->setObjectName(QStringLiteral("HauptMenu"));
  menuBar()->setStyleSheet(QStringLiteral("QMenuBar { background: white; }"));
  m_menuDatei = menuBar()->addMenu(QString());
  m_menuDatei->setObjectName(QStringLiteral("HMenuDatei"));
  m_actUndo = m_menuDatei->addAction(QIcon::fromTheme("edit-undo"), QString(), this, [this] { undoClick(); });
  m_actUndo->setObjectName(QStringLiteral("HMenuDateiUndo"));
  m_actUndo->setEnabled(false);
  m_menuDatei->addSeparator();
  m_actOptions = m_menuDatei->addAction(QIcon::fromTheme("preferences-system"), QString(), this, [this] { notAvailable(); });
  m_actOptions->setObjectName(QStringLiteral("HMenuDateiOptionen"));
  m_actLanguage = m_menuDatei->addAction(QIcon::fromTheme("preferences-desktop-locale"), QString(), this,
                                         [this] { showLanguageDialog(); });
  m_actLanguage->setObjectName(QStringLiteral("HMenuDateiSprache"));
  m_menuDatei->addSeparator();
  m_actUninstall = m_menuDatei->addAction(QIcon::fromTheme("edit-delete"), QString(), this, [this] { notAvailable(); });
  m_actUninstall->setObjectName(QStringLiteral("HMenuDateiProgDeInst"));
  m_actQuit = m_menuDatei->addAction(QIcon::fromTheme("application-exit"), QString(), this, [this] { close(); });
  m_actQuit->setObjectName(QStringLiteral("HMenuDateiProgEnde"));

  m_menuAktionen = menuBar()->addMenu(QString());
  m_menuAktionen->setObjectName(QStringLiteral("HMenuAktionen"));
  m_actRename = m_menuAktionen->addAction(common::themeIcon({"edit-rename", "insert-text", "accessories-text-editor"}), QString(), this, [this] { renameClick(); });
  m_actRename->setObjectName(QStringLiteral("HMenuAktionenDatUmb"));
  m_actAttributes = m_menuAktionen->addAction(QIcon::fromTheme("document-properties"), QString(), this,
                                              [this] { attributesClick(); });
  m_actAttributes->setObjectName(QStringLiteral("HMenuAktionenAttrAendern"));
  m_actSort = m_menuAktionen->addAction(QIcon::fromTheme("view-sort-ascending"), QString(), this, [this] { sortClick(); });
  m_actSort->setObjectName(QStringLiteral("HMenuAktionenDateienSortieren"));
  m_actMarkAll = m_menuAktionen->addAction(QIcon::fromTheme("edit-select-all"), QString(), this, [this] { MarkAll(); });
  m_actMarkAll->setObjectName(QStringLiteral("HMenuAktionenDateienMarkieren"));
  for (QAction* a : {m_actRename, m_actAttributes, m_actSort, m_actMarkAll}) a->setEnabled(false);

  m_menuInfo = menuBar()->addMenu(QString());
  m_menuInfo->setObjectName(QStringLiteral("HMenuInfo"));
  m_actHelp = m_menuInfo->addAction(QIcon::fromTheme("help-contents"), QString(), this, [this] { showHelp(); });
  m_actHelp->setObjectName(QStringLiteral("HMenuInfoHilfe"));
  m_actHelp->setShortcut(QKeySequence(Qt::Key_F1));
  m_actInfo = m_menuInfo->addAction(QIcon::fromTheme("help-about"), QString(), this, [this] { showAbout(); });
  m_actInfo->setObjectName(QStringLiteral("HMenuInfoInfo"));

  m_toolBar = new GradientToolBar(this);
  m_toolBar->setObjectName(QStringLiteral("ToolBarHaupt"));
  m_toolBar->setMovable(false);
  m_toolBar->setFixedHeight(31);
  m_toolBar->setIconSize(QSize(22, 22));
  m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  addToolBar(Qt::TopToolBarArea, m_toolBar);
  m_toolBar->addAction(m_actUndo);
  m_toolBar->addAction(m_actOptions);
  m_toolBar->addSeparator();
  m_menuNew = new QMenu(this);
  m_actNewFolder = m_menuNew->addAction(QIcon::fromTheme("folder-new"), QString(), this, [this] {
    ExplorerPane* pane = activePane();
    if (!pane) return;
    QString name = T("New Folder");
    if (!common::LangInputQuery(T("New Folder"), T("Name of the new folder:"), name, app::AppLanguage)) return;
    if (name.isEmpty() || name.contains('/')) return;
    const QString path = pane->currentFolder() + name;
    if (QFileInfo::exists(path) || !QDir().mkdir(path))
      common::LangMessageDlg(T("The folder could not be created."), common::mtError, {common::mbOK}, app::AppLanguage);
  });
  m_actNewFile = m_menuNew->addAction(QIcon::fromTheme("document-new"), QString(), this, [this] {
    ExplorerPane* pane = activePane();
    if (!pane) return;
    QString name = T("New Text Document.txt");
    if (!common::LangInputQuery(T("New File"), T("Name of the new file:"), name, app::AppLanguage)) return;
    if (name.isEmpty() || name.contains('/')) return;
    QFile f(pane->currentFolder() + name);
    if (f.exists() || !f.open(QIODevice::NewOnly | QIODevice::WriteOnly))
      common::LangMessageDlg(T("The file could not be created."), common::mtError, {common::mbOK}, app::AppLanguage);
  });
  m_actNew = m_toolBar->addAction(QIcon::fromTheme("document-new"), QString());
  m_actNew->setObjectName(QStringLiteral("TBHNew"));
  m_actNew->setMenu(m_menuNew);
  if (auto* b = qobject_cast<QToolButton*>(m_toolBar->widgetForAction(m_actNew)))
    b->setPopupMode(QToolButton::InstantPopup);
  m_toolBar->addSeparator();
  m_toolBar->addAction(m_actRename);
  m_toolBar->addAction(m_actAttributes);
  m_toolBar->addAction(m_actSort);
  m_toolBar->addAction(m_actMarkAll);
  m_toolBar->addSeparator();
  m_viewGroup = new QActionGroup(this);
  m_viewGroup->setExclusive(true);
  const char* viewNames[4] = {"TBHAnsichtSingle", "TBHAnsichtDouble", "TBHAnsichtViewer", "TBHAnsichtFolderStatistic"};
  for (int i = 0; i < 4; ++i) {
    QAction* a = m_toolBar->addAction(QString());
    a->setObjectName(QString::fromLatin1(viewNames[i]));
    a->setCheckable(true);
    m_viewGroup->addAction(a);
    connect(a, &QAction::triggered, this, [this, i] { setViewMode(static_cast<ViewMode>(i)); });
    m_viewActions[i] = a;
  }
  m_viewActions[0]->setIcon(common::themeIcon({"view-paged-symbolic", "view-restore"}));
  m_viewActions[1]->setIcon(common::themeIcon({"view-dual-symbolic", "view-split-left-right"}));
  m_viewActions[2]->setIcon(common::themeIcon({"document-print-preview-symbolic", "document-preview", "image-x-generic"}));
  m_viewActions[3]->setIcon(common::pieChartIcon());
  m_viewActions[int(ViewMode::Double)]->setChecked(true);
  m_toolBar->addSeparator();
  m_toolBar->addAction(m_actHelp);
  m_toolBar->addAction(m_actInfo);
  m_toolBar->addSeparator();
  m_toolBar->addAction(m_actQuit);
  statusBar()->setObjectName(QStringLiteral("StatusBarHaupt"));
  statusBar()->setSizeGripEnabled(true);
}

void TFormHaupt::buildExplorerArea() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("NotebookHaupt"));
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (int side = 0; side < 2; ++side) {
    m_notebook[side] = new QStackedWidget(central);
    m_notebook[side]->setObjectName(side == 0 ? "NotebookExplorer01" : "NotebookExplorer02");
    m_panes[side] = new ExplorerPane(side == 0 ? QStringLiteral("01") : QStringLiteral("02"), m_notebook[side]);
    m_notebook[side]->addWidget(m_panes[side]);
  }
  m_bevelExplorer = new QFrame(central);
  m_bevelExplorer->setObjectName(QStringLiteral("BevelExplorer"));
  m_bevelExplorer->setFrameShape(QFrame::VLine);
  m_bevelExplorer->setFrameShadow(QFrame::Sunken);
  m_explorerArea = new ExplorerArea(central, m_notebook[0], m_bevelExplorer, m_notebook[1]);
  for (QWidget* w : {static_cast<QWidget*>(m_notebook[0]), static_cast<QWidget*>(m_bevelExplorer),
                     static_cast<QWidget*>(m_notebook[1])})
    w->setParent(m_explorerArea);
  layout->addWidget(m_explorerArea, 1);
  auto* bevel = new QFrame(central);
  bevel->setObjectName(QStringLiteral("BevelHaupt01"));
  bevel->setFrameShape(QFrame::HLine);
  bevel->setFrameShadow(QFrame::Sunken);
  bevel->setFixedHeight(2);
  layout->addWidget(bevel);
  m_pageHaupt = new QTabWidget(central);
  m_pageHaupt->setObjectName(QStringLiteral("PageControlHaupt"));
  // 233 pixels hold the tool panels at a 13-pixel line height; taller fonts
  // get a taller tool area so that the panels' rows do not overlap.
  m_pageHaupt->setFixedHeight(qMax(233, 233 * QFontMetrics(font()).height() / 13));
  layout->addWidget(m_pageHaupt);
  setCentralWidget(central);
}

QWidget* TFormHaupt::makePanelPage(PanelId id, QWidget* parent) {
  auto* page = new QWidget(parent);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  if (const ToolPanelFactory f = ToolPanelRegistry::instance().factory(id)) {
    ToolPanel* p = f(page);
    m_panels[int(id)] = p;
    layout->addWidget(p->widget());
  } else {
    auto* label = new QLabel(page);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: #606060;"));
    layout->addWidget(label);
    m_notAvailableLabels << label;
  }
  m_panelHosts[int(id)] = page;
  return page;
}

void TFormHaupt::setPanel(PanelId id, ToolPanel* p) {
  QWidget* host = m_panelHosts[int(id)];
  if (!host) return;
  for (QLabel* l : host->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    m_notAvailableLabels.removeAll(l);
    l->hide();
  }
  m_panels[int(id)] = p;
  if (p) {
    p->widget()->setParent(host);
    host->layout()->addWidget(p->widget());
    p->setEvents(this);
    p->setLanguage(app::AppLanguage);
    p->setExplorer(m_activeList);
  }
}

void TFormHaupt::buildToolPages() {
  // Right side pages 1..5 and the file list on the left.
  m_notebook[0]->addWidget(makePanelPage(PanelId::FileList01, m_notebook[0]));
  m_notebook[1]->addWidget(makePanelPage(PanelId::FilenamePreview01, m_notebook[1]));
  m_notebook[1]->addWidget(makePanelPage(PanelId::MP3TagAdjustments, m_notebook[1]));
  m_notebook[1]->addWidget(makePanelPage(PanelId::FileViewer01, m_notebook[1]));
  m_notebook[1]->addWidget(makePanelPage(PanelId::FolderStatistic01, m_notebook[1]));
  auto* searchPage = new QWidget(m_notebook[1]);
  auto* sl = new QVBoxLayout(searchPage);
  sl->setContentsMargins(0, 0, 0, 0);
  sl->setSpacing(0);
  m_searchTitle = new QLabel(searchPage);
  m_searchTitle->setObjectName(QStringLiteral("PanelSearchTop"));
  QFont tf(QStringLiteral("Comic Sans MS"));
  tf.setPixelSize(13);
  m_searchTitle->setFont(tf);
  m_searchTitle->setFixedHeight(24);
  m_searchTitle->setContentsMargins(6, 0, 0, 0);
  m_searchTitle->setStyleSheet(QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 white, stop:1 silver);"));
  sl->addWidget(m_searchTitle);
  m_search = new SearchResultList(searchPage);
  sl->addWidget(m_search, 1);
  m_searchStatus = new QLabel(searchPage);
  m_searchStatus->setObjectName(QStringLiteral("StatusBarExplorer03"));
  m_searchStatus->setFrameShape(QFrame::StyledPanel);
  m_searchStatus->setFrameShadow(QFrame::Sunken);
  m_searchStatus->setMinimumHeight(20);
  m_search->setStatusLabel(m_searchStatus);
  sl->addWidget(m_searchStatus);
  m_notebook[1]->addWidget(searchPage);

  m_pageHaupt->addTab(makePanelPage(PanelId::ComputerInfo01, m_pageHaupt), QString());
  m_pageHaupt->addTab(makePanelPage(PanelId::FileInfos01, m_pageHaupt), QString());
  m_pageFiles = new QTabWidget(m_pageHaupt);
  m_pageFiles->setObjectName(QStringLiteral("PageControlFiles"));
  m_pageFiles->addTab(makePanelPage(PanelId::FileRename01, m_pageFiles), QString());
  m_pageFiles->addTab(makePanelPage(PanelId::FileAttributes01, m_pageFiles), QString());
  m_pageFiles->addTab(makePanelPage(PanelId::FileSorting01, m_pageFiles), QString());
  m_pageHaupt->addTab(m_pageFiles, QString());
  m_pageFolders = new QTabWidget(m_pageHaupt);
  m_pageFolders->setObjectName(QStringLiteral("PageControlDirectories"));
  m_pageFolders->addTab(makePanelPage(PanelId::FolderRename01, m_pageFolders), QString());
  m_pageFolders->addTab(makePanelPage(PanelId::FileAttributes02, m_pageFolders), QString());
  m_pageFolders->addTab(makePanelPage(PanelId::FolderSeries01, m_pageFolders), QString());
  m_pageFolders->addTab(makePanelPage(PanelId::FolderStructure01, m_pageFolders), QString());
  m_pageHaupt->addTab(m_pageFolders, QString());
  m_pageGarbage = new QTabWidget(m_pageHaupt);
  m_pageGarbage->setObjectName(QStringLiteral("PageControlDataGarbage"));
  m_pageGarbage->addTab(makePanelPage(PanelId::FileDuplicates01, m_pageGarbage), QString());
  m_pageGarbage->addTab(makePanelPage(PanelId::FileJpegTester01, m_pageGarbage), QString());
  m_pageHaupt->addTab(m_pageGarbage, QString());
  m_pageMisc = new QTabWidget(m_pageHaupt);
  m_pageMisc->setObjectName(QStringLiteral("PageControlMisc"));
  m_pageMisc->addTab(makePanelPage(PanelId::IconExtraction01, m_pageMisc), QString());
  m_pageHaupt->addTab(m_pageMisc, QString());
  m_pageHaupt->addTab(makePanelPage(PanelId::FileSearch01, m_pageHaupt), QString());

  connect(m_pageHaupt, &QTabWidget::currentChanged, this, [this](int i) { PageControlHauptChange(i); });
  connect(m_pageFiles, &QTabWidget::currentChanged, this, [this] { PageControlFilesChangeAdjustments(); });
  connect(m_pageFolders, &QTabWidget::currentChanged, this, [this] { PageControlDirectoriesChangeAdjustments(); });
  connect(m_pageGarbage, &QTabWidget::currentChanged, this, [this] { PageControlDataGarbageChange(); });
}

void TFormHaupt::wirePanels() {
  for (ToolPanel* p : m_panels)
    if (p) p->setEvents(this);
  // Fixed links of the rename panels.
  if (ToolPanel* r = panel(PanelId::FileRename01)) {
    r->linkPanel(PanelId::FileList01, panel(PanelId::FileList01));
    r->linkPanel(PanelId::FilenamePreview01, panel(PanelId::FilenamePreview01));
    r->linkPanel(PanelId::MP3TagAdjustments, panel(PanelId::MP3TagAdjustments));
  }
  if (ToolPanel* r = panel(PanelId::FolderRename01)) r->linkPanel(PanelId::FilenamePreview01, panel(PanelId::FilenamePreview01));
  if (ToolPanel* s = panel(PanelId::FileSearch01)) s->setSearchResults(m_search);
  for (ExplorerPane* pane : m_panes) {
    connect(pane, &ExplorerPane::changed, this, &TFormHaupt::listChanged);
    connect(pane, &ExplorerPane::clicked, this, &TFormHaupt::listClicked);
    pane->addProgramCommands = [this](QMenu* menu, ExplorerPane* p) { addContextCommands(menu, p); };
  }
}

void TFormHaupt::FormCreate() {
  m_notify = new app::TSHChangeNotify(this);
  m_notify->HardDriveOnly = false;
  m_notify->start({QDir::homePath()});
  setWindowState(windowState() | Qt::WindowMaximized);
  const app::Settings& s = app::AppSettings;
  setWindowTitle(QStringLiteral("Vantorim Steerhall V1.04") +
                 (app::AppLanguage == app::lgEnglish ? QStringLiteral(" (Release: ") : QStringLiteral(" (Stand: ")) +
                 QStringLiteral("09.10.2005)"));
  ApplySettings();
  for (ExplorerPane* pane : m_panes) pane->setShowHidden(s.ShowHidden);
  VirtualExplorerListViewExThumbnailAdjustments();
  const QString desktop = platform::specialFolderPath(platform::SpecialFolder::Desktop);
  const QString fallback = QFileInfo(desktop).isDir() ? desktop : QDir::homePath();
  for (int side = 0; side < 2; ++side) {
    const QString start = side == 0 ? s.StartverzeichnisLinks : s.StartverzeichnisRechts;
    if (start.isEmpty() || !m_panes[side]->setRoot(start)) m_panes[side]->setRoot(fallback);
  }
  m_lastLeftFolder = m_panes[0]->currentFolder();
  m_lastRightFolder = m_panes[1]->currentFolder();
  pointPanelsAt(m_panes[0], true);
  ApplyLanguage();
  SetDualPane(true);
}

void TFormHaupt::ApplySettings() {
  const app::Settings& s = app::AppSettings;
  const QString work = s.Arbeitsverzeichnis.isEmpty() ? platform::defaultWorkingDirectory() : s.Arbeitsverzeichnis;
  if (ToolPanel* p = panel(PanelId::FileRename01)) {
    p->setProtocolFile(s.Protokolldatei);
    p->setStartConst(s.Startwert);
    p->setWorkingDirectory(work);
  }
  for (PanelId id : {PanelId::FileAttributes01, PanelId::FileAttributes02, PanelId::FileSorting01, PanelId::FolderRename01})
    if (ToolPanel* p = panel(id)) {
      p->setProtocolFile(s.Protokolldatei);
      p->setWorkingDirectory(work);
    }
  if (ToolPanel* p = panel(PanelId::FolderStructure01)) {
    p->setWorkingDirectory(work);
    p->LoadTreeList();
  }
  if (ToolPanel* p = panel(PanelId::FileJpegTester01)) {
    p->setProtocolFile(s.Protokolldatei);
    p->setWorkingDirectory(work);
  }
  if (ToolPanel* p = panel(PanelId::IconExtraction01)) p->setWorkingDirectory(work);
  // Only the values 0 and 1 change the formats.
  if (s.Datum == 0 || s.Datum == 1)
    for (PanelId id : {PanelId::FileRename01, PanelId::FileAttributes01, PanelId::FileAttributes02, PanelId::FileSorting01})
      if (ToolPanel* p = panel(id)) p->setDateFormat(s.Datum == 0 ? app::dfDDMMYYYY : app::dfMMDDYYYY);
  if (s.Zeit == 0 || s.Zeit == 1)
    for (PanelId id : {PanelId::FileAttributes01, PanelId::FileAttributes02})
      if (ToolPanel* p = panel(id)) p->setTimeFormat(s.Zeit == 0 ? app::tf24Hours : app::tf12Hours);
}

void TFormHaupt::VirtualExplorerListViewExThumbnailAdjustments() {
  const ThumbnailLook look = ThumbnailLook::fromSettings(app::AppSettings);
  for (ExplorerPane* pane : m_panes) pane->applyThumbnailLook(look);
}

// ---------------------------------------------------------------- language

void TFormHaupt::ApplyLanguage() {
  const app::TLanguage lang = app::AppLanguage;
  setWindowTitle(QStringLiteral("Vantorim Steerhall V1.04") +
                 (lang == app::lgEnglish ? QStringLiteral(" (Release: ") : QStringLiteral(" (Stand: ")) +
                 QStringLiteral("09.10.2005)"));
  m_menuDatei->setTitle(T("File"));
  m_actOptions->setText(T("Options"));
  m_actLanguage->setText(T("Change Language"));
  m_actUninstall->setText(T("Uninstall Program"));
  m_actQuit->setText(T("Quit Program"));
  m_menuInfo->setTitle(T("Info"));
  m_actHelp->setText(T("Help"));
  m_actInfo->setText(T("Info ..."));
  m_actNew->setText(T("New"));
  m_actNewFolder->setText(T("New Folder"));
  m_actNewFile->setText(T("New File"));
  const char* viewHints[4] = {QT_TRANSLATE_NOOP("TFormHaupt", "Single view"), QT_TRANSLATE_NOOP("TFormHaupt", "Double view"),
                              QT_TRANSLATE_NOOP("TFormHaupt", "Viewer"), QT_TRANSLATE_NOOP("TFormHaupt", "Folder statistic")};
  for (int i = 0; i < 4; ++i) {
    m_viewActions[i]->setText(T(viewHints[i]));
    m_viewActions[i]->setStatusTip(T(viewHints[i]));
  }
  for (QAction* a : {m_actOptions, m_actLanguage, m_actUninstall, m_actQuit, m_actHelp, m_actInfo, m_actNew,
                     m_actNewFolder, m_actNewFile})
    a->setStatusTip(a->text().remove('&'));
  SetActionCaptions(m_foldersActions);
  // Undo: neutral caption, kind and enabled state kept.
  m_undo.languageChanged();
  updateUndoTexts();

  m_pageHaupt->setTabText(pgComputerInfo, T("Computer Info"));
  m_pageHaupt->setTabText(pgFileInfo, T("File Info"));
  m_pageHaupt->setTabText(pgFiles, T("Files"));
  m_pageHaupt->setTabText(pgFolders, T("Folders"));
  m_pageHaupt->setTabText(pgGarbage, T("Data Garbage"));
  m_pageHaupt->setTabText(pgMisc, T("Miscellaneous"));
  m_pageHaupt->setTabText(pgSearch, T("Search"));
  m_pageFiles->setTabText(fpRename, T("Rename"));
  m_pageFiles->setTabText(fpAttribute, T("Attributes"));
  m_pageFiles->setTabText(fpSort, T("Sort"));
  m_pageFolders->setTabText(dpRename, T("Rename"));
  m_pageFolders->setTabText(dpAttribute, T("Attributes"));
  m_pageFolders->setTabText(dpSeries, T("Series"));
  m_pageFolders->setTabText(dpFolderTrees, T("Foldertrees"));
  m_pageGarbage->setTabText(gpDuplicates, T("Duplicates"));
  m_pageGarbage->setTabText(gpJpegs, QStringLiteral("JPEGs"));
  m_pageMisc->setTabText(0, QStringLiteral("Icons"));
  m_searchTitle->setText(T("Search Results"));
  for (QLabel* l : std::as_const(m_notAvailableLabels)) l->setText(T("This tool is not available yet."));
  for (ExplorerPane* pane : m_panes) pane->setLanguage(lang);
  m_search->setLanguage(lang);
  for (ToolPanel* p : m_panels)
    if (p) p->setLanguage(lang);
  if (m_about) m_about->setLanguage(lang);
}

void TFormHaupt::SetActionCaptions(bool folders) {
  m_foldersActions = folders;
  m_menuAktionen->setTitle(T("Actions"));
  m_actRename->setText(folders ? T("Rename Folders") : T("Rename Files"));
  m_actAttributes->setText(T("Change Attributes"));
  m_actSort->setText(folders ? T("Sort Folder") : T("Sort Files"));
  m_actMarkAll->setText(folders ? T("Mark All Folders") : T("Mark All Files"));
  for (QAction* a : {m_actRename, m_actAttributes, m_actSort, m_actMarkAll}) {
    a->setToolTip(a->text());
    a->setStatusTip(a->text());
  }
}

// ---------------------------------------------------------------- undo

void TFormHaupt::undoRun(app::UndoEvent event, bool undoPossible) {
  m_undo.runFinished(event, undoPossible);
  m_lastUndoEvent = event;
  updateUndoTexts();
}

void TFormHaupt::updateUndoTexts() {
  QString caption, hint;
  switch (m_undo.caption()) {
    case app::UndoCaption::Neutral: caption = hint = T("Undo: "); break;
    case app::UndoCaption::Rename:
      caption = T("&Undo: Rename");
      hint = T("Reestablish old names");
      break;
    case app::UndoCaption::Sort:
      caption = T("&Undo: Sort");
      hint = T("Move files back to their starting location");
      break;
    case app::UndoCaption::ChangeAttributes:
      caption = T("&Undo: Change Attributes");
      hint = T("Reestablish old attributes");
      break;
    case app::UndoCaption::Move:
      caption = T("&Undo: Move");
      hint = T("Undo last moving event.");
      break;
  }
  m_actUndo->setText(caption);
  m_actUndo->setToolTip(hint);
  m_actUndo->setStatusTip(hint);
  m_actUndo->setEnabled(m_undo.enabled());
}

void TFormHaupt::undoClick() {
  switch (m_undo.kind()) {
    case 1: if (ToolPanel* p = panel(PanelId::FileAttributes01)) p->UndoAttributes(); break;
    case 2: if (ToolPanel* p = panel(PanelId::FileAttributes02)) p->UndoAttributes(); break;
    case 3: if (ToolPanel* p = panel(PanelId::FolderRename01)) p->UndoRename(); break;
    case 4:
    case 5: if (ToolPanel* p = panel(PanelId::FileRename01)) p->UndoRename(); break;
    case 6: if (ToolPanel* p = panel(PanelId::FileJpegTester01)) p->UndoMove(); break;
    case 7: if (ToolPanel* p = panel(PanelId::FileSorting01)) p->UndoSort(); break;
    default: break;
  }
}

void TFormHaupt::OnRename(ToolPanel* sender, bool undoPossible) {
  if (sender == panel(PanelId::FolderRename01)) undoRun(app::UndoEvent::FolderRename, true);
  else undoRun(app::UndoEvent::FileRename, undoPossible);
}

void TFormHaupt::OnSort(ToolPanel* sender, bool undoPossible) {
  undoRun(sender == panel(PanelId::FileSorting01) ? app::UndoEvent::FileSorting : app::UndoEvent::FileRenameSort,
          undoPossible);
}

void TFormHaupt::OnAttributesChanged(ToolPanel* sender) {
  undoRun(sender == panel(PanelId::FileAttributes02) ? app::UndoEvent::FolderAttributes : app::UndoEvent::FileAttributes,
          true);
}

void TFormHaupt::OnSearchFinished(ToolPanel*, bool undoPossible) { undoRun(app::UndoEvent::JpegMoves, undoPossible); }

void TFormHaupt::OnUndo(ToolPanel*) {
  m_undo.undone();
  updateUndoTexts();
}

// ---------------------------------------------------------------- actions

void TFormHaupt::renameClick() {
  if (m_pageHaupt->currentIndex() == pgFiles) {
    if (ToolPanel* p = panel(PanelId::FileRename01)) p->RenameFiles();
  } else if (m_pageHaupt->currentIndex() == pgFolders) {
    if (ToolPanel* p = panel(PanelId::FolderRename01)) p->RenameFolders();
  }
}

void TFormHaupt::attributesClick() {
  if (m_pageHaupt->currentIndex() == pgFiles && m_pageFiles->currentIndex() == fpAttribute) {
    if (ToolPanel* p = panel(PanelId::FileAttributes01)) p->ChangeAttributes();
  } else if (m_pageHaupt->currentIndex() == pgFolders && m_pageFolders->currentIndex() == dpAttribute) {
    if (ToolPanel* p = panel(PanelId::FileAttributes02)) p->ChangeAttributes();
  }
}

void TFormHaupt::sortClick() {
  if (m_pageHaupt->currentIndex() != pgFiles) return;
  if (m_pageFiles->currentIndex() == fpRename) {
    if (ToolPanel* p = panel(PanelId::FileRename01)) p->SortFiles();
  } else if (m_pageFiles->currentIndex() == fpSort) {
    if (ToolPanel* p = panel(PanelId::FileSorting01)) p->SortFiles();
  }
}

ExplorerPane* TFormHaupt::activePane() const {
  for (ExplorerPane* p : m_panes)
    if (static_cast<ExplorerInterface*>(p) == m_activeList) return p;
  return nullptr;
}

void TFormHaupt::MarkAll() {
  ExplorerPane* pane = activePane();
  if (!pane) return;
  pane->markAll(m_pageHaupt->currentIndex() == pgFolders);
}

// ---------------------------------------------------------------- filter combos

void TFormHaupt::setFilterCombos(const QString& text, bool apply) {
  for (ExplorerPane* p : m_panes) {
    p->filterCombo()->setFilterText(text);
    if (apply) p->filterCombo()->applyFilter();
  }
}

void TFormHaupt::setCombosEnabled(bool on) {
  for (ExplorerPane* p : m_panes) p->filterCombo()->setEnabled(on);
}

bool TFormHaupt::combosEnabled() const {
  return m_panes[0]->filterCombo()->isEnabled() && m_panes[1]->filterCombo()->isEnabled();
}

void TFormHaupt::applyShownKinds(bool foldersOnly) {
  for (ExplorerPane* p : m_panes) {
    p->setShowHidden(app::AppSettings.ShowHidden);
    p->setFoldersOnly(foldersOnly);
  }
}

// ---------------------------------------------------------------- page switches

void TFormHaupt::PageControlHauptChange(int index) {
  bool filterChanged = false;
  ToolPanel* rename = panel(PanelId::FileRename01);
  // 1
  if (index == pgFileInfo)
    if (ToolPanel* p = panel(PanelId::FileInfos01)) p->setFilename(QString());
  // 2
  if (index == pgFiles) {
    SetActionCaptions(false);
    m_menuAktionen->menuAction()->setVisible(true);
    m_actMarkAll->setEnabled(true);
    if (m_pageFiles->currentIndex() == fpRename) {
      if (app::AppSettings.ThumbLinks) m_panes[0]->setDetailedHints(false);
      if (app::AppSettings.ThumbRechts) m_panes[1]->setDetailedHints(false);
    }
    PageControlFilesChangeAdjustments();
  } else {
    for (ExplorerPane* p : m_panes) p->setDetailedHints(app::AppSettings.DetailedHints);
    m_menuAktionen->menuAction()->setVisible(false);
    for (QAction* a : {m_actRename, m_actAttributes, m_actSort, m_actMarkAll}) a->setEnabled(false);
    if (!combosEnabled()) {
      setFilterCombos(QStringLiteral("*.*"), false);
      setCombosEnabled(true);
      filterChanged = true;
    }
    if (rename) {
      if (rename->ID3TagsActive()) rename->SetID3TagsActive(false);
      if (rename->PreviewActive()) rename->SetPreviewActive(false);
      if (rename->UseFileList()) rename->SetUseFileList(false);
    }
  }
  // 3
  if (index == pgGarbage) {
    if (m_pageGarbage->currentIndex() == gpDuplicates) {
      if (!combosEnabled()) {
        setFilterCombos(QStringLiteral("*.*"), false);
        setCombosEnabled(true);
        filterChanged = true;
      }
    } else {
      if (m_panes[0]->filterCombo()->isEnabled() || m_panes[1]->filterCombo()->isEnabled()) setCombosEnabled(false);
      const QString jpeg = QStringLiteral("*.jpg|*.jpeg");
      if (m_panes[0]->filterText() != jpeg || m_panes[1]->filterText() != jpeg) {
        setFilterCombos(jpeg, false);
        filterChanged = true;
      }
    }
  }
  // 4
  if (index == pgFolders) {
    applyShownKinds(true);
    SetActionCaptions(true);
    m_menuAktionen->menuAction()->setVisible(true);
    m_actMarkAll->setEnabled(true);
    PageControlDirectoriesChangeAdjustments();
  } else {
    applyShownKinds(false);
    if (ToolPanel* p = panel(PanelId::FolderRename01); p && p->PreviewActive()) p->SetPreviewActive(false);
  }
  // 5
  if (index == pgSearch) {
    if (singleView()) SetDualPane(true);
    showRightPage(5);
  } else {
    if (singleView()) SetDualPane(false);
    if (m_notebook[1]->currentIndex() == 5) showRightPage(viewModePage());
  }
  // 6
  if (filterChanged)
    for (ExplorerPane* p : m_panes) p->filterCombo()->applyFilter();
}

void TFormHaupt::PageControlFilesChangeAdjustments() {
  ToolPanel* rename = panel(PanelId::FileRename01);
  const int sub = m_pageFiles->currentIndex();
  if (sub != fpRename && rename) {
    if (rename->ID3TagsActive()) rename->SetID3TagsActive(false);
    if (rename->PreviewActive()) rename->SetPreviewActive(false);
    if (rename->UseFileList()) rename->SetUseFileList(false);
  }
  if (m_pageHaupt->currentIndex() != pgFiles) return;
  switch (sub) {
    case fpRename: {
      const int layer = rename ? rename->LayerPageIndex() : 0;
      m_actRename->setEnabled(true);
      m_actAttributes->setEnabled(false);
      m_actSort->setEnabled(layer == 2);
      if (layer == 2 || layer == 3) {
        setFilterCombos(layer == 2 ? QStringLiteral("*.mp3|*.mp+") : QStringLiteral("*.ttf"), true);
        setCombosEnabled(false);
      }
      break;
    }
    case fpAttribute:
      m_actRename->setEnabled(false);
      m_actAttributes->setEnabled(true);
      m_actSort->setEnabled(false);
      break;
    case fpSort:
      m_actRename->setEnabled(false);
      m_actAttributes->setEnabled(false);
      m_actSort->setEnabled(true);
      break;
    default: break;
  }
}

void TFormHaupt::PageControlDirectoriesChangeAdjustments() {
  const int sub = m_pageFolders->currentIndex();
  if (sub != dpRename)
    if (ToolPanel* p = panel(PanelId::FolderRename01); p && p->PreviewActive()) p->SetPreviewActive(false);
  if (m_pageHaupt->currentIndex() != pgFolders) return;
  m_actRename->setEnabled(sub == dpRename);
  m_actAttributes->setEnabled(sub == dpAttribute);
  m_actSort->setEnabled(false);
}

void TFormHaupt::PageControlDataGarbageChange() {
  if (m_pageGarbage->currentIndex() == gpDuplicates) {
    setCombosEnabled(true);
    setFilterCombos(QStringLiteral("*.*"), false);
  } else {
    setCombosEnabled(false);
    setFilterCombos(QStringLiteral("*.jpg|*.jpeg"), false);
  }
  for (ExplorerPane* p : m_panes) p->filterCombo()->applyFilter();
}

// ---------------------------------------------------------------- layout and view modes

TFormHaupt::ViewMode TFormHaupt::viewMode() const {
  for (int i = 1; i < 4; ++i)
    if (m_viewActions[i]->isChecked()) return static_cast<ViewMode>(i);
  return ViewMode::Single;
}

int TFormHaupt::viewModePage() const {
  switch (viewMode()) {
    case ViewMode::Viewer: return 3;
    case ViewMode::FolderStatistic: return 4;
    default: return 0;
  }
}

void TFormHaupt::showRightPage(int page) { m_notebook[1]->setCurrentIndex(page); }

void TFormHaupt::SetDualPane(bool dual) {
  m_dual = dual;
  auto* area = static_cast<ExplorerArea*>(m_explorerArea);
  area->setLeftWidth((area->width() - 2) / 2);
  area->setDual(dual);
  for (int side = 0; side < 2; ++side) {
    const int w = side == 0 ? (dual ? (area->width() - 2) / 2 : area->width()) : area->width() - (area->width() - 2) / 2 - 2;
    auto* splitter = static_cast<QSplitter*>(m_panes[side]->treePanel()->parentWidget());
    const int tree = qMax(160, treeWidthFor(w));
    splitter->setSizes({tree, qMax(1, w - tree)});
  }
}

void TFormHaupt::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  // The central widgets get their new sizes after this event; lay out then.
  QTimer::singleShot(0, this, [this] { SetDualPane(m_dual); });
}

void TFormHaupt::setViewMode(ViewMode mode) {
  ToolPanel* rename = panel(PanelId::FileRename01);
  ToolPanel* folderRename = panel(PanelId::FolderRename01);
  const bool renamePreview = rename && rename->PreviewActive();
  const bool mp3 = rename && rename->ID3TagsActive();
  const bool fileList = rename && rename->UseFileList();
  const bool folderPreview = folderRename && folderRename->PreviewActive();
  const bool searchPage = m_pageHaupt->currentIndex() == pgSearch;
  m_viewActions[int(mode)]->setChecked(true);
  ToolPanel* viewer = panel(PanelId::FileViewer01);
  switch (mode) {
    case ViewMode::Single:
      if (viewer) viewer->ResetViewer();
      if (!(mp3 || fileList || renamePreview || folderPreview || searchPage)) SetDualPane(false);
      break;
    case ViewMode::Double:
      if (viewer) viewer->ResetViewer();
      SetDualPane(true);
      if (!(renamePreview || mp3 || folderPreview || searchPage)) showRightPage(0);
      break;
    case ViewMode::Viewer:
      SetDualPane(true);
      if (viewer) viewer->ResetViewer();
      if (!(renamePreview || mp3 || folderPreview || searchPage)) showRightPage(3);
      break;
    case ViewMode::FolderStatistic:
      SetDualPane(true);
      if (!(renamePreview || mp3 || folderPreview || searchPage)) showRightPage(4);
      break;
  }
}

// ---------------------------------------------------------------- rename panel events

void TFormHaupt::OnPageControlChange(ToolPanel* sender, const QString& fileExtFilter) {
  const int layer = sender->LayerPageIndex();
  setCombosEnabled(layer < 2);
  if (m_panes[0]->filterText() != fileExtFilter || m_panes[1]->filterText() != fileExtFilter)
    setFilterCombos(fileExtFilter, true);
  m_actSort->setEnabled(layer == 2);
}

void TFormHaupt::OnID3TagsClick(ToolPanel* sender, bool activated) {
  if (activated) {
    if (sender->PreviewActive()) sender->SetPreviewActive(false);
    if (singleView()) SetDualPane(true);
    showRightPage(2);
  } else {
    if (singleView()) SetDualPane(false);
    showRightPage(viewModePage());
  }
}

void TFormHaupt::OnPreviewClick(ToolPanel* sender, bool activated) {
  const bool folderPanel = sender == panel(PanelId::FolderRename01);
  if (!activated) {
    const bool fileList = !folderPanel && sender->UseFileList();
    if (singleView() && !fileList) SetDualPane(false);
    if (folderPanel) showRightPage(viewModePage());
    else showRightPage(viewMode() == ViewMode::Double || fileList ? 0 : viewModePage());
    return;
  }
  if (folderPanel || m_notebook[0]->currentIndex() != 1) {
    VirtualExplorerTransferMarks();
    sender->setExplorer(m_panes[0]);
    if (!folderPanel) m_activeList = m_panes[0];
  }
  if (singleView()) SetDualPane(true);
  showRightPage(1);
  listClicked(m_panes[0]);
  // The marks may already sit in the left list, so no change of the list
  // would bring the names in; the preview is filled here.
  sender->RefreshPreview();
}

void TFormHaupt::OnUseFileListClick(ToolPanel* sender, bool activated) {
  if (activated) {
    if (singleView()) SetDualPane(true);
    m_notebook[0]->setCurrentIndex(1);
    if (!sender->PreviewActive()) showRightPage(0);
  } else {
    if (singleView() && !sender->PreviewActive()) SetDualPane(false);
    m_notebook[0]->setCurrentIndex(0);
  }
}

void TFormHaupt::OnBackBtnClick(ToolPanel*) {
  if (m_pageHaupt->currentIndex() == pgFiles) {
    if (ToolPanel* p = panel(PanelId::FileRename01)) p->SetPreviewActive(false);
  } else if (m_pageHaupt->currentIndex() == pgFolders) {
    if (ToolPanel* p = panel(PanelId::FolderRename01)) p->SetPreviewActive(false);
  }
}

// ---------------------------------------------------------------- hand-over

void TFormHaupt::pointPanelsAt(ExplorerPane* pane, bool withFolderSeries) {
  for (PanelId id : {PanelId::FileRename01, PanelId::FileAttributes01, PanelId::FileAttributes02, PanelId::FileSorting01,
                     PanelId::FolderRename01, PanelId::FolderSeries01, PanelId::FolderStructure01,
                     PanelId::FileDuplicates01, PanelId::FileJpegTester01, PanelId::IconExtraction01}) {
    if (id == PanelId::FolderSeries01 && !withFolderSeries) continue;
    if (ToolPanel* p = panel(id)) p->setExplorer(pane);
  }
  m_activeList = pane;
}

void TFormHaupt::listChanged(ExplorerPane* pane) {
  const bool left = pane == m_panes[0];
  // 1
  const QString folder = pane->currentFolder();
  (left ? m_lastLeftFolder : m_lastRightFolder) = folder;
  const QString selected = pane->focusedPath();
  const int page = m_pageHaupt->currentIndex();
  // 2
  if (page == pgFileInfo && !selected.isEmpty())
    if (ToolPanel* p = panel(PanelId::FileInfos01)) p->setFilename(selected);
  // 3
  ToolPanel* rename = panel(PanelId::FileRename01);
  if (page == pgFiles && m_pageFiles->currentIndex() == fpRename && rename) {
    QString firstFile;
    for (const MarkedItem& m : pane->markedItems())
      if (m.isFile) {
        firstFile = m.path;
        break;
      }
    rename->SetSelectedFile(firstFile);
  }
  // 4, 5
  pointPanelsAt(pane, true);
  if (left) {
    ToolPanel* folderRename = panel(PanelId::FolderRename01);
    const bool previews = (rename && rename->PreviewActive()) || (folderRename && folderRename->PreviewActive());
    if (viewMode() == ViewMode::Viewer && !previews)
      if (ToolPanel* v = panel(PanelId::FileViewer01)) v->setFilePath(selected);
    if (viewMode() == ViewMode::FolderStatistic && page != pgSearch && !selected.isEmpty())
      if (ToolPanel* s = panel(PanelId::FolderStatistic01)) s->setActFolder(selected);
  }
  // 6, 7
  if (page == pgFiles && m_pageFiles->currentIndex() == fpRename && rename && rename->PreviewActive() &&
      !rename->RecursiveSearch())
    rename->RefreshPreview();
  if (page == pgFolders && m_pageFolders->currentIndex() == dpRename)
    if (ToolPanel* p = panel(PanelId::FolderRename01); p && p->PreviewActive()) p->RefreshPreview();
}

void TFormHaupt::listClicked(ExplorerPane* pane) {
  pointPanelsAt(pane, false);
  if (m_pageHaupt->currentIndex() == pgFileInfo && pane->focusedPath().isEmpty())
    if (ToolPanel* p = panel(PanelId::FileInfos01)) p->setFilename(QString());
}

void TFormHaupt::VirtualExplorerTransferMarks() {
  if (m_activeList != static_cast<ExplorerInterface*>(m_panes[1])) return;
  QStringList paths;
  for (const MarkedItem& m : m_panes[1]->markedItems()) paths << m.path;
  m_panes[0]->setRoot(m_panes[1]->currentFolder());
  m_panes[0]->setMarkedPaths(paths);
  m_panes[0]->focusList();
}

void TFormHaupt::addContextCommands(QMenu* menu, ExplorerPane* pane) {
  const int page = m_pageHaupt->currentIndex();
  if (page != pgFiles && page != pgFolders) return;
  const bool folders = page == pgFolders;
  ToolPanel* rename = panel(PanelId::FileRename01);
  auto markAll = [this, pane, folders] { pane->markAll(folders); };
  auto filterHandOver = [pane](ToolPanel* p) {
    if (p) p->setFileExtFilter(pane->filterText());
  };
  if (!folders) {
    switch (m_pageFiles->currentIndex()) {
      case fpRename:
        menu->addAction(T("Rename Files"), this, [this, rename, filterHandOver] {
          filterHandOver(rename);
          if (rename) rename->RenameFiles();
        });
        if (rename && rename->LayerPageIndex() == 2)
          menu->addAction(T("Sort Files"), this, [rename, filterHandOver] {
            filterHandOver(rename);
            rename->SortFiles();
          });
        break;
      case fpAttribute:
        menu->addAction(T("Change Attributes"), this, [this] {
          if (ToolPanel* p = panel(PanelId::FileAttributes01)) p->ChangeAttributes();
        });
        break;
      case fpSort:
        menu->addAction(T("Sort Files"), this, [this, filterHandOver] {
          ToolPanel* p = panel(PanelId::FileSorting01);
          filterHandOver(p);
          if (p) p->SortFiles();
        });
        break;
    }
    menu->addAction(T("Mark All Files"), this, markAll);
  } else {
    switch (m_pageFolders->currentIndex()) {
      case dpRename:
        menu->addAction(T("Rename Folders"), this, [this] {
          if (ToolPanel* p = panel(PanelId::FolderRename01)) p->RenameFolders();
        });
        break;
      case dpAttribute:
        menu->addAction(T("Change Attributes"), this, [this] {
          if (ToolPanel* p = panel(PanelId::FileAttributes02)) p->ChangeAttributes();
        });
        break;
      default: break;
    }
    menu->addAction(T("Mark All Folders"), this, markAll);
  }
  menu->addSeparator();
}

// ---------------------------------------------------------------- dialogs

void TFormHaupt::showAbout() { m_about->exec(); }

void TFormHaupt::showHelp() {
  const QString file = platform::programFolder() +
                       (app::AppLanguage == app::lgEnglish ? QStringLiteral("Vantorim_Help.html") : QStringLiteral("Vantorim_Hilfe.html"));
  if (!QFileInfo::exists(file) || !QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
    common::LangMessageDlg(T("The help file could not be found:") + QStringLiteral("\n") + file, common::mtInformation,
                           {common::mbOK}, app::AppLanguage);
}

void TFormHaupt::showLanguageDialog() {
  app::SettingsStore store;
  TFormSprache dlg(store, this);
  connect(&dlg, &TFormSprache::applyLanguage, this, [this] {
    installTranslations(common::languageCode(app::AppLanguage));
    ApplyLanguage();
  });
  dlg.exec();
}

void TFormHaupt::notAvailable() {
  common::LangMessageDlg(T("This function is not available yet."), common::mtInformation, {common::mbOK}, app::AppLanguage);
}

void TFormHaupt::closeEvent(QCloseEvent* event) {
  if (common::LangMessageDlg(T("Do you really want to quit the program ?"), common::mtConfirmation,
                             {common::mbYes, common::mbNo}, app::AppLanguage) != common::mrYes) {
    event->ignore();
    return;
  }
  app::SettingsStore store;
  store.writeDword(QString::fromLatin1(app::keys::PanelExplorerL02), std::uint32_t(m_panes[0]->treePanel()->width()));
  store.writeDword(QString::fromLatin1(app::keys::PanelExplorerR02), std::uint32_t(m_panes[1]->treePanel()->width()));
  if (ToolPanel* p = panel(PanelId::ComputerInfo01)) p->StopStatistics();
  if (m_notify) m_notify->stop();
  event->accept();
}

}  // namespace vantorim::gui
