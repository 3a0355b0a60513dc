// Namesakes told apart: two "Rossi Luigi" in the name search, the link
// choosers of the editing card and the general list show their years beside
// the name (never in it), and a click on the first chooses the first.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "db/person_record.h"
#include "gui_harness.h"
#include "life_years_delegate.h"

namespace kord::guitest {

class NamesakesTest : public QObject {
  Q_OBJECT

 private slots:
  void everyListShowsTheYearsBesideTheName();
};

namespace {

QByteArray record(int number, const char* name, const char* born, const char* died) {
  kord::PersonRecord r;
  r.set(kord::Num, std::to_string(number));
  r.set(kord::Name, name);
  r.set(kord::BirthDate, born);
  r.set(kord::DeathDate, died);
  return QByteArray(r.bytes().data(), static_cast<int>(r.bytes().size()));
}

struct NamesakesFixture : Harness {
  NamesakesFixture() {
    const QString stem = dir.filePath(QStringLiteral("omonimi"));
    const QList<QPair<QString, QByteArray>> files = {
        {QStringLiteral(".rni"), record(1, "Rossi Luigi", "12/03/1850", "1920") + record(2, "Bianchi Anna", "", "") +
                                     record(3, "Rossi Luigi", "1890", "")},
        {QStringLiteral(".rnc"), QByteArray()},
        {QStringLiteral(".rns"), QByteArray()},
        {QStringLiteral(".rnt"), QByteArray("0\r\n")}};
    for (const auto& [extension, bytes] : files) {
      QFile file(stem + extension);
      if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }
    openThroughStartWindow(QStringLiteral("omonimi.rni"));
  }
};

QStringList rowsWithYears(const QAbstractItemModel& model) {
  QStringList rows;
  for (int row = 0; row < model.rowCount(); ++row) {
    const QModelIndex index = model.index(row, 0);
    rows << index.data().toString() + QStringLiteral(" | ") + index.data(gui::kLifeYearsRole).toString();
  }
  return rows;
}

}  // namespace

void NamesakesTest::everyListShowsTheYearsBesideTheName() {
  NamesakesFixture f;
  QVERIFY(f.session.DbLoaded);
  QTest::mouseClick(f.mainMenu.findChild<QPushButton*>(QStringLiteral("Seleziona")), Qt::LeftButton);
  typeText(f.listaNomi.findChild<QLineEdit*>(QStringLiteral("InputNome")), QStringLiteral("ross"));
  auto* found = f.listaNomi.findChild<QListWidget*>(QStringLiteral("selezionati"));
  QCOMPARE(rowsWithYears(*found->model()),
           QStringList({QStringLiteral("Rossi Luigi | 1850-1920"), QStringLiteral("Rossi Luigi | n. 1890")}));
  QTest::mouseClick(found->viewport(), Qt::LeftButton, {}, found->visualItemRect(found->item(0)).center());
  QCOMPARE(f.session.NInd[0], 2);  // the first Rossi Luigi, not the last one of the name
  QCOMPARE(found->currentRow(), 0);
  f.listaNomi.close();

  QTest::mouseClick(f.mainMenu.findChild<QPushButton*>(QStringLiteral("EditSkeda_2")), Qt::LeftButton);
  const QStringList choices = rowsWithYears(*f.editCard.findChild<QComboBox*>(QStringLiteral("Coniuge"))->model());
  QCOMPARE(choices.mid(1),
           QStringList({QStringLiteral("Bianchi Anna | "), QStringLiteral("Rossi Luigi (N. 1) | 1850-1920"),
                        QStringLiteral("Rossi Luigi (N. 3) | n. 1890")}));
  f.editCard.close();

  QTest::mouseClick(f.mainMenu.findChild<QPushButton*>(QStringLiteral("ListaTutti")), Qt::LeftButton);
  const QStringList listed = rowsWithYears(*f.lista.findChild<QListWidget*>(QStringLiteral("Liber"))->model());
  QVERIFY2(listed.contains(QStringLiteral("Rossi Luigi | n. 1890")), qPrintable(listed.join(QLatin1Char('\n'))));
  QVERIFY(listed.contains(QStringLiteral("Rossi Luigi | 1850-1920")));
}

}  // namespace kord::guitest

int runNamesakesTests(int argc, char** argv) {
  kord::guitest::NamesakesTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "namesakes_test.moc"
