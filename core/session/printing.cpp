#include "session/printing.h"

#include "db/codepage.h"

namespace kord {

void EndPrinterDocument(Session& s, const std::string& documentName) {
  std::string file = s.printer.endDoc(s.DbFolder, documentName);
  ReportOutputFailure(s, s.printer.lastFailure());
  if (!file.empty())
    s.ui.message(s.text("Stampa salvata nel file ", "Printout saved to the file ") + Utf8ToCp1252(file));
}

}  // namespace kord
