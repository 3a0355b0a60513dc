// The check window behind "Controlla archivio" in the Varie menu: it lists
// the broken links of the open database, repairs the obvious ones only
// after asking, and the tables follow the repaired files at once.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "check_window.h"
#include "gui_harness.h"

namespace kord::guitest {

class CheckWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theSampleIsClean();
  void repairAsksFirstAndMendsTheTables();
};

namespace {

/// The family database with a child file holding, after its two good lines,
/// Rossi Luigi's own parent line, a repeat, and Niccolò made Luigi's child.
struct CheckFixture : Harness {
  CheckFixture() {
    writeFamily();
    QFile children(dir.filePath(QStringLiteral("fam.rnc")));
    if (children.open(QIODevice::Append)) children.write("3,3\r\n3,1\r\n1,3\r\n");
    children.close();
    openThroughStartWindow(QStringLiteral("fam.rni"));
    ui.messages.clear();
  }
  gui::CheckWindow* open() {
    mainMenu.findChild<QAction*>(QStringLiteral("Controlla_archivio"))->trigger();
    return mainMenu.findChild<gui::CheckWindow*>(QStringLiteral("CheckWindow"));
  }
  static QStringList shown(gui::CheckWindow* window) {
    return listTexts(*window->findChild<QListWidget*>(QStringLiteral("Problemi")));
  }
  static QPushButton* repair(gui::CheckWindow* window) {
    return window->findChild<QPushButton*>(QStringLiteral("Ripara"));
  }
  QByteArray children() {
    QFile file(dir.filePath(QStringLiteral("fam.rnc")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
};

}  // namespace

void CheckWindowTest::theSampleIsClean() {
  Harness h;
  QVERIFY(h.openSample());
  QCOMPARE(h.mainMenu.findChild<QAction*>(QStringLiteral("Controlla_archivio"))->text().remove(QLatin1Char('&')),
           QStringLiteral("Controlla archivio"));
  h.mainMenu.findChild<QAction*>(QStringLiteral("Controlla_archivio"))->trigger();
  auto* window = h.mainMenu.findChild<gui::CheckWindow*>(QStringLiteral("CheckWindow"));
  QVERIFY(window && window->isVisible());
  QCOMPARE(window->windowTitle(), QStringLiteral("Controlla archivio"));
  QVERIFY(CheckFixture::shown(window).isEmpty());
  QCOMPARE(window->findChild<QLabel*>(QStringLiteral("Riepilogo"))->text(),
           QStringLiteral("Nessun problema nei legami dell'archivio."));
  QVERIFY(!CheckFixture::repair(window)->isEnabled());
}

void CheckWindowTest::repairAsksFirstAndMendsTheTables() {
  CheckFixture f;
  const QByteArray before = f.children();
  gui::CheckWindow* window = f.open();
  QVERIFY(window);
  QCOMPARE(CheckFixture::shown(window),
           QStringList(
               {QStringLiteral("fam.rnc, riga 3: Rossi Luigi (4) e' indicato come genitore di se stesso  [si ripara]"),
                QStringLiteral("fam.rnc, riga 4: ripete la riga 1  [si ripara]"),
                QStringLiteral("Legami di parentela in cerchio: Rossi Niccolò (2), Rossi Luigi (4): ognuno "
                               "risulta antenato di se stesso")}));
  // No: nothing is written.
  f.ui.answers = {false};
  QTest::mouseClick(CheckFixture::repair(window), Qt::LeftButton);
  QCOMPARE(f.ui.questions.size(), std::size_t{1});
  QCOMPARE(f.children(), before);
  // Yes: the two obvious lines go, the loop stays for the person.
  f.ui.answers = {true};
  QTest::mouseClick(CheckFixture::repair(window), Qt::LeftButton);
  QCOMPARE(f.children(), QByteArray("3,1\r\n3,2\r\n1,3\r\n"));
  const QStringList after = CheckFixture::shown(window);
  QCOMPARE(after.size(), 3);
  QVERIFY(after.at(0).startsWith(QStringLiteral("Riparato: fam.rnc, riga 3")));
  QVERIFY(after.at(2).startsWith(QStringLiteral("Legami di parentela in cerchio")));
  QVERIFY(!CheckFixture::repair(window)->isEnabled());
  QCOMPARE(f.session.tables.Parent1[4], 2);
  QCOMPARE(f.session.tables.Parent2[4], 3);  // the repeat no longer replaces the second parent
}

}  // namespace kord::guitest

int runCheckWindowTests(int argc, char** argv) {
  kord::guitest::CheckWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "check_window_test.moc"
