#pragma once
// A scripted person for the tests of a few windows at a time: messages and
// prompts are recorded, input boxes answered from a queue, Yes/No questions
// get their default button, the file dialog picks one file, and the windows
// the test built are shown, hidden and rendered as the program would.

#include <QTemporaryDir>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "session/session.h"
#include "session/ui.h"
#include "shared/fixed_clock.h"

class QWidget;

namespace kord::testsupport {

using FixedClock = test::FixedClock;

class WindowMapUi : public Ui {
 public:
  std::map<Window, QWidget*> windows;  ///< the windows the test built
  Session* session = nullptr;
  std::string pickFile;  ///< the database the file dialog chooses
  std::vector<std::string> messages;
  std::vector<std::string> prompts;
  std::deque<std::string> answers;  ///< empty: the input box is cancelled
  std::vector<Window> shown;        ///< every window shown, in order

  void message(const std::string& text, const std::string& title = {}) override;
  bool askYesNo(const std::string&, const std::string&, Icon, bool defaultYes) override { return defaultYes; }
  std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
  void runFileDialog() override;
  void showWindow(Window window, bool visible) override;
  void refresh(Window window) override;
  void quit() override {}
  bool wasShown(Window window) const;

 protected:
  QWidget* widgetOf(Window window) const;
};

/// Copies data/sample into `dir`/sample, and the data files whose names end
/// in one of `templateEndings` (".hts", ".htt") into `dir` itself, where the
/// program looks for templates; then opens the copy as the start window
/// does and forgets the messages of the opening. False when that failed.
bool OpenSampleCopy(const QTemporaryDir& dir, Session& session, WindowMapUi& ui,
                    const std::vector<std::string>& templateEndings = {});

/// The database folder of the copy, with a trailing "/".
std::string SampleFolder(const QTemporaryDir& dir);

}  // namespace kord::testsupport
