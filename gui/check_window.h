#pragma once
/// The window "Controlla archivio" ("Check database"), behind the entry of
/// the Varie menu: the links of the open database that cannot be right, one
/// a line, those with one obvious fix marked. "Ripara" asks first, fixes
/// them, reloads the links and shows what was done and what is left for the
/// person to decide.

#include <string>
#include <vector>

#include "checks/database_check.h"
#include "secondary_window.h"
#include "session/session.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace kord::gui {

class CheckWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit CheckWindow(kord::Session& session, QWidget* parent = nullptr);
  /// The captions in the language of the session.
  void render() override;

  /// Checks the files of the open database afresh and shows the result.
  void runCheck();

 private:
  void onRepair();
  /// The repaired problems first, then what the check finds.
  void showResult(const std::vector<std::string>& repaired, const kord::DatabaseCheck& check);
  std::string summaryText(std::size_t problems, std::size_t repairable) const;

  kord::Session& s_;
  QLabel* summary_ = nullptr;
  QListWidget* problems_ = nullptr;
  QPushButton* repair_ = nullptr;
  QPushButton* recheck_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace kord::gui
