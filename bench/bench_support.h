#pragma once
// What the benchmark programs share: a person and a printer that stay
// quiet, loading a generated database's tables, a stop watch and the one way
// they print their figures.

#include <chrono>
#include <functional>
#include <iostream>
#include <string>

#include "db/file_set.h"
#include "db/load_tables.h"
#include "session/session.h"
#include "session/ui.h"

namespace kord::bench {

class NullPrinter : public Printer {
 public:
  bool setFontName(const std::string&) override { return true; }
  void setFontSize(int) override {}
  void setBold(bool) override {}
  void printLine(const std::string&, const std::string&) override {}
  void newPage() override {}
  std::string endDoc(const std::string&, const std::string&) override { return {}; }
};

/// Answers every question with its default and counts the messages, which a
/// benchmark run should not get.
class CountingUi : public Ui {
 public:
  int messages = 0;
  std::string last;
  void message(const std::string& text, const std::string&) override {
    ++messages;
    last = text;
  }
  bool askYesNo(const std::string&, const std::string&, Icon, bool yes) override { return yes; }
  std::string inputBox(const std::string&, const std::string&, const std::string&) override { return {}; }
  void runFileDialog() override {}
  void showWindow(Window, bool) override {}
  void refresh(Window) override {}
  void quit() override {}
};

/// A benchmark that does not look at the messages.
using QuietUi = CountingUi;

/// Loads the tables of the database `rni` as the loader does, without the
/// open flow (no history, no messages).
inline void LoadTablesOf(Session& s, const std::string& rni) {
  LoadNotes notes;
  s.files = FileSetFor(rni);
  LoadIndividuals(s.tables, s.files.IndividualsFile, nullptr, notes);
  LoadChildLinks(s.tables, s.files.ChildrenFile, nullptr, notes);
  LoadSpouseLinks(s.tables, s.files.SpousesFile, nullptr, notes);
  s.DbLoaded = true;
}

/// Milliseconds `work` took.
inline double timeMs(const std::function<void()>& work) {
  auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

/// "what: 12.3 ms" on standard output.
inline void report(const char* what, double ms) {
  std::cout.setf(std::ios::fixed);
  std::cout.precision(1);
  std::cout << what << ": " << ms << " ms\n";
}

}  // namespace kord::bench
