#include "age_chart_window.h"

#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "qt_language.h"
#include "qt_text.h"
#include "stats_chart.h"

namespace kord::gui {

AgeChartWindow::AgeChartWindow(kord::Session& session, QWidget* parent) : SecondaryWindow(parent), s_(session) {
  setCaption(this, "Distribuzione per Età", "Age distribution");
  graph1_ = newChartView(QStringLiteral("Graph1"), this);

  grid1_ = new QTableWidget(this);
  grid1_->setObjectName(QStringLiteral("Grid1"));
  grid1_->horizontalHeader()->hide();
  grid1_->verticalHeader()->hide();
  grid1_->setSelectionMode(QAbstractItemView::NoSelection);
  QFont narrow(QStringLiteral("Arial Narrow"));
  narrow.setStretch(QFont::SemiCondensed);
  grid1_->setFont(narrow);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(graph1_, 1);
  layout->addWidget(grid1_);
  layout->addWidget(buildTotals());
  resize(1120, 760);
}

QWidget* AgeChartWindow::buildTotals() {
  auto* row = new QWidget(this);
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  const char* names[] = {"NMaschi", "NFemmine", "Totali", "Quotatotale"};
  const char* captions[][2] = {
      {"N. Maschi", "Males"}, {"N. Femmine", "Females"}, {"Totali", "Total"}, {"Data assente", "No date"}};
  for (int i = 0; i < 4; ++i) {
    totals_[i] = new QLabel(row);
    totals_[i]->setObjectName(QString::fromLatin1(names[i]));
    QFont bold = totals_[i]->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    totals_[i]->setFont(bold);
    totals_[i]->setMinimumWidth(40);
    auto* caption = new QLabel(row);
    setCaption(caption, captions[i][0], captions[i][1]);
    line->addWidget(caption);
    line->addWidget(totals_[i]);
    line->addSpacing(18);
  }
  setHoverHelp(totals_[3], "Individui con una data di nascita che non cade in nessuna classe di età",
               "Individuals whose birth date falls in no age class");
  line->addStretch(1);
  auto* save = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), QString(), row);
  save->setObjectName(QStringLiteral("SalvaGrafico"));
  setCaption(save, "Salva immagine", "Save image");
  setHoverHelp(save, "Salva il grafico come immagine PNG nella cartella del database",
               "Saves the chart as a PNG picture in the database folder");
  connect(save, &QPushButton::clicked, this, [this] { saveCharts(s_, {{graph1_, kGraph1File}}); });
  line->addWidget(save);
  return row;
}

void AgeChartWindow::render() {
  const kord::DecadeStatsModel& m = s_.decades;
  ChartData data = seriesByColumn(m.Graph1, true);
  data.title = displayText(s_.text("Individui per età e sesso", "Individuals by age and sex"));
  data.categoryTitle = displayText(s_.text("Età in anni", "Age in years"));
  data.valueTitle = displayText(s_.text("Individui", "Individuals"));
  showChart(*graph1_, data, ChartKind::GroupedBars);

  showGrid(*grid1_, m.Grid1);
  grid1_->resizeColumnsToContents();
  fitGridHeight(*grid1_);

  const std::string* values[] = {&m.NMaschi, &m.NFemmine, &m.Totali, &m.Quotatotale};
  for (int i = 0; i < 4; ++i) totals_[i]->setText(displayText(*values[i]));
}

}  // namespace kord::gui
