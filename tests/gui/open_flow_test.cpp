// From the start window to a loaded database: the buttons of StartWindow, the
// modal file dialog, the progress window, the messages, the history and the
// hand-over to the main window.

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "gui_harness.h"

namespace kord::guitest {

class OpenFlowTest : public QObject {
  Q_OBJECT

 private slots:
  void openLoadsTheDatabaseAndShowsTheMainWindow();
  void progressWindowShowsEachPhaseAndTheFinalTexts();
  void historyWindowAndFileGetTheLoadLine();
  void sampleDatabaseOpens();
  void escapeInTheDialogOpensNothing();
  void newAndExitOnlyShowTheDateOrEndTheProgram();
  void anOpenDatabaseIsLockedAgainstOtherWriters();
};

namespace {
const std::string kToday = "Today: 08/12/2026. -  14:03:22\n.";
}

void OpenFlowTest::openLoadsTheDatabaseAndShowsTheMainWindow() {
  Harness h;
  h.writeFamily();
  h.openThroughStartWindow(QStringLiteral("fam.rni"));
  QVERIFY(!h.ui.dialogTimedOut);
  QCOMPARE(h.ui.dialogRuns, 1);
  QCOMPARE(h.ui.messages, (std::vector<std::string>{kToday, "Database OK. Creare o Selezionare un individuo!"}));
  QVERIFY(h.session.DbLoaded);
  QCOMPARE(h.session.DbName, h.folder() + "fam.rni");
  QCOMPARE(h.session.windowState, 3);
  QCOMPARE(h.session.NInd[0], 2);
  QVERIFY(h.mainMenu.isVisible());
  QVERIFY(!h.apreDB.isVisible());
  QVERIFY(!h.frmApreFile.isVisible());
  // The first individual is the focus; its name is decoded from Windows-1252.
  QCOMPARE(h.mainMenu.findChild<QLabel*>(QStringLiteral("Panel3D9_1"))->text(), QStringLiteral("Focus: Rossi Niccolò"));
  QCOMPARE(h.mainMenu.findChild<QLabel*>(QStringLiteral("Panel3D9_0"))->text(), QStringLiteral("Individui: 3"));
}

void OpenFlowTest::progressWindowShowsEachPhaseAndTheFinalTexts() {
  Harness h;
  h.writeFamily();
  h.openThroughStartWindow(QStringLiteral("fam.rni"));
  // The window was up and showed the running count while the files loaded.
  QVERIFY(!h.ui.progressSeen.empty());
  QCOMPARE(h.ui.progressSeen.front(), qMakePair(QStringLiteral("Letti  1 Avanzamento:0% "), true));
  QVERIFY(!h.leggeGenealog.isVisible());

  const char* names[] = {"FileI", "FileC", "FileS"};
  const char* finals[] = {"Caricati 3 Individui ", "Caricati 2 discendenze    ", "Caricati 2 coniugi    "};
  for (int i = 0; i < 3; ++i) {
    auto* text = h.leggeGenealog.findChild<QLineEdit*>(QString::fromLatin1(names[i]));
    QVERIFY(text);
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->text(), QString::fromLatin1(finals[i]));
    auto* gauge = h.leggeGenealog.findChild<QProgressBar*>(QStringLiteral("Gauge1_%1").arg(i));
    QVERIFY(gauge);
    QCOMPARE(gauge->maximum(), 20);
    QCOMPARE(gauge->value(), 0);  // three records are far below one step of 50
  }
}

void OpenFlowTest::historyWindowAndFileGetTheLoadLine() {
  Harness h;
  h.writeFamily();
  h.openThroughStartWindow(QStringLiteral("fam.rni"));
  const QString line = QStringLiteral("08/12/2026 - 14:03:22 - Elaborazioni su: ") +
                       QString::fromStdString(h.folder()) + QStringLiteral("fam.rni");
  QVERIFY(h.history.isVisible());
  QCOMPARE(h.history.windowTitle(), QStringLiteral("Storia"));
  auto* text1 = h.history.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
  QVERIFY(text1);
  QVERIFY(text1->isReadOnly());
  QCOMPARE(text1->toPlainText(), line + '\n');

  QFile file(h.dir.filePath(QStringLiteral("fam.His")));
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(QString::fromUtf8(file.readAll()), '"' + line + QStringLiteral("\r\n\"\r\n"));
}

void OpenFlowTest::sampleDatabaseOpens() {
  Harness h;
  QVERIFY2(h.copySample(), "the sample database could not be copied");
  h.openThroughStartWindow(QStringLiteral("famiglia.rni"));
  QVERIFY(h.session.DbLoaded);
  QCOMPARE(h.session.windowState, 3);
  QCOMPARE(h.session.NInd[0], 2);
  QVERIFY(h.mainMenu.isVisible());
  QCOMPARE(h.ui.messages.back(), std::string("Database OK. Creare o Selezionare un individuo!"));
  QVERIFY(h.leggeGenealog.findChild<QLineEdit*>(QStringLiteral("FileI"))->text().startsWith("Caricati "));
}

void OpenFlowTest::escapeInTheDialogOpensNothing() {
  Harness h;
  h.writeFamily();
  h.ui.onDialog = [](gui::DatabaseFileDialog& dialog) {
    clickListItem(*dialog.findChild<QListWidget*>(QStringLiteral("FilList")), QStringLiteral("fam.rni"));
    QTest::keyClick(&dialog, Qt::Key_Escape);
  };
  h.apreDB.show();
  QTest::mouseClick(h.apreDB.findChild<QPushButton*>(QStringLiteral("Command1_0")), Qt::LeftButton);
  QVERIFY(!h.ui.dialogTimedOut);
  QCOMPARE(h.ui.messages, (std::vector<std::string>{kToday, "Non Selezionato"}));
  QVERIFY(!h.session.DbLoaded);
  QVERIFY(h.session.DbName.empty());
  // Without a choice the main window still comes up, with no database.
  QVERIFY(h.mainMenu.isVisible());
  QCOMPARE(h.session.windowState, 3);
  QVERIFY(!QFile::exists(h.dir.filePath(QStringLiteral("fam.His"))));
}

void OpenFlowTest::newAndExitOnlyShowTheDateOrEndTheProgram() {
  Harness h;
  h.apreDB.show();
  QCOMPARE(h.apreDB.windowTitle(), QStringLiteral("Tree - Apre Database"));
  const QStringList captions = {"Open", "New", "Exit"};
  for (int i = 0; i < 3; ++i)
    QCOMPARE(h.apreDB.findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(i))->text(), captions[i]);

  QTest::mouseClick(h.apreDB.findChild<QPushButton*>(QStringLiteral("Command1_1")), Qt::LeftButton);
  QCOMPARE(h.ui.messages, std::vector<std::string>{kToday});
  QCOMPARE(h.ui.dialogRuns, 0);
  QCOMPARE(h.session.windowState, 0);
  QVERIFY(h.apreDB.isVisible());
  QVERIFY(!h.ui.quitCalled);

  QTest::mouseClick(h.apreDB.findChild<QPushButton*>(QStringLiteral("Command1_2")), Qt::LeftButton);
  QCOMPARE(h.ui.messages, (std::vector<std::string>{kToday, kToday}));
  QVERIFY(h.ui.quitCalled);
  QCOMPARE(h.ui.dialogRuns, 0);
}

void OpenFlowTest::anOpenDatabaseIsLockedAgainstOtherWriters() {
  Harness h;
  h.writeFamily();
  const QByteArray path = QFile::encodeName(h.dir.filePath(QStringLiteral("fam.rni")));
  auto lockedElsewhere = [&path] {
    int fd = ::open(path.constData(), O_RDONLY);
    bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return locked;
  };
  QVERIFY(!lockedElsewhere());
  h.openThroughStartWindow(QStringLiteral("fam.rni"));
  QVERIFY(h.session.DbLoaded);
  QVERIFY(lockedElsewhere());
}

}  // namespace kord::guitest

int runOpenFlowTests(int argc, char** argv) {
  kord::guitest::OpenFlowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "open_flow_test.moc"
