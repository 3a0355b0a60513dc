// The Qt side of the core's interfaces: text conversion at the display edge,
// the real message boxes of QtUi, the printer's font choice and the start
// folder taken from the program's argument.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "db/person_record.h"
#include "gui_harness.h"
#include "qt_text.h"
#include "records/focus_panel.h"
#include "records/record_card.h"
#include "start_folder.h"

namespace kord::guitest {

class DisplayEdgeTest : public QObject {
  Q_OBJECT

 private slots:
  void textsCrossTheDisplayEdge();
  void messageBoxesShowTheCoreTexts();
  void recordValuesAreShownAsPlainText();
  void printerFindsALineDrawingFont();
  void startFolderComesFromTheArgument();
};

namespace {

/// Runs `check` on the modal box that `open` brings up, then lets the box
/// go with `button`.
template <typename Open, typename Check>
auto onModal(Open open, Check check, QMessageBox::StandardButton button) {
  QTimer::singleShot(0, [check, button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    check(*box);
    box->button(button)->click();
  });
  return open();
}

}  // namespace

void DisplayEdgeTest::textsCrossTheDisplayEdge() {
  QCOMPARE(gui::displayText("Perch\xE9 Nicol\xF2\r\nriga due\r\n"), QStringLiteral("Perché Nicolò\nriga due\n"));
  QCOMPARE(gui::displayText("\x80 \x93x\x94"), QStringLiteral("€ “x”"));
  QCOMPARE(gui::coreText(QStringLiteral("Perché €")), std::string("Perch\xE9 \x80"));
  QCOMPARE(gui::coreText(QStringLiteral("ł")), std::string("?"));
  QCOMPARE(gui::controlObjectName("Libro(3)"), QStringLiteral("Libro_3"));
  QCOMPARE(gui::controlObjectName("EditSkeda(0)"), QStringLiteral("EditSkeda_0"));
  QCOMPARE(gui::controlObjectName("Seleziona"), QStringLiteral("Seleziona"));
}

void DisplayEdgeTest::messageBoxesShowTheCoreTexts() {
  gui::WindowSet none;
  gui::QtUi ui(none);
  QString seenTitle, seenText;
  QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
  bool defaultIsNo = false;
  QMessageBox::StandardButtons seenButtons;
  auto record = [&](QMessageBox& box) {
    seenTitle = box.windowTitle();
    seenText = box.text();
    seenIcon = box.icon();
    seenButtons = box.standardButtons();
    defaultIsNo = box.defaultButton() == box.button(QMessageBox::No);
  };

  Qt::TextFormat seenFormat = Qt::AutoText;
  onModal(
      [&] {
        ui.message("Citt\xE0 non trovata\r\nriprovare");
        return 0;
      },
      [&](QMessageBox& box) {
        record(box);
        seenFormat = box.textFormat();
      },
      QMessageBox::Ok);
  QCOMPARE(seenFormat, Qt::PlainText);  // a message quoting a name "<b>x</b>" shows it as typed
  QCOMPARE(seenTitle, QStringLiteral("Kord"));
  QCOMPARE(seenText, QStringLiteral("Città non trovata\nriprovare"));
  QCOMPARE(seenButtons, QMessageBox::StandardButtons(QMessageBox::Ok));

  // The default answer is No and the stop icon is the critical one.
  bool yes =
      onModal([&] { return ui.askYesNo("Sostituire?", "Create DB", Icon::Stop, false); }, record, QMessageBox::Yes);
  QVERIFY(yes);
  QCOMPARE(seenTitle, QStringLiteral("Create DB"));
  QCOMPARE(seenIcon, QMessageBox::Critical);
  QCOMPARE(seenButtons, QMessageBox::Yes | QMessageBox::No);
  QVERIFY(defaultIsNo);
  bool no = onModal([&] { return ui.askYesNo("Tipo?", "", Icon::Question, true); }, record, QMessageBox::No);
  QVERIFY(!no);
  QCOMPARE(seenIcon, QMessageBox::Question);
  QVERIFY(!defaultIsNo);

  bool promptPlain = false;
  QTimer::singleShot(0, [&promptPlain] {
    auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    if (!input) return;
    for (QLabel* label : input->findChildren<QLabel*>())
      promptPlain =
          promptPlain || (label->text() == QStringLiteral("<b>Nome</b>:") && label->textFormat() == Qt::PlainText);
    input->reject();
  });
  QCOMPARE(ui.inputBox("<b>Nome</b>:", "Kord", "Rossi"), std::string());
  QVERIFY(promptPlain);
  QTimer::singleShot(0, [] {
    if (auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
      input->setTextValue(QStringLiteral("Nicolò"));
      input->accept();
    }
  });
  QCOMPARE(ui.inputBox("Nome:", "Kord", ""), std::string("Nicol\xF2"));
}

void DisplayEdgeTest::recordValuesAreShownAsPlainText() {
  Harness h;
  PersonRecord r;
  r.set(Num, "1");
  r.set(Name, "<b>Rossi</b> Anna");
  r.set(BirthPlace, "<i>Sacile</i>");
  QFile rni(h.dir.filePath(QStringLiteral("fam.rni")));
  QVERIFY(rni.open(QIODevice::WriteOnly));
  rni.write(r.bytes().data(), static_cast<qint64>(r.bytes().size()));
  rni.close();
  for (const char* suffix : {"rnc", "rns"})
    QFile(h.dir.filePath(QStringLiteral("fam.") + QLatin1String(suffix))).open(QIODevice::WriteOnly);
  QFile captions(h.dir.filePath(QStringLiteral("fam.rnk")));
  QVERIFY(captions.open(QIODevice::WriteOnly));
  captions.write("\"N.\"\r\n\"<u>Nome</u>\"\r\n");
  captions.close();
  h.openThroughStartWindow(QStringLiteral("fam.rni"));
  QVERIFY(h.session.DbLoaded);
  h.session.NInd = {2, 2};
  ShowFocusPanel(h.session);
  EditFocusCard(h.session);
  h.mainMenu.render();

  QStringList shown;
  for (QWidget* window : QApplication::topLevelWidgets())
    for (QLabel* label : window->findChildren<QLabel*>())
      if (label->text().contains(QLatin1Char('<'))) {
        shown << label->objectName();
        QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName() + ": " + label->text()));
      }
  // The two cards' names, places and captions, the focus panel, the editing card's caption.
  QVERIFY2(shown.size() >= 7, qPrintable(shown.join(QLatin1Char(' '))));
}

void DisplayEdgeTest::printerFindsALineDrawingFont() {
  gui::QtPrinter printer;
  const QString family = gui::lineDrawingFamily();
  if (family.isEmpty()) {
    QVERIFY(!printer.setFontName("Terminal"));
    QSKIP("no fixed-pitch font with box-drawing glyphs is installed");
  }
  QVERIFY(QFontDatabase::isFixedPitch(family));
  if (QFontDatabase::families().contains(QStringLiteral("DejaVu Sans Mono")))
    QCOMPARE(family, QStringLiteral("DejaVu Sans Mono"));
  QVERIFY(printer.setFontName("Terminal"));
  QCOMPARE(printer.font().family(), family);
  QVERIFY(!printer.setFontName("No Such Family 4711"));
  QCOMPARE(printer.font().family(), family);
  const QString other = QFontDatabase::families().constFirst();
  QVERIFY(printer.setFontName(other.toStdString()));
  QCOMPARE(printer.font().family(), other);
}

void DisplayEdgeTest::startFolderComesFromTheArgument() {
  QTemporaryDir dir;
  QDir(dir.path()).mkdir(QStringLiteral("db"));
  QFile file(dir.filePath(QStringLiteral("db/fam.rni")));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.close();
  const std::string expected = QDir::cleanPath(dir.filePath(QStringLiteral("db"))).toStdString() + "/";

  gui::StartFolder fromFolder = gui::startFolderFor(dir.filePath(QStringLiteral("db")));
  QVERIFY(fromFolder.error.isEmpty());
  QCOMPARE(fromFolder.folder, expected);
  gui::StartFolder fromFile = gui::startFolderFor(dir.filePath(QStringLiteral("db/fam.rni")));
  QCOMPARE(fromFile.folder, expected);
  gui::StartFolder trailing = gui::startFolderFor(dir.filePath(QStringLiteral("db/")));
  QCOMPARE(trailing.folder, expected);
  gui::StartFolder missing = gui::startFolderFor(dir.filePath(QStringLiteral("nowhere")));
  QVERIFY(missing.folder.empty());
  QVERIFY(missing.error.contains(QStringLiteral("nowhere")));
}

}  // namespace kord::guitest

int runDisplayEdgeTests(int argc, char** argv) {
  kord::guitest::DisplayEdgeTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "display_edge_test.moc"
