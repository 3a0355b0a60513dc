// The record cards on a copy of the sample database: what they show after
// the opening, the photographs, the second selection and the swap, Escape
// and the next refresh, the captions saved from the main card, the
// common-relative boxes, the kinship button with its help, and printing a
// card or the name search to a PDF.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include "gui_harness.h"
#include "records/focus_panel.h"

namespace kord::guitest {

class CardsTest : public QObject {
  Q_OBJECT

 private slots:
  void openingShowsTheFirstIndividualOnTheMainCard();
  void photographFollowsTheIndividualAndFallsBack();
  void parentelaFillsTheSecondCardAndScambiaSwaps();
  void escapeClosesEitherCardAndTheNextRefreshBringsItBack();
  void savedLabelsGoToTheCaptionsFile();
  void labelsTheFileCannotHoldAreRefused();
  void commonRelativeBoxesMoveTheFocusOnlyWhenSet();
  void kinshipButtonNeedsTwoIndividualsAndHasHelp();
  void relationshipLineShowsWithASecondSelection();
  void printFormWritesAReadablePdfInTheDatabaseFolder();
  void aPrintoutThatCannotBeWrittenIsReportedNotSaved();
};

namespace {

QString text(QWidget& window, const QString& name) {
  if (auto* label = window.findChild<QLabel*>(name)) return label->text();
  if (auto* edit = window.findChild<QLineEdit*>(name)) return edit->text();
  return QStringLiteral("<no %1>").arg(name);
}

QImage picture(QWidget& card) { return card.findChild<QLabel*>(QStringLiteral("Picture1"))->pixmap().toImage(); }

void click(QWidget& window, const char* button) {
  QTest::mouseClick(window.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

/// Moves the focus as the commands do: the slot, then the panel.
void focusOn(Harness& h, int index) {
  h.session.NInd[0] = index;
  ShowFocusPanel(h.session);
}

/// Replaces the text of a caption editor as the person would.
void retype(QLineEdit* edit, const QString& typed) {
  edit->selectAll();
  typeText(edit, typed);
}

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

void CardsTest::openingShowsTheFirstIndividualOnTheMainCard() {
  Harness h;
  QVERIFY2(h.openSample(), "the sample database did not open");
  QVERIFY(h.skeda.isVisible());
  QCOMPARE(h.skeda.windowTitle(), QStringLiteral("Scheda Anagrafica"));
  const std::pair<const char*, const char*> shown[] = {
      {"Label3D2_0", "1"},
      {"Label3D2_1", "Pavan Giovanni Battista"},
      {"Label3D2_2", "M"},
      {"Label3D2_3", "14/02/1781"},
      {"Label3D3_0", "N."},
      {"Label3D3_1", "Nome"},
      {"Label3D3_2", "Data Nascita"},
      {"Label3D3_13", "Sesso"},
      {"PrimoParNome_2", "Primi ascendenti comuni"},
      {"PrimoParNome_0", ""},
  };
  for (const auto& [name, value] : shown) QCOMPARE(text(h.skeda, QString::fromLatin1(name)), QString::fromUtf8(value));
  QVERIFY(h.skeda.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText().startsWith("Mugnaio al molino"));
  QVERIFY(!picture(h.skeda).isNull());
  // No second selection yet: its card waits for one.
  QVERIFY(!h.skeda2.isVisible());
  QVERIFY(h.ui.messages.empty());
}

void CardsTest::photographFollowsTheIndividualAndFallsBack() {
  Harness h;
  QVERIFY2(h.openSample(), "the sample database did not open");
  focusOn(h, 34);  // Pavan Mario has a photograph of his own
  const QImage mario = picture(h.skeda);
  focusOn(h, 2);  // Pavan Giovanni Battista has none: "initial.jpg"
  const QImage placeholder = picture(h.skeda);
  QVERIFY(!mario.isNull() && !placeholder.isNull());
  QVERIFY(mario != placeholder);
  focusOn(h, 34);
  QCOMPARE(picture(h.skeda), mario);

  // A photograph that does not load leaves the one shown before.
  QFile broken(h.dir.filePath(QStringLiteral("Pavan Paolo.jpg")));
  QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
  broken.write("not a picture");
  broken.close();
  focusOn(h, 44);
  QCOMPARE(text(h.skeda, QStringLiteral("Label3D2_1")), QStringLiteral("Pavan Paolo"));
  QCOMPARE(picture(h.skeda), mario);
}

void CardsTest::parentelaFillsTheSecondCardAndScambiaSwaps() {
  Harness h;
  QVERIFY2(h.openSample(), "the sample database did not open");
  click(h.mainMenu, "Parentela");
  QVERIFY(h.listaNomi.isVisible());
  QCOMPARE(h.listaNomi.windowTitle(), QStringLiteral("Seleziona parente da localizzare"));
  QTest::keyClicks(h.listaNomi.findChild<QLineEdit*>(QStringLiteral("InputNome")), QStringLiteral("pavan mario"));
  click(h.listaNomi, "btnSelezioneOK");
  QCOMPARE(h.session.NInd, (std::array<int, 2>{2, 34}));
  QVERIFY(h.skeda2.isVisible());
  QCOMPARE(h.skeda2.windowTitle(), QStringLiteral("Scheda Anagrafica secondaria"));
  QCOMPARE(text(h.skeda2, QStringLiteral("Text2_1")), QStringLiteral("Pavan Mario"));
  QCOMPARE(text(h.skeda2, QStringLiteral("Label3D2_3")), QStringLiteral("10/10/1921"));
  QVERIFY(!h.skeda2.findChild<QPlainTextEdit*>(QStringLiteral("Text1")));  // no notes on the second card
  QCOMPARE(text(h.skeda, QStringLiteral("Label3D2_1")), QStringLiteral("Pavan Giovanni Battista"));

  click(h.mainMenu, "Scambia");
  QCOMPARE(h.session.NInd, (std::array<int, 2>{34, 2}));
  QCOMPARE(text(h.skeda, QStringLiteral("Label3D2_1")), QStringLiteral("Pavan Mario"));
  QCOMPARE(text(h.skeda2, QStringLiteral("Text2_1")), QStringLiteral("Pavan Giovanni Battista"));
  QCOMPARE(text(h.mainMenu, QStringLiteral("Panel3D9_1")), QStringLiteral("Focus: Pavan Mario"));
}

void CardsTest::escapeClosesEitherCardAndTheNextRefreshBringsItBack() {
  Harness h;
  QVERIFY2(h.openSample(), "the sample database did not open");
  h.session.NInd[1] = 34;
  ShowFocusPanel(h.session);
  struct Case {
    gui::RecordCardWindow* card;
    const CardModel* model;
    gui::RecordCardWindow* other;
  };
  for (const Case& c :
       {Case{&h.skeda, &h.session.focusCard, &h.skeda2}, Case{&h.skeda2, &h.session.secondCard, &h.skeda}}) {
    QVERIFY(c.card->isVisible() && c.other->isVisible());
    QTest::keyClick(c.card, Qt::Key_Escape);
    QVERIFY(!c.card->isVisible());
    QVERIFY(!c.model->visible);
    QVERIFY2(c.other->isVisible(), qPrintable(c.other->windowTitle()));
    ShowFocusPanel(h.session);
    QVERIFY2(c.card->isVisible(), qPrintable(c.card->windowTitle()));
    QVERIFY(c.model->visible);
  }
}

void CardsTest::savedLabelsGoToTheCaptionsFile() {
  Harness h;
  QVERIFY2(h.openSample(), "the sample database did not open");
  h.session.NInd[1] = 3;
  ShowFocusPanel(h.session);
  retype(h.skeda.findChild<QLineEdit*>(QStringLiteral("Label3D3_1")), QStringLiteral("Cognome e Nome"));
  retype(h.skeda.findChild<QLineEdit*>(QStringLiteral("Label3D3_3")), QStringLiteral("Città"));
  // A refresh while the person edits keeps what was typed.
  focusOn(h, 34);
  QCOMPARE(text(h.skeda, QStringLiteral("Label3D3_1")), QStringLiteral("Cognome e Nome"));
  click(h.skeda, "Command1");
  QVERIFY(h.ui.messages.empty());
  const QByteArray file = fileBytes(h.dir.filePath(QStringLiteral("famiglia.rnk")));
  const QList<QByteArray> lines = file.split('\n');
  QCOMPARE(lines.size(), 15);  // 14 lines, each ending in CR LF
  QCOMPARE(lines[0], QByteArray("\"N.\"\r"));
  QCOMPARE(lines[1], QByteArray("\"Cognome e Nome\"\r"));
  QCOMPARE(lines[3], QByteArray("\"Citt\xE0\"\r"));  // Windows-1252
  QCOMPARE(lines[13], QByteArray("\"Sesso\"\r"));
  QCOMPARE(h.session.tables.FieldCaptions[1], std::string("Cognome e Nome"));
  QCOMPARE(text(h.skeda2, QStringLiteral("Label3D3_1")), QStringLiteral("Cognome e Nome"));
}

void CardsTest::labelsTheFileCannotHoldAreRefused() {
  Harness h;
  QVERIFY2(h.openSample(), "the sample database did not open");
  const QString path = h.dir.filePath(QStringLiteral("famiglia.rnk"));
  const QByteArray before = fileBytes(path);
  auto* caption = h.skeda.findChild<QLineEdit*>(QStringLiteral("Label3D3_2"));
  const struct {
    QString typed;
    std::string message;
  } cases[] = {
      {QStringLiteral("Nato a Łódź"), "Didascalia 2: il carattere U+0141 non puo' essere registrato nella scheda"},
      {QStringLiteral("Data \"vera\""), "Didascalia 2: il carattere \" non puo' far parte di una didascalia"},
  };
  for (const auto& c : cases) {
    h.ui.messages.clear();
    retype(caption, c.typed);
    click(h.skeda, "Command1");
    QCOMPARE(h.ui.messages, std::vector<std::string>{c.message});
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(h.session.tables.FieldCaptions[2], std::string("Data Nascita"));
    QCOMPARE(caption->text(), c.typed);  // still there to be corrected
  }
}

void CardsTest::commonRelativeBoxesMoveTheFocusOnlyWhenSet() {
  Harness h;
  QVERIFY2(h.openSample(), "the sample database did not open");
  auto* first = h.skeda.findChild<QLineEdit*>(QStringLiteral("PrimoParNome_0"));
  auto* second = h.skeda.findChild<QLineEdit*>(QStringLiteral("PrimoParNome_1"));
  QTest::mouseDClick(first, Qt::LeftButton);
  QTest::mouseDClick(second, Qt::LeftButton);
  QCOMPARE(h.session.NInd[0], 2);
  QCOMPARE(text(h.skeda, QStringLiteral("Label3D2_1")), QStringLiteral("Pavan Giovanni Battista"));
  QVERIFY(h.ui.messages.empty());

  h.session.FirstCommon = 24;
  h.session.SecondCommon = 27;
  h.session.CommonKind = true;
  ShowFocusPanel(h.session);
  QCOMPARE(text(h.skeda, QStringLiteral("PrimoParNome_2")), QStringLiteral("Primi discendenti comuni"));
  QCOMPARE(first->text(), QStringLiteral("Pavan Nicolò Giuseppe"));
  QCOMPARE(second->text(), QStringLiteral("Dal Bò Débora"));
  QTest::mouseDClick(second, Qt::LeftButton);
  QCOMPARE(h.session.NInd[0], 27);
  QCOMPARE(text(h.skeda, QStringLiteral("Label3D2_1")), QStringLiteral("Dal Bò Débora"));
  QTest::mouseDClick(first, Qt::LeftButton);
  QCOMPARE(h.session.NInd[0], 24);
  QCOMPARE(text(h.skeda, QStringLiteral("Label3D2_1")), QStringLiteral("Pavan Nicolò Giuseppe"));
}

void CardsTest::kinshipButtonNeedsTwoIndividualsAndHasHelp() {
  Harness h;
  QVERIFY2(h.openSample(), "the sample database did not open");
  click(h.skeda, "Parentele_0");
  QCOMPARE(h.ui.messages, std::vector<std::string>{"Selezionare due individui"});
  h.session.NInd[1] = 34;
  // No kinship search yet: there is no common relative to draw from.
  click(h.skeda, "Parentele_0");
  QCOMPARE(h.ui.messages.back(), std::string("Individuo non Definito"));

  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QCoreApplication::sendEvent(h.skeda.findChild<QPushButton*>(QStringLiteral("Parentele_0")), &enter);
  QCOMPARE(h.skeda.shownHelp(), 0);
  QCOMPARE(text(h.skeda, QStringLiteral("Help_0")),
           QStringLiteral("Genera Albero a partire dal primo individuo comune"));
  QCoreApplication::sendEvent(h.skeda.findChild<QLabel*>(QStringLiteral("Picture1")), &enter);
  QCOMPARE(h.skeda.shownHelp(), -1);
  QCOMPARE(text(h.skeda, QStringLiteral("Help_0")), QString());
}

void CardsTest::relationshipLineShowsWithASecondSelection() {
  Harness h;
  QVERIFY2(h.openSample(), "the sample database did not open");
  auto* line = h.skeda.findChild<QLabel*>(QStringLiteral("RelationshipLine"));
  QVERIFY(line->isHidden());
  h.session.NInd[1] = 45;
  focusOn(h, 55);
  QCOMPARE(line->text(), QStringLiteral("Parentela: cugina unilaterale di primo grado, di una generazione di distanza "
                                        "(tramite Pavan Nicolò Giuseppe)"));
  QVERIFY(!line->isHidden());
  h.session.NInd[1] = 0;
  ShowFocusPanel(h.session);
  QVERIFY(line->isHidden());
}

void CardsTest::printFormWritesAReadablePdfInTheDatabaseFolder() {
  Harness h;
  QVERIFY2(h.openSample(), "the sample database did not open");
  h.printer.setAlwaysPdf(true);
  click(h.skeda, "StampaForm");
  const std::string pdf = h.folder() + "Scheda Anagrafica - Pavan Giovanni Battista.pdf";
  QCOMPARE(h.ui.messages, std::vector<std::string>{"Stampa salvata nel file " + pdf});
  QVERIFY(fileBytes(QString::fromStdString(pdf)).startsWith("%PDF"));

  h.session.English = true;
  h.ui.messages.clear();
  click(h.mainMenu, "Seleziona");
  click(h.listaNomi, "Command3D1");
  const std::string list = h.folder() + "Lista Nomi Individui.pdf";
  QCOMPARE(h.ui.messages, std::vector<std::string>{"Printout saved to the file " + list});

  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed");
  // The window is drawn as vectors: its captions and values are text.
  QProcess reader;
  reader.start(pdftotext, {QString::fromStdString(pdf), QStringLiteral("-")});
  QVERIFY(reader.waitForFinished(10000));
  QCOMPARE(reader.exitCode(), 0);
  const QString text = QString::fromUtf8(reader.readAllStandardOutput());
  QVERIFY2(text.contains(QStringLiteral("Pavan Giovanni Battista")), qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("Parrocchia di San Nicolò")), qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("Data Nascita")), qPrintable(text));
}

void CardsTest::aPrintoutThatCannotBeWrittenIsReportedNotSaved() {
  Harness h;
  QVERIFY2(h.openSample(), "the sample database did not open");
  h.printer.setAlwaysPdf(true);
  const std::string pdf = h.folder() + "Scheda Anagrafica - Pavan Giovanni Battista.pdf";
  QVERIFY(QDir().mkdir(QString::fromStdString(pdf)));  // a folder where the printout would go
  click(h.skeda, "StampaForm");
  QCOMPARE(h.ui.messages,
           std::vector<std::string>{"Impossibile scrivere il file " + pdf + ": c'e' una cartella con questo nome"});
}

}  // namespace kord::guitest

int runCardsTests(int argc, char** argv) {
  kord::guitest::CardsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "cards_test.moc"
