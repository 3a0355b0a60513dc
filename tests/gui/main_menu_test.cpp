// The main window "Kord Win" on a loaded database: switches kept in step
// with their menu entries, the two languages of the menus, the hover help,
// the buttons by record mode, the mode panel and the menu commands of the
// foundation.

#include <QAction>
#include <QEnterEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "gui_harness.h"

namespace kord::guitest {

class MainMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void switchesStartOffWithTheirFirstCaptions();
  void optionButtonsAndMenuEntriesKeepEachSwitchInStep();
  void choosingStampaSuFileTwiceReturnsToOff();
  void languageEntriesSwitchTheCaptionsAtOnce();
  void hoverShowsTheHelpLabelOfTheControl();
  void commonAncestorsHaveTheirOwnHelpInBothLanguages();
  void buttonsAreGroupedWithCaptionsAndHelp();
  void recordModeDecidesTheEditAndUpdateButtons();
  void exitLogsTheEndOfTheSession();
  void secondOpenSaysTheDatabaseIsLoaded();
  void creaDbCreatesThroughTheDialogAndKeepsTheLoadedDatabase();
};

namespace {

struct SwitchCase {
  const char* menu;
  const char* onOption;
  const char* offOption;
  const char* first;
  const char* on;
  const char* offByOption;
  const char* offByMenu;
  bool Session::*value;
};

const SwitchCase kSwitches[] = {
    {"stampa_su_file", "Option3D2", "Option3D3", "stampa su file", "Disabil. Stampa su File", "Abilita Stampa su File",
     "Stampa su File", &Session::OutputToFile},
    {"scheda_anagrafica", "Option3D4", "Option3D5", "scheda anagrafica Albero", "No scheda anagr. Albero",
     "Scheda anagr. Albero", "Scheda anagrafica Albero", &Session::CardWithTree},
    {"Stampa_Immediata_Albero", "Option3D6", "Option3D7", "Stampa Immediata Albero", "Disabil. Stampa direttta",
     "Stampa Immediata Albero", "Stampa Immediata Albero", &Session::PrintImmediately},
};

/// A harness with the family database loaded through the start window.
struct LoadedFixture : Harness {
  LoadedFixture() {
    writeFamily();
    openThroughStartWindow(QStringLiteral("fam.rni"));
    ui.messages.clear();
  }
  QAction* action(const char* name) { return mainMenu.findChild<QAction*>(QString::fromLatin1(name)); }
  QMenu* menu(const char* name) { return mainMenu.findChild<QMenu*>(QString::fromLatin1(name)); }
  QRadioButton* option(const char* name) { return mainMenu.findChild<QRadioButton*>(QString::fromLatin1(name)); }
  QPushButton* button(const char* name) { return mainMenu.findChild<QPushButton*>(QString::fromLatin1(name)); }
  QLabel* help() { return mainMenu.findChild<QLabel*>(QStringLiteral("Help")); }
  void hover(QWidget* widget) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(widget, &enter);
  }
  void moveOver(QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
  }
};

/// Checks one switch: its value, which option button is checked, the caption.
void expectSwitch(LoadedFixture& f, const SwitchCase& c, bool on, const char* caption) {
  QCOMPARE(f.session.*c.value, on);
  QCOMPARE(f.option(c.onOption)->isChecked(), on);
  QCOMPARE(f.option(c.offOption)->isChecked(), !on);
  QCOMPARE(f.action(c.menu)->text().remove(QLatin1Char('&')), QString::fromLatin1(caption));
}

}  // namespace

void MainMenuTest::switchesStartOffWithTheirFirstCaptions() {
  LoadedFixture f;
  QCOMPARE(f.mainMenu.windowTitle(), QStringLiteral("Kord Win"));
  auto* area = f.mainMenu.findChild<QGroupBox*>(QStringLiteral("switches"));
  QVERIFY(area && area->isVisible());
  for (const SwitchCase& c : kSwitches) {
    QVERIFY(f.option(c.onOption) && f.option(c.offOption));
    QCOMPARE(f.option(c.onOption)->parentWidget(), area);
    expectSwitch(f, c, false, c.first);
  }
  QCOMPARE(f.option("Option3D2")->text(), QStringLiteral("Out su File ON"));
  QCOMPARE(f.option("Option3D5")->text(), QStringLiteral("Anagrafica OFF"));
  QCOMPARE(f.option("Option3D7")->text(), QStringLiteral("Print OFF"));
}

void MainMenuTest::optionButtonsAndMenuEntriesKeepEachSwitchInStep() {
  LoadedFixture f;
  for (const SwitchCase& c : kSwitches) {
    QTest::mouseClick(f.option(c.onOption), Qt::LeftButton);
    expectSwitch(f, c, true, c.on);
    QTest::mouseClick(f.option(c.offOption), Qt::LeftButton);
    expectSwitch(f, c, false, c.offByOption);
    f.action(c.menu)->trigger();
    expectSwitch(f, c, true, c.on);
    f.action(c.menu)->trigger();
    expectSwitch(f, c, false, c.offByMenu);
  }
  // Each pair is its own group: the three switches did not disturb each other.
  QVERIFY(f.option("Option3D3")->isChecked() && f.option("Option3D5")->isChecked() &&
          f.option("Option3D7")->isChecked());
}

void MainMenuTest::choosingStampaSuFileTwiceReturnsToOff() {
  LoadedFixture f;
  f.action("stampa_su_file")->trigger();
  QVERIFY(f.session.OutputToFile);
  QVERIFY(f.option("Option3D2")->isChecked());
  f.action("stampa_su_file")->trigger();
  expectSwitch(f, kSwitches[0], false, "Stampa su File");
  QVERIFY(!f.session.CardWithTree && !f.session.PrintImmediately);
}

void MainMenuTest::languageEntriesSwitchTheCaptionsAtOnce() {
  LoadedFixture f;
  struct Caption {
    const char* name;
    const char* italian;
    const char* english;
  };
  const Caption actions[] = {
      {"Albero_Radici_0", "Albero delle radici ", "Root's tree"},
      {"Albero_rami_1", "Rami espandibile", "Interact. Branch's tree"},
      {"Lista_Capifamiglia", "Lista Capifamiglia ", "Root's list"},
      {"CreaDB", "Crea nuovo Database", "Create new DB"},
      {"stampa_su_file", "stampa su file", "Print on File"},
      {"INFO_Kord", "INFO riguardo a Kord ", "About Vesk"},
      {"Legge_genealogia", "Legge Genealogia", "Legge Genealogia"},
      {"Exit", "Exit", "Exit"},
  };
  const Caption menus[] = {
      {"Alberi", "Alberi", "Tree"},
      {"Varie", "Varie", "Extra"},
      {"Lingua_Menu", "Lingua Menu", "Language"},
      {"File", "File", "File"},
  };
  auto expectLanguage = [&](bool english) {
    for (const Caption& c : actions)
      QCOMPARE(f.action(c.name)->text().remove(QLatin1Char('&')), QString::fromLatin1(english ? c.english : c.italian));
    for (const Caption& c : menus)
      QCOMPARE(f.menu(c.name)->title().remove(QLatin1Char('&')), QString::fromLatin1(english ? c.english : c.italian));
  };
  expectLanguage(false);
  f.action("Inglese")->trigger();
  QVERIFY(f.session.English);
  expectLanguage(true);
  f.action("Italiano")->trigger();
  QVERIFY(!f.session.English);
  expectLanguage(false);
}

void MainMenuTest::hoverShowsTheHelpLabelOfTheControl() {
  LoadedFixture f;
  f.hover(f.button("Libro_2"));
  QCOMPARE(f.mainMenu.shownHelp(), 14);
  QVERIFY(f.help()->isVisible());
  QCOMPARE(f.help()->text(), QStringLiteral("Genera il File e la Lista del Censimento \nUfficiale.\n"));
  f.hover(f.option("Option3D6"));
  QCOMPARE(f.help()->text(), QStringLiteral("Attiva la stampa immediata di liste e report sulla stampante di default"));
  f.moveOver(f.mainMenu.centralWidget());
  QCOMPARE(f.mainMenu.shownHelp(), 7);
  QCOMPARE(f.help()->text(), QStringLiteral("Ricerca delle appartenenze comuni alle due selezioni."));
  f.hover(f.mainMenu.findChild<QLabel*>(QStringLiteral("Picture1")));
  QCOMPARE(f.mainMenu.shownHelp(), -1);
  QVERIFY(f.help()->isHidden());
  f.hover(f.button("Seleziona"));
  QCOMPARE(f.mainMenu.shownHelp(), 6);
  QVERIFY(f.help()->isVisible());
}

void MainMenuTest::commonAncestorsHaveTheirOwnHelpInBothLanguages() {
  LoadedFixture f;
  f.hover(f.button("Parentele_0"));
  const QString italian = f.help()->text();
  QVERIFY2(italian.contains(QStringLiteral("antenati comuni")), qPrintable(italian));
  f.hover(f.button("Seleziona"));
  QVERIFY(f.help()->text() != italian);
  QCOMPARE(f.button("Parentele_0")->toolTip(), italian);
  f.action("Inglese")->trigger();
  f.hover(f.button("Parentele_0"));
  QCOMPARE(f.help()->text(),
           QStringLiteral("Finds the first common ancestors of the Focus individual and the second selection."));
  QCOMPARE(f.button("Parentele_0")->toolTip(), f.help()->text());
}

void MainMenuTest::buttonsAreGroupedWithCaptionsAndHelp() {
  LoadedFixture f;
  struct Placed {
    const char* name;
    const char* caption;
    const char* group;
  };
  const Placed placed[] = {
      {"Seleziona", "Seleziona", "Selezione"},
      {"Command1", "Ass.", "Selezione"},
      {"BtnAlberoRadici_1", "Ancestors expandable tree", "Esplorazione"},
      {"Capostipiti", "Roots", "Esplorazione"},
      {"Libro_3", "Custom Report", "Produzione"},
      {"Add", "Add", "Produzione"},
  };
  for (const Placed& p : placed) {
    QPushButton* button = f.button(p.name);
    QVERIFY2(button, p.name);
    QCOMPARE(button->text(), QString::fromLatin1(p.caption));
    auto* group = qobject_cast<QGroupBox*>(button->parentWidget());
    QVERIFY(group);
    QCOMPARE(group->title(), QString::fromLatin1(p.group));
  }
  QCOMPARE(f.button("AlberoRami_0")->toolTip(), QStringLiteral("Albero dei rami, permette la selezione del \nFocus."));
  f.action("Inglese")->trigger();
  QCOMPARE(qobject_cast<QGroupBox*>(f.button("Libro_3")->parentWidget())->title(), QStringLiteral("Produce"));
}

void MainMenuTest::recordModeDecidesTheEditAndUpdateButtons() {
  Harness h;
  h.session.tables.RecordMode = "Kord";
  h.mainMenu.show();
  auto button = [&h](const char* name) { return h.mainMenu.findChild<QPushButton*>(QString::fromLatin1(name)); };
  QVERIFY(button("EditSkeda_0")->isHidden());
  QVERIFY(button("Update")->isHidden());
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(&h.mainMenu, &activate);
  QVERIFY(button("EditSkeda_0")->isHidden());
  for (const char* name : {"Update", "Libro_2", "Libro_3"}) QVERIFY2(button(name)->isVisible(), name);

  h.session.tables.RecordMode = "Scout";
  QCoreApplication::sendEvent(&h.mainMenu, &activate);
  QVERIFY(button("EditSkeda_0")->isVisible());

  // The mode panel shows the mode; a click on it returns to "Kord".
  auto* panel = h.mainMenu.findChild<QLabel*>(QStringLiteral("Panel3D9_2"));
  h.mainMenu.render();
  QCOMPARE(panel->text(), QStringLiteral("Scout"));
  QTest::mouseClick(panel, Qt::LeftButton);
  QCOMPARE(h.session.tables.RecordMode, std::string("Kord"));
  QCOMPARE(panel->text(), QStringLiteral("Kord"));
}

void MainMenuTest::exitLogsTheEndOfTheSession() {
  LoadedFixture f;
  f.action("Exit")->trigger();
  QVERIFY(f.ui.quitCalled);
  QVERIFY(f.session.exitRequested);
  auto* text1 = f.history.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
  QVERIFY(text1->toPlainText().endsWith(QStringLiteral("fam.rni\nFine sessione\n")));
  QFile file(f.dir.filePath(QStringLiteral("fam.His")));
  QVERIFY(file.open(QIODevice::ReadOnly));
  QVERIFY(file.readAll().endsWith("\"\r\n\"Fine sessione\r\n\"\r\n"));
}

void MainMenuTest::secondOpenSaysTheDatabaseIsLoaded() {
  LoadedFixture f;
  f.action("Legge_genealogia")->trigger();
  QCOMPARE(f.ui.messages,
           std::vector<std::string>{
               "Archivio gia letto. Chiudere l'applicazione e riavviare per passare ad un nuovo archivio!"});
  QCOMPARE(f.session.windowState, 3);
  QCOMPARE(f.ui.dialogRuns, 1);
  QCOMPARE(f.session.tables.individualCount(), 3);
}

void MainMenuTest::creaDbCreatesThroughTheDialogAndKeepsTheLoadedDatabase() {
  LoadedFixture f;
  bool openShown = true;
  f.ui.onDialog = [&openShown](gui::DatabaseFileDialog& dialog) {
    openShown = dialog.findChild<QPushButton*>(QStringLiteral("btnApreGenealogia"))->isVisible();
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("NomeFile"));
    name->clear();
    QTest::keyClicks(name, QStringLiteral("nuovo"));
    QTest::keyClick(name, Qt::Key_Return);
  };
  f.action("CreaDB")->trigger();
  QVERIFY(!f.ui.dialogTimedOut);
  QVERIFY(!openShown);
  QVERIFY(QFile::exists(f.dir.filePath(QStringLiteral("nuovo.rni"))));
  QCOMPARE(f.ui.messages.back(), std::string("Crea File con dati personali generici"));
  QCOMPARE(f.session.DbName, f.folder() + "fam.rni");
  QCOMPARE(f.session.tables.individualCount(), 3);
}

}  // namespace kord::guitest

int runMainMenuTests(int argc, char** argv) {
  kord::guitest::MainMenuTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "main_menu_test.moc"
