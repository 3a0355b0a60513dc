#pragma once
/// "Ricerca Coniugi": a name search whose choice becomes the spouse of the
/// focus. The person types the first letters, picks from the list (each
/// name with its years) and confirms; the link is written both ways.

#include <string>
#include <vector>

#include "secondary_window.h"
#include "session/session.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kord::gui {

class SpouseSearchWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit SpouseSearchWindow(kord::Session& session, QWidget* parent = nullptr);
  /// The captions and the focus line, in the language of the session.
  void render() override;

  /// Starts afresh for the current focus: empty search, everybody listed.
  void start();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void fillList(const QString& typed);
  /// Asks, then makes the chosen row's individual the focus's spouse.
  void onChoose();

  kord::Session& s_;
  std::vector<std::string> years_;
  QLabel* focus_ = nullptr;
  QLineEdit* name_ = nullptr;
  QListWidget* people_ = nullptr;
  QPushButton* choose_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace kord::gui
