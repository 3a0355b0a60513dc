#include "lists/export_doc.h"

#include "db/codepage.h"
#include "lists/report.h"

namespace kord {

DocumentKind CurrentDocument(const Session& s) {
  if (s.report.gridVisible && !s.report.Grid1.empty()) return DocumentKind::Report;
  if (s.treeList.visible && !s.treeList.Lista.empty()) return DocumentKind::Tree;
  if (s.list.visible && !s.list.Liber.empty()) return DocumentKind::List;
  return DocumentKind::None;
}

std::string DocumentText(const Session& s, DocumentKind kind) {
  std::string text;
  switch (kind) {
    case DocumentKind::Report: return ReportCsv(s.report);
    case DocumentKind::Tree:
      for (const auto& item : s.treeList.Lista)
        text += TreeBytesToUtf8(item.drawing) + Cp1252ToUtf8(item.text) + "\r\n";
      break;
    case DocumentKind::List:
      for (const auto& item : s.list.Liber) text += Cp1252ToUtf8(item.text) + "\r\n";
      break;
    case DocumentKind::None: break;
  }
  return text;
}

std::string ExportDocument(Session& s, const std::string& path) {
  DocumentKind kind = CurrentDocument(s);
  if (kind == DocumentKind::None)
    return s.text("Nessuna lista, rapporto o albero da esportare", "No list, report or tree to export");
  if (OutputFailure failure = WriteFileAtomically(path, DocumentText(s, kind)))
    return OutputFailureText(failure, s.English);
  return s.text("Documento salvato nel file ", "Document saved to the file ") + Utf8ToCp1252(path);
}

}  // namespace kord
