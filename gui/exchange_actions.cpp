#include "exchange_actions.h"

#include <QApplication>
#include <QProgressDialog>

#include "app/exchange_flow.h"

namespace kord::gui {
namespace {

/// A progress dialog that follows the core's stages while long work runs.
class ExchangeProgressDialog {
 public:
  ExchangeProgressDialog(QWidget* parent, const QString& title) : dialog_(title, QString(), 0, 100, parent) {
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(300);
    dialog_.setCancelButton(nullptr);
  }
  kord::ExchangeProgress callback() {
    return [this](kord::ExchangeStage, long done, long total) {
      dialog_.setValue(total > 0 ? static_cast<int>(100 * done / total) : 0);
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
  }

 private:
  QProgressDialog dialog_;
};

}  // namespace

void importGedcomAction(kord::Session& s, QWidget* parent) {
  ExchangeProgressDialog progress(parent, QStringLiteral("GEDCOM"));
  kord::ImportGedcomFlow(s, progress.callback());
}

void exportGedcomAction(kord::Session& s, QWidget* parent) {
  ExchangeProgressDialog progress(parent, QStringLiteral("GEDCOM"));
  kord::ExportGedcomFlow(s, progress.callback());
}

void importCsvAction(kord::Session& s, QWidget* parent) {
  ExchangeProgressDialog progress(parent, QStringLiteral("CSV"));
  kord::ImportCsvFlow(s, progress.callback());
}

}  // namespace kord::gui
