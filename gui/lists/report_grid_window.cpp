#include "report_grid_window.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "db/codepage.h"
#include "keyboard.h"
#include "lists/report.h"
#include "qt_text.h"

#include "qt_language.h"

namespace kord::gui {

ReportGridWindow::ReportGridWindow(kord::Session& session, QWidget* parent) : SecondaryWindow(parent), s_(session) {
  setCaption(this, "Rapporto", "Report");
  grid1_ = new QTableWidget(this);
  grid1_->setObjectName(QStringLiteral("Grid1"));
  grid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid1_->horizontalHeader()->hide();
  auto* save = new QPushButton(this);
  save->setObjectName(QStringLiteral("SalvaCsv"));
  setCaption(save, "Salva CSV", "Save CSV");
  auto* printButton = new QPushButton(this);
  printButton->setObjectName(QStringLiteral("Stampa"));
  pressOnKeys(this, QKeySequence::Print, printButton);
  setCaption(printButton, "Stampa", "Print");
  connect(save, &QPushButton::clicked, this, &ReportGridWindow::askAndSave);
  connect(printButton, &QPushButton::clicked, this, &ReportGridWindow::print);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save);
  buttons->addWidget(printButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid1_);
  layout->addLayout(buttons);
  resize(900, 560);
}

void ReportGridWindow::render() {
  const auto& grid = s_.report.Grid1;
  grid1_->clear();
  grid1_->setRowCount(static_cast<int>(grid.size()));
  grid1_->setColumnCount(grid.empty() ? 0 : static_cast<int>(grid.front().size()));
  for (int r = 0; r < grid1_->rowCount(); ++r)
    for (int c = 0; c < grid1_->columnCount() && c < static_cast<int>(grid[r].size()); ++c) {
      auto* cell = new QTableWidgetItem(displayText(grid[r][c]));
      if (r == 0) {
        QFont bold = cell->font();
        bold.setBold(true);
        cell->setFont(bold);
      }
      grid1_->setItem(r, c, cell);
    }
  for (int c = 0; c < static_cast<int>(s_.report.columnWidths.size()); ++c)
    grid1_->setColumnWidth(c, s_.report.columnWidths[c] / 15);
}

std::string ReportGridWindow::saveCsv(const std::string& path) const {
  OutputFailure failure = WriteFileAtomically(path, ReportCsv(s_.report));
  return failure ? OutputFailureText(failure, s_.English) : std::string();
}

void ReportGridWindow::askAndSave() {
  QString path = QFileDialog::getSaveFileName(this, displayText(s_.text("Salva rapporto", "Save report")),
                                              pathText(s_.DbFolder + "Rapporto.csv"), QStringLiteral("CSV (*.csv)"));
  if (path.isEmpty()) return;
  std::string error = saveCsv(corePath(path));
  if (!error.empty()) s_.ui.message(error);
}

void ReportGridWindow::print() { PrintReport(s_); }

}  // namespace kord::gui
