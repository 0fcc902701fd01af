#pragma once
// TFileRename: the rename panel. Gathers the files, maps its option pages to
// the general-layer rules, shows the preview and runs renames with undo.

#include "core/app/Settings.h"
#include "core/rename/GeneralRules.h"
#include "core/rename/RenameMessages.h"
#include "gui/app/ToolPanel.h"
#include "gui/common/LangText.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QStackedWidget;
class QTabBar;
class QToolButton;

namespace vantorim::common {
class TBalloonHint;
class TUpDownLong;
}  // namespace vantorim::common

namespace vantorim::rename {

class TFilenamePreview;

enum TRenameLayer { rlGeneral = 0x1, rlFunctions = 0x2, rlTTF = 0x4, rlMP3 = 0x8 };
using TSetRenameLayers = unsigned;
inline constexpr TSetRenameLayers kAllRenameLayers = rlGeneral | rlFunctions | rlTTF | rlMP3;

// Names of the option notebook's pages, in order.
enum OptionPage {
  pgStammname1, pgStammname2, pgZeichenkette, pgEinsetzen, pgAusschneiden, pgSchreibung,
  pgNamenkuerzen, pgDateiendung, pgDatumZeit01, pgDatumZeit02, pgExtern, kOptionPageCount
};

class TFileRename : public QWidget, public common::LanguageAware, public gui::ToolPanel {
  Q_OBJECT
public:
  explicit TFileRename(QWidget* parent = nullptr);
  ~TFileRename() override;

  // The main window's view of the panel
  QWidget* widget() override { return this; }
  void setEvents(gui::PanelEvents* events) override;
  void linkPanel(gui::PanelId id, gui::ToolPanel* panel) override;

  // Properties
  void setLanguage(app::TLanguage value) override { common::LanguageAware::setLanguage(value); }
  const QString& WorkingDirectory() const { return m_workingDirectory; }
  void setWorkingDirectory(const QString& value) override;
  const QString& ProtocolFile() const { return m_protocolFile; }
  void setProtocolFile(const QString& value) override { m_protocolFile = value; }
  QString logPath() const { return m_workingDirectory + m_protocolFile; }
  int StartConst() const { return m_startConst; }
  void setStartConst(int value) override { m_startConst = value; }
  DateFormat dateFormat() const { return m_dateFormat; }
  void setDateFormat(DateFormat value) { m_dateFormat = value; }
  void setDateFormat(app::TDateFormat value) override {
    m_dateFormat = value == app::dfMMDDYYYY ? DateFormat::MMDDYYYY : DateFormat::DDMMYYYY;
  }
  const QString& FileExtFilter() const { return m_fileExtFilter; }
  void setFileExtFilter(const QString& value) override;
  QString fileExtFilter() const override { return m_fileExtFilter; }
  const QStringList& filePatterns() const { return m_patterns; }
  void setAdditionalFileExt(const QStringList& value);
  void setDllList(const QStringList& value);
  bool LogicalSorting() const { return m_logicalSortingOffered; }
  void setLogicalSorting(bool value);
  TSetRenameLayers RenameLayers() const { return m_layers; }
  void setRenameLayers(TSetRenameLayers value);
  void setExplorer(gui::ExplorerInterface* list) override { m_explorer = list; }
  // The ordered file list (its entries, full paths); empty function: none attached.
  void setFileList(std::function<QStringList()> entries) { m_fileList = std::move(entries); }
  void setFilenamePreview(TFilenamePreview* preview) { m_preview = preview; }

  // Operations
  void RenameFiles() override;
  void UndoRename() override;
  void RefreshPreview() override;
  void SetPreviewActive(bool value) override;
  bool PreviewActive() const override { return m_previewActive; }
  void SetUseFileList(bool value) override;
  bool UseFileList() const override { return m_useFileList; }
  void SetID3TagsActive(bool value) override;
  bool ID3TagsActive() const override { return m_id3Active; }
  void SetSelectedFile(const QString& path) override { m_selectedFile = path; }
  int LayerPageIndex() const override { return m_layer; }
  bool RecursiveSearch() const override;
  const QString& selectedFile() const { return m_selectedFile; }

  // State for the main window and tests
  int mode() const;
  void setMode(int mode);
  int currentLayer() const { return m_layer; }
  void setCurrentLayer(int layer);
  bool previewActive() const { return m_previewActive; }
  std::int64_t lastNumber() const { return m_ruleState.lastNumber; }
  // The values of the option pages as rule parameters.
  GeneralParams params() const;
  Placement placement() const;

  // Controls, by their role (tests and the main window use them)
  struct Controls {
    QTabBar* layerTabs;
    QStackedWidget* layerPages;
    QGroupBox* modeGroup;
    QList<QRadioButton*> modes;
    QStackedWidget* options;
    QGroupBox* targetGroup;
    QList<QRadioButton*> targetModes;
    QLineEdit* targetDir;
    QCheckBox* recursive;
    QCheckBox* useFileList;
    QCheckBox* logicalSorting;
    QPushButton* preview;
    QLineEdit* baseName;
    QLineEdit* digits;
    common::TUpDownLong* digitsUpDown;
    QLineEdit* startValue;
    common::TUpDownLong* startUpDown;
    QLineEdit* step;
    common::TUpDownLong* stepUpDown;
    QLineEdit* startLetters;
    QToolButton* presetButton;
    QToolButton* continueButton;
    QToolButton* moreButton;
    QToolButton* backButton;
    QGroupBox* extCaseGroup;
    QGroupBox* indexPlaceGroup;
    QGroupBox* completeGroup;
    QLineEdit* searchText;
    QLineEdit* replaceText;
    QLineEdit* insertText;
    QLineEdit* insertPos;
    QGroupBox* insertSideGroup;
    QLineEdit* cutCount;
    QLineEdit* cutPos;
    QGroupBox* cutSideGroup;
    QGroupBox* caseKindGroup;
    QGroupBox* caseTargetGroup;
    QLineEdit* shortenCount;
    QGroupBox* shortenSideGroup;
    QGroupBox* shortenKindGroup;
    QGroupBox* shortenTargetGroup;
    QComboBox* oldExt;
    QComboBox* newExt;
    QCheckBox* allExt;
    QGroupBox* dateSourceGroup;
    QLabel* dateLabel;
    QLineEdit* date;
    QLabel* timeLabel;
    QLineEdit* time;
    QGroupBox* placementGroup;
    QGroupBox* arrangementGroup;
    QToolButton* formatButton;
    QGroupBox* dateOrderGroup;
    QToolButton* formatBackButton;
    QComboBox* libraryBox;
  };
  const Controls& controls() const { return c; }
  bool wideLayout() const { return m_wide; }
  common::TBalloonHint* balloonTip() const { return m_balloon; }

  // The checked item of a radio group built by this panel; setRadio checks one.
  static int radioIndex(const QGroupBox* group);
  static void setRadio(QGroupBox* group, int index);

signals:
  void OnPageControlChange(const QString& fileExtFilter);
  void OnPreviewClick(bool activated);
  void OnUseFileListClick(bool activated);
  void OnID3TagsClick(bool activated);
  void OnRename(bool undoPossible);
  void OnSort(bool undoPossible);
  void OnUndo();

protected:
  void applyLanguage() override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void build();
  QWidget* buildCommonStrip();
  QWidget* buildGeneralLayer();
  void buildOptionPages();
  void modeChanged(int mode);
  void layerChanged(int layer);
  void recursiveClicked();
  void useFileListClicked();
  void previewClicked();
  void chooseTargetDirectory();
  void fillExtensionBoxes();
  void applyLayout();
  // Gathers the files and builds the new names; false when a message or abort ended it.
  bool buildNames(NameLists& lists, bool& cleared);
  void inform(Message message, const QString& arg = {});
  QString msg(Message message, const QString& arg = {}) const;

  Controls c{};
  QWidget* m_strip = nullptr;
  QWidget* m_generalLayer = nullptr;
  QScrollArea* m_modeScroll = nullptr;
  QWidget* m_panelStamm1 = nullptr;
  QWidget* m_panelStamm2 = nullptr;
  QWidget* m_panelDatum1 = nullptr;
  QWidget* m_panelDatum2 = nullptr;
  common::TBalloonHint* m_balloon = nullptr;
  QPointer<TFilenamePreview> m_preview;
  gui::ExplorerInterface* m_explorer = nullptr;
  std::function<QStringList()> m_fileList;

  QString m_workingDirectory = QStringLiteral("/tmp/");
  QString m_protocolFile = QStringLiteral("Protokoll.txt");
  int m_startConst = 0;
  DateFormat m_dateFormat = DateFormat::DDMMYYYY;
  QString m_fileExtFilter = QStringLiteral("*.*");
  QStringList m_patterns{QStringLiteral("*.*")};
  QStringList m_additionalExt;
  QStringList m_dllList;
  bool m_logicalSortingOffered = false;
  // Layers whose rules are not built yet stay hidden.
  TSetRenameLayers m_layers = rlGeneral;
  QString m_selectedFile;
  int m_layer = 0;
  bool m_previewActive = false;
  bool m_useFileList = false;
  bool m_recursive = false;
  bool m_id3Active = false;
  bool m_wide = false;
  bool m_refreshing = false;
  RuleState m_ruleState;
  // Re-captions every control from its English source text (run by applyLanguage).
  std::vector<std::function<void()>> m_captions;
};

}  // namespace vantorim::rename
