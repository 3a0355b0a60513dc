// The family book windows offscreen on a copy of the sample database: the
// navigators show the model's boxes as a chart and move the focus by box and
// by line, Thumb shows the photographs, the book window shows the tail of the
// book while it is written, and SortKeyDialog runs the sorted book.

#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <algorithm>

#include "book/book_commands.h"
#include "book_harness.h"
#include "lists/list_order.h"
#include "navigator_chart.h"
#include "qt_text.h"

using namespace kord;
using namespace kord::booktest;

namespace {

/// The frame of box k, as the chart lays it out.
QRect boxFrame(gui::NavigatorWindow& window, int k) {
  QWidget* frame = window.chart()->box(k)->parentWidget();
  return QRect(frame->mapTo(window.chart(), QPoint(0, 0)), frame->size());
}

/// Every box shows its model text.
void expectBoxesShowModel(gui::NavigatorWindow& window, const NavigatorBoxes& w1) {
  for (int k = 0; k < 16; ++k) QCOMPARE(window.chart()->box(k)->toPlainText(), gui::displayText(w1[k]));
}

/// The texts of every box, one after the other.
QString allBoxTexts(gui::NavigatorWindow& window) {
  QString all;
  for (int k = 0; k < 16; ++k) all += window.chart()->box(k)->toPlainText() + QLatin1Char('\n');
  return all;
}

/// True when no caption of an event or of the notes runs into its value
/// ("Data Battesimo08/12/1888").
bool captionsApart(const QString& text) {
  static const QRegularExpression joined(QStringLiteral("(Nascita|Battesimo|matrimonio|Morte|Sepoltur\\.|Note)\\S"));
  return !joined.match(text).hasMatch();
}

QString pictureFile(const Session& s, int k) { return gui::pathText(s.thumb.ImgThumbnail2[k].file); }

bool hasPicture(gui::PictureNavigatorWindow& thumb, int k) {
  auto* label = thumb.findChild<QLabel*>(QStringLiteral("ImgThumbnail2_%1").arg(k));
  return label && !label->pixmap().isNull();
}

}  // namespace

class BookWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void caretPositionsOfTheCoreText();
  void navigaFillsTheChart();
  void theChartReadsFromGrandparentsToChildren();
  void clicksMoveTheFocusByBoxAndLine();
  void aClickAfterTheEndKeepsTheFocusAndRefills();
  void closingRefreshesTheCards();
  void printingStaysInTheDatabaseFolder();
  void thumbShowsThePhotographs();
  void thumbClicksMoveTheFocusAndDropStalePictures();
  void theBookWindowShowsTheTailWhileWritten();
  void theShortReportLeavesTheNavigatorAsItWas();
  void sortChooserCaptionsFollowTheFieldCaptions();
  void sortWithoutAChoiceKeepsTheWindowOpen();
  void sortByBirthPlaceFillsTheList();
};

void BookWindowsTest::caretPositionsOfTheCoreText() {
  struct Case {
    const char* text;
    int shown, core;
  };
  const Case cases[] = {
      {"Ann\r\nBea\r\n", 0, 0},
      {"Ann\r\nBea\r\n", 3, 3},
      {"Ann\r\nBea\r\n", 4, 5},
      {"Ann\r\nBea\r\n", 7, 8},
      {"Ann\r\nBea\r\n", 8, 10},
      {"Ann\r\nBea\r\n", 9, 11},
      {"", 0, 0},
      {"Solo", 6, 6},
  };
  for (const Case& c : cases) QCOMPARE(gui::coreCaretPosition(c.text, c.shown), c.core);
}

void BookWindowsTest::navigaFillsTheChart() {
  BookHarness h;
  QVERIFY(h.openSample());
  h.session.NInd[0] = h.indexOf(kNicoloGiuseppe);
  QVERIFY(h.session.NInd[0] > 0);
  FamilyNavigatorCommand(h.session);
  QVERIFY(h.navigate.isVisible());
  QCOMPARE(h.navigate.windowTitle(), QStringLiteral("Navigate"));
  expectBoxesShowModel(h.navigate, h.session.navigate.w1);
  QCOMPARE(h.navigate.chart()->box(0)->toPlainText(), gui::displayText(kNicoloGiuseppe));
  QCOMPARE(shownLines(h.navigate.chart()->box(kBoxSpouses)).size(), 4);  // three spouses and the empty end
  const QString details = h.navigate.chart()->box(kBoxDetails)->toPlainText();
  QVERIFY2(details.contains(QStringLiteral("Data Battesimo 08/12/1888")) && captionsApart(details),
           qPrintable(details));
  // Empty boxes keep their place in the chart.
  for (int k = 0; k < 16; ++k) {
    QVERIFY(h.navigate.chart()->box(k)->isVisible());
    QVERIFY(!boxFrame(h.navigate, k).isEmpty());
  }
  QVERIFY(h.ui.messages.empty());
}

void BookWindowsTest::theChartReadsFromGrandparentsToChildren() {
  BookHarness h;
  QVERIFY(h.openSample());
  h.session.NInd[0] = h.indexOf(kNicoloGiuseppe);
  FamilyNavigatorCommand(h.session);
  QVERIFY(QTest::qWaitForWindowExposed(&h.navigate));
  struct Pair {
    int first, second, child;
  };
  const Pair pairs[] = {{2, 3, 10}, {4, 5, 11}, {6, 7, 12}, {8, 9, 13}, {10, 11, 0}, {12, 13, 1}};
  for (const Pair& p : pairs) {
    const QRect a = boxFrame(h.navigate, p.first), b = boxFrame(h.navigate, p.second);
    const QRect child = boxFrame(h.navigate, p.child);
    QVERIFY2(a.bottom() < child.top() && b.bottom() < child.top(), qPrintable(QString::number(p.child)));
    QVERIFY2(a.left() <= child.left() + 1 && child.right() <= b.right() + 1, qPrintable(QString::number(p.child)));
  }
  const QRect focus = boxFrame(h.navigate, 0), spouses = boxFrame(h.navigate, 1);
  QCOMPARE(focus.top(), spouses.top());
  QVERIFY(focus.right() < spouses.left());
  QVERIFY(boxFrame(h.navigate, 14).top() > focus.bottom());
  QVERIFY(boxFrame(h.navigate, 15).left() > spouses.right());
}

void BookWindowsTest::clicksMoveTheFocusByBoxAndLine() {
  struct Case {
    const char* what;
    int box, line;
  };
  const Case cases[] = {{"the father's box", 10, 0},
                        {"the second spouse line", kBoxSpouses, 1},
                        {"the third child line", kBoxChildren, 2}};
  for (const Case& c : cases) {
    BookHarness h;
    QVERIFY(h.openSample());
    h.session.NInd[0] = h.indexOf(kNicoloGiuseppe);
    FamilyNavigatorCommand(h.session);
    const NavigatorNumbers& n = h.session.navigatorNumbers;
    const int target = c.box == kBoxSpouses    ? n.spouseLine[c.line]
                       : c.box == kBoxChildren ? n.childLine[c.line]
                                               : n.box[c.box];
    QVERIFY2(target > 0, c.what);
    const QString targetName = shownLines(h.navigate.chart()->box(c.box)).at(c.line);
    QCOMPARE(targetName, gui::displayText(h.session.tables.Names[target]));
    clickLine(h.navigate.chart()->box(c.box), c.line);
    QVERIFY2(h.session.NInd[0] == target, c.what);
    QCOMPARE(h.navigate.chart()->box(0)->toPlainText(), targetName);
    expectBoxesShowModel(h.navigate, h.session.navigate.w1);
    // Nicolò Giuseppe is now a relative of the new focus.
    QVERIFY2(allBoxTexts(h.navigate).contains(gui::displayText(kNicoloGiuseppe)), c.what);
  }
}

void BookWindowsTest::aClickAfterTheEndKeepsTheFocusAndRefills() {
  BookHarness h;
  QVERIFY(h.openSample());
  const int focus = h.indexOf(kNicoloGiuseppe);
  h.session.NInd[0] = focus;
  FamilyNavigatorCommand(h.session);
  for (int box : {kBoxSpouses, kBoxChildren}) {
    h.session.navigate.w1[0] = "stale";
    const std::size_t historyBefore = h.session.historyText.size();
    clickAfterEnd(h.navigate.chart()->box(box));
    QCOMPARE(h.session.NInd[0], focus);
    QCOMPARE(h.navigate.chart()->box(0)->toPlainText(), gui::displayText(kNicoloGiuseppe));
    QVERIFY2(h.session.historyText.size() > historyBefore, "the refill logs its run");
    QVERIFY(h.session.NavigationRun);
  }
}

void BookWindowsTest::closingRefreshesTheCards() {
  struct Case {
    int state;
    bool recordCard;
  };
  for (const Case c : {Case{kStateIdle, false}, Case{kStateNewRecord, true}}) {
    BookHarness h;
    QVERIFY(h.openSample());
    const int focus = h.indexOf(kNicoloGiuseppe);
    h.session.NInd[0] = focus;
    FamilyNavigatorCommand(h.session);
    h.session.focusCard.values[Name].clear();
    h.session.windowState = static_cast<kord::WindowState>(c.state);
    QTest::mouseClick(h.navigate.findChild<QPushButton*>(QStringLiteral("SSCommand2")), Qt::LeftButton);
    QVERIFY(!h.navigate.isVisible());
    QVERIFY(!h.session.navigate.visible);
    QCOMPARE(h.session.editCard.visible, c.recordCard);
    if (c.recordCard)
      QCOMPARE(h.session.editCard.index, focus);
    else
      QCOMPARE(h.session.focusCard.values[Name], kNicoloGiuseppe);
  }
}

void BookWindowsTest::printingStaysInTheDatabaseFolder() {
  BookHarness h;
  QVERIFY(h.openSample());
  h.session.NInd[0] = h.indexOf(kNicoloGiuseppe);
  FamilyNavigatorCommand(h.session);
  QTest::mouseClick(h.navigate.findChild<QPushButton*>(QStringLiteral("SSCommand1")), Qt::LeftButton);
  QCOMPARE(h.ui.messages.size(), std::size_t{1});
  const QStringList pdfs = QDir(gui::pathText(h.dbFolder())).entryList({QStringLiteral("*.pdf")});
  QCOMPARE(pdfs.size(), 1);
  QVERIFY(pdfs.first().startsWith(QStringLiteral("Navigate")));
  QVERIFY(QFileInfo(QDir(gui::pathText(h.dbFolder())).filePath(pdfs.first())).size() > 1000);
  QVERIFY(h.navigate.isVisible());
}

void BookWindowsTest::thumbShowsThePhotographs() {
  BookHarness h;
  QVERIFY(h.openSample());
  h.session.NInd[0] = h.indexOf(kNicoloGiuseppe);
  PictureNavigatorCommand(h.session);
  QVERIFY(h.thumb.isVisible());
  expectBoxesShowModel(h.thumb, h.session.thumb.w1);
  QVERIFY(pictureFile(h.session, 0).endsWith(gui::displayText(kNicoloGiuseppe) + QStringLiteral(".jpg")));
  QVERIFY(pictureFile(h.session, 1).endsWith(QStringLiteral("Zanin Elena.jpg")));
  for (int k = 0; k < 14; ++k) {
    const bool expected = !h.session.thumb.ImgThumbnail2[k].file.empty();
    QVERIFY2(hasPicture(h.thumb, k) == expected, qPrintable(QStringLiteral("ImgThumbnail2(%1)").arg(k)));
  }
  int emptyBoxes = 0;
  for (int k = 2; k < 14; ++k) emptyBoxes += h.session.thumb.w1[k].empty() ? 1 : 0;
  QVERIFY2(emptyBoxes > 0, "the sample leaves some relatives unknown");
  auto* focusPicture = h.thumb.findChild<QLabel*>(QStringLiteral("ImgThumbnail2_0"));
  QVERIFY(focusPicture->pixmap().width() <= focusPicture->width());
  QVERIFY(focusPicture->pixmap().height() <= focusPicture->height());
}

void BookWindowsTest::thumbClicksMoveTheFocusAndDropStalePictures() {
  BookHarness h;
  QVERIFY(h.openSample());
  h.session.NInd[0] = h.indexOf(kNicoloGiuseppe);
  PictureNavigatorCommand(h.session);
  QVERIFY(hasPicture(h.thumb, 10) && hasPicture(h.thumb, 11));
  // Up to the paternal grandmother, whose parents are unknown: the pictures
  // of the parents' boxes must go with their names.
  const int grandmother = h.session.navigatorNumbers.box[3];
  QVERIFY(grandmother > 0);
  QTest::mouseClick(h.thumb.findChild<QLabel*>(QStringLiteral("ImgThumbnail2_3")), Qt::LeftButton);
  QCOMPARE(h.session.NInd[0], grandmother);
  expectBoxesShowModel(h.thumb, h.session.thumb.w1);
  QVERIFY(h.session.thumb.w1[10].empty() && h.session.thumb.w1[11].empty());
  for (int k = 0; k < 14; ++k)
    QVERIFY2(hasPicture(h.thumb, k) == !h.session.thumb.ImgThumbnail2[k].file.empty(), qPrintable(QString::number(k)));
  // And down again by the children box.
  const int firstChild = h.session.navigatorNumbers.childLine[0];
  clickLine(h.thumb.chart()->box(kBoxChildren), 0);
  QCOMPARE(h.session.NInd[0], firstChild);
  QCOMPARE(h.thumb.chart()->box(0)->toPlainText(), gui::displayText(h.session.tables.Names[firstChild]));
  QVERIFY(hasPicture(h.thumb, 0));
}

void BookWindowsTest::theBookWindowShowsTheTailWhileWritten() {
  BookHarness h;
  QVERIFY(h.openSample());
  WholeFamilyBook(h.session);
  QVERIFY(h.book.isVisible());
  auto* liber = h.book.findChild<QListWidget*>(QStringLiteral("Liber"));
  QCOMPARE(liber->count(), static_cast<int>(h.session.book.Liber.size()));
  QVERIFY(liber->count() > 30);
  for (int i = 0; i < liber->count(); ++i) {
    QCOMPARE(liber->item(i)->text(), gui::displayText(h.session.book.Liber[i]));
    QVERIFY2(captionsApart(liber->item(i)->text()), qPrintable(liber->item(i)->text()));
  }
  QCOMPARE(liber->verticalScrollBar()->value(), liber->verticalScrollBar()->maximum());
  QVERIFY(QFontInfo(liber->font()).fixedPitch());
  // Refreshed per individual while written: the list grew, then kept its tail.
  const auto& seen = h.ui.bookLinesAtRefresh;
  QVERIFY(seen.size() > 10);
  QVERIFY(std::count_if(seen.begin(), seen.end(), [](int n) { return n > 0 && n < 30; }) > 0);
  QVERIFY(h.ui.messages.empty());
}

void BookWindowsTest::theShortReportLeavesTheNavigatorAsItWas() {
  BookHarness h;
  QVERIFY(h.openSample());
  h.session.NInd[0] = h.indexOf(kNicoloGiuseppe);
  FamilyNavigatorCommand(h.session);
  const QString before = allBoxTexts(h.navigate);
  h.session.NInd[0] = 2;
  h.session.OutputToFile = true;
  ShortReportCommand(h.session);
  QCOMPARE(allBoxTexts(h.navigate), before);
  QCOMPARE(h.navigate.chart()->box(0)->toPlainText(), gui::displayText(kNicoloGiuseppe));
  QVERIFY(h.book.isVisible());
  QVERIFY(h.ui.messages.empty());
}

void BookWindowsTest::sortChooserCaptionsFollowTheFieldCaptions() {
  BookHarness h;
  QVERIFY(h.openSample());
  h.session.tables.FieldCaptions[3] = "Luogo natale";
  h.schedaSort1.render();
  const std::pair<int, int> captionOf[] = {{3, 2}, {4, 3},  {5, 4},   {6, 5},   {7, 6},  {8, 7},
                                           {9, 8}, {10, 9}, {11, 10}, {12, 11}, {13, 13}};
  for (const auto& [option, caption] : captionOf) {
    auto* button = h.schedaSort1.findChild<QRadioButton*>(QStringLiteral("Option3D1_%1").arg(option));
    QVERIFY(button);
    QCOMPARE(button->text(), gui::displayText(h.session.tables.FieldCaptions[caption]));
  }
  QCOMPARE(h.schedaSort1.findChild<QRadioButton*>(QStringLiteral("Option3D1_4"))->text(),
           QStringLiteral("Luogo natale"));
  QVERIFY(!h.schedaSort1.findChild<QRadioButton*>(QStringLiteral("Option3D1_2")));
  QCOMPARE(h.schedaSort1.windowTitle(), QStringLiteral("Selezione Sort"));
}

void BookWindowsTest::sortWithoutAChoiceKeepsTheWindowOpen() {
  BookHarness h;
  QVERIFY(h.openSample());
  h.schedaSort1.render();
  h.schedaSort1.show();
  QTest::mouseClick(h.schedaSort1.findChild<QPushButton*>(QStringLiteral("Command1_1")), Qt::LeftButton);
  QCOMPARE(h.ui.messages, std::vector<std::string>{"Selezionare un campo"});
  QVERIFY(h.schedaSort1.isVisible());
  QVERIFY(h.session.list.Liber.empty());
  QTest::keyClick(&h.schedaSort1, Qt::Key_Escape);
  QVERIFY(!h.schedaSort1.isVisible());
}

void BookWindowsTest::sortByBirthPlaceFillsTheList() {
  BookHarness h;
  QVERIFY(h.openSample());
  const int focus = h.indexOf(kNicoloGiuseppe);
  h.session.NInd[0] = focus;
  h.schedaSort1.render();
  h.schedaSort1.show();
  h.schedaSort1.findChild<QRadioButton*>(QStringLiteral("Option3D1_4"))->click();
  QCOMPARE(h.schedaSort1.chosenSortKey(), 5);
  QTest::mouseClick(h.schedaSort1.findChild<QPushButton*>(QStringLiteral("Command1_1")), Qt::LeftButton);
  QVERIFY(!h.schedaSort1.isVisible());
  QVERIFY(h.ui.messages.empty());
  const auto& liber = h.session.list.Liber;
  QCOMPARE(static_cast<int>(liber.size()), h.session.tables.LastIndex - 1);
  const ListItem nicolo{"Sacile\t\t" + kNicoloGiuseppe, focus};
  QVERIFY(std::find(liber.begin(), liber.end(), nicolo) != liber.end());
  QVERIFY(std::is_sorted(liber.begin(), liber.end(),
                         [](const ListItem& a, const ListItem& b) { return ListLess(a.text, b.text); }));
  QCOMPARE(h.session.NInd[0], focus);
  QCOMPARE(h.session.SortKey, 0);
}

QTEST_MAIN(BookWindowsTest)
#include "book_windows_test.moc"
