#pragma once
/// The sort-key chooser "Selezione Sort": Option3D1(3)..(13) name the record
/// fields by the database's captions; Command1(1) runs the sorted book by
/// the chosen field into the list window, Command1(0) closes. Enter runs,
/// Escape closes.

#include <QDialog>
#include <array>

#include "session/session.h"
#include "window_set.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace kord::gui {

class SortKeyDialog : public QDialog, public ModelWindow {
  Q_OBJECT

 public:
  explicit SortKeyDialog(kord::Session& session, QWidget* parent = nullptr);

  /// Sets the option captions from FieldCaptions and starts with no option
  /// chosen.
  void render() override;

  /// The sort key of the chosen option (its index + 1); 0 when none is.
  int chosenSortKey() const;

 protected:
  /// Escape and the close box act as Command1(0).
  void reject() override;

 private:
  void onRun();
  void onClose();

  kord::Session& s_;
  QGroupBox* frame_ = nullptr;
  std::array<QRadioButton*, 14> options_{};  ///< Option3D1(3..13); 0..2 are not shown
  std::array<QPushButton*, 2> commands_{};
};

}  // namespace kord::gui
