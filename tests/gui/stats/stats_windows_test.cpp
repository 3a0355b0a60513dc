// The statistics windows offscreen on a copy of the sample database: the
// chooser runs each statistic, the windows show the model's numbers, the
// style buttons cycle the chart kinds, printing and saving stay in the
// database folder.

#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QChart>
#include <QDir>
#include <QFileInfo>
#include <QHorizontalBarSeries>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPieSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTest>

#include "stats/statistics_command.h"
#include "stats_harness.h"

using namespace kord;
using namespace kord::statstest;

namespace {

void click(QWidget& window, const char* button) {
  auto* b = window.findChild<QPushButton*>(QString::fromLatin1(button));
  QVERIFY2(b, button);
  QTest::mouseClick(b, Qt::LeftButton);
}

void chooseAndRun(StatsHarness& h, int option) {
  StatisticsCommand(h.session);
  QVERIFY(h.selGraf.isVisible());
  if (option >= 0) h.selGraf.findChild<QRadioButton*>(QStringLiteral("Option3D1_%1").arg(option))->click();
  click(h.selGraf, "Command3D1_0");
}

QString cell(QWidget& window, int row, int column) {
  auto* grid = window.findChild<QTableWidget*>(QStringLiteral("Grid1"));
  auto* item = grid ? grid->item(row, column) : nullptr;
  return item ? item->text() : QString();
}

QStringList legendLabels(QChart* chart) {
  QStringList labels;
  for (QLegendMarker* marker : chart->legend()->markers()) labels << marker->label();
  return labels;
}

QString seriesKind(QChart* chart) {
  const QList<QAbstractSeries*> series = chart->series();
  if (series.isEmpty()) return QStringLiteral("none");
  if (qobject_cast<QStackedBarSeries*>(series.first())) return QStringLiteral("stacked");
  if (qobject_cast<QHorizontalBarSeries*>(series.first())) return QStringLiteral("horizontal");
  if (qobject_cast<QAbstractBarSeries*>(series.first())) return QStringLiteral("bars");
  if (qobject_cast<QLineSeries*>(series.first())) return QStringLiteral("lines");
  if (auto* pie = qobject_cast<QPieSeries*>(series.first()))
    return pie->holeSize() > 0 ? QStringLiteral("donut") : QStringLiteral("pie");
  return QStringLiteral("other");
}

QList<qreal> numbers(const std::vector<std::optional<int>>& row, int count) {
  QList<qreal> values;
  for (int i = 0; i < count; ++i) values.append(row.at(i).value_or(0));
  return values;
}

}  // namespace

class StatsWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void chooserRunsTheCenturyStatistic() {
    StatsHarness h;
    QVERIFY(h.openSample());
    h.session.NInd[0] = 36;
    chooseAndRun(h, 0);
    QVERIFY(!h.selGraf.isVisible());
    QVERIFY(h.grafici.isVisible());
    QCOMPARE(h.session.windowState, int(kStateIdle));
    QCOMPARE(h.session.NInd[0], 36);

    QCOMPARE(labelText(h.grafici, "NMaschi"), QStringLiteral("29"));
    QCOMPARE(labelText(h.grafici, "NFemmine"), QStringLiteral("36"));
    QCOMPARE(labelText(h.grafici, "Totali"), QStringLiteral("65"));
    QCOMPARE(labelText(h.grafici, "Quotatotale"), QStringLiteral("0,446153846153846"));
    QCOMPARE(cell(h.grafici, 0, 0), QStringLiteral("Secoli"));
    QCOMPARE(cell(h.grafici, 1, 0), QStringLiteral("2000"));
    QCOMPARE(cell(h.grafici, 1, 1), QStringLiteral("13"));
    QCOMPARE(cell(h.grafici, 2, 2), QStringLiteral("16"));
    QCOMPARE(cell(h.grafici, 7, 0), QStringLiteral("N.D."));

    // Graph1 shows the seven labelled buckets of the model, by sex.
    QChart* graph1 = chartOf(h.grafici, "Graph1");
    QVERIFY(graph1);
    const ChartTable& table = h.session.centuries.Graph1;
    QCOMPARE(barValues(graph1, QStringLiteral("Maschi")), numbers(table.values[0], 7));
    QCOMPARE(barValues(graph1, QStringLiteral("Femmine")), numbers(table.values[1], 7));
    QCOMPARE(barValues(graph1, QStringLiteral("Maschi")).first(), 13.0);
    QCOMPARE(legendLabels(graph1), (QStringList{QStringLiteral("Maschi"), QStringLiteral("Femmine")}));
    QVERIFY(graph1->legend()->isVisible());
    auto* categories = qobject_cast<QBarCategoryAxis*>(graph1->axes(Qt::Horizontal).value(0));
    QVERIFY(categories);
    QCOMPARE(categories->categories(), (QStringList{"2000", "1900", "1800", "1700", "1600", "1500", "N.D."}));
    QVERIFY(!categories->titleText().isEmpty());
    QVERIFY(!graph1->axes(Qt::Vertical).value(0)->titleText().isEmpty());

    QChart* graph2 = chartOf(h.grafici, "Graph2");
    QCOMPARE(barValues(graph2, QStringLiteral("Maschi")), QList<qreal>{29});
    QCOMPARE(barValues(graph2, QStringLiteral("Femmine")), QList<qreal>{36});
  }

  void chooserRunsTheDecadeStatistic() {
    StatsHarness h;
    QVERIFY(h.openSample());
    chooseAndRun(h, 1);
    QVERIFY(h.graphEta.isVisible());
    QVERIFY(!h.grafici.isVisible());
    QCOMPARE(h.graphEta.windowTitle(), QString::fromUtf8("Distribuzione per Età"));
    QCOMPARE(labelText(h.graphEta, "NMaschi"), QStringLiteral("29"));
    QCOMPARE(labelText(h.graphEta, "NFemmine"), QStringLiteral("36"));
    QCOMPARE(labelText(h.graphEta, "Totali"), QStringLiteral("65"));
    QCOMPARE(labelText(h.graphEta, "Quotatotale"), QStringLiteral("0"));
    auto* grid = h.graphEta.findChild<QTableWidget*>(QStringLiteral("Grid1"));
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(grid->columnCount(), 41);
    QCOMPARE(cell(h.graphEta, 0, 1), QStringLiteral("026"));
    QCOMPARE(cell(h.graphEta, 0, 40), QStringLiteral(">41"));
    QCOMPARE(cell(h.graphEta, 2, 0), QStringLiteral("Femm."));

    // The chart ends with the oldest class that holds anybody: 320-329.
    QChart* graph1 = chartOf(h.graphEta, "Graph1");
    QList<qreal> males, females;
    for (int c = 0; c <= 32; ++c) {
      males.append(h.session.decades.Graph1.values[c][0].value_or(-1));
      females.append(h.session.decades.Graph1.values[c][1].value_or(-1));
    }
    QCOMPARE(barValues(graph1, QStringLiteral("Maschi")), males);
    QCOMPARE(barValues(graph1, QStringLiteral("Femmine")), females);
    QCOMPARE(males.last(), 1.0);
    QCOMPARE(legendLabels(graph1), (QStringList{QStringLiteral("Maschi"), QStringLiteral("Femmine")}));
  }

  void chooserWithoutAnOptionRepeatsThePreviousChoice() {
    StatsHarness h;
    QVERIFY(h.openSample());
    chooseAndRun(h, -1);
    QVERIFY(!h.grafici.isVisible() && !h.graphEta.isVisible());  // nothing chosen yet

    chooseAndRun(h, 1);
    QVERIFY(h.graphEta.isVisible());
    h.graphEta.hide();
    StatisticsCommand(h.session);
    QCOMPARE(h.selGraf.chosenOption(), kord::kNoStatistic);  // a fresh chooser
    click(h.selGraf, "Command3D1_0");
    QVERIFY(h.graphEta.isVisible());

    StatisticsCommand(h.session);
    h.selGraf.findChild<QRadioButton*>(QStringLiteral("Option3D1_0"))->click();
    click(h.selGraf, "Command3D1_1");  // close: remembered, not run
    QVERIFY(!h.selGraf.isVisible());
    QVERIFY(!h.grafici.isVisible());
    chooseAndRun(h, -1);
    QVERIFY(h.grafici.isVisible());
  }

  void busyMainWindowKeepsTheChooserClosed() {
    StatsHarness h;
    QVERIFY(h.openSample());
    h.ui.messages.clear();
    h.session.windowState = kStateNewRecord;
    StatisticsCommand(h.session);
    QVERIFY(!h.selGraf.isVisible());
    QCOMPARE(h.ui.messages,
             std::vector<std::string>{"Chiudere le finestre secondarie prima di generare il censimento"});
  }

  void styleButtonsCycleTheChartKinds() {
    StatsHarness h;
    QVERIFY(h.openSample());
    chooseAndRun(h, 0);
    const QStringList forward = {"stacked", "lines", "horizontal", "bars"};
    for (const QString& kind : forward) {
      click(h.grafici, "Command3D1_1");
      QCOMPARE(seriesKind(chartOf(h.grafici, "Graph1")), kind);
      if (kind != QLatin1String("lines"))
        QCOMPARE(barValues(chartOf(h.grafici, "Graph1"), QStringLiteral("Femmine")).first(), 16.0);
    }
    click(h.grafici, "Command3D1_0");
    QCOMPARE(seriesKind(chartOf(h.grafici, "Graph1")), QStringLiteral("horizontal"));
    QCOMPARE(h.grafici.findChild<QLabel*>(QStringLiteral("Graph1Kind"))->text(), QStringLiteral("Barre orizzontali"));
    QCOMPARE(seriesKind(chartOf(h.grafici, "Graph2")), QStringLiteral("bars"));  // Graph2 is left alone

    click(h.grafici, "Command3D1_3");
    QChart* pieChart = chartOf(h.grafici, "Graph2");
    QCOMPARE(seriesKind(pieChart), QStringLiteral("pie"));
    auto* pie = qobject_cast<QPieSeries*>(pieChart->series().first());
    QCOMPARE(pie->slices().size(), 2);
    QCOMPARE(pie->slices().at(0)->value(), 29.0);
    QCOMPARE(pie->slices().at(1)->value(), 36.0);
    QCOMPARE(legendLabels(pieChart), (QStringList{QStringLiteral("Maschi"), QStringLiteral("Femmine")}));
    click(h.grafici, "Command3D1_3");
    QCOMPARE(seriesKind(chartOf(h.grafici, "Graph2")), QStringLiteral("donut"));
    click(h.grafici, "Command3D1_3");
    QCOMPARE(seriesKind(chartOf(h.grafici, "Graph2")), QStringLiteral("bars"));
    click(h.grafici, "Command3D1_2");
    QCOMPARE(seriesKind(chartOf(h.grafici, "Graph2")), QStringLiteral("donut"));

    chooseAndRun(h, 0);  // a new run keeps the kinds the person chose
    QCOMPARE(seriesKind(chartOf(h.grafici, "Graph1")), QStringLiteral("horizontal"));
    QCOMPARE(seriesKind(chartOf(h.grafici, "Graph2")), QStringLiteral("donut"));
  }

  void printAndSaveWriteIntoTheDatabaseFolder() {
    StatsHarness h;
    QVERIFY(h.openSample());
    chooseAndRun(h, 0);
    QVERIFY(QTest::qWaitForWindowExposed(&h.grafici));
    h.ui.messages.clear();
    click(h.grafici, "GroupPush3D1");
    QCOMPARE(h.ui.messages.size(), size_t(1));
    const std::string printed = h.ui.messages[0];
    QVERIFY2(printed.find(h.dbFolder()) != std::string::npos, printed.c_str());
    QVERIFY(QFileInfo::exists(QString::fromStdString(h.dbFolder() + "Statistiche.pdf")));

    click(h.grafici, "SalvaGrafici");
    QCOMPARE(h.ui.messages.size(), size_t(2));
    for (const char* name : {"Statistiche secoli.png", "Statistiche sessi.png"}) {
      const std::string path = h.dbFolder() + name;
      QVERIFY2(h.ui.messages[1].find(path) != std::string::npos, h.ui.messages[1].c_str());
      QImage image(QString::fromStdString(path));
      QVERIFY2(!image.isNull() && image.width() >= 300, name);
    }

    chooseAndRun(h, 1);
    click(h.graphEta, "SalvaGrafico");
    QVERIFY(QFileInfo::exists(QString::fromStdString(h.dbFolder() + "Statistiche decenni.png")));
  }

  void savingWithoutADatabaseSaysSo() {
    StatsHarness h;
    h.grafici.render();
    h.grafici.show();
    click(h.grafici, "SalvaGrafici");
    QCOMPARE(h.ui.messages, std::vector<std::string>{"Nessun database aperto"});
    QVERIFY(QDir(h.dir.path()).isEmpty());
  }

  void escapeClosesTheWindows() {
    StatsHarness h;
    QVERIFY(h.openSample());
    chooseAndRun(h, 0);
    QTest::keyClick(&h.grafici, Qt::Key_Escape);
    QVERIFY(!h.grafici.isVisible());
    StatisticsCommand(h.session);
    QTest::keyClick(&h.selGraf, Qt::Key_Escape);
    QVERIFY(!h.selGraf.isVisible());
    QVERIFY(!h.grafici.isVisible());  // Escape closes the chooser without running
  }
};

QTEST_MAIN(StatsWindowsTest)
#include "stats_windows_test.moc"
