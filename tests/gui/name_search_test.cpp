// The name search "Lista Nomi Individui" on a copy of the sample database:
// typing, a click and a double click on the list, confirming with OK or
// Enter, and closing with Escape.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "gui_harness.h"

namespace kord::guitest {

class NameSearchTest : public QObject {
  Q_OBJECT

 private slots:
  void typingListsEveryMatchAndShowsTheHighest();
  void clickNarrowsAndDoubleClickShowsTheChoice();
  void okAndEnterConfirmEscapeDiscards();
};

namespace {

/// The sample database with the name search open for the focus.
struct SearchFixture : Harness {
  bool open() {
    if (!openSample()) return false;
    QTest::mouseClick(mainMenu.findChild<QPushButton*>(QStringLiteral("Seleziona")), Qt::LeftButton);
    return listaNomi.isVisible();
  }
  QLineEdit* input() { return listaNomi.findChild<QLineEdit*>(QStringLiteral("InputNome")); }
  QListWidget* list() { return listaNomi.findChild<QListWidget*>(QStringLiteral("selezionati")); }
  QString box(const char* name) {
    if (auto* line = listaNomi.findChild<QLineEdit*>(QString::fromLatin1(name))) return line->text();
    return listaNomi.findChild<QPlainTextEdit*>(QString::fromLatin1(name))->toPlainText();
  }
  void type(const QString& text) {
    input()->selectAll();
    QTest::keyClicks(input(), text);
  }
  QString card(const char* name) { return skeda.findChild<QLabel*>(QString::fromLatin1(name))->text(); }
};

}  // namespace

void NameSearchTest::typingListsEveryMatchAndShowsTheHighest() {
  SearchFixture f;
  QVERIFY2(f.open(), "the sample database did not open");
  QCOMPARE(f.listaNomi.windowTitle(), QStringLiteral("Lista Nomi Individui"));
  QVERIFY(QTest::qWaitForWindowActive(&f.listaNomi));
  QTRY_COMPARE(QApplication::focusWidget(), f.input());

  f.type(QStringLiteral("ro"));
  QCOMPARE(listTexts(*f.list()), QStringList{QStringLiteral("Rossi Francesca")});
  QCOMPARE(f.session.NInd[0], 64);
  QCOMPARE(f.box("Individuo"), QStringLiteral("Rossi Francesca"));
  QCOMPARE(f.box("Genitori"), QStringLiteral("Non definiti"));
  QCOMPARE(f.box("Coniugi"), QStringLiteral("Pavan Luca"));
  QCOMPARE(f.box("Figli"), QStringLiteral("Pavan Leonardo\n"));

  // Letter case does not matter; the highest index is the choice.
  const QStringList pavanL = {"Pavan Leonardo", "Pavan Luca", "Pavan Lucia", "Pavan Luciana", "Pavan Luigi"};
  for (const QString& typed : {QStringLiteral("pavan l"), QStringLiteral("PAVAN L")}) {
    f.type(typed);
    QCOMPARE(listTexts(*f.list()), pavanL);
    QCOMPARE(f.session.NInd[0], 67);
    QCOMPARE(f.box("Individuo"), QStringLiteral("Pavan Leonardo"));
    QCOMPARE(f.box("Genitori"), QStringLiteral("Pavan Luca\nRossi Francesca"));
    QCOMPARE(f.box("Coniugi"), QStringLiteral(" - "));
    QCOMPARE(f.box("Figli"), QString());
    QCOMPARE(f.list()->currentItem()->text(), QStringLiteral("Pavan Leonardo"));
  }
  // The cards follow only when the choice is confirmed.
  QCOMPARE(f.card("Label3D2_1"), QStringLiteral("Pavan Giovanni Battista"));
}

void NameSearchTest::clickNarrowsAndDoubleClickShowsTheChoice() {
  SearchFixture f;
  QVERIFY2(f.open(), "the sample database did not open");
  f.type(QStringLiteral("pavan l"));
  QVERIFY(clickListItem(*f.list(), QStringLiteral("Pavan Luca")));
  QCOMPARE(f.input()->text(), QStringLiteral("Pavan Luca"));
  QCOMPARE(listTexts(*f.list()), QStringList{QStringLiteral("Pavan Luca")});
  QCOMPARE(f.session.NInd[0], 57);
  QCOMPARE(f.box("Genitori"), QStringLiteral("Pavan Paolo\nColombo Claudia"));

  // Right after the opening no card is edited yet: a double click only
  // refreshes the cards.
  QVERIFY(f.session.NewRecordMode);
  QVERIFY(clickListItem(*f.list(), QStringLiteral("Pavan Luca"), true));
  QCOMPARE(f.card("Label3D2_1"), QStringLiteral("Pavan Luca"));
  QVERIFY(!f.editCard.isVisible());
  QCOMPARE(f.mainMenu.findChild<QLabel*>(QStringLiteral("Panel3D9_1"))->text(), QStringLiteral("Focus: Pavan Luca"));

  f.session.NewRecordMode = false;
  f.type(QStringLiteral("furlan g"));
  QVERIFY(clickListItem(*f.list(), QStringLiteral("Furlan Gina"), true));
  QCOMPARE(f.card("Label3D2_1"), QStringLiteral("Furlan Gina"));
  QVERIFY(f.editCard.isVisible());
  QCOMPARE(f.editCard.findChild<QLineEdit*>(QStringLiteral("Text1_1"))->text(), QStringLiteral("Furlan Gina"));
  QCOMPARE(f.session.tables.LastIndex, 67);  // nothing was reserved
}

void NameSearchTest::okAndEnterConfirmEscapeDiscards() {
  SearchFixture f;
  QVERIFY2(f.open(), "the sample database did not open");
  f.type(QStringLiteral("pavan mario"));
  QTest::keyClick(f.input(), Qt::Key_Return);
  QVERIFY(!f.listaNomi.isVisible());
  QCOMPARE(f.session.NInd[0], 34);
  QCOMPARE(f.card("Label3D2_1"), QStringLiteral("Pavan Mario"));

  // Shown again, the window is as it was left.
  QTest::mouseClick(f.mainMenu.findChild<QPushButton*>(QStringLiteral("Seleziona")), Qt::LeftButton);
  QCOMPARE(f.input()->text(), QStringLiteral("pavan mario"));
  QCOMPARE(listTexts(*f.list()), QStringList{QStringLiteral("Pavan Mario")});
  f.type(QStringLiteral("da ros"));
  QTest::mouseClick(f.listaNomi.findChild<QPushButton*>(QStringLiteral("btnSelezioneOK")), Qt::LeftButton);
  QCOMPARE(f.session.NInd[0], 60);
  QCOMPARE(f.card("Label3D2_1"), QStringLiteral("Da Ros Elisa"));

  // Escape discards the search; the selection it made stays.
  QTest::mouseClick(f.mainMenu.findChild<QPushButton*>(QStringLiteral("Seleziona")), Qt::LeftButton);
  f.type(QStringLiteral("bortolin"));
  QTest::keyClick(f.input(), Qt::Key_Escape);
  QVERIFY(!f.listaNomi.isVisible());
  QCOMPARE(f.session.NInd[0], 54);
  QCOMPARE(f.card("Label3D2_1"), QStringLiteral("Da Ros Elisa"));
  QTest::mouseClick(f.mainMenu.findChild<QPushButton*>(QStringLiteral("Seleziona")), Qt::LeftButton);
  QCOMPARE(f.input()->text(), QString());
  QCOMPARE(f.list()->count(), 0);
  QCOMPARE(f.box("Individuo"), QString());
}

}  // namespace kord::guitest

int runNameSearchTests(int argc, char** argv) {
  kord::guitest::NameSearchTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "name_search_test.moc"
