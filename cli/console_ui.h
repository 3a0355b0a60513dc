#pragma once
// The command line's stand-ins for the person and the devices: message
// boxes go to standard error, questions are answered by options, the file
// dialog picks the database named on the command line.

#include <deque>
#include <iosfwd>
#include <optional>
#include <string>

#include "session/session.h"
#include "session/ui.h"

namespace kord::cli {

class ConsoleUi : public Ui {
 public:
  explicit ConsoleUi(std::ostream& err) : err_(err) {}

  /// Answers of input boxes in order; none left: the box is cancelled.
  std::deque<std::string> answers;
  /// Answers of Yes/No questions in order; none left: the default button.
  std::deque<bool> yesNo;
  /// The file the dialog picks (a path); empty: the dialog is cancelled.
  std::string pickFile;
  Session* session = nullptr;

  void message(const std::string& text, const std::string& title = {}) override;
  bool askYesNo(const std::string& text, const std::string& title, Icon icon, bool defaultYes) override;
  std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
  void runFileDialog() override;
  void showWindow(Window, bool) override {}
  void refresh(Window) override {}
  void quit() override {}

 private:
  std::ostream& err_;
};

/// The system clock, with the date replaced by --today when given.
class ConsoleClock : public Clock {
 public:
  std::optional<LocalTime> today;
  LocalTime now() const override;
};

/// The command line has no printer: a printed document becomes a print
/// file "<name>.prn" in the database folder (UTF-8, CR LF lines, a form feed
/// between pages). Every font is there, as on a console.
class ConsolePrinter : public Printer {
 public:
  bool setFontName(const std::string&) override { return true; }
  void setFontSize(int) override {}
  void setBold(bool) override {}
  void printLine(const std::string& drawing, const std::string& text) override;
  void newPage() override;
  std::string endDoc(const std::string& folder, const std::string& documentName) override;
  OutputFailure lastFailure() const override { return failure_; }

 private:
  std::string document_;
  OutputFailure failure_;
};

}  // namespace kord::cli
