// The main window's entries that once did nothing, each clicked on the
// sample: the About box, going to a number, the card and the list, the
// folders, the monochrome scheme, the demonstration database, the
// alphabetical copy, the spouse search, the date check; every entry and
// button runs a command of the table, and the one control left without an
// action is disabled and says why.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>

#include "app/commands.h"
#include "app_style.h"
#include "desktop_open.h"
#include "gui_harness.h"
#include "qt_text.h"

namespace kord::guitest {

class MenuEntriesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanup();
  void aboutNumberCardAndListEntries();
  void foldersOpenInTheFileManagerAndTheSchemeIsRemembered();
  void demonstrationDatabaseAndAlphabeticalCopyGoBesideTheOthers();
  void spouseSearchLinksTheChosenNamesake();
  void dateCheckListsFindingsByTheRememberedLimits();
  void onlyTheControlWithoutAnActionIsDisabledAndSaysWhy();
  void everyEntryAndButtonRunsACoreOrAWindowCommand();
  void finishedSiteAndPdfOfferToOpenThem();
};

namespace {

struct SampleFixture : Harness {
  bool loaded = openSample();
  QStringList opened, started, offers;
  SampleFixture() {
    gui::setDesktopStandIns({[this](const QString& path) { opened << path; },
                             [this](const QStringList& args) { started << args; },
                             [this](const QString&) { return dir.filePath(QStringLiteral("demo")); },
                             [this](const QString& text, const QString& button) {
                               offers << button + QStringLiteral(": ") + text;
                               return true;
                             }});
    QDir().mkpath(dir.filePath(QStringLiteral("demo")));
  }
  ~SampleFixture() { gui::setDesktopStandIns({}); }
  QAction* action(const char* name) { return mainMenu.findChild<QAction*>(QString::fromLatin1(name)); }
  template <typename T>
  T* child(const char* name) {
    return mainMenu.findChild<T*>(QString::fromLatin1(name));
  }
  QByteArray bytes(const QString& name) const {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
};

}  // namespace

void MenuEntriesTest::initTestCase() { QStandardPaths::setTestModeEnabled(true); }

void MenuEntriesTest::cleanup() {
  QSettings().remove(QStringLiteral("verify"));
  gui::setMonochrome(false);
}

void MenuEntriesTest::aboutNumberCardAndListEntries() {
  SampleFixture f;
  QVERIFY(f.loaded);
  f.action("INFO_Kord")->trigger();
  const QString about = QString::fromStdString(f.ui.messages.back());
  for (const QString& part : {QStringLiteral("Kord 0."), QStringLiteral("Qt 6."), QStringLiteral("famiglia.rni"),
                              QStringLiteral("Individui: 66"), QStringLiteral("Licenza")})
    QVERIFY2(about.contains(part), qPrintable(about));

  f.ui.inputs = {"5", "67", "x"};
  f.action("Num_individuo")->trigger();
  QCOMPARE(f.session.NInd[0], 6);
  QCOMPARE(f.session.focusCard.values[kord::Name], f.session.tables.Names[6]);
  for (int refused = 0; refused < 2; ++refused) {
    f.action("Num_individuo")->trigger();
    QVERIFY(f.ui.messages.back().find("Nessun individuo ha il numero") == 0);
    QCOMPARE(f.session.NInd[0], 6);
  }

  f.skeda.close();
  f.action("Visualizza_dati")->trigger();
  QVERIFY(f.skeda.isVisible());
  f.action("Lettura_individui")->trigger();
  QVERIFY(f.lista.isVisible());
  QCOMPARE(f.session.list.Liber.size(), std::size_t(67));  // the title line and everybody
}

void MenuEntriesTest::foldersOpenInTheFileManagerAndTheSchemeIsRemembered() {
  SampleFixture f;
  QVERIFY(f.loaded);
  f.action("Directory_attuali")->trigger();
  auto* folders = f.child<QWidget>("Directory_attuali");
  QVERIFY(folders && folders->isVisible());
  QTest::mouseClick(folders->findChild<QPushButton*>(QStringLiteral("ApriDatabase")), Qt::LeftButton);
  QTest::mouseClick(folders->findChild<QPushButton*>(QStringLiteral("ApriModelli")), Qt::LeftButton);
  QCOMPARE(f.opened,
           QStringList({QString::fromStdString(f.session.DbFolder), QString::fromStdString(f.session.TemplateFolder)}));

  QAction* monochrome = f.action("Schema_Monocromatico");
  QVERIFY(monochrome->isCheckable() && !monochrome->isChecked());
  monochrome->trigger();
  QVERIFY(gui::isMonochrome());
  QCOMPARE(QSettings().value(QStringLiteral("colors/monochrome")).toBool(), true);
  QCOMPARE(qApp->palette().color(QPalette::Window), QColor(Qt::white));
  QCOMPARE(qApp->palette().color(QPalette::WindowText), QColor(Qt::black));
  SampleFixture next;  // a new main window starts with the remembered scheme
  QVERIFY(next.action("Schema_Monocromatico")->isChecked());
  monochrome->trigger();
  QVERIFY(!gui::isMonochrome());
  QVERIFY(qApp->palette().color(QPalette::Window) != QColor(Qt::white));
}

void MenuEntriesTest::demonstrationDatabaseAndAlphabeticalCopyGoBesideTheOthers() {
  SampleFixture f;
  QVERIFY(f.loaded);
  f.ui.inputs = {"25", "25"};
  f.ui.answers = {true, false};
  f.action("Genera_Random_DB")->trigger();
  f.action("Genera_Random_DB")->trigger();  // the same size again: a new name
  QCOMPARE(f.bytes(QStringLiteral("demo/demo_25.rni")).size(), 25 * 526);
  QCOMPARE(f.bytes(QStringLiteral("demo/demo_25_2.rni")).size(), 25 * 526);
  QVERIFY(!f.bytes(QStringLiteral("demo/demo_25.rnc")).isEmpty());
  QCOMPARE(f.started, QStringList{f.dir.filePath(QStringLiteral("demo/demo_25.rni"))});

  const QByteArray before = f.bytes(QStringLiteral("famiglia.rni")) + f.bytes(QStringLiteral("famiglia.rnc"));
  f.ui.inputs = {"alfa", "alfa"};
  f.child<QPushButton>("Update")->click();
  QCOMPARE(f.bytes(QStringLiteral("alfa.rni")).size(), 66 * 526);
  QVERIFY(f.bytes(QStringLiteral("alfa.rni")).startsWith("1    Battistella Maria"));
  QVERIFY2(f.ui.messages.back().find(f.dir.filePath(QStringLiteral("alfa.rni")).toStdString()) != std::string::npos,
           f.ui.messages.back().c_str());
  f.child<QPushButton>("Update")->click();
  QVERIFY(f.ui.messages.back().find("esiste gia'") != std::string::npos);
  QCOMPARE(f.bytes(QStringLiteral("famiglia.rni")) + f.bytes(QStringLiteral("famiglia.rnc")), before);
  QCOMPARE(f.session.DbName, f.dir.filePath(QStringLiteral("famiglia.rni")).toStdString());
}

void MenuEntriesTest::spouseSearchLinksTheChosenNamesake() {
  SampleFixture f;
  QVERIFY(f.loaded);
  const kord::Tables& t = f.session.tables;
  int single = 0;
  for (int k = 2; k <= t.LastIndex && !single; ++k)
    if (t.Spouse[k] < 0 && !t.Names[k].empty() && t.Names[k].rfind("Pavan", 0) == 0) single = k;
  QVERIFY(single > 0);
  f.session.NInd[0] = single;
  f.action("On_Ricerca_Coniugi")->trigger();
  auto* search = f.child<QWidget>("Ricerca_Coniugi");
  QVERIFY(search && search->isVisible());
  auto* list = search->findChild<QListWidget*>(QStringLiteral("Candidati"));
  typeText(search->findChild<QLineEdit*>(QStringLiteral("NomeConiuge")), QStringLiteral("zanin r"));
  QCOMPARE(list->count(), 1);
  QCOMPARE(list->item(0)->text(), QStringLiteral("Zanin Rita (n. 1942)"));
  const int chosen = list->item(0)->data(Qt::UserRole).toInt();
  f.ui.answers = {true};
  QTest::mouseClick(search->findChild<QPushButton*>(QStringLiteral("Scegli")), Qt::LeftButton);
  QCOMPARE(t.Spouse[single], chosen);
  QCOMPARE(t.Spouse[chosen], single);
  f.action("Off_Ricerca_Coniugi")->trigger();
  QVERIFY(!search->isVisible());
}

void MenuEntriesTest::dateCheckListsFindingsByTheRememberedLimits() {
  SampleFixture f;
  QVERIFY(f.loaded);
  f.action("Verifica_dati")->trigger();
  auto* window = f.child<QWidget>("Verifica_dati");
  QVERIFY(window && window->isVisible());
  auto* findings = window->findChild<QListWidget*>(QStringLiteral("Risultati"));
  QCOMPARE(findings->count(), 2);  // two of the sample's founders have no death date
  QVERIFY(findings->item(1)->text().startsWith(QStringLiteral("23 Pavan Caterina: oltre 110 anni")));
  QTest::mouseClick(findings->viewport(), Qt::LeftButton, {}, findings->visualItemRect(findings->item(1)).center());
  QCOMPARE(f.session.NInd[0], 23);
  auto* oldest = window->findChild<QSpinBox*>(QStringLiteral("maximumAgeWithoutDeath"));
  oldest->setValue(150);  // Caterina (born 1883) is no longer too old
  QCOMPARE(findings->count(), 1);
  QVERIFY(findings->item(0)->text().startsWith(QStringLiteral("6 Pavan Girolamo")));
  QCOMPARE(QSettings().value(QStringLiteral("verify/maximumAgeWithoutDeath")).toInt(), 150);
  SampleFixture next;  // the limits are remembered
  next.action("Verifica_dati")->trigger();
  QCOMPARE(next.child<QSpinBox>("maximumAgeWithoutDeath")->value(), 150);
}

void MenuEntriesTest::onlyTheControlWithoutAnActionIsDisabledAndSaysWhy() {
  SampleFixture f;
  QVERIFY(f.loaded);
  auto* structure = f.child<QPushButton>("EditSkeda_0");
  QVERIFY(!structure->isEnabled());
  QVERIFY(structure->toolTip().contains(QStringLiteral("Scout")));
  for (QAction* action : f.mainMenu.findChildren<QAction*>())
    if (!action->menu() && !action->objectName().isEmpty())
      QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
  for (QPushButton* button : f.mainMenu.findChildren<QPushButton*>())
    if (button != structure) QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
}

void MenuEntriesTest::everyEntryAndButtonRunsACoreOrAWindowCommand() {
  Harness h;
  QStringList controls;
  for (QAction* action : h.mainMenu.findChildren<QAction*>())
    if (!action->menu() && !action->objectName().isEmpty()) controls << action->objectName();
  for (QPushButton* button : h.mainMenu.findChildren<QPushButton*>()) controls << button->objectName();
  QVERIFY(controls.size() > 60);
  for (const kord::Command& command : kord::Commands()) {
    for (const std::string& control : command.controls) controls.removeOne(gui::controlObjectName(control));
    if (command.controls.empty() || command.handler || command.inactive()) continue;
    QVERIFY2(h.mainMenu.carriesOut(command.id), command.id);
  }
  QVERIFY2(controls.isEmpty(), qPrintable(controls.join(QStringLiteral(", "))));
}

void MenuEntriesTest::finishedSiteAndPdfOfferToOpenThem() {
  SampleFixture f;
  QVERIFY(f.loaded);
  f.action("Libro_Famiglia")->trigger();
  QCOMPARE(f.offers.size(), 1);
  QVERIFY2(f.offers.at(0).startsWith(QStringLiteral("Apri nel browser: Libro di famiglia e sito HTML scritti nella "
                                                    "cartella ") +
                                     f.dir.path()),
           qPrintable(f.offers.at(0)));
  QCOMPARE(f.opened, QStringList{f.dir.filePath(QStringLiteral("index.html"))});
  f.action("Lettura_individui")->trigger();  // the site stays as it was: nothing to offer
  QCOMPARE(f.offers.size(), 1);

  // The core says where a printout went; the window's message box adds the button.
  gui::QtUi ui(f.windows);
  const QString pdf = f.dir.filePath(QStringLiteral("Albero.pdf"));
  gui::notePdfWritten(pdf);
  ui.message("Printout saved to the file " + pdf.toStdString());
  QCOMPARE(f.offers.last(), QStringLiteral("Open PDF: Printout saved to the file ") + pdf);
  QCOMPARE(f.opened.last(), pdf);
  QVERIFY(gui::takePdfNamedIn(pdf).isEmpty());  // offered once
}

}  // namespace kord::guitest

int runMenuEntriesTests(int argc, char** argv) {
  kord::guitest::MenuEntriesTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "menu_entries_test.moc"
