#pragma once
// Scripted stand-ins for the person, the clock and the printer, and a
// scratch folder, shared by the core tests.

#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "session/session.h"
#include "session/ui.h"
#include "shared/fixed_clock.h"

namespace kord::test {

/// Records every message and answers questions from queues.
class FakeUi : public Ui {
 public:
  std::vector<std::string> messages;
  std::vector<std::string> prompts;
  std::deque<std::string> inputAnswers;  ///< empty queue: the box is cancelled
  std::deque<bool> yesNoAnswers;         ///< empty queue: the default button
  std::vector<std::pair<Window, bool>> shown;
  int refreshes = 0;
  int dialogRuns = 0;
  bool quitCalled = false;
  /// Called when the file dialog is shown; plays the person's clicks.
  std::function<void()> onFileDialog;
  std::deque<std::string> chosenFiles;  ///< empty queue: the file choice is cancelled
  int chosenFilter = 0;
  std::vector<FileChoice> fileChoices;

  void message(const std::string& text, const std::string& = {}) override { messages.push_back(text); }
  bool askYesNo(const std::string& text, const std::string&, Icon, bool defaultYes) override {
    prompts.push_back(text);
    if (yesNoAnswers.empty()) return defaultYes;
    bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
  }
  std::string inputBox(const std::string& prompt, const std::string&, const std::string&) override {
    prompts.push_back(prompt);
    if (inputAnswers.empty()) return {};
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
  }
  void runFileDialog() override {
    ++dialogRuns;
    if (onFileDialog) onFileDialog();
  }
  std::string chooseFile(FileChoice& choice) override {
    choice.chosenFilter = chosenFilter;
    fileChoices.push_back(choice);
    if (chosenFiles.empty()) return {};
    std::string answer = chosenFiles.front();
    chosenFiles.pop_front();
    return answer;
  }
  void showWindow(Window w, bool visible) override { shown.emplace_back(w, visible); }
  void refresh(Window) override { ++refreshes; }
  void quit() override { quitCalled = true; }
};

/// Keeps every printed line; "\f" stands for a new page. Ended documents
/// move to `documents`.
class FakePrinter : public Printer {
 public:
  bool hasFont = true;
  std::string fontName;
  int fontSize = 0;
  bool bold = false;
  std::vector<std::string> lines;
  std::vector<std::vector<std::string>> documents;
  std::string pdfFolder;  ///< when set, endDoc answers as if it wrote a PDF there

  bool setFontName(const std::string& name) override {
    if (hasFont) fontName = name;
    return hasFont;
  }
  void setFontSize(int points) override { fontSize = points; }
  void setBold(bool on) override { bold = on; }
  void printLine(const std::string& drawing, const std::string& text) override { lines.push_back(drawing + text); }
  void newPage() override { lines.push_back("\f"); }
  std::string endDoc(const std::string&, const std::string& name) override {
    if (lines.empty()) return {};
    documents.push_back(lines);
    lines.clear();
    return pdfFolder.empty() ? std::string() : pdfFolder + name + ".pdf";
  }
};

/// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
 public:
  TempDir() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("kord_test_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  /// The folder with a trailing separator.
  std::string folder() const { return path_.string() + "/"; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(file(name), std::ios::binary) << bytes;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::filesystem::path path_;
};

/// A session wired to the fakes.
struct TestSession {
  FakeUi ui;
  FixedClock clock;
  FakePrinter printer;
  Session session{ui, clock, printer};
};

}  // namespace kord::test
