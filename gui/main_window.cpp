#include "main_window.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDateTime>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/commands.h"
#include "app/main_window_help.h"
#include "app_style.h"
#include "check_window.h"
#include "exchange_actions.h"
#include "folders_window.h"
#include "help_window.h"
#include "keyboard.h"
#include "kord_logo.h"
#include "menu_actions.h"
#include "qt_language.h"
#include "qt_text.h"
#include "spouse_search_window.h"
#include "verify_window.h"

namespace kord::gui {
namespace {

/// The hover-help number that hides the help instead of showing a label.
constexpr int kHideHelp = -1;

struct GroupTitle {
  kord::ButtonGroup group;
  const char* italian;
  const char* english;
};

constexpr GroupTitle kGroupTitles[] = {
    {kord::ButtonGroup::Select, "Selezione", "Select"},
    {kord::ButtonGroup::Explore, "Esplorazione", "Explore"},
    {kord::ButtonGroup::Produce, "Produzione", "Produce"},
};

/// Shows a secondary window and brings it to the front.
void showInFront(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

QLabel* statusPanel(const QString& objectName, QWidget* parent) {
  auto* panel = new QLabel(parent);
  panel->setObjectName(objectName);
  panel->setTextFormat(Qt::PlainText);  // the focus panel shows a name
  panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  return panel;
}

}  // namespace

MainWindow::MainWindow(kord::Session& session, QWidget* parent) : QMainWindow(parent), s_(session) {
  setWindowTitle(QStringLiteral("Kord Win"));
  buildMenus();
  auto* central = new QWidget(this);
  watchBackground(central);
  auto* groups = new QHBoxLayout;
  groups->setSpacing(12);
  for (int g = 0; g < 3; ++g) {
    groups_[g] = buildButtonGroup(kGroupTitles[g].group, central);
    groups->addWidget(groups_[g], 0, Qt::AlignTop);
  }
  // On a laptop screen the switches and the help go under the buttons, so
  // that the record card finds room beside the window.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const bool wide = screen && screen->availableGeometry().width() >= 1600;
  auto* side = new QBoxLayout(wide ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
  side->addWidget(buildSwitches(central));
  side->addWidget(buildHelpArea(central), 1);
  auto* columns = new QBoxLayout(wide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
  columns->setSpacing(12);
  columns->addLayout(groups);
  columns->addLayout(side, 1);

  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(16, 12, 16, 12);
  layout->setSpacing(12);
  layout->addWidget(buildHeader(central));
  layout->addLayout(columns, 1);
  setCentralWidget(central);
  buildPanels();
  registerWindowCommands();
  pressOnKeys(this, QKeySequence::Find, buttons_["Seleziona"]);
  pressOnKeys(this, QKeySequence(Qt::CTRL | Qt::Key_E), buttons_["EditSkeda(2)"]);
  pressOnKeys(this, QKeySequence::New, buttons_["EditSkeda(1)"]);
  render();
}

void MainWindow::buildMenus() {
  for (const kord::MenuDef& def : kord::MainMenuBar()) {
    QMenu* menu = menuBar()->addMenu(QString());
    menu->setObjectName(controlObjectName(def.name));
    menus_[def.name] = menu;
    addEntries(menu, def.entries);
  }
  QAction* monochrome = actions_["Schema_Monocromatico"];
  monochrome->setCheckable(true);
  monochrome->setChecked(isMonochrome());
}

void MainWindow::addEntries(QMenu* menu, const std::vector<kord::MenuDef>& entries) {
  for (const kord::MenuDef& def : entries) {
    if (!def.entries.empty()) {
      QMenu* sub = menu->addMenu(QString());
      sub->setObjectName(controlObjectName(def.name));
      menus_[def.name] = sub;
      addEntries(sub, def.entries);
      continue;
    }
    QAction* action = menu->addAction(QString());
    action->setObjectName(controlObjectName(def.name));
    actions_[def.name] = action;
    const std::string name = def.name;
    connect(action, &QAction::triggered, this, [this, name] { onControl(name); });
  }
}

QWidget* MainWindow::buildHeader(QWidget* parent) {
  auto* header = new QWidget(parent);
  watchBackground(header);
  auto* picture = new QLabel(header);
  picture->setObjectName(QStringLiteral("Picture1"));
  picture->setPixmap(kordLogo(44));
  watchHover(picture, kHideHelp);
  auto* name = new QLabel(QStringLiteral("Kord"), header);
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  name->setFont(big);
  name->setStyleSheet(QStringLiteral("color: #2e6b4f;"));
  databaseName_ = new QLabel(header);
  databaseName_->setObjectName(QStringLiteral("DatabaseName"));
  databaseName_->setTextFormat(Qt::PlainText);
  databaseName_->setStyleSheet(QStringLiteral("color: #55645b;"));
  auto* texts = new QVBoxLayout;
  texts->setSpacing(0);
  texts->addWidget(name);
  texts->addWidget(databaseName_);
  auto* row = new QHBoxLayout(header);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(12);
  row->addWidget(picture);
  row->addLayout(texts, 1);
  return header;
}

QGroupBox* MainWindow::buildButtonGroup(kord::ButtonGroup group, QWidget* parent) {
  auto* box = new QGroupBox(parent);
  watchBackground(box);
  auto* column = new QVBoxLayout(box);
  column->setSpacing(6);
  for (const kord::ButtonDef& def : kord::MainButtons()) {
    if (def.group != group) continue;
    auto* button = new QPushButton(displayText(def.caption), box);
    button->setObjectName(controlObjectName(def.name));
    // The whole caption stays readable whatever size the window gets.
    button->setMinimumWidth(std::max(150, button->sizeHint().width()));
    watchHover(button, def.helpLabel);
    buttons_[def.name] = button;
    const std::string name = def.name;
    connect(button, &QPushButton::clicked, this, [this, name] { onControl(name); });
    column->addWidget(button);
  }
  column->addStretch();
  return box;
}

QGroupBox* MainWindow::buildSwitches(QWidget* parent) {
  switchBox_ = new QGroupBox(parent);
  switchBox_->setObjectName(QStringLiteral("switches"));
  watchBackground(switchBox_);
  auto* grid = new QGridLayout(switchBox_);
  grid->setHorizontalSpacing(18);
  int row = 0;
  for (const kord::SwitchDef& sw : kord::Switches()) {
    // Each pair is its own exclusive group: the parent box holds three pairs.
    auto* pair = new QButtonGroup(switchBox_);
    int column = 0;
    for (bool on : {true, false}) {
      auto* option = new QRadioButton(displayText(on ? sw.onCaption : sw.offCaption), switchBox_);
      const std::string& name = on ? sw.onOption : sw.offOption;
      option->setObjectName(utf8Text(name));
      watchHover(option, sw.helpLabel);
      pair->addButton(option);
      options_[name] = option;
      const kord::SwitchId id = sw.id;
      connect(option, &QRadioButton::clicked, this, [this, id, on] { onOption(id, on); });
      grid->addWidget(option, row, column++);
    }
    ++row;
  }
  grid->setColumnStretch(2, 1);
  return switchBox_;
}

QGroupBox* MainWindow::buildHelpArea(QWidget* parent) {
  // Not a background: reaching for the help text must not replace it.
  helpBox_ = new QGroupBox(parent);
  help_ = new QLabel(helpBox_);
  help_->setObjectName(QStringLiteral("Help"));
  help_->setWordWrap(true);
  help_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  help_->setMinimumHeight(help_->fontMetrics().lineSpacing() * 4);
  help_->setStyleSheet(QStringLiteral("font-weight: normal; color: #33413a;"));
  auto* layout = new QVBoxLayout(helpBox_);
  layout->addWidget(help_, 1);
  return helpBox_;
}

void MainWindow::buildPanels() {
  for (int i = 0; i < 3; ++i) {
    panels_[i] = statusPanel(QStringLiteral("Panel3D9_%1").arg(i), statusBar());
    statusBar()->addWidget(panels_[i], i == 1 ? 1 : 0);
  }
  panels_[2]->setCursor(Qt::PointingHandCursor);
  panels_[2]->installEventFilter(this);
}

void MainWindow::watchHover(QWidget* widget, int helpLabel) {
  hoverHelp_[widget] = helpLabel;
  widget->installEventFilter(this);
}

void MainWindow::watchBackground(QWidget* widget) {
  widget->setMouseTracking(true);
  watchHover(widget, kord::kBackgroundHelp);
}

void MainWindow::render() {
  renderMenuCaptions();
  for (const kord::ButtonDef& def : kord::MainButtons())
    buttons_[def.name]->setToolTip(displayText(kord::MainWindowHelp(def.helpLabel, s_.English)).trimmed());
  if (shownHelp_ >= 0) help_->setText(displayText(kord::MainWindowHelp(shownHelp_, s_.English)));
  renderSwitches();
  renderTitles();
  renderPanels();
  renderInactive();
}

void MainWindow::renderInactive() {
  for (const kord::Command& command : kord::Commands()) {
    if (!command.inactive()) continue;
    const QString why = displayText(s_.text(command.inactiveReason.italian, command.inactiveReason.english));
    for (const std::string& control : command.controls) {
      if (const auto button = buttons_.find(control); button != buttons_.end()) {
        button->second->setEnabled(false);
        button->second->setToolTip(why);
      }
      if (const auto action = actions_.find(control); action != actions_.end()) {
        action->second->setEnabled(false);
        action->second->setToolTip(why);
      }
    }
  }
}

QString MainWindow::menuCaption(const std::string& name) const { return displayText(kord::MenuCaption(s_, name)); }

void MainWindow::renderMenuCaptions() {
  std::map<const QAction*, std::string> names;
  for (const auto& [name, action] : actions_) names[action] = name;
  for (const auto& [name, menu] : menus_) names[menu->menuAction()] = name;
  // Alt with the underlined letter opens a menu, the letter alone then picks
  // an entry; letters are given in display order, once per menu.
  auto caption = [&](QAction* entry, QString& taken) {
    const auto found = names.find(entry);
    if (found != names.end()) entry->setText(withMnemonic(menuCaption(found->second), taken));
  };
  QString barLetters;
  for (QAction* entry : menuBar()->actions()) caption(entry, barLetters);
  for (const auto& [name, menu] : menus_) {
    QString letters;
    for (QAction* entry : menu->actions()) caption(entry, letters);
  }
}

void MainWindow::renderSwitches() {
  for (const kord::SwitchDef& sw : kord::Switches()) {
    const bool on = kord::SwitchValue(s_, sw.id);
    options_[on ? sw.onOption : sw.offOption]->setChecked(true);
  }
}

void MainWindow::renderTitles() {
  for (int g = 0; g < 3; ++g)
    groups_[g]->setTitle(displayText(s_.text(kGroupTitles[g].italian, kGroupTitles[g].english)));
  switchBox_->setTitle(displayText(s_.text("Opzioni di uscita", "Output options")));
  helpBox_->setTitle(displayText(s_.text("Aiuto", "Help")));
}

void MainWindow::renderPanels() {
  const bool loaded = s_.DbLoaded;
  databaseName_->setText(loaded ? pathText(s_.DbName)
                                : displayText(s_.text("Nessun database aperto", "No database open")));
  panels_[0]->setText(loaded ? displayText(s_.text("Individui: ", "Individuals: ")) +
                                   QString::number(s_.tables.individualCount())
                             : QString());
  const int focus = s_.NInd[0];
  panels_[1]->setText(loaded && s_.tables.isIndividual(focus)
                          ? QStringLiteral("Focus: ") + displayText(s_.tables.Names[focus])
                          : QString());
  panels_[2]->setText(displayText(s_.tables.RecordMode));
}

void MainWindow::ShowHelp(int k) {
  if (k == shownHelp_) return;
  shownHelp_ = k;
  help_->setText(displayText(kord::MainWindowHelp(k, s_.English)));
  help_->show();
}

void MainWindow::hideHelp() {
  shownHelp_ = -1;
  help_->hide();
}

void MainWindow::registerWindowCommands() {
  windowCommands_ = {
      {"importGedcom", [this] { importGedcomAction(s_, this); }},
      {"goToNumber", [this] { goToNumber(s_); }},
      {"checkDatabase", [this] { onCheckDatabase(); }},
      {"checkDates", [this] { onVerifyDates(); }},
      {"exportGedcom", [this] { exportGedcomAction(s_, this); }},
      {"generateDemoDatabase", [this] { generateDemoDatabase(s_, this); }},
      {"spouseSearchOn", [this] { onSpouseSearch(true); }},
      {"spouseSearchOff", [this] { onSpouseSearch(false); }},
      {"showFolders", [this] { onShowFolders(); }},
      {"monochromeColours", [this] { setMonochrome(actions_["Schema_Monocromatico"]->isChecked()); }},
      {"useEnglish", [this] { useLanguage(true); }},
      {"useItalian", [this] { useLanguage(false); }},
      {"showManual",
       [this] {
         if (helpWindow_) helpWindow_->showIndex();
       }},
      {"about", [this] { showAbout(s_); }},
      {"importCsv", [this] { importCsvAction(s_, this); }},
      {"sortedCopy", [this] { writeSortedCopyOfOpenDatabase(s_); }},
  };
}

void MainWindow::onControl(const std::string& name) {
  if (const kord::Command* command = kord::CommandForControl(name)) {
    const auto registered = windowCommands_.find(command->id);
    // Only a command on an open database can write the family site.
    const bool onDatabase = command->precondition == kord::Precondition::DatabaseLoaded;
    const QDateTime siteBefore = onDatabase ? siteWrittenAt(s_) : QDateTime();
    const bool ran = kord::RunCommand(
        s_, *command, registered == windowCommands_.end() ? std::function<void()>() : registered->second);
    if (ran && onDatabase) offerSiteIfWritten(s_, siteBefore);
  }
  if (!s_.exitRequested) render();
}

void MainWindow::useLanguage(bool english) {
  kord::SetLanguage(s_, english);
  useQtLanguage(english);
}

void MainWindow::onOption(kord::SwitchId id, bool on) {
  kord::SetSwitchByOption(s_, id, on);
  render();
}

void MainWindow::onCheckDatabase() {
  if (!checkWindow_) checkWindow_ = new CheckWindow(s_, this);
  checkWindow_->runCheck();
  showInFront(checkWindow_);
}

void MainWindow::onVerifyDates() {
  if (!verifyWindow_) verifyWindow_ = new VerifyWindow(s_, this);
  verifyWindow_->runCheck();
  showInFront(verifyWindow_);
}

void MainWindow::onShowFolders() {
  if (!foldersWindow_) foldersWindow_ = new FoldersWindow(s_, this);
  foldersWindow_->render();
  showInFront(foldersWindow_);
}

void MainWindow::onSpouseSearch(bool on) {
  if (!on) {
    if (spouseSearch_) spouseSearch_->close();
    return;
  }
  if (!s_.tables.isIndividual(s_.NInd[0])) {
    s_.ui.message(s_.text("Individuo non selezionato", "Individual not selected"));
    return;
  }
  if (!spouseSearch_) spouseSearch_ = new SpouseSearchWindow(s_, this);
  spouseSearch_->start();
  showInFront(spouseSearch_);
}

void MainWindow::setButtonVisible(const std::string& name, bool visible) {
  if (QPushButton* button = buttons_[name]) button->setVisible(visible);
}

void MainWindow::onLoad() {
  if (s_.tables.RecordMode != "Kord") return;
  setButtonVisible("EditSkeda(0)", false);
  setButtonVisible("Update", false);
}

void MainWindow::onActivate() {
  const bool kord = s_.tables.RecordMode == "Kord";
  setButtonVisible("EditSkeda(0)", !kord);
  if (!kord) return;
  for (const char* name : {"Update", "Libro(2)", "Libro(3)"}) setButtonVisible(name, true);
}

void MainWindow::showEvent(QShowEvent* event) {
  if (!loaded_) {
    loaded_ = true;
    onLoad();
  }
  render();
  QMainWindow::showEvent(event);
}

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) onActivate();
  return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!s_.exitRequested) kord::ExitProgram(s_);
  event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == panels_[2] && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)) {
    kord::RecordModePanelClick(s_, 2);
    render();
    return true;
  }
  if (type == QEvent::Enter || type == QEvent::MouseMove) {
    auto it = hoverHelp_.find(watched);
    if (it != hoverHelp_.end()) {
      if (it->second == kHideHelp)
        hideHelp();
      else
        ShowHelp(it->second);
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace kord::gui
