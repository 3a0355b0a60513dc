#pragma once
// Every window of a program run on a copy of the sample database, on a
// 1366x768 offscreen screen, with the window keeper installed as kordwin
// installs it. Messages are recorded; Yes/No questions get their default.

#include <QSettings>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "program_windows.h"
#include "qt_ui.h"
#include "window_keeper.h"
#include "window_ui.h"

namespace kord::desktoptest {

class DesktopUi : public gui::QtUi {
 public:
  using QtUi::QtUi;
  std::vector<std::string> messages;
  std::string pickFile;  ///< the database the file dialog chooses
  Session* session = nullptr;

  void message(const std::string& text, const std::string& = {}) override { messages.push_back(text); }
  bool askYesNo(const std::string&, const std::string&, Icon, bool defaultYes) override { return defaultYes; }
  std::string inputBox(const std::string&, const std::string&, const std::string&) override { return {}; }
  void runFileDialog() override;
  /// As the program does, except that the report's field chooser is shown
  /// modeless, so that no test waits on it.
  void showWindow(Window window, bool visible) override;
};

/// One program run. Several runs may share one settings file, as the runs
/// of kordwin do.
struct DesktopRun {
  explicit DesktopRun(const QString& settingsFile);
  ~DesktopRun();

  gui::WindowSet set;
  DesktopUi ui{set};
  testsupport::FixedClock clock;
  gui::QtPrinter printer;
  Session session{ui, clock, printer};
  gui::ProgramWindows windows{session, printer};
  QSettings settings;
  gui::WindowKeeper keeper{settings};

  /// Copies the sample into `dir` and opens it through the start window's
  /// flow; false when that failed.
  bool openSample(const QTemporaryDir& dir);
  /// Every top-level window of the program, in the order of building.
  std::vector<QWidget*> all() const { return windows.all(); }
  QWidget& window(Window window) const { return *set.widget(window); }
  /// The window as its own class.
  template <class W>
  W& window(Window window) const {
    return windows.get<W>(window);
  }
};

/// Makes the offscreen platform one 1366x768 screen; call before the
/// application is built.
void useLaptopScreen(const QString& configFile);

}  // namespace kord::desktoptest
