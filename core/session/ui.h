#pragma once
/// What the core needs from a person or a screen. The GUI implements it with
/// Qt dialogs and windows, the command line with standard streams, the tests
/// with scripted fakes. Every text is Windows-1252 (Cp1252Text), as the core keeps it; paths are UTF-8 (Utf8Path).

#include <cstddef>
#include <string>
#include <vector>

#include "db/output_files.h"
#include "db/text_kinds.h"

namespace kord {

/// The windows the core procedures show, hide or refresh.
enum class Window {
  StartWindow,
  DatabaseFileDialog,
  LoadProgressWindow,
  MainWindow,
  HistoryWindow,
  AssistantWindow,
  FocusCard,   ///< the record card of the focus
  SecondCard,  ///< the record card of the second selection
  NameSearchWindow,
  EditCardWindow,
  TreeListWindow,
  TreeOutlineWindow,
  GenerationLimitWindow,
  ListWindow,
  ReportFieldsDialog,
  ReportGridWindow,
  ChartChooser,
  CenturyChartWindow,
  AgeChartWindow,
  FamilyNavigatorWindow,
  PictureNavigatorWindow,
  BookWindow,
  SortKeyDialog,
};

/// How many windows there are: the last value above plus one.
inline constexpr std::size_t kWindowCount = static_cast<std::size_t>(Window::SortKeyDialog) + 1;

enum class Icon { None, Information, Stop, Question };

/// A file the person picks to read or to write. Paths are UTF-8, as the
/// file system takes them; the title and filters are display texts.
struct FileChoice {
  enum class Purpose { Open, Save } purpose = Purpose::Open;
  Cp1252Text title;
  Utf8Path start;                   ///< the folder or file the choice starts from
  std::vector<Cp1252Text> filters;  ///< "GEDCOM (*.ged *.GED)", ...; the first is preselected
  int chosenFilter = 0;             ///< set by the choice: the filter the person used
  bool confirmReplace = true;       ///< saving over an existing file asks first
};

class Ui {
 public:
  virtual ~Ui() = default;

  /// A message box with an OK button.
  virtual void message(const Cp1252Text& text, const Cp1252Text& title = {}) = 0;
  /// A message box with Yes and No buttons; true for Yes.
  virtual bool askYesNo(const Cp1252Text& text, const Cp1252Text& title, Icon icon, bool defaultYes) = 0;
  /// An input box; cancelling returns the empty text.
  virtual Cp1252Text inputBox(const Cp1252Text& prompt, const Cp1252Text& title, const Cp1252Text& defaultText) = 0;
  /// Shows the database file dialog modally. It works on the session's
  /// dialog model through the dialog procedures and returns when it closes.
  virtual void runFileDialog() = 0;
  /// Lets the person pick a file; the empty path when cancelled (also the
  /// answer of a front end that cannot ask).
  virtual Utf8Path chooseFile(FileChoice& choice) {
    (void)choice;
    return {};
  }
  /// Shows or hides a window (without blocking).
  virtual void showWindow(Window window, bool visible) = 0;
  /// Repaints a window from its model now (long work shows its progress).
  virtual void refresh(Window window) = 0;
  /// Ends the program after the current event.
  virtual void quit() = 0;
};

/// A moment of local time.
struct LocalTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime now() const = 0;
};

/// The system clock.
class SystemClock : public Clock {
 public:
  LocalTime now() const override;
};

/// The short date of the Italian locale: dd/mm/yyyy.
std::string ShortDateText(const LocalTime& t);
/// The time of the Italian locale: hh:mm:ss.
std::string TimeText(const LocalTime& t);

/// The default printer. Lines are collected into one document until
/// endDoc; where the system has no printer the document becomes a file.
class Printer {
 public:
  virtual ~Printer() = default;
  /// Selects a font by name; false when the printer has no such font
  /// ("Terminal" stands for a fixed-pitch font with line-drawing glyphs).
  virtual bool setFontName(const std::string& name) = 0;
  virtual void setFontSize(int points) = 0;
  virtual void setBold(bool bold) = 0;
  /// One line: `drawing` holds the line-drawing bytes of code page 437 (B3,
  /// C3, C0, C4) and blanks, `text` Windows-1252 text printed after it.
  virtual void printLine(const std::string& drawing, const std::string& text) = 0;
  virtual void newPage() = 0;
  /// Ends the document: what was printed since the last end goes out as one
  /// job named `documentName`. Returns the file it went to when it could not
  /// go to a printer (in `folder`), else empty; nothing printed: empty. A
  /// file that could not be written is not returned: see lastFailure.
  virtual std::string endDoc(const std::string& folder, const std::string& documentName) = 0;
  /// The file the last endDoc could not write (no failure: nothing).
  virtual OutputFailure lastFailure() const { return {}; }
};

}  // namespace kord
