#pragma once
/// "Ricerca Coniugi": a name search whose choice becomes the spouse of the
/// focus. The person types the first letters, picks from the list (each
/// name with its years) and confirms; the link is written both ways.

#include <QWidget>
#include <string>
#include <vector>

#include "session/session.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kord::gui {

class SpouseSearchWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SpouseSearchWindow(kord::Session& session, QWidget* parent = nullptr);

  /// Starts afresh for the current focus: empty search, everybody listed.
  void start();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void fillList(const QString& typed);
  void renderCaptions();
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
