// The HTML family site: the person pages and the index assembled from the
// templates (each test template writes only its own name, "[3a]"), the file
// names, the escaping and the report of missing templates.

#include <gtest/gtest.h>

#include <filesystem>

#include "book/book_commands.h"
#include "book/family_book.h"
#include "book/html_site.h"
#include "book_fixture.h"

namespace kord {
namespace {

namespace fs = std::filesystem;

const std::string kLuigiHtmlEvents =
    "<BR> Nato il: 12/03/1850 a: Sacile<BR> Battesimo il: 13/03/1850 a: Duomo"
    "<BR> Matrim. il: 1875 a: Udine :Neri Carla  <BR> Morte il:  a: Milano<BR> Sepolto il:  a: ";

TEST(SiteNames, CleanUpReplacesFourSlashesAndFourQuestionMarks) {
  const std::pair<std::string, std::string> cases[] = {
      {"A/B??", "A_B__"},
      {"?????", "____?"},
      {"a/b/c/d/e/f", "a_b_c_d_e/f"},
      {"12/03/1850 e 13/04/1851 e 1/1/1900", "12_03_1850 e 13_04_1851 e 1/1/1900"},
      {"Rossi Mario", "Rossi Mario"},
  };
  for (const auto& [text, cleaned] : cases) EXPECT_EQ(CleanFileName(text), cleaned) << text;
}

TEST(SiteNames, FileNamesStayInTheFolderAndLinksAreEncoded) {
  struct Case {
    std::string cleaned;
    std::string file;  // UTF-8
    std::string link;
  };
  const Case cases[] = {
      {"Rossi Mario", "Rossi Mario.html", "Rossi%20Mario.html"},
      {"Dal B\xF2 D\xE9"
       "bora",
       "Dal B\xC3\xB2 D\xC3\xA9"
       "bora.html",
       "Dal%20B%C3%B2%20D%C3%A9bora.html"},
      {"A&B <c> #1 100% \"q\"", "A&B <c> #1 100% \"q\".html", "A%26B%20%3Cc%3E%20%231%20100%25%20%22q%22.html"},
      {"e/f\\g", "e_f_g.html", "e_f_g.html"},
      {"..", "...html", "...html"},
      {"tab\there", "tab_here.html", "tab_here.html"},
      {"index", "index_.html", "index_.html"},
      {"INDEX", "INDEX_.html", "INDEX_.html"},
      {"null", "null.html", "null.html"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SiteFileName(c.cleaned, ".html"), c.file) << c.cleaned;
    EXPECT_EQ(SiteLink(c.cleaned, ".html"), c.link) << c.cleaned;
  }
  EXPECT_EQ(SiteLink("index", ".jpg"), "index.jpg") << "only the page of \"index\" is renamed";
  EXPECT_EQ(PercentEncode("Az09-_.~ /?"), "Az09-_.~%20%2F%3F");
}

TEST(HtmlSite, PersonPageWithChildParentsSpouseEventsAndNotes) {
  test::LuigiFamily f;
  WholeFamilyBook(f.session);
  EXPECT_EQ(f.dbFile("Rossi Luigi.html"),
            "[1]Rossi Luigi_______ Indiv. N. 4_________ [2]Rossi Luigi_______ Indiv. N. 4_________ "
            "[3]Rossi%20Luigi.jpg[3a]Rossi%20Paolo.html[0]Rossi Paolo"
            "[5]Rossi%20Mario.html[0]Rossi Mario[4]Bianchi%20Anna.html[0]Bianchi Anna"
            "[6]Neri%20Carla.html[0]Neri Carla"
            "[7]" +
                kLuigiHtmlEvents + "\r\n\r\n<BR> Note: Sarto a Sacile.\r\n[8]");
}

TEST(HtmlSite, StandInsForNoChildNoParentAndNoSpouse) {
  test::LuigiFamily f;
  WholeFamilyBook(f.session);
  // Rossi Mario: a child, no parent; his co-parent Bianchi Anna as spouse.
  EXPECT_NE(f.dbFile("Rossi Mario.html")
                .find("[3a]Rossi%20Luigi.html[0]Rossi Luigi[5]null.html[0]Associato a nulla"
                      "[6]Bianchi%20Anna.html[0]Bianchi Anna[7]"),
            std::string::npos);
  // Rossi Paolo: no child, two parents, no spouse; every event prefix all the same.
  EXPECT_EQ(f.dbFile("Rossi Paolo.html"),
            "[1]Rossi Paolo_______ Indiv. N. 6_________ [2]Rossi Paolo_______ Indiv. N. 6_________ "
            "[3]Rossi%20Paolo.jpg[3a]null.html[0]no members"
            "[5]Rossi%20Luigi.html[0]Rossi Luigi[4]Neri%20Carla.html[0]Neri Carla[6]null.html[0]---"
            "[7]<BR> Nato il:  a: <BR> Battesimo il:  a: <BR> Matrim. il:  a:  :  <BR> Morte il:  a: "
            "<BR> Sepolto il:  a: \r\n\r\n<BR> Note: \r\n[8]");
}

TEST(HtmlSite, OnlyTheSecondParentIsAFurtherLinkWithoutTheParentsBlock) {
  test::BookFixture f({"Sola Teresa", "Verdi Maria"});
  f.parents(2, kNone, 3);
  f.wholeBookSwitches();
  BuildFamilyBook(f.session);
  const std::string page = f.dbFile("Sola Teresa.html");
  EXPECT_NE(page.find("[3a]null.html[0]no members[4]Verdi%20Maria.html[0]Verdi Maria[6]null.html[0]---[7]"),
            std::string::npos);
  EXPECT_EQ(page.find("[5]"), std::string::npos);
}

TEST(HtmlSite, ThreeSpousesEachGetTheirBlock) {
  test::BookFixture f({"Rossi Mario", "Prima", "Seconda", "Terza", "Quarta"});
  for (int spouse = 3; spouse <= 6; ++spouse) f.session.tables.Spouse[spouse] = 2;
  f.wholeBookSwitches();
  BuildFamilyBook(f.session);
  EXPECT_NE(f.dbFile("Rossi Mario.html")
                .find("[6]Prima.html[0]Prima[4]Seconda.html[0]Seconda[4]Terza.html[0]Terza[7]<BR> Nato il:"),
            std::string::npos);
  EXPECT_NE(f.dbFile("kord.rel").find(" :Prima Seconda Terza - "), std::string::npos)
      << "the marriage place names the three spouses";
}

TEST(HtmlSite, IndexOfAWholeBookRun) {
  test::LuigiFamily f;
  WholeFamilyBook(f.session);
  const std::string title = "Index dell'Archivio: " + f.session.DbName + "\r\n";
  auto entry = [](const std::string& tmpl, const std::string& link, const std::string& name) {
    return "[" + tmpl + "]" + link + ".html[0]" + name + "[4b]" + link + ".html[5b]" + link + ".jpg";
  };
  EXPECT_EQ(f.dbFile("index.html"),
            "[1b]" + title + "[2b]" + title + entry("3b", "Bianchi%20Anna", "Bianchi Anna") +
                entry("6b", "Neri%20Carla", "Neri Carla") + entry("6b", "Rossi%20Luigi", "Rossi Luigi") +
                entry("6b", "Rossi%20Mario", "Rossi Mario") + entry("6b", "Rossi%20Paolo", "Rossi Paolo") + "[7b]");
}

TEST(HtmlSite, ASingleRunWritesOnePageAndAnUnclosedIndex) {
  test::LuigiFamily f;
  f.dir.write("db/Rossi Mario.html", "an earlier page");
  f.session.NInd[0] = 4;
  f.session.OutputToFile = true;
  f.session.DetailLines = true;
  FamilyBookCommand(f.session);
  EXPECT_EQ(f.dbFile("index.html").find("[7b]"), std::string::npos);
  EXPECT_NE(f.dbFile("index.html").find("[3b]Rossi%20Luigi.html"), std::string::npos);
  EXPECT_EQ(f.dbFile("index.html").find("[6b]"), std::string::npos);
  EXPECT_TRUE(f.dbFileExists("Rossi Luigi.html"));
  EXPECT_EQ(f.dbFile("Rossi Mario.html"), "an earlier page") << "pages of others stay as they are";
  EXPECT_EQ(f.session.NInd[0], 4);
}

TEST(HtmlSite, NamesAndRecordTextsAreEscapedAndLinksEncoded) {
  const std::string odd = "Tom & Jerry <T> #1 100% \"Q\" Niccol\xF2";
  test::BookFixture f({odd, "Figlio"});
  f.parents(3, 2);
  f.person(2).set(BirthPlace, "Borgo <San> & Co");
  f.person(2).set(Notes, "Detto \"il Rosso\" & altro");
  f.writeRecords();
  f.wholeBookSwitches();
  BuildFamilyBook(f.session);
  const std::string link = "Tom%20%26%20Jerry%20%3CT%3E%20%231%20100%25%20%22Q%22%20Niccol%C3%B2";
  const std::string shown = "Tom &amp; Jerry &lt;T&gt; #1 100% &quot;Q&quot; Niccol\xF2";
  ASSERT_TRUE(f.dbFileExists("Tom & Jerry <T> #1 100% \"Q\" Niccol\xC3\xB2.html"));
  const std::string page = f.dbFile("Tom & Jerry <T> #1 100% \"Q\" Niccol\xC3\xB2.html");
  EXPECT_EQ(page.substr(0, 3 + shown.size()), "[1]" + shown);
  EXPECT_NE(page.find("[3]" + link + ".jpg[3a]Figlio.html"), std::string::npos);
  EXPECT_NE(page.find("<BR> Nato il:  a: Borgo &lt;San&gt; &amp; Co<BR> Battesimo il: "), std::string::npos);
  EXPECT_NE(page.find("<BR> Note: Detto &quot;il Rosso&quot; &amp; altro\r\n[8]"), std::string::npos);
  EXPECT_NE(f.dbFile("Figlio.html").find("[5]" + link + ".html[0]" + shown + "[6]"), std::string::npos);
  EXPECT_NE(f.dbFile("index.html").find("[6b]" + link + ".html[0]" + shown + "[4b]"), std::string::npos);
}

TEST(HtmlSite, EqualPageNamesGetOnePageEachAndEveryLinkItsOwn) {
  test::BookFixture f({"Rossi Anna", "ROSSI ANNA", "Rossi Anna", "null", "Figlio", "Figlia", "", "index", "index_"});
  f.parents(6, 4);
  f.parents(7, 3, 8);  // 8 has no name, so no page
  f.wholeBookSwitches();
  BuildFamilyBook(f.session);
  struct Page {
    int number;
    std::string file;  // the first of equal names keeps the plain name
    std::string link;
    std::string shown;
  };
  const Page pages[] = {
      {7, "Figlia.html", "Figlia.html", "Figlia"},
      {6, "Figlio.html", "Figlio.html", "Figlio"},
      {9, "index_.html", "index_.html", "index"},
      {10, "index_ (10).html", "index_%20%2810%29.html", "index_"},
      {5, "null (5).html", "null%20%285%29.html", "null"},
      {2, "Rossi Anna.html", "Rossi%20Anna.html", "Rossi Anna"},
      {3, "ROSSI ANNA (3).html", "ROSSI%20ANNA%20%283%29.html", "ROSSI ANNA"},
      {4, "Rossi Anna (4).html", "Rossi%20Anna%20%284%29.html", "Rossi Anna"},
  };
  std::string index = f.dbFile("index.html");
  for (const auto& p : pages) {
    const std::string header = "_______ Indiv. N. " + std::to_string(p.number) + "_________ ";
    EXPECT_EQ(f.dbFile(p.file).substr(0, 3 + p.shown.size() + header.size()), "[1]" + p.shown + header) << p.file;
    const std::string picture = PercentEncode(p.shown + ".jpg");
    const std::string entry = "]" + p.link + "[0]" + p.shown + "[4b]" + p.link + "[5b]" + picture;
    EXPECT_NE(index.find(entry), std::string::npos) << entry;
  }
  int files = 0;
  for (const auto& e : fs::directory_iterator(f.dir.file("db"))) files += e.path().extension() == ".html";
  EXPECT_EQ(files, 9) << "eight pages and the index";
  EXPECT_NE(f.dbFile("Figlio.html").find("[5]Rossi%20Anna%20%284%29.html[0]Rossi Anna[6]"), std::string::npos);
  EXPECT_NE(f.dbFile("Figlia.html").find("[5]ROSSI%20ANNA%20%283%29.html[0]ROSSI ANNA[4]null.html[0][6]"),
            std::string::npos);
  EXPECT_NE(f.dbFile("Rossi Anna (4).html").find("[3]Rossi%20Anna.jpg[3a]Figlio.html[0]Figlio[5]"), std::string::npos);
}

TEST(HtmlSite, PageTextsAreShownAsStored) {
  test::BookFixture f({"Chi?"});
  f.person(2).set(BirthDate, "12/03/1950");
  f.person(2).set(DeathDate, "19??");
  f.person(2).set(DeathPlace, "Borgo a/b");
  f.writeRecords();
  f.wholeBookSwitches();
  BuildFamilyBook(f.session);
  const std::string page = f.dbFile("Chi_.html");
  EXPECT_EQ(page.substr(0, 7), "[1]Chi?");
  EXPECT_NE(page.find("[3]Chi_.jpg[3a]"), std::string::npos) << "file names are cleaned";
  EXPECT_NE(page.find("Nato il: 12/03/1950 a: "), std::string::npos);
  EXPECT_NE(page.find("Morte il: 19?? a: Borgo a/b"), std::string::npos);
  EXPECT_NE(f.dbFile("index.html").find("[3b]Chi_.html[0]Chi?[4b]"), std::string::npos);
}

TEST(HtmlSite, PagesNeverLeaveTheDatabaseFolder) {
  test::BookFixture f({"A/B??", "A?????", "X/../../../../fuori", "a/b/c/d/e/f", "index"});
  f.wholeBookSwitches();
  BuildFamilyBook(f.session);
  std::vector<std::string> outside;
  const fs::path db = f.dir.file("db");
  for (const auto& e : fs::recursive_directory_iterator(f.dir.folder()))
    if (e.path().extension() == ".html" && e.path().parent_path() != db) outside.push_back(e.path());
  EXPECT_EQ(outside, std::vector<std::string>{});
  for (const char* page : {"A_B__.html", "A____?.html", "X_.._.._.._.._fuori.html", "a_b_c_d_e_f.html", "index_.html"})
    EXPECT_TRUE(f.dbFileExists(page)) << page;
  EXPECT_EQ(f.dbFile("index.html").substr(0, 4), "[1b]");
  EXPECT_NE(f.dbFile("index.html").find("[6b]index_.html[0]index[4b]"), std::string::npos);
  EXPECT_TRUE(f.ui.messages.empty());
}

TEST(HtmlSite, MissingTemplatesAreReportedOncePerRunAndTheRunGoesOn) {
  test::LuigiFamily f;
  fs::remove(f.dir.file("kordht3.htt"));
  fs::remove(f.dir.file("kordht5b.htt"));
  const std::string message = "Non esistono i file HT nella " + f.dir.folder();
  WholeFamilyBook(f.session);
  EXPECT_EQ(f.ui.messages, std::vector<std::string>{message});
  EXPECT_NE(f.dbFile("Rossi Luigi.html").find("Indiv. N. 4_________ Rossi%20Luigi.jpg[3a]"), std::string::npos);
  EXPECT_NE(f.dbFile("index.html").find("[4b]Rossi%20Paolo.htmlRossi%20Paolo.jpg[7b]"), std::string::npos);
  WholeFamilyBook(f.session);
  EXPECT_EQ(f.ui.messages, std::vector<std::string>(2, message)) << "once per run";
}

TEST(HtmlSite, AWriterStepByStep) {
  test::BookFixture f({"Io"});
  f.session.NInd[0] = 2;
  HtmlSiteWriter html(f.session);
  auto send = [&](int step, const std::string& text) {
    html.step = step;
    html.WriteHtmlLine(text);
  };
  send(1, " header");
  EXPECT_EQ(html.step, 2);
  send(2, "Io");
  for (const char* slot : {"e1", "e2", "e3", "e4"}) send(10, slot);
  EXPECT_EQ(html.step, 11);
  send(9, "a <b>");
  send(9, "c");
  EXPECT_EQ(html.step, 9) << "step 9 stays";
  for (int idle : {8, 11, 12}) send(idle, "nothing");
  send(7, "");
  html.CloseAll();
  EXPECT_EQ(f.dbFile("Io.html"), "[1]Io header[2]Io headera &lt;b&gt;\r\nc\r\n[7]e1\r\ne2\r\ne3\r\n[8]");
  EXPECT_EQ(f.dbFile("index.html"), "[1b]Index dell'Archivio: " + f.session.DbName +
                                        "\r\n[2b]Index dell'Archivio: " + f.session.DbName + "\r\n");
}

}  // namespace
}  // namespace kord
