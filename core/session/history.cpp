#include "session/history.h"

#include "db/codepage.h"
#include "db/csv_fields.h"

namespace kord {

void LogHistory(Session& s, const std::string& line) {
  s.historyText += line;
  s.ui.showWindow(Window::HistoryWindow, true);
  std::string file = HistoryFileFor(s.DbName);
  if (file.empty()) return;
  OutputFailure failure = AppendToFile(file, QuotedLine(line));
  if (failure && !s.historyFileFailed) {
    s.historyFileFailed = true;
    s.ui.message(s.text("Impossibile scrivere la storia nel file ", "Cannot write the history to the file ") +
                 Utf8ToCp1252(file) + ": " + OutputFailureReason(failure, s.English));
  }
}

std::string LoadHistoryLine(const Session& s) {
  LocalTime now = s.clock.now();
  return ShortDateText(now) + " - " + TimeText(now) + " - Elaborazioni su: " + Utf8ToCp1252(s.DbName) +
         std::string(kNewLine);
}

}  // namespace kord
