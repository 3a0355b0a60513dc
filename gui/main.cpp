// kordwin: the Kord desktop program. main() wires the session to the Qt
// dialogs, the clock and the printer, builds the windows and shows the
// start window.

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <memory>

#include "apre_db_window.h"
#include "app_style.h"
#include "edit_card_window.h"
#include "first_run.h"
#include "frm_apre_file_window.h"
#include "help_window.h"
#include "history_window.h"
#include "legge_genealog_window.h"
#include "assist/assist_window.h"
#include "book/book_window.h"
#include "book/navigate_window.h"
#include "book/scheda_sort_window.h"
#include "book/thumb_window.h"
#include "lists/campi_report_window.h"
#include "lists/lista_window.h"
#include "lists/rapporto_window.h"
#include "stats/grafici_window.h"
#include "stats/graph_eta_window.h"
#include "stats/sel_graf_window.h"
#include "trees/albero_window.h"
#include "trees/generazioni_window.h"
#include "trees/nest_window.h"
#include "lista_nomi_window.h"
#include "kord_logo.h"
#include "main_menu_window.h"
#include "qt_printer.h"
#include "qt_text.h"
#include "qt_ui.h"
#include "self_check.h"
#include "session/installed_data.h"
#include "skeda2_window.h"
#include "skeda_window.h"
#include "start_folder.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kord"));
  QApplication::setOrganizationName(QStringLiteral("Kord"));
  QApplication::setDesktopFileName(QStringLiteral("org.kord.Kord"));
  QApplication::setWindowIcon(QIcon(kord::gui::kordLogo(128)));
  kord::gui::applyAppStyle(app);
  const bool selfCheck = QApplication::arguments().contains(QStringLiteral("--self-check"));

  kord::gui::WindowSet windows;
  std::unique_ptr<kord::gui::QtUi> ownUi =
      selfCheck ? kord::gui::selfCheckUi(windows) : std::make_unique<kord::gui::QtUi>(windows);
  kord::gui::QtUi& ui = *ownUi;
  kord::SystemClock clock;
  kord::gui::QtPrinter printer;
  kord::Session session(ui, clock, printer);

  kord::gui::ApreDB apreDB(session);
  kord::gui::FrmApreFile frmApreFile(session);
  kord::gui::LeggeGenealog leggeGenealog(session);
  kord::gui::MainMenu mainMenu(session);
  kord::gui::History history(session);
  kord::gui::Skeda skeda(session, printer);
  kord::gui::Skeda2 skeda2(session, printer);
  kord::gui::ListaNomi listaNomi(session, printer);
  kord::gui::EditCard editCard(session);
  kord::gui::Lista lista(session);
  kord::gui::CampiReport campiReport(session);
  kord::gui::Rapporto rapporto(session);
  kord::gui::SelGraf selGraf(session);
  kord::gui::Grafici grafici(session, printer);
  kord::gui::GraphEta graphEta(session);
  kord::gui::Navigate navigate(session, printer);
  kord::gui::Thumb thumb(session, printer);
  kord::gui::Book book(session);
  kord::gui::SchedaSort1 schedaSort1(session);
  kord::gui::Albero albero(session, printer);
  kord::gui::Nest nest(session, printer);
  kord::gui::Generazioni generazioni(session);
  kord::gui::Assist assist(session);
  assist.setAnchor(&mainMenu);
  // The cards first appear beside the main window.
  skeda.setAnchor(&mainMenu);
  skeda2.setAnchor(&mainMenu);
  windows = {&apreDB, &frmApreFile, &leggeGenealog, &mainMenu, &history, &skeda,   &skeda2,
             &listaNomi, &editCard, &lista, &campiReport, &rapporto, &selGraf, &grafici, &graphEta,
             &navigate,  &thumb,    &book,  &schedaSort1, &albero,  &nest,    &generazioni, &assist};

  // The templates, the sample and the manual installed beside the program.
  const std::string dataFolder = kord::InstalledDataFolder(kord::gui::corePath(QApplication::applicationDirPath()));
  session.installedDataFolder = dataFolder;
  kord::gui::HelpWindow help(session, kord::gui::pathText(dataFolder) + QStringLiteral("manual"));
  mainMenu.setHelpWindow(&help);
  kord::gui::installHelpKey(app, help);
  QSettings settings;
  if (selfCheck) return kord::gui::runSelfCheck(session, mainMenu, help, dataFolder, settings);

  apreDB.show();
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) {
    kord::gui::StartFolder start = kord::gui::startFolderFor(arguments.at(1));
    if (start.error.isEmpty())
      session.dialog.folder = start.folder;
    else
      ui.message(kord::gui::coreText(start.error));
  } else {
    session.dialog.folder = kord::gui::sampleStartFolder(session, dataFolder, QDir::homePath(), settings);
  }
  return app.exec();
}
