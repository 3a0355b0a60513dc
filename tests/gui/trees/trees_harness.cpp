#include "trees_harness.h"

#include <QDir>
#include <QFile>
#include <filesystem>

#include "db/file_dialog.h"
#include "db/file_set.h"
#include "db/open_database.h"

namespace kord::treestest {

void TreesUi::message(const std::string& text, const std::string&) { messages.push_back(text); }

void TreesUi::runFileDialog() {
  if (!session || pickFile.empty()) return;
  session->dialog.folder = FolderOf(pickFile);
  DialogClickFile(*session, BaseNameOf(pickFile));
  DialogOpen(*session);
}

QWidget* TreesUi::widgetOf(Window window) const {
  switch (window) {
    case Window::Albero:
      return albero;
    case Window::Nest:
      return nest;
    case Window::Generazioni:
      return generazioni;
    default:
      return nullptr;
  }
}

void TreesUi::showWindow(Window window, bool visible) {
  QWidget* widget = widgetOf(window);
  if (!widget) return;
  if (!visible) {
    widget->hide();
    return;
  }
  if (auto* view = dynamic_cast<gui::ModelWindow*>(widget)) view->render();
  widget->show();
}

void TreesUi::refresh(Window window) {
  if (auto* view = dynamic_cast<gui::ModelWindow*>(widgetOf(window))) view->render();
}

TreesHarness::TreesHarness() {
  ui.albero = &albero;
  ui.nest = &nest;
  ui.generazioni = &generazioni;
  ui.session = &session;
  printer.setAlwaysPdf(true);
}

bool TreesHarness::openSample() {
  std::error_code ec;
  std::filesystem::copy(KORD_SAMPLE_DIR, dir.filePath(QStringLiteral("sample")).toStdString(),
                        std::filesystem::copy_options::recursive, ec);
  if (ec) return false;
  // The tree pages are made from the templates in the database's parent.
  const QDir templates(QStringLiteral(KORD_TEMPLATE_DIR));
  for (const QString& name : templates.entryList({QStringLiteral("TrHtm*.hts")}, QDir::Files))
    if (!QFile::copy(templates.filePath(name), dir.filePath(name))) return false;
  ui.pickFile = dbFolder() + "famiglia.rni";
  session.StatoWindows = kStateOpening;
  const bool loaded = OpenDatabase(session) == OpenOutcome::Loaded;
  ui.messages.clear();
  return loaded;
}

std::string TreesHarness::dbFolder() const { return dir.filePath(QStringLiteral("sample")).toStdString() + "/"; }

}  // namespace kord::treestest
