#include "self_check.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <iostream>

#include "app/open_database.h"
#include "first_run.h"
#include "help_window.h"
#include "main_window.h"
#include "qt_text.h"
#include "qt_ui.h"
#include "session/installed_data.h"

namespace kord::gui {
namespace {

class PrintingUi : public QtUi {
 public:
  using QtUi::QtUi;
  void message(const std::string& text, const std::string&) override { say("message", text); }
  bool askYesNo(const std::string& text, const std::string&, Icon, bool defaultYes) override {
    say("question", text);
    return defaultYes;
  }
  std::string inputBox(const std::string& prompt, const std::string&, const std::string&) override {
    say("input box", prompt);
    return {};
  }

 private:
  static void say(const char* what, const std::string& cp1252) {
    std::cout << "  (" << what << ": " << utf8Of(displayText(cp1252).replace(QLatin1Char('\n'), QLatin1Char(' ')))
              << ")\n";
  }
};

/// Prints one finding; counts it as a problem when it is not `ok`.
class Report {
 public:
  void line(bool ok, const std::string& what, const QString& detail) {
    std::cout << (ok ? "ok      " : "MISSING ") << what << ": " << utf8Of(detail) << '\n';
    problems_ += ok ? 0 : 1;
  }
  int finish() const {
    std::cout << (problems_ == 0 ? "self-check passed\n" : "self-check FAILED\n");
    return problems_ == 0 ? 0 : 1;
  }

 private:
  int problems_ = 0;
};

QString templatesText(const std::string& folder) {
  return QStringLiteral("%1 of %2 in %3")
      .arg(kord::TemplateCount(folder))
      .arg(kord::TemplateFileNames().size())
      .arg(pathText(folder));
}

bool allTemplates(const std::string& folder) {
  return kord::TemplateCount(folder) == static_cast<int>(kord::TemplateFileNames().size());
}

void checkDatabase(kord::Session& s, MainWindow& mainMenu, const std::string& folder, Report& report) {
  const std::string database = folder + "famiglia.rni";
  const bool loaded = kord::OpenDatabaseFile(s, database) == kord::OpenOutcome::Loaded;
  const int count = loaded ? s.tables.individualCount() : 0;
  report.line(loaded && count > 0 && mainMenu.isVisible(), "database",
              QStringLiteral("%1, %2 individuals, main window %3")
                  .arg(pathText(database))
                  .arg(count)
                  .arg(mainMenu.isVisible() ? QStringLiteral("shown") : QStringLiteral("not shown")));
  report.line(allTemplates(s.TemplateFolder), "templates of the database", templatesText(s.TemplateFolder));
}

void checkManual(kord::Session& s, HelpWindow& help, const QString& manualFolder, Report& report) {
  for (bool english : {false, true}) {
    s.English = english;
    const QString language = english ? QStringLiteral("en") : QStringLiteral("it");
    QStringList missing;
    for (const QString& page : HelpWindow::windowPages())
      if (!QFileInfo::exists(manualFolder + language + QLatin1Char('/') + page + QStringLiteral(".md")))
        missing << page;
    help.showIndex();
    const QString title = help.shownText().section(QLatin1Char('\n'), 0, 0);
    const int pages = static_cast<int>(QDir(manualFolder + language).entryList({QStringLiteral("*.md")}).size());
    report.line(missing.isEmpty() && help.currentPage() == QStringLiteral("index") && !title.isEmpty(),
                "manual (" + utf8Of(language) + ")",
                QStringLiteral("index shows \"%1\", %2 pages%3")
                    .arg(title)
                    .arg(pages)
                    .arg(missing.isEmpty() ? QString()
                                           : QStringLiteral(", no page for: ") + missing.join(QStringLiteral(", "))));
  }
  s.English = false;
}

}  // namespace

std::unique_ptr<QtUi> selfCheckUi(const WindowSet& windows) { return std::make_unique<PrintingUi>(windows); }

int runSelfCheck(kord::Session& s, MainWindow& mainMenu, HelpWindow& help, const std::string& dataFolder,
                 QSettings& settings) {
  Report report;
  std::cout << "Kord self-check\n";
  report.line(!dataFolder.empty(), "data folder", pathText(dataFolder));
  if (dataFolder.empty()) return report.finish();
  report.line(allTemplates(dataFolder), "installed templates", templatesText(dataFolder));
  const std::string folder = sampleStartFolder(s, dataFolder, QDir::homePath(), settings);
  const bool copied = QFileInfo::exists(pathText(folder) + QStringLiteral("famiglia.rni"));
  report.line(copied, "sample copy", pathText(folder));
  if (copied) checkDatabase(s, mainMenu, folder, report);
  checkManual(s, help, pathText(dataFolder) + QStringLiteral("manual/"), report);
  return report.finish();
}

}  // namespace kord::gui
