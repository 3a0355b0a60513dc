// The editing card on a copy of the sample database: what it shows, saving
// a field and a link (checked in the files and on the card), what it refuses
// without changing a byte, long values cut with a message, a new individual,
// and the main-window commands around it.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "db/person_record.h"
#include "gui_harness.h"

namespace kord::guitest {

class EditCardTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheFocusRecordAndItsLinks();
  void savingWritesTheFieldsAndTheLinks();
  void refusedInputChangesNothing();
  void typingStopsAtTheFieldWidthAndMarksUnreadableDates();
  void datiPersonaliAddsANewIndividual();
  void recordCommandsNeedADatabase();
};

namespace {

/// The sample database with the editing card of individual `index` open.
struct EditFixture : Harness {
  bool open(int index) {
    if (!openSample()) return false;
    session.NInd[0] = index;
    QTest::mouseClick(button(mainMenu, "EditSkeda_2"), Qt::LeftButton);
    return editCard.isVisible();
  }
  static QPushButton* button(QWidget& window, const char* name) {
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
  }
  QLineEdit* line(int field) { return editCard.findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(field)); }
  QComboBox* combo(const char* name) { return editCard.findChild<QComboBox*>(QString::fromLatin1(name)); }
  QPlainTextEdit* notes() { return editCard.findChild<QPlainTextEdit*>(QStringLiteral("Text1_12")); }
  void retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    typeText(edit, text);
  }
  void choose(const char* chooser, const QString& text) { retype(combo(chooser)->lineEdit(), text); }
  void save() { QTest::mouseClick(button(editCard, "Salva"), Qt::LeftButton); }
  QByteArray file(const char* suffix) {
    QFile f(dir.filePath(QStringLiteral("famiglia.") + QLatin1String(suffix)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  /// Record `record` (numbered from 1) as stored.
  QByteArray stored(int record) {
    return file("rni").mid((record - 1) * static_cast<qsizetype>(kRecordLength), kRecordLength);
  }
  QByteArray stored(int record, int field) {
    return stored(record).mid(kFieldLayout[field].offset, kFieldLayout[field].width);
  }
  QString card(const char* name) { return skeda.findChild<QLabel*>(QString::fromLatin1(name))->text(); }
};

QByteArray padded(const QByteArray& text, int field) {
  return text.leftJustified(static_cast<qsizetype>(kFieldLayout[field].width), ' ', true);
}

}  // namespace

void EditCardTest::showsTheFocusRecordAndItsLinks() {
  EditFixture f;
  QVERIFY2(f.open(34), "the sample database did not open");
  QCOMPARE(f.editCard.windowTitle(), QStringLiteral("Modifica scheda"));
  QCOMPARE(f.line(Num)->text(), QStringLiteral("33"));
  QVERIFY(f.line(Num)->isReadOnly());
  QCOMPARE(f.line(Name)->text(), QStringLiteral("Pavan Mario"));
  QCOMPARE(f.line(BirthDate)->text(), QStringLiteral("10/10/1921"));
  QCOMPARE(f.notes()->toPlainText(),
           QStringLiteral("Operaio alla Breda, poi capo reparto; si trasferì a Milano nel 1946."));
  QCOMPARE(f.combo("Text1_13")->currentText(), QStringLiteral("M"));
  QCOMPARE(f.combo("Genitore1")->currentText(), QStringLiteral("Pavan Nicolò Giuseppe"));
  QCOMPARE(f.combo("Genitore2")->currentText(), QStringLiteral("Dal Bò Débora"));
  QCOMPARE(f.combo("Coniuge")->currentText(), QStringLiteral("Bortolin Franca"));
  QVERIFY(f.editCard.findChild<QCheckBox*>(QStringLiteral("ConiugeReciproco"))->isChecked());

  // A stored letter other than M or F is shown as it is.
  f.session.NInd[0] = 14;  // Pavan Luigi, sex "m"
  QTest::mouseClick(EditFixture::button(f.mainMenu, "EditSkeda_2"), Qt::LeftButton);
  QCOMPARE(f.combo("Text1_13")->currentText(), QStringLiteral("m"));
  QCOMPARE(f.combo("Genitore2")->currentText(), QStringLiteral("Furlan Angela"));
  QCOMPARE(f.combo("Coniuge")->currentText(), QStringLiteral("(nessuno)"));
}

void EditCardTest::savingWritesTheFieldsAndTheLinks() {
  EditFixture f;
  QVERIFY2(f.open(34), "the sample database did not open");
  const QByteArray record = f.stored(33);
  f.retype(f.line(BirthPlace), QStringLiteral("Sacile (Pordenone)"));
  f.notes()->setPlainText(QStringLiteral("Operaio alla Breda.\nCapo reparto dal 1960."));
  f.choose("Coniuge", QStringLiteral("pavan giulia"));
  f.save();
  QVERIFY(f.ui.messages.empty());
  QVERIFY(!f.editCard.isVisible());

  QCOMPARE(f.stored(33, BirthPlace), padded("Sacile (Pordenone)", BirthPlace));
  // The notes are multi-line: the line typed in them is kept, with CR LF.
  QCOMPARE(f.stored(33, Notes), padded("Operaio alla Breda.\r\nCapo reparto dal 1960.", Notes));
  for (int field : {Num, Name, BirthDate, DeathPlace, Sex})  // the rest of the record is as it was
    QCOMPARE(f.stored(33, field), record.mid(kFieldLayout[field].offset, kFieldLayout[field].width));
  QCOMPARE(f.session.tables.Spouse[34], 58);
  QCOMPARE(f.session.tables.Spouse[58], 34);
  const QByteArray spouses = f.file("rns");
  QVERIFY(spouses.contains("\n33,57\r\n"));
  QVERIFY(spouses.contains("\n57,33\r\n"));

  QCOMPARE(f.card("Label3D2_4"), QStringLiteral("Sacile (Pordenone)"));
  QCOMPARE(f.skeda.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText(),
           QStringLiteral("Operaio alla Breda.\nCapo reparto dal 1960."));
}

void EditCardTest::refusedInputChangesNothing() {
  EditFixture f;
  QVERIFY2(f.open(34), "the sample database did not open");
  const QByteArray rni = f.file("rni"), rnc = f.file("rnc"), rns = f.file("rns");
  const std::vector<std::string> names = f.session.tables.Names;

  f.retype(f.line(Name), QStringLiteral("Pavan Mario Łukasz"));
  f.save();
  QCOMPARE(f.ui.messages,
           std::vector<std::string>{"Nome: il carattere U+0141 non puo' essere registrato nella scheda"});

  f.retype(f.line(Name), QStringLiteral("Pavan Mario Luca"));
  f.choose("Genitore1", QStringLiteral("Nessuno Tale"));
  f.save();
  QCOMPARE(f.ui.messages.back(), std::string("Primo genitore: nessun individuo si chiama \"Nessuno Tale\""));

  // His own son cannot be his parent: the core says why.
  f.choose("Genitore1", QStringLiteral("Pavan Paolo"));
  f.save();
  QCOMPARE(f.ui.messages.size(), std::size_t(3));
  QVERIFY(!f.ui.messages.back().empty());

  QVERIFY(f.editCard.isVisible());
  QCOMPARE(f.line(Name)->text(), QStringLiteral("Pavan Mario Luca"));  // nothing typed is lost
  QCOMPARE(f.file("rni"), rni);
  QCOMPARE(f.file("rnc"), rnc);
  QCOMPARE(f.file("rns"), rns);
  QVERIFY(f.session.tables.Names == names);
  QCOMPARE(f.card("Label3D2_1"), QStringLiteral("Pavan Giovanni Battista"));
}

void EditCardTest::typingStopsAtTheFieldWidthAndMarksUnreadableDates() {
  EditFixture f;
  QVERIFY2(f.open(34), "the sample database did not open");
  const QString place = QStringLiteral("Sacile, in provincia di Pordenone, Friuli");  // 41 characters, 30 fit
  f.retype(f.line(BirthPlace), place);
  QCOMPARE(f.line(BirthPlace)->text(), place.left(30));
  // The notes hold 220 bytes; each line break is stored as two.
  f.notes()->setPlainText(QString(100, QLatin1Char('a')) + QStringLiteral("\n") + QString(150, QLatin1Char('b')));
  QCOMPARE(f.notes()->toPlainText().size(), 219);  // 220 bytes stored
  struct DateCase {
    const char* typed;
    bool marked;
  };
  const DateCase dates[] = {{"12/03/1950", false}, {"1950", false},      {"19??", false},
                            {"", false},           {"circa 1950", true}, {"31/02/1950", true}};
  auto* mark = f.editCard.findChild<QAction*>(QStringLiteral("DataNonValida_%1").arg(BirthDate));
  QVERIFY(mark);
  for (const DateCase& d : dates) {
    f.retype(f.line(BirthDate), QString::fromLatin1(d.typed));
    if (!*d.typed) f.line(BirthDate)->clear();
    QVERIFY2(mark->isVisible() == d.marked, d.typed);
  }
  f.retype(f.line(BirthDate), QStringLiteral("10/10/1921"));
  f.save();
  QCOMPARE(f.ui.messages, std::vector<std::string>{});  // nothing had to be cut
  QCOMPARE(f.stored(33, BirthPlace), place.left(30).toLatin1());
  QVERIFY(!f.editCard.isVisible());
}

void EditCardTest::datiPersonaliAddsANewIndividual() {
  EditFixture f;
  QVERIFY2(f.openSample(), "the sample database did not open");
  const QByteArray before = f.file("rni");
  const int focus = f.session.NInd[0];
  QTest::mouseClick(EditFixture::button(f.mainMenu, "EditSkeda_1"), Qt::LeftButton);
  QVERIFY(f.editCard.isVisible());
  QCOMPARE(f.line(Num)->text(), QStringLiteral("67"));
  QCOMPARE(f.line(Name)->text(), QString());
  // Annulla saves nothing and leaves no one behind in the lists.
  QTest::mouseClick(EditFixture::button(f.editCard, "Annulla"), Qt::LeftButton);
  QVERIFY(!f.editCard.isVisible());
  QCOMPARE(f.file("rni"), before);
  QCOMPARE(f.session.tables.LastIndex, 67);
  QCOMPARE(f.session.NInd[0], focus);
  QCOMPARE(f.mainMenu.findChild<QLabel*>(QStringLiteral("Panel3D9_0"))->text(), QStringLiteral("Individui: 66"));
  QTest::mouseClick(EditFixture::button(f.mainMenu, "ListaTutti"), Qt::LeftButton);
  const QStringList listed = listTexts(*f.lista.findChild<QListWidget*>(QStringLiteral("Liber")));
  QCOMPARE(listed.filter(QRegularExpression(QStringLiteral("^a_ "))), QStringList());
  QCOMPARE(listed.size(), 67);  // the title and the 66 individuals

  f.mainMenu.findChild<QAction*>(QStringLiteral("Dati_personali"))->trigger();
  QCOMPARE(f.line(Num)->text(), QStringLiteral("67"));  // the same reserved number
  f.retype(f.line(Name), QStringLiteral("Pavan Nicolò"));
  f.choose("Genitore1", QStringLiteral("Pavan Luca"));
  f.save();
  QVERIFY(f.ui.messages.empty());
  QCOMPARE(f.file("rni").size(), before.size() + static_cast<qsizetype>(kRecordLength));
  QCOMPARE(f.stored(67, Name), padded("Pavan Nicol\xF2", Name));
  QCOMPARE(f.session.tables.Names[68], std::string("Pavan Nicol\xF2"));
  QCOMPARE(f.session.tables.Parent1[68], 57);
  QVERIFY(f.file("rnc").contains("67,56\r\n"));
  QCOMPARE(f.card("Label3D2_1"), QStringLiteral("Pavan Nicolò"));
}

void EditCardTest::recordCommandsNeedADatabase() {
  Harness h;
  h.mainMenu.show();
  for (const char* name : {"Seleziona", "EditSkeda_1", "EditSkeda_2"})
    QTest::mouseClick(EditFixture::button(h.mainMenu, name), Qt::LeftButton);
  QCOMPARE(h.ui.messages, std::vector<std::string>(3, "Nessun database aperto"));
  QVERIFY(!h.listaNomi.isVisible());
  QVERIFY(!h.editCard.isVisible());

  EditFixture f;
  QVERIFY2(f.openSample(), "the sample database did not open");
  f.mainMenu.findChild<QAction*>(QStringLiteral("legge_scheda"))->trigger();
  QCOMPARE(f.ui.messages, std::vector<std::string>{"continuare"});
  QVERIFY(!f.session.ShowCard);
}

}  // namespace kord::guitest

int runEditCardTests(int argc, char** argv) {
  kord::guitest::EditCardTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "edit_card_test.moc"
