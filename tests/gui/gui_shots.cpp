// Screenshots of the windows on a copy of the sample database, for looking
// at the layout under a real display server:
//   xvfb-run -a -s "-screen 0 1400x900x24" kord_gui_shots OUTPUT_FOLDER

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "app_style.h"
#include "gui_harness.h"
#include "records/focus_panel.h"

namespace {

/// Shows `window`, lets `prepare` set it up once it is on screen, and saves
/// its image.
template <typename Prepare>
bool save(QWidget& window, const QString& folder, const QString& name, Prepare prepare) {
  window.show();
  window.raise();
  if (!QTest::qWaitForWindowExposed(&window)) return false;
  QTest::qWait(200);
  prepare();
  return window.grab().save(QDir(folder).filePath(name));
}

bool save(QWidget& window, const QString& folder, const QString& name) {
  return save(window, folder, name, [] {});
}

bool saveMenu(kord::gui::MainWindow& window, const char* menuName, const QString& folder, const QString& suffix = {}) {
  auto* menu = window.findChild<QMenu*>(QString::fromLatin1(menuName));
  if (!menu) return false;
  menu->popup(window.mapToGlobal(QPoint(40, 40)));
  QTest::qWait(200);
  const bool saved = menu->grab().save(QDir(folder).filePath(QStringLiteral("menu_%1%2.png").arg(menuName, suffix)));
  menu->hide();
  return saved;
}

/// The two cards with photographs, the name search after typing "pa" and
/// the editing card, on the sample database.
bool saveCards(kord::guitest::Harness& h, const QString& out) {
  h.session.NInd = {34, 24};  // Pavan Mario and his father, both with a photograph
  kord::ShowFocusPanel(h.session);
  bool ok = save(h.skeda, out, QStringLiteral("skeda.png"));
  ok = save(h.skeda2, out, QStringLiteral("skeda2.png")) && ok;
  h.mainMenu.findChild<QPushButton*>(QStringLiteral("Seleziona"))->click();
  ok = save(h.listaNomi, out, QStringLiteral("lista_nomi.png"),
            [&h] {
              QTest::keyClicks(h.listaNomi.findChild<QLineEdit*>(QStringLiteral("InputNome")), QStringLiteral("pa"));
            }) &&
       ok;
  h.listaNomi.hide();
  h.session.NInd[0] = 34;  // the typing chose another individual
  h.mainMenu.findChild<QPushButton*>(QStringLiteral("EditSkeda_2"))->click();
  ok = save(h.editCard, out, QStringLiteral("edit_card.png")) && ok;
  h.editCard.hide();
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kord::gui::applyAppStyle(app);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kord_gui_shots OUTPUT_FOLDER\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  kord::guitest::Harness h;
  if (!h.copySample()) h.writeFamily(QStringLiteral("famiglia"));

  bool ok = save(h.apreDB, out, QStringLiteral("apre_db.png"));
  h.session.dialog.newVisible = false;
  h.frmApreFile.render();
  ok = save(h.frmApreFile, out, QStringLiteral("file_dialog.png")) && ok;
  h.frmApreFile.hide();

  h.openThroughStartWindow(QStringLiteral("famiglia.rni"));
  ok = save(h.mainMenu, out, QStringLiteral("main_menu.png"), [&h] { h.mainMenu.ShowHelp(14); }) && ok;
  for (const char* menu : {"File", "Alberi", "Liste", "Stampa", "Varie"}) ok = saveMenu(h.mainMenu, menu, out) && ok;
  ok = saveCards(h, out) && ok;
  h.mainMenu.findChild<QAction*>(QStringLiteral("Verifica_dati"))->trigger();
  if (auto* verify = h.mainMenu.findChild<QWidget*>(QStringLiteral("Verifica_dati")))
    ok = save(*verify, out, QStringLiteral("verifica_dati.png")) && ok;
  h.mainMenu.findChild<QAction*>(QStringLiteral("Inglese"))->trigger();
  h.mainMenu.findChild<QAction*>(QStringLiteral("stampa_su_file"))->trigger();
  ok = save(h.mainMenu, out, QStringLiteral("main_menu_english.png"), [&h] { h.mainMenu.ShowHelp(1); }) && ok;
  ok = saveMenu(h.mainMenu, "Alberi", out, QStringLiteral("_english")) && ok;
  h.leggeGenealog.render();
  ok = save(h.leggeGenealog, out, QStringLiteral("legge_genealog.png")) && ok;
  ok = save(h.history, out, QStringLiteral("history.png")) && ok;
  std::printf("%s\n", ok ? "saved" : "some windows could not be saved");
  return ok ? 0 : 1;
}
