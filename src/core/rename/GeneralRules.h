#pragma once
// The name-building rules of the "Allgemein" layer: counters, base names,
// replacing, inserting, cutting, case, shortening, extensions, dates and times.

#include "core/rename/Gathering.h"
#include "core/rename/RenameMessages.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

namespace vantorim::rename {

enum class GeneralMode {
  NumberIndex = 0,
  CharacterIndex = 1,
  CompleteName = 2,
  Replace = 3,
  Insert = 4,
  Cut = 5,
  Case = 6,
  Shorten = 7,
  Extension = 8,
  DateTime = 9,
  External = 10,
};
constexpr int kGeneralModeCount = 11;

enum class DateFormat { DDMMYYYY, MMDDYYYY };

// The values of the option pages; defaults are those of a new panel.
struct GeneralParams {
  GeneralMode mode = GeneralMode::NumberIndex;
  bool logicalSorting = false;  // modes 0 and 1

  // Counters and base name (modes 0 to 2)
  QString baseName;
  int digits = 1;                 // 1..9
  QString startValue = "0";       // decimal text, read as a 32-bit integer
  int step = 1;                   // 1..1000
  QString startLetters = "a";
  int extensionCase = 0;          // 0 keep, 1 upper, 2 lower (a-z only)
  int indexPlace = 0;             // 0 at the end, 1 at the beginning
  int completeVariant = 0;        // mode 2: 0 base + name, 1 number + name

  // Mode 3
  QString searchText;
  QString replacement;

  // Mode 4
  QString insertText;
  int insertPosition = 0;         // 0..255
  int insertFromEnd = 0;          // 0 from the beginning, 1 from the end

  // Mode 5
  int cutCount = 0;               // 0..255
  int cutPosition = 0;            // 0..255
  int cutFromEnd = 0;

  // Mode 6
  int caseKind = 0;               // 0 capitalise, 1 word beginnings, 2 upper, 3 lower, 4 invert
  int caseTarget = 0;             // 0 name, 1 extension, 2 both

  // Mode 7
  int shortenCount = 0;           // 0..255
  int shortenFromEnd = 0;         // 0 from the beginning, 1 from the end
  int shortenKind = 0;            // 0 shorten by, 1 shorten to, 2 8.3
  int shortenTarget = 0;          // 0 name, 1 name + extension (kind 1 only)

  // Mode 8
  QString oldExtension;           // "*.txt"
  QString newExtension;           // "*.txt"
  bool changeAllExtensions = false;

  // Mode 9
  int dateSource = 0;             // 0 creation time, 1 own values
  QString ownDate;                // "dd/mm/yyyy" or "mm/dd/yyyy" by dateFormat
  QString ownTime;                // taken as it stands
  DateFormat dateFormat = DateFormat::DDMMYYYY;
  int datePlacement = 0;          // 0 before the name, 1 behind it
  int dateArrangement = 0;        // 0 date, 1 date + time, 2 time, 3 time + date
  int dateOrder = 0;              // 0 day-month-year, 1 month-day-year, 2 year-month-day
};

// State the rules keep between runs of one panel.
struct RuleState {
  std::int64_t lastNumber = 0;    // of mode 0, offered + 1 by the continue button
};

// The creation time of a file in local time; no value when it cannot be read.
using CreationTimeReader = std::function<std::optional<QDateTime>(const QString& path)>;
CreationTimeReader defaultCreationTimeReader();

struct RuleOutcome {
  Message message = Message::None;  // an abort unless None or NoSearchText
  QString messageArg;
  bool aborted() const { return isAbort(message); }
};

// Rewrites lists.newPaths by the rule of `params.mode` (after the destination
// check). Modes 0 and 1 with logical sorting also reorder lists.oldPaths.
RuleOutcome applyGeneralRule(const GeneralParams& params, const Placement& placement,
                             NameLists& lists, RuleState& state,
                             const CreationTimeReader& creationTime = defaultCreationTimeReader());

// Logical sorting of full paths by the first number of their names (not stable).
// False when a key exceeds the 32-bit range (`badName` tells which); the list
// is then unchanged.
bool logicalSort(QStringList& paths, QString* badName = nullptr);

// Advances a counter of letters: the last character steps by code, "z" and
// above carry to the left ("az" -> "ba", "Z" -> "["); a carry past the first
// character is dropped, so the string keeps its length.
QString advanceLetters(const QString& letters);

}  // namespace vantorim::rename
