// "Export doc file": the report, the tree or the list, in that order.

#include <gtest/gtest.h>

#include "lists/export_doc.h"
#include "test_support.h"

namespace kord {
namespace {

TEST(ExportDoc, ChoosesTheShownWindowAndWritesItsText) {
  test::TestSession t;
  test::TempDir dir;
  Session& s = t.session;
  EXPECT_EQ(ExportDocument(s, dir.file("x.txt")), "Nessuna lista, rapporto o albero da esportare");

  s.list = {true, {{"             Lista Generale", 0}, {"Gio\xE8 Luca", 2}}};
  EXPECT_EQ(CurrentDocument(s), DocumentKind::List);
  EXPECT_EQ(ExportDocument(s, dir.file("list.txt")), "Documento salvato nel file " + dir.file("list.txt"));
  EXPECT_EQ(dir.read("list.txt"), "             Lista Generale\r\nGio\xC3\xA8 Luca\r\n");

  s.treeList.visible = true;
  s.treeList.Lista = {{"", "Rossi Mario (2)", 2}, {"  \xC0\xC4", "Rossi \xC0nna", 3}};
  EXPECT_EQ(CurrentDocument(s), DocumentKind::Tree);
  EXPECT_EQ(DocumentText(s, DocumentKind::Tree), "Rossi Mario (2)\r\n  \xE2\x94\x94\xE2\x94\x80Rossi \xC3\x80nna\r\n")
      << "drawing bytes become box drawing, a name's \xC0 stays a letter";

  s.report.gridVisible = true;
  s.report.Grid1 = {{"Nome"}, {"Rossi"}};
  EXPECT_EQ(CurrentDocument(s), DocumentKind::Report);
  EXPECT_NE(ExportDocument(s, dir.file("missing/r.csv")).find("Impossibile scrivere il file "), std::string::npos);
}

}  // namespace
}  // namespace kord
