// The program's windows on a 1366x768 laptop screen: each opens whole
// inside the screen, the main window and the focus card side by side, each
// comes back where the person left it (and onto the screen when that place
// is off it), and Escape closes the secondary windows.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <set>

#include "app/main_menu.h"
#include "app/main_window_help.h"
#include "desktop_harness.h"
#include "help_window.h"
#include "main_window.h"
#include "qt_language.h"
#include "qt_text.h"

namespace kord::desktoptest {
namespace {

QString describe(const QWidget& window) {
  const QRect r = window.frameGeometry();
  return QStringLiteral("%1 at %2,%3 size %4x%5")
      .arg(QString::fromLatin1(window.metaObject()->className()))
      .arg(r.x())
      .arg(r.y())
      .arg(r.width())
      .arg(r.height());
}

void showRendered(QWidget& window) {
  if (auto* view = dynamic_cast<gui::ModelWindow*>(&window)) view->render();
  window.show();
}

void addMenuTexts(const QMenu& menu, QStringList& texts) {
  texts << menu.title();
  for (const QAction* action : menu.actions()) {
    if (action->menu()) addMenuTexts(*action->menu(), texts);
    texts << action->text() << action->toolTip();
  }
}

void addTreeTexts(const QTreeWidgetItem& item, QStringList& texts) {
  texts << item.text(0);
  for (int i = 0; i < item.childCount(); ++i) addTreeTexts(*item.child(i), texts);
}

/// What a person reads on `window` apart from the data: title, captions,
/// buttons, hover help, menus and the assistant's sentences.
QStringList chromeTexts(const QWidget& window) {
  QStringList texts{window.windowTitle(), window.toolTip()};
  for (const QWidget* child : window.findChildren<QWidget*>()) {
    if (!child->isVisibleTo(&window)) continue;
    texts << child->toolTip();
    if (auto* label = qobject_cast<const QLabel*>(child)) texts << label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(child)) texts << button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(child)) texts << box->title();
    if (auto* tree = qobject_cast<const QTreeWidget*>(child))
      for (int i = 0; i < tree->topLevelItemCount(); ++i) addTreeTexts(*tree->topLevelItem(i), texts);
  }
  if (const QMenuBar* bar = window.findChild<QMenuBar*>())
    for (const QAction* action : bar->actions())
      if (action->menu()) addMenuTexts(*action->menu(), texts);
  return texts;
}

/// Words that give a text away as the other language's.
const std::set<QString> kItalianWords = {
    "salva",      "stampa",     "chiudi",     "apri",       "annulla",      "individui",  "nessun",     "grafico",
    "grafici",    "immagine",   "immagini",   "cartella",   "totale",       "maschi",     "femmine",    "nati",
    "doppio",     "clic",       "aiuto",      "opzioni",    "esplorazione", "produzione", "di",         "del",
    "della",      "dei",        "per",        "con",        "il",           "la",         "le",         "una",
    "che",        "non",        "barre",      "anni",       "secolo",       "decenni",    "precedente", "successivo",
    "sì",         "scheda",     "anagrafica", "albero",     "statistiche",  "rapporto",   "storia",     "lista",
    "nomi",       "selezione",  "scelta",     "legge",      "genealogia",   "apre",       "campi",      "distribuzione",
    "assistente", "principale", "parentela",  "ascendenti", "comuni",       "luogo",      "nome",       "sesso",
    "stile",      "esce",       "genera",     "tipo",       "cartella",     "unità"};
const std::set<QString> kEnglishWords = {"save",   "print",   "close",  "cancel",  "individuals", "select", "help",
                                         "yes",    "the",     "of",     "chart",   "image",       "images", "folder",
                                         "double", "click",   "fields", "labels",  "edited",      "search", "previous",
                                         "next",   "options", "output", "explore", "produce",     "and"};

/// The texts of `windows` with a word of `foreign`, less the `allowed` ones.
QStringList foreignTexts(const std::vector<QWidget*>& windows, const std::set<QString>& foreign,
                         const std::set<QString>& allowed) {
  QStringList found;
  for (const QWidget* window : windows) {
    if (!window->isVisible()) continue;
    for (QString text : chromeTexts(*window)) {
      text = text.remove(QLatin1Char('&')).simplified();
      if (text.isEmpty() || allowed.count(text)) continue;
      const QStringList words =
          text.toLower().split(QRegularExpression(QStringLiteral("[^\\w']+")), Qt::SkipEmptyParts);
      for (const QString& word : words)
        if (foreign.count(word)) {
          found << QStringLiteral("%1: %2").arg(QString::fromLatin1(window->metaObject()->className()), text);
          break;
        }
    }
  }
  found.removeDuplicates();
  return found;
}

QString shown(const std::string& text) { return gui::displayText(text).remove(QLatin1Char('&')).simplified(); }

void addMenuCaptionsWithoutEnglish(const std::vector<MenuDef>& entries, std::set<QString>& allowed) {
  for (const MenuDef& def : entries) {
    if (def.english.empty()) allowed.insert(shown(def.italian));
    addMenuCaptionsWithoutEnglish(def.entries, allowed);
  }
}

/// What stays Italian in English: the program's texts that exist in Italian
/// only (menu entries, a few captions and buttons) and the data (the
/// database's field captions, the focus card's names and places).
std::set<QString> italianOnly(const DesktopRun& run) {
  std::set<QString> allowed = {"Lettura Files di database in corso",
                               "Lista Nomi Individui",
                               "Grafico per secoli",
                               "Grafico per decenni",
                               "Chiudi",
                               "Parentela",
                               "Anagrafica ON",
                               "Anagrafica OFF",
                               "Primi ascendenti comuni",
                               "Genera Albero a partire dal primo individuo comune",
                               "Scelta secondaria",
                               "Selezione",
                               "Selezione attuale",
                               "Esce",
                               "Genera",
                               "Stile"};
  for (int k = 0; k < 100; ++k)
    if (MainWindowHelp(k, true) == MainWindowHelp(k, false)) allowed.insert(shown(MainWindowHelp(k, false)));
  addMenuCaptionsWithoutEnglish(MainMenuBar(), allowed);
  for (const std::string& value : run.session.focusCard.values) allowed.insert(shown(value));
  // The field captions are the database's own, which the person may rename.
  for (const std::string& caption : run.session.tables.FieldCaptions) allowed.insert(shown(caption));
  return allowed;
}

/// What stays English in Italian: captions that exist in English only.
const std::set<QString> kEnglishOnly = {"Print ON", "Print OFF", "Save edited Labels", "Select reports fields",
                                        "Print Form"};

void chooseLanguage(DesktopRun& run, const char* entry) {
  auto* action = run.window(Window::MainWindow).findChild<QAction*>(QString::fromLatin1(entry));
  QVERIFY(action);
  action->trigger();
}

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void everyWindowOpensInsideTheScreen();
  void placeIsRememberedAndBroughtBackOnScreen();
  void eachRecordCardComesBackToItsOwnPlace();
  void escapeClosesSecondaryWindowsOnly();
  void oneLanguageAtATime();
  void keyboardWayThroughTheMenus();
  void editingCardByKeyboard();
};

void DesktopTest::everyWindowOpensInsideTheScreen() {
  QTemporaryDir dir;
  DesktopRun run(dir.filePath(QStringLiteral("kord.ini")));
  QVERIFY(run.openSample(dir));
  run.ui.showWindow(Window::FocusCard, true);
  std::vector<QWidget*> windows = run.all();
  gui::HelpWindow help(run.session, QStringLiteral(KORD_MANUAL_DIR));
  windows.push_back(&help);
  for (QWidget* window : windows)
    if (!window->isVisible()) showRendered(*window);
  QTest::qWait(400);  // the keeper's second look, once frames are known

  const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
  QCOMPARE(room.size(), QSize(1366, 768));
  for (QWidget* window : windows) {
    QVERIFY2(window->isVisible(), qPrintable(describe(*window)));
    QVERIFY2(room.contains(window->frameGeometry()), qPrintable(describe(*window)));
  }
  const QRect main = run.window(Window::MainWindow).frameGeometry();
  const QWidget& card = run.window(Window::FocusCard);
  QVERIFY2(!main.intersects(card.frameGeometry()),
           qPrintable(describe(run.window(Window::MainWindow)) + " / " + describe(card)));
  QCOMPARE(main.topLeft(), room.topLeft());
}

void DesktopTest::placeIsRememberedAndBroughtBackOnScreen() {
  QTemporaryDir dir;
  const QString settings = dir.filePath(QStringLiteral("kord.ini"));
  struct Case {
    QPoint leftAt;
    QSize leftSize;
    bool keptExactly;
  };
  for (const Case& c : {Case{{210, 140}, {500, 400}, true}, Case{{2900, 1900}, {500, 400}, false},
                        Case{{-900, 100}, {1500, 1000}, false}}) {
    {
      DesktopRun first(settings);
      QWidget& lista = first.window(Window::ListWindow);
      lista.show();
      lista.resize(c.leftSize);
      lista.move(c.leftAt);
      QTest::qWait(50);
    }
    DesktopRun second(settings);
    QWidget& lista = second.window(Window::ListWindow);
    lista.show();
    QTest::qWait(50);
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(room.contains(lista.frameGeometry()), qPrintable(describe(lista)));
    if (c.keptExactly) {
      QCOMPARE(lista.pos(), c.leftAt);
      QCOMPARE(lista.size(), c.leftSize);
    }
  }
}

void DesktopTest::eachRecordCardComesBackToItsOwnPlace() {
  QTemporaryDir dir;
  const QString settings = dir.filePath(QStringLiteral("kord.ini"));
  const std::pair<Window, QPoint> left[] = {{Window::FocusCard, {30, 20}}, {Window::SecondCard, {160, 240}}};
  {
    DesktopRun first(settings);
    for (const auto& [card, at] : left) {
      first.window(card).show();
      first.window(card).move(at);
    }
    QTest::qWait(50);
  }
  DesktopRun second(settings);
  for (const auto& [card, at] : left) second.window(card).show();
  QTest::qWait(50);
  for (const auto& [card, at] : left) QCOMPARE(second.window(card).pos(), at);
}

void DesktopTest::escapeClosesSecondaryWindowsOnly() {
  QTemporaryDir dir;
  DesktopRun run(dir.filePath(QStringLiteral("kord.ini")));
  struct Case {
    Window window;
    bool closes;
  };
  for (const Case& c :
       {Case{Window::ReportGridWindow, true}, Case{Window::ListWindow, true}, Case{Window::AgeChartWindow, true},
        Case{Window::HistoryWindow, true}, Case{Window::SecondCard, true}, Case{Window::MainWindow, false},
        Case{Window::StartWindow, false}}) {
    QWidget& window = run.window(c.window);
    showRendered(window);
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY2(window.isVisible() != c.closes, qPrintable(describe(window)));
  }
}

void DesktopTest::oneLanguageAtATime() {
  QTemporaryDir dir;
  DesktopRun run(dir.filePath(QStringLiteral("kord.ini")));
  QVERIFY(run.openSample(dir));
  std::vector<QWidget*> windows = run.all();
  const std::set<QString> kItalianOnly = italianOnly(run);
  struct Case {
    const char* entry;
    const std::set<QString>& foreign;
    const std::set<QString>& allowed;
    QString yes;
  };
  for (const Case& c : {Case{"Inglese", kItalianWords, kItalianOnly, QStringLiteral("Yes")},
                        Case{"Italiano", kEnglishWords, kEnglishOnly, QString::fromUtf8("Sì")}}) {
    chooseLanguage(run, c.entry);
    QCoreApplication::processEvents();
    for (QWidget* window : windows) showRendered(*window);
    const QStringList found = foreignTexts(windows, c.foreign, c.allowed);
    for (const QString& text : found) qInfo("%s: %s", c.entry, qPrintable(text));
    QVERIFY2(found.isEmpty(), c.entry);
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), c.yes);
  }
}

void DesktopTest::keyboardWayThroughTheMenus() {
  QTemporaryDir dir;
  DesktopRun run(dir.filePath(QStringLiteral("kord.ini")));
  QVERIFY(run.openSample(dir));
  auto& main = run.window<gui::MainWindow>(Window::MainWindow);
  QString letters;
  for (QAction* entry : main.menuBar()->actions()) {
    const QKeySequence keys = QKeySequence::mnemonic(entry->text());
    QVERIFY2(!keys.isEmpty(), qPrintable(entry->text()));
    QVERIFY2(!letters.contains(entry->text().section('&', 1).at(0).toLower()), qPrintable(entry->text()));
    letters += entry->text().section('&', 1).at(0).toLower();
  }
  QCOMPARE(QKeySequence::mnemonic(main.menuBar()->actions().first()->text()), QKeySequence(Qt::ALT | Qt::Key_F));
  main.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&main));
  struct Case {
    QKeySequence keys;
    QWidget* opens;
  };
  for (const Case& c : {Case{QKeySequence::Find, &run.window(Window::NameSearchWindow)},
                        Case{QKeySequence(Qt::CTRL | Qt::Key_E), &run.window(Window::EditCardWindow)}}) {
    c.opens->hide();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keySequence(&main, c.keys);
    QVERIFY2(c.opens->isVisible(), qPrintable(c.keys.toString()));
  }
}

void DesktopTest::editingCardByKeyboard() {
  QTemporaryDir dir;
  DesktopRun run(dir.filePath(QStringLiteral("kord.ini")));
  QVERIFY(run.openSample(dir));
  QWidget& card = run.window(Window::EditCardWindow);
  showRendered(card);
  card.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&card));
  // Row by row: the number, the sex beside it, then the name under them.
  const QStringList order{"Text1_0", "Text1_13", "Text1_1", "Text1_2", "Text1_3"};
  card.findChild<QWidget*>(order.first())->setFocus();
  for (const QString& name : order.mid(1)) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), name);
  }
  auto* save = card.findChild<QPushButton*>(QStringLiteral("Salva"));
  QVERIFY(save);
  QSignalSpy saved(save, &QPushButton::clicked);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QCOMPARE(saved.count(), 1);
}

}  // namespace kord::desktoptest

int main(int argc, char** argv) {
  QTemporaryDir configDir;
  kord::desktoptest::useLaptopScreen(configDir.filePath(QStringLiteral("screen.json")));
  QApplication app(argc, argv);
  kord::gui::useQtLanguage(false);
  kord::gui::followLanguageChanges(app);
  kord::desktoptest::DesktopTest desktop;
  return QTest::qExec(&desktop, argc, argv);
}

#include "desktop_test.moc"
