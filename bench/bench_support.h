#pragma once
// What both benchmark programs need: a printer that prints nothing, a stop
// watch and the one way they print their figures.

#include <chrono>
#include <functional>
#include <iostream>
#include <string>

#include "shell/ui.h"

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
