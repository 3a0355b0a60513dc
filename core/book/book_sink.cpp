#include "book/book_sink.h"

#include "book/book_run.h"

namespace kord {
namespace {

constexpr std::size_t kBookSplit = 80;
constexpr std::size_t kCensusSplit = 120;

std::vector<std::string> splitBookLine(const std::string& line) {
  if (line.size() < kBookSplit) return {line};
  // Position p (from 1) of the last blank at or before 80; split when p > 1.
  const std::size_t at = line.rfind(' ', kBookSplit - 1);
  if (at == std::string::npos || at == 0) return {line};
  return {line.substr(0, at), line.substr(at)};
}

std::vector<std::string> splitCensusLine(const std::string& line) {
  if (line.size() <= kCensusSplit) return {line};
  return {line.substr(0, kCensusSplit), line.substr(kCensusSplit)};
}

void showInBookWindow(BookRun& run, const std::string& line) {
  Session& s = run.s;
  if (!s.book.visible) {
    s.book.visible = true;
    s.ui.showWindow(Window::BookWindow, true);
  }
  auto& liber = s.book.Liber;
  for (auto& piece : BookWindowPieces(line, run.census())) liber.push_back(std::move(piece));
  if (run.linesWritten > BookWindowTail(run.census()) && !liber.empty()) liber.pop_front();
  if (run.firstLineOfIndividual) {
    run.firstLineOfIndividual = false;
    s.ui.refresh(Window::BookWindow);
  }
}

}  // namespace

std::vector<std::string> BookWindowPieces(const std::string& line, bool census) {
  return census ? splitCensusLine(line) : splitBookLine(line);
}

int BookWindowTail(bool census) { return census ? 30 : 35; }

void WriteBookLine(BookRun& run, const std::string& line) {
  Session& s = run.s;
  if (!s.OutputToFile) return;
  if (!run.census() && s.SortKey > 0) return;
  run.rel << line << s.NewLine;
  ++run.linesWritten;
  if (!run.census() && run.singleMode())
    SetBoxText(run, 0, line);
  else
    showInBookWindow(run, line);
}

}  // namespace kord
