#pragma once
/// The field chooser "Selezione Campi" of the configurable report: thirteen
/// boxes named by the field captions, "Esce" and "Report".

#include <QDialog>
#include <array>

#include "lists/report.h"
#include "session/session.h"
#include "window_set.h"

class QCheckBox;

namespace kord::gui {

class ReportFieldsDialog : public QDialog, public ModelWindow {
  Q_OBJECT

 public:
  explicit ReportFieldsDialog(kord::Session& session, QWidget* parent = nullptr);

  /// Captions and ticks from Session::report.
  void render() override;

 protected:
  /// Closing by the frame counts as "Esce".
  void reject() override;

 private:
  void press(kord::ReportFieldsButton button);

  kord::Session& s_;
  std::array<QCheckBox*, 13> check1_{};
};

}  // namespace kord::gui
