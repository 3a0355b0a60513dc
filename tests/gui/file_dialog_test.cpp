// The file dialog "Apre File Genealogie" on its own: what it lists, how its
// clicks, keys and typing reach the dialog model, and when it closes.

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "gui_harness.h"

namespace kord::guitest {

class FileDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void listsTheDatabasesAndFoldersOfTheFolder();
  void clickFillsNomeFileAndOpenClosesWithTheName();
  void doubleClickOnAFileOpensIt();
  void typingAPatternRelistsTheFiles();
  void foldersAreEnteredAndLeftByDoubleClick();
  void escapeClosesWithoutAChoice();
  void enterCreatesWhenOnlyNewIsOffered();
  void anythingButADatabaseIsRefusedAndTheDialogStays();
};

namespace {

/// A folder with two databases, a text file and a subfolder, shown in the
/// dialog as the open flow shows it.
struct DialogFixture : Harness {
  QListWidget* filList;
  QListWidget* dirList;
  QLineEdit* nomeFile;
  DialogFixture() {
    writeFamily(QStringLiteral("fam"));
    writeFamily(QStringLiteral("zeta"));
    QFile::rename(dir.filePath(QStringLiteral("zeta.rni")), dir.filePath(QStringLiteral("zeta.RNI")));
    QFile notes(dir.filePath(QStringLiteral("notes.txt")));
    notes.open(QIODevice::WriteOnly);
    QDir(dir.path()).mkdir(QStringLiteral("archivio"));
    session.dialog.newVisible = false;
    frmApreFile.render();
    frmApreFile.show();
    filList = frmApreFile.findChild<QListWidget*>(QStringLiteral("FilList"));
    dirList = frmApreFile.findChild<QListWidget*>(QStringLiteral("DirList"));
    nomeFile = frmApreFile.findChild<QLineEdit*>(QStringLiteral("NomeFile"));
  }
  QPushButton* button(const char* name) { return frmApreFile.findChild<QPushButton*>(QString::fromLatin1(name)); }
};

}  // namespace

void FileDialogTest::listsTheDatabasesAndFoldersOfTheFolder() {
  DialogFixture f;
  QCOMPARE(f.frmApreFile.windowTitle(), QStringLiteral("Apre File Genealogie"));
  QCOMPARE(listTexts(*f.filList), (QStringList{"fam.rni", "zeta.RNI"}));
  QCOMPARE(listTexts(*f.dirList), (QStringList{"..", "archivio"}));
  QCOMPARE(f.nomeFile->text(), QStringLiteral("*.rni"));
  QVERIFY(f.frmApreFile.findChild<QWidget*>(QStringLiteral("DrvList")));
  QVERIFY(f.button("btnApreGenealogia")->isVisible());
  QVERIFY(f.button("btnCreaGenealogia")->isHidden());
  QVERIFY(f.button("btnAnnulla")->isVisible());
  QCOMPARE(f.button("btnApreGenealogia")->text(), QStringLiteral("Open"));
  QCOMPARE(f.button("btnAnnulla")->text(), QStringLiteral("Exit"));
}

void FileDialogTest::clickFillsNomeFileAndOpenClosesWithTheName() {
  DialogFixture f;
  QVERIFY(clickListItem(*f.filList, QStringLiteral("zeta.RNI")));
  QCOMPARE(f.nomeFile->text(), QStringLiteral("zeta.RNI"));
  QCOMPARE(f.session.DbName, f.folder() + "zeta.RNI");
  QVERIFY(f.frmApreFile.isVisible());
  QTest::mouseClick(f.button("btnApreGenealogia"), Qt::LeftButton);
  QVERIFY(!f.frmApreFile.isVisible());
  QCOMPARE(f.frmApreFile.result(), int(QDialog::Accepted));
  QCOMPARE(f.session.DbName, f.folder() + "zeta.RNI");  // not appended twice
  QCOMPARE(f.session.DbFolder, f.folder());
}

void FileDialogTest::doubleClickOnAFileOpensIt() {
  DialogFixture f;
  QVERIFY(clickListItem(*f.filList, QStringLiteral("fam.rni"), true));
  QVERIFY(!f.frmApreFile.isVisible());
  QVERIFY(f.session.dialog.closed);
  QCOMPARE(f.session.DbName, f.folder() + "fam.rni");
}

void FileDialogTest::typingAPatternRelistsTheFiles() {
  DialogFixture f;
  f.nomeFile->clear();
  QTest::keyClicks(f.nomeFile, QStringLiteral("*.txt"));
  QCOMPARE(f.session.dialog.NomeFile, std::string("*.txt"));
  QCOMPARE(listTexts(*f.filList), QStringList{"notes.txt"});
  // A plain name is kept as typed and leaves the list as it was.
  f.nomeFile->clear();
  QTest::keyClicks(f.nomeFile, QStringLiteral("fam"));
  QCOMPARE(f.session.dialog.NomeFile, std::string("fam"));
  QCOMPARE(listTexts(*f.filList), QStringList{"notes.txt"});
  QVERIFY(f.frmApreFile.isVisible());
}

void FileDialogTest::foldersAreEnteredAndLeftByDoubleClick() {
  DialogFixture f;
  QVERIFY(clickListItem(*f.dirList, QStringLiteral("archivio"), true));
  QCOMPARE(f.session.dialog.folder, f.folder() + "archivio/");
  QCOMPARE(listTexts(*f.dirList), QStringList{".."});
  QVERIFY(listTexts(*f.filList).isEmpty());
  QVERIFY(clickListItem(*f.dirList, QStringLiteral(".."), true));
  QCOMPARE(f.session.dialog.folder, f.folder());
  QCOMPARE(listTexts(*f.filList), (QStringList{"fam.rni", "zeta.RNI"}));
  QVERIFY(f.frmApreFile.isVisible());
}

void FileDialogTest::escapeClosesWithoutAChoice() {
  DialogFixture f;
  QVERIFY(clickListItem(*f.filList, QStringLiteral("fam.rni")));
  QTest::keyClick(&f.frmApreFile, Qt::Key_Escape);
  QVERIFY(!f.frmApreFile.isVisible());
  QVERIFY(f.session.dialog.closed);
  QVERIFY(f.session.DbName.empty());
  QVERIFY(!f.ui.quitCalled);
}

void FileDialogTest::enterCreatesWhenOnlyNewIsOffered() {
  DialogFixture f;
  f.session.dialog.openVisible = false;
  f.session.dialog.newVisible = true;
  f.frmApreFile.render();
  QVERIFY(f.button("btnApreGenealogia")->isHidden());
  QVERIFY(f.button("btnCreaGenealogia")->isVisible());
  f.nomeFile->clear();
  QTest::keyClicks(f.nomeFile, QStringLiteral("nuovo"));
  QTest::keyClick(f.nomeFile, Qt::Key_Return);
  QVERIFY(!f.frmApreFile.isVisible());
  for (const char* ext : {"rni", "rnc", "rns", "rnt"})
    QVERIFY2(QFile::exists(f.dir.filePath(QStringLiteral("nuovo.") + ext)), ext);
  QCOMPARE(f.session.DbName, f.folder() + "nuovo.rni");
  QCOMPARE(f.ui.messages.back(), std::string("Crea File con dati personali generici"));
}

void FileDialogTest::anythingButADatabaseIsRefusedAndTheDialogStays() {
  DialogFixture f;
  f.nomeFile->clear();
  QTest::keyClicks(f.nomeFile, QStringLiteral("*.*"));
  QVERIFY(clickListItem(*f.filList, QStringLiteral("fam.rnc")));
  QTest::mouseClick(f.button("btnApreGenealogia"), Qt::LeftButton);
  QVERIFY(f.frmApreFile.isVisible());
  QCOMPARE(f.ui.messages,
           std::vector<std::string>{"fam.rnc: non e' un database (si apre solo un file il cui nome finisce per .rni)"});
  QVERIFY(f.session.DbName.empty());
  QVERIFY(clickListItem(*f.filList, QStringLiteral("zeta.RNI"), true));
  QVERIFY(!f.frmApreFile.isVisible());
  QCOMPARE(f.session.DbName, f.folder() + "zeta.RNI");
}

}  // namespace kord::guitest

int runFileDialogTests(int argc, char** argv) {
  kord::guitest::FileDialogTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "file_dialog_test.moc"
