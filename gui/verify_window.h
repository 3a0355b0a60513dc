#pragma once
/// "Verifica dati" ("Check dates"), an entry of the Varie menu: the dates of
/// the open database that cannot be right, one finding a line. The limits of
/// the checks are settings of the window, remembered between runs; a click
/// on a finding makes its individual the focus.

#include <array>
#include <vector>

#include "checks/verify_dates.h"
#include "secondary_window.h"
#include "session/session.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace kord::gui {

class VerifyWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit VerifyWindow(kord::Session& session, QWidget* parent = nullptr);
  /// The captions in the language of the session.
  void render() override;

  /// Checks the dates afresh with the limits shown and lists the findings.
  void runCheck();
  /// The limits the window shows now.
  kord::DateCheckSettings settings() const;

 private:
  void onLimitChanged();
  void onFindingClicked(int row);

  kord::Session& s_;
  QGroupBox* limitsBox_ = nullptr;
  std::array<QLabel*, 5> limitCaptions_{};
  std::array<QSpinBox*, 5> limits_{};
  QLabel* summary_ = nullptr;
  QListWidget* findings_ = nullptr;
  QPushButton* recheck_ = nullptr;
  QPushButton* close_ = nullptr;
  std::vector<kord::DateFinding> shown_;
};

}  // namespace kord::gui
