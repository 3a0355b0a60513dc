#include "century_chart_window.h"

#include <QChartView>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "keyboard.h"
#include "print_form.h"
#include "qt_language.h"
#include "qt_printer.h"
#include "qt_text.h"

namespace kord::gui {
namespace {

constexpr std::array kGraph1Kinds = {ChartKind::GroupedBars, ChartKind::StackedBars, ChartKind::Lines,
                                     ChartKind::HorizontalBars};
constexpr std::array kGraph2Kinds = {ChartKind::GroupedBars, ChartKind::Pie, ChartKind::Donut};

/// One step forward or back, round the list.
int stepped(int style, int step, int count) { return (style + step + count) % count; }

}  // namespace

CenturyChartWindow::CenturyChartWindow(kord::Session& session, QtPrinter& printer, QWidget* parent)
    : SecondaryWindow(parent), s_(session), printer_(printer) {
  setCaption(this, "Statistiche", "Statistics");
  auto* charts = new QHBoxLayout;
  charts->addWidget(buildChartColumn(graph1_, graph1Kind_, 0), 3);
  charts->addWidget(buildChartColumn(graph2_, graph2Kind_, 2), 2);

  grid1_ = new QTableWidget(this);
  grid1_->setObjectName(QStringLiteral("Grid1"));
  grid1_->verticalHeader()->hide();
  grid1_->setSelectionMode(QAbstractItemView::NoSelection);
  grid1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(grid1_);
  bottom->addWidget(buildTotals(), 1, Qt::AlignTop);
  bottom->addWidget(buildActions());

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(charts, 1);
  layout->addLayout(bottom);
  resize(1120, 860);
}

QWidget* CenturyChartWindow::buildChartColumn(QChartView*& view, QLabel*& kindLabel, int firstButton) {
  auto* column = new QWidget(this);
  view = newChartView(firstButton == 0 ? QStringLiteral("Graph1") : QStringLiteral("Graph2"), column);
  kindLabel = new QLabel(column);
  kindLabel->setObjectName(firstButton == 0 ? QStringLiteral("Graph1Kind") : QStringLiteral("Graph2Kind"));
  kindLabel->setAlignment(Qt::AlignCenter);
  kindLabel->setMinimumWidth(140);
  auto* styles = new QHBoxLayout;
  styles->addStretch(1);
  for (int i = firstButton; i < firstButton + 2; ++i) {
    const bool back = i % 2 == 0;
    auto* button =
        new QPushButton(style()->standardIcon(back ? QStyle::SP_ArrowLeft : QStyle::SP_ArrowRight), QString(), column);
    button->setObjectName(QStringLiteral("Command3D1_%1").arg(i));
    if (back)
      setHoverHelp(button, "Tipo di grafico precedente", "Previous chart type");
    else
      setHoverHelp(button, "Tipo di grafico successivo", "Next chart type");
    connect(button, &QPushButton::clicked, this, [this, i] { onStyle(i); });
    styles->addWidget(button);
    if (back) styles->addWidget(kindLabel);
  }
  styles->addStretch(1);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view, 1);
  layout->addLayout(styles);
  return column;
}

QWidget* CenturyChartWindow::buildTotals() {
  auto* box = new QGroupBox(this);
  setCaption(box, "Totali", "Totals");
  auto* form = new QFormLayout(box);
  const char* names[] = {"NMaschi", "NFemmine", "Totali", "Quotatotale"};
  const char* captions[][2] = {
      {"N. Maschi", "Males"}, {"N. Femmine", "Females"}, {"Totali", "Total"}, {"Quota maschi", "Male share"}};
  for (int i = 0; i < 4; ++i) {
    totals_[i] = new QLabel(box);
    totals_[i]->setObjectName(QString::fromLatin1(names[i]));
    totals_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = totals_[i]->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    totals_[i]->setFont(bold);
    auto* caption = new QLabel(box);
    setCaption(caption, captions[i][0], captions[i][1]);
    form->addRow(caption, totals_[i]);
  }
  setHoverHelp(totals_[3], "Maschi diviso il totale di maschi e femmine", "Males divided by males and females");
  return box;
}

QWidget* CenturyChartWindow::buildActions() {
  auto* box = new QWidget(this);
  auto* column = new QVBoxLayout(box);
  auto* print = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogDetailedView), QString(), box);
  print->setObjectName(QStringLiteral("GroupPush3D1"));
  pressOnKeys(this, QKeySequence::Print, print);
  setCaption(print, "Stampa", "Print");
  setHoverHelp(print, "Stampa l'immagine della finestra", "Prints the window's picture");
  connect(print, &QPushButton::clicked, this, [this] { printForm(s_, printer_, *this, "Statistiche"); });
  auto* save = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), QString(), box);
  save->setObjectName(QStringLiteral("SalvaGrafici"));
  setCaption(save, "Salva immagini", "Save images");
  setHoverHelp(save, "Salva i due grafici come immagini PNG nella cartella del database",
               "Saves both charts as PNG pictures in the database folder");
  connect(save, &QPushButton::clicked, this, [this] {
    saveCharts(s_, {{graph1_, kGraph1File}, {graph2_, kGraph2File}});
  });
  column->addStretch(1);
  column->addWidget(print);
  column->addWidget(save);
  return box;
}

void CenturyChartWindow::render() {
  const kord::CenturyStatsModel& m = s_.centuries;
  renderGraph1();
  renderGraph2();
  showGrid(*grid1_, m.Grid1);
  // The grid's own heading row names only the first column.
  grid1_->setHorizontalHeaderLabels(
      {QString(), displayText(s_.text("Maschi", "Males")), displayText(s_.text("Femmine", "Females"))});
  grid1_->resizeColumnsToContents();
  grid1_->setColumnWidth(0, std::max(grid1_->columnWidth(0), 70));
  for (int c = 1; c < grid1_->columnCount(); ++c) grid1_->setColumnWidth(c, std::max(grid1_->columnWidth(c), 80));
  int width = 2 * grid1_->frameWidth();
  for (int c = 0; c < grid1_->columnCount(); ++c) width += grid1_->columnWidth(c);
  grid1_->setFixedWidth(width);
  fitGridHeight(*grid1_);
  const std::string* values[] = {&m.NMaschi, &m.NFemmine, &m.Totali, &m.Quotatotale};
  for (int i = 0; i < 4; ++i) totals_[i]->setText(displayText(*values[i]));
}

void CenturyChartWindow::renderGraph1() {
  ChartData data = seriesByRow(s_.centuries.Graph1);
  data.title = displayText(s_.text("Nati per secolo e sesso", "Births by century and sex"));
  data.categoryTitle = displayText(s_.text("Secolo", "Century"));
  data.valueTitle = displayText(s_.text("Nati", "Births"));
  showChart(*graph1_, data, graph1Kind());
  graph1Kind_->setText(chartKindName(graph1Kind(), s_.English));
}

void CenturyChartWindow::renderGraph2() {
  // One category holding both sexes, so the legend names the bars.
  ChartData data = seriesByRow(s_.centuries.Graph2);
  data.categories = QStringList{displayText(s_.text("Totale individui", "All individuals"))};
  data.title = displayText(s_.text("Maschi e femmine", "Males and females"));
  data.valueTitle = displayText(s_.text("Individui", "Individuals"));
  showChart(*graph2_, data, graph2Kind());
  graph2Kind_->setText(chartKindName(graph2Kind(), s_.English));
}

ChartKind CenturyChartWindow::graph1Kind() const { return kGraph1Kinds[graph1Style_]; }
ChartKind CenturyChartWindow::graph2Kind() const { return kGraph2Kinds[graph2Style_]; }

void CenturyChartWindow::onStyle(int button) {
  const int step = button % 2 == 0 ? -1 : 1;
  if (button < 2) {
    graph1Style_ = stepped(graph1Style_, step, static_cast<int>(kGraph1Kinds.size()));
    renderGraph1();
  } else {
    graph2Style_ = stepped(graph2Style_, step, static_cast<int>(kGraph2Kinds.size()));
    renderGraph2();
  }
}

}  // namespace kord::gui
