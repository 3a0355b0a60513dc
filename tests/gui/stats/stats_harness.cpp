#include "stats_harness.h"

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <filesystem>

#include "db/file_dialog.h"
#include "db/file_set.h"
#include "db/open_database.h"

namespace kord::statstest {

void StatsUi::message(const std::string& text, const std::string&) { messages.push_back(text); }

std::string StatsUi::inputBox(const std::string& prompt, const std::string&, const std::string&) {
  prompts.push_back(prompt);
  if (answers.empty()) return {};
  std::string answer = answers.front();
  answers.pop_front();
  return answer;
}

void StatsUi::runFileDialog() {
  if (!session || pickFile.empty()) return;
  session->dialog.folder = FolderOf(pickFile);
  DialogClickFile(*session, BaseNameOf(pickFile));
  DialogOpen(*session);
}

QWidget* StatsUi::widgetOf(Window window) const {
  switch (window) {
    case Window::SelGraf:
      return selGraf;
    case Window::Grafici:
      return grafici;
    case Window::GraphEta:
      return graphEta;
    default:
      return nullptr;
  }
}

void StatsUi::showWindow(Window window, bool visible) {
  QWidget* widget = widgetOf(window);
  if (!widget) return;
  if (!visible) {
    widget->hide();
    return;
  }
  if (auto* view = dynamic_cast<gui::ModelWindow*>(widget)) view->render();
  widget->show();
}

void StatsUi::refresh(Window window) {
  if (auto* view = dynamic_cast<gui::ModelWindow*>(widgetOf(window))) view->render();
}

StatsHarness::StatsHarness() {
  ui.selGraf = &selGraf;
  ui.grafici = &grafici;
  ui.graphEta = &graphEta;
  ui.session = &session;
  printer.setAlwaysPdf(true);
}

bool StatsHarness::openSample() {
  std::error_code ec;
  std::filesystem::copy(KORD_SAMPLE_DIR, dir.filePath(QStringLiteral("sample")).toStdString(),
                        std::filesystem::copy_options::recursive, ec);
  if (ec) return false;
  ui.pickFile = dbFolder() + "famiglia.rni";
  session.StatoWindows = kStateOpening;
  return OpenDatabase(session) == OpenOutcome::Loaded;
}

std::string StatsHarness::dbFolder() const { return dir.filePath(QStringLiteral("sample")).toStdString() + "/"; }

QChart* chartOf(QWidget& window, const char* name) {
  auto* view = window.findChild<QChartView*>(QString::fromLatin1(name));
  return view ? view->chart() : nullptr;
}

QList<qreal> barValues(QChart* chart, const QString& label) {
  if (!chart) return {};
  for (QAbstractSeries* series : chart->series())
    if (auto* bars = qobject_cast<QAbstractBarSeries*>(series))
      for (QBarSet* set : bars->barSets())
        if (set->label() == label) {
          QList<qreal> values;
          for (int i = 0; i < set->count(); ++i) values.append(set->at(i));
          return values;
        }
  return {};
}

QString labelText(QWidget& window, const char* name) {
  auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
  return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

}  // namespace kord::statstest
