#pragma once
/// The window "Generazioni": the generation limit of the descendant walks
/// in the text box Gen_Valore. The box takes only whole numbers from 0 to
/// 30; every change of the text is the new limit at once; Enter and Escape
/// close the window, and a box left empty then shows the limit in force.

#include <QWidget>

#include "secondary_window.h"
#include "session/session.h"

class QLabel;
class QLineEdit;

namespace kord::gui {

class GenerationLimitWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit GenerationLimitWindow(kord::Session& session, QWidget* parent = nullptr);

  /// Gen_Valore from Session::generazioni; what the person is typing is
  /// left alone when it already says the same.
  void render() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void onClose() override;

 private:
  kord::Session& s_;
  QLabel* label_ = nullptr;
  QLineEdit* genValore_ = nullptr;
};

}  // namespace kord::gui
