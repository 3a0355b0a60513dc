#pragma once
/// The main window "Kord Win": the menus in two languages, the toolbar
/// buttons grouped by purpose, the three output switches, the hover help
/// and the mode panel Panel3D9. Every entry and button runs its row of the
/// command table (app/commands.h); the rows only a window can carry out are
/// registered here by id; an inactive row's control is disabled and its
/// hover help says why.

#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/main_menu.h"
#include "session/session.h"
#include "window_set.h"

class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace kord::gui {

class CheckWindow;
class FoldersWindow;
class HelpWindow;
class SpouseSearchWindow;
class VerifyWindow;

class MainWindow : public QMainWindow, public ModelWindow {
  Q_OBJECT

 public:
  explicit MainWindow(kord::Session& session, QWidget* parent = nullptr);

  /// Menu captions, switches, group titles and panels from the session.
  void render() override;
  /// Shows hover-help label k in the help area (line breaks kept); nothing
  /// happens when k is the label shown already.
  void ShowHelp(int k);
  /// The help label shown now; -1 when the help area is empty.
  int shownHelp() const { return shownHelp_; }
  /// The manual that "Aiuto per l'uso" opens.
  void setHelpWindow(HelpWindow* help) { helpWindow_ = help; }
  /// Whether this window carries out the command `commandId` itself.
  bool carriesOut(const std::string& commandId) const { return windowCommands_.count(commandId) > 0; }

 protected:
  /// The first show is the window's load.
  void showEvent(QShowEvent* event) override;
  /// Each activation adjusts the buttons to the record mode.
  bool event(QEvent* event) override;
  /// Closing the window is the menu entry Exit.
  void closeEvent(QCloseEvent* event) override;
  /// Hover help and the clicks on the mode panel.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  void addEntries(QMenu* menu, const std::vector<kord::MenuDef>& entries);
  QWidget* buildHeader(QWidget* parent);
  QGroupBox* buildButtonGroup(kord::ButtonGroup group, QWidget* parent);
  QGroupBox* buildSwitches(QWidget* parent);
  QGroupBox* buildHelpArea(QWidget* parent);
  void buildPanels();
  void watchHover(QWidget* widget, int helpLabel);
  void watchBackground(QWidget* widget);

  /// The commands of the table that only this window can carry out.
  void registerWindowCommands();
  /// A menu entry or button: runs its command, then shows the outcome.
  void onControl(const std::string& name);
  void onOption(kord::SwitchId id, bool on);
  /// "Inglese" / "Italiano": the session's language and Qt's own texts.
  void useLanguage(bool english);
  /// "Controlla archivio": the check window, made on first use.
  void onCheckDatabase();
  /// "Verifica dati": the date check window, made on first use.
  void onVerifyDates();
  /// "Directory files attuali": the folders window, made on first use.
  void onShowFolders();
  /// "Ricerca Coniugi": On opens the spouse search for the focus, Off closes it.
  void onSpouseSearch(bool on);
  /// The controls of inactive commands: disabled, saying why.
  void renderInactive();
  void onLoad();
  void onActivate();
  void hideHelp();
  void renderMenuCaptions();
  /// The caption of the menu entry `name` in the session's language.
  QString menuCaption(const std::string& name) const;
  void renderSwitches();
  void renderTitles();
  void renderPanels();
  void setButtonVisible(const std::string& name, bool visible);

  kord::Session& s_;
  std::map<std::string, std::function<void()>> windowCommands_;
  std::map<std::string, QAction*> actions_;
  std::map<std::string, QMenu*> menus_;
  std::map<std::string, QPushButton*> buttons_;
  std::map<std::string, QRadioButton*> options_;
  std::array<QGroupBox*, 3> groups_{};
  QGroupBox* switchBox_ = nullptr;
  QGroupBox* helpBox_ = nullptr;
  QLabel* help_ = nullptr;
  QLabel* databaseName_ = nullptr;
  std::array<QLabel*, 3> panels_{};
  /// The help label each watched control shows; kHideHelp for Picture1.
  std::map<QObject*, int> hoverHelp_;
  int shownHelp_ = -1;
  CheckWindow* checkWindow_ = nullptr;
  VerifyWindow* verifyWindow_ = nullptr;
  FoldersWindow* foldersWindow_ = nullptr;
  SpouseSearchWindow* spouseSearch_ = nullptr;
  bool loaded_ = false;
  HelpWindow* helpWindow_ = nullptr;
};

}  // namespace kord::gui
