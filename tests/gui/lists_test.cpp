// The list window and the configurable report driven as a person drives
// them: the toolbar buttons, a click on a line, Refresh, Esce and Report.

#include <QCheckBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "book/book_commands.h"
#include "gui_harness.h"

namespace kord::guitest {

class ListsTest : public QObject {
  Q_OBJECT

 private slots:
  void clickOnALineMovesTheFocus();
  void refreshAfterASortedRunShowsTheGeneralList();
  void esceProducesNoReport();
  void reportShowsTheTickedFieldsInBoxOrder();
};

namespace {

void click(QWidget& window, const char* name) {
  QTest::mouseClick(window.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

QListWidget& liber(gui::ListWindow& lista) { return *lista.findChild<QListWidget*>(QStringLiteral("Liber")); }

/// Plays the chooser once it is up: ticks `boxes`, then presses `button`.
void answerChooser(gui::ReportFieldsDialog& chooser, std::vector<int> boxes, const char* button) {
  QTimer::singleShot(0, &chooser, [&chooser, boxes, button] {
    for (int i : boxes) chooser.findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(i))->setChecked(true);
    click(chooser, button);
  });
}

}  // namespace

void ListsTest::clickOnALineMovesTheFocus() {
  Harness h;
  QVERIFY2(h.openSample(), "the sample database did not open");
  click(h.mainMenu, "ListaTutti");
  QVERIFY(h.lista.isVisible());
  QCOMPARE(liber(h.lista).item(0)->text(), QStringLiteral("             Lista Generale"));
  QCOMPARE(h.session.NInd[0], 2);
  QVERIFY(clickListItem(liber(h.lista), QStringLiteral("Pavan Mario")));
  QCOMPARE(h.session.NInd[0], 34);
  QCOMPARE(h.session.focusCard.values[Name], std::string("Pavan Mario"));
}

void ListsTest::refreshAfterASortedRunShowsTheGeneralList() {
  Harness h;
  QVERIFY2(h.openSample(), "the sample database did not open");
  QVERIFY(SortedBookRun(h.session, 5));  // by birth place
  h.lista.render();
  QCOMPARE(liber(h.lista).count(), 66);  // one entry per slot, no title
  // The names stand in one column, the 41st, after the place and its tabs.
  QVERIFY(!listTexts(liber(h.lista)).filter(QRegularExpression(QStringLiteral("^Sacile {34}Pavan Nicol"))).isEmpty());
  QCOMPARE(h.session.NInd[0], 2);  // the focus is restored
  click(h.lista, "Command1");
  QCOMPARE(liber(h.lista).item(0)->text(), QStringLiteral("             Lista Generale"));
  QCOMPARE(liber(h.lista).count(), 67);
}

void ListsTest::esceProducesNoReport() {
  Harness h;
  QVERIFY2(h.openSample(), "the sample database did not open");
  answerChooser(h.campiReport, {0}, "Command3D1_0");
  click(h.mainMenu, "Libro_3");
  QVERIFY(!h.rapporto.isVisible());
  QCOMPARE(h.session.windowState, int(kStateIdle));
  QVERIFY(!h.session.report.requested);
}

void ListsTest::reportShowsTheTickedFieldsInBoxOrder() {
  Harness h;
  QVERIFY2(h.openSample(), "the sample database did not open");
  answerChooser(h.campiReport, {12, 0}, "Command3D1_1");
  click(h.mainMenu, "Libro_3");
  QVERIFY(h.rapporto.isVisible());
  auto* grid = h.rapporto.findChild<QTableWidget*>(QStringLiteral("Grid1"));
  QCOMPARE(grid->columnCount(), 2);
  QCOMPARE(grid->rowCount(), 67);
  QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Nome"));
  QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Sesso"));
  QCOMPARE(grid->item(1, 0)->text().trimmed(), QStringLiteral("Pavan Giovanni Battista"));
  QCOMPARE(grid->columnWidth(0), 2000 / 15);
  QCOMPARE(h.session.windowState, int(kStateIdle));
  QCOMPARE(h.session.NInd[0], 2);
}

}  // namespace kord::guitest

int runListsTests(int argc, char** argv) {
  kord::guitest::ListsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "lists_test.moc"
