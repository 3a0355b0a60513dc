#include "exchange_actions.h"

#include <QApplication>
#include <QFileDialog>
#include <QProgressDialog>

#include "db/codepage.h"
#include "app/open_database.h"
#include "exchange/csv_import.h"
#include "exchange/exchange_summary.h"
#include "exchange/gedcom_export.h"
#include "exchange/gedcom_import.h"
#include "lists/export_doc.h"
#include "qt_text.h"

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

void showSummary(kord::Session& s, const kord::ExchangeSummary& summary) {
  std::string text = summary.ok ? std::string() : summary.error + "\r\n";
  for (const auto& line : kord::SummaryLines(summary)) text += line + "\r\n";
  s.ui.message(text, summary.say("Riepilogo", "Summary"));
}

std::string chooseFile(QWidget* parent, bool save, const char* title, const std::string& folder, const char* filter) {
  QString path = save ? QFileDialog::getSaveFileName(parent, QString::fromUtf8(title), pathText(folder),
                                                     QString::fromUtf8(filter))
                      : QFileDialog::getOpenFileName(parent, QString::fromUtf8(title), pathText(folder),
                                                     QString::fromUtf8(filter));
  return corePath(path);
}

}  // namespace

void importGedcomAction(kord::Session& s, QWidget* parent) {
  std::string ged =
      chooseFile(parent, false, "Importa GEDCOM", s.DbFolder, s.text("GEDCOM (*.ged *.GED);;Tutti i file (*)",
                                                                    "GEDCOM (*.ged *.GED);;All files (*)").c_str());
  if (ged.empty()) return;
  std::string rni = chooseFile(parent, true, "Nuovo Database", kord::FolderOf(ged), "Database (*.rni)");
  if (rni.empty()) return;
  if (rni.size() < 4 || rni.substr(rni.size() - 4) != ".rni") rni += ".rni";
  kord::GedcomImportOptions options;
  options.english = s.English;
  options.givenFirst = s.ui.askYesNo(
      s.text("Scrivere i nomi con il nome di battesimo per primo (Nome Cognome)? Con \"No\" il cognome va per "
             "primo (Cognome Nome), come nelle schede.",
             "Write names with the given name first (Given Surname)? With \"No\" the surname comes first "
             "(Surname Given), as on the cards."),
      "GEDCOM", kord::Icon::Question, false);
  ExchangeProgressDialog progress(parent, QStringLiteral("GEDCOM"));
  kord::ExchangeSummary summary = kord::ImportGedcom(ged, rni, options, progress.callback());
  if (summary.tooManyIndividuals) {
    showSummary(s, summary);
    options.around = s.ui.inputBox(s.text("Codice (xref) della persona attorno a cui importare, es. @I1@",
                                          "Code (xref) of the person to import around, e.g. @I1@"),
                                   "GEDCOM", "");
    if (options.around.empty()) return;
    summary = kord::ImportGedcom(ged, rni, options, progress.callback());
  }
  showSummary(s, summary);
  if (summary.ok && !s.DbLoaded) kord::OpenDatabaseFile(s, rni);
}

void exportGedcomAction(kord::Session& s, QWidget* parent) {
  const QString utf8 = QStringLiteral("GEDCOM UTF-8 (*.ged)");
  const QString ansi = QStringLiteral("GEDCOM ANSI Windows-1252 (*.ged)");
  QString chosen = utf8;
  QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Export DB file"), pathText(s.DbFolder),
                                              utf8 + ";;" + ansi, &chosen);
  if (path.isEmpty()) return;
  kord::GedcomExportOptions options;
  options.ansi = chosen == ansi;
  ExchangeProgressDialog progress(parent, QStringLiteral("GEDCOM"));
  showSummary(s, kord::ExportGedcom(s, corePath(path), options, progress.callback()));
}

void importCsvAction(kord::Session& s, QWidget* parent) {
  std::string csv = chooseFile(parent, false, "Aggiunge record da file CSV", s.DbFolder, "CSV (*.csv *.txt)");
  if (csv.empty()) return;
  ExchangeProgressDialog progress(parent, QStringLiteral("CSV"));
  showSummary(s, kord::ImportCsv(s, csv, progress.callback()));
}

void exportDocumentAction(kord::Session& s, QWidget* parent) {
  kord::DocumentKind kind = kord::CurrentDocument(s);
  if (kind == kord::DocumentKind::None) {
    s.ui.message(s.text("Nessuna lista, rapporto o albero da esportare", "No list, report or tree to export"));
    return;
  }
  bool csv = kind == kord::DocumentKind::Report;
  std::string path = chooseFile(parent, true, "Export doc file", s.DbFolder + (csv ? "Rapporto.csv" : "Documento.txt"),
                                csv ? "CSV (*.csv)" : "Testo (*.txt)");
  if (path.empty()) return;
  s.ui.message(kord::ExportDocument(s, path));
}

}  // namespace kord::gui
