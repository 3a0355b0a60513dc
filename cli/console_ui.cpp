#include "console_ui.h"

#include <filesystem>
#include <ostream>

#include "app/file_dialog.h"
#include "db/codepage.h"
#include "db/file_set.h"

namespace kord::cli {

void ConsoleUi::message(const std::string& text, const std::string&) { err_ << Cp1252ToUtf8(text) << '\n'; }

bool ConsoleUi::askYesNo(const std::string&, const std::string&, Icon, bool defaultYes) {
  if (yesNo.empty()) return defaultYes;
  bool answer = yesNo.front();
  yesNo.pop_front();
  return answer;
}

std::string ConsoleUi::inputBox(const std::string&, const std::string&, const std::string&) {
  if (answers.empty()) return {};
  std::string answer = Utf8ToCp1252(answers.front());
  answers.pop_front();
  return answer;
}

void ConsoleUi::runFileDialog() {
  if (!session || pickFile.empty()) return;
  std::string path = std::filesystem::absolute(pickFile).lexically_normal().string();
  session->dialog.folder = FolderOf(path);
  DialogClickFile(*session, BaseNameOf(path));
  DialogOpen(*session);
  // A refused name leaves no one to choose again.
  if (!session->dialog.closed) DialogExit(*session);
}

void ConsolePrinter::printLine(const std::string& drawing, const std::string& text) {
  document_ += TreeBytesToUtf8(drawing) + Cp1252ToUtf8(text) + "\r\n";
}

void ConsolePrinter::newPage() { document_ += "\f"; }

std::string ConsolePrinter::endDoc(const std::string& folder, const std::string& documentName) {
  failure_ = {};
  if (document_.empty()) return {};
  std::string name = Cp1252ToUtf8(documentName) + ".prn";
  for (char& c : name)
    if (c == '/' || c == '\\') c = '_';
  std::string path = folder + name;
  failure_ = WriteFileAtomically(path, document_);
  document_.clear();
  return failure_ ? std::string() : path;
}

LocalTime ConsoleClock::now() const {
  LocalTime t = SystemClock().now();
  if (today) {
    t.year = today->year;
    t.month = today->month;
    t.day = today->day;
  }
  return t;
}

}  // namespace kord::cli
