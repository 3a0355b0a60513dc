#include "graph_eta_window.h"

#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "qt_text.h"
#include "stats_chart.h"

namespace kord::gui {

GraphEta::GraphEta(kord::Session& session, QWidget* parent) : QWidget(parent), s_(session) {
  setWindowTitle(QString::fromUtf8("Distribuzione per Età"));
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

QWidget* GraphEta::buildTotals() {
  auto* row = new QWidget(this);
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  const char* names[] = {"NMaschi", "NFemmine", "Totali", "Quotatotale"};
  const char* captions[] = {"N. Maschi", "N. Femmine", "Totali", "Data assente"};
  for (int i = 0; i < 4; ++i) {
    totals_[i] = new QLabel(row);
    totals_[i]->setObjectName(QString::fromLatin1(names[i]));
    QFont bold = totals_[i]->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    totals_[i]->setFont(bold);
    totals_[i]->setMinimumWidth(40);
    line->addWidget(new QLabel(QString::fromLatin1(captions[i]), row));
    line->addWidget(totals_[i]);
    line->addSpacing(18);
  }
  totals_[3]->setToolTip(
      QStringLiteral("Individui con una data di nascita che non cade in nessuna classe di età"));
  line->addStretch(1);
  auto* save =
      new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("Salva immagine"), row);
  save->setObjectName(QStringLiteral("SalvaGrafico"));
  save->setToolTip(QStringLiteral("Salva il grafico come immagine PNG nella cartella del database"));
  connect(save, &QPushButton::clicked, this, [this] { saveCharts(s_, {{graph1_, kGraph1File}}); });
  line->addWidget(save);
  return row;
}

void GraphEta::render() {
  const kord::DecadeStatsModel& m = s_.decades;
  ChartData data = seriesByColumn(m.Graph1, true);
  data.title = QString::fromUtf8("Individui per età e sesso");
  data.categoryTitle = QString::fromUtf8("Età in anni");
  data.valueTitle = QStringLiteral("Individui");
  showChart(*graph1_, data, ChartKind::GroupedBars);

  showGrid(*grid1_, m.Grid1);
  grid1_->resizeColumnsToContents();
  fitGridHeight(*grid1_);

  const std::string* values[] = {&m.NMaschi, &m.NFemmine, &m.Totali, &m.Quotatotale};
  for (int i = 0; i < 4; ++i) totals_[i]->setText(displayText(*values[i]));
}

void GraphEta::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace kord::gui
