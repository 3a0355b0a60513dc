#pragma once
/// "Directory files attuali" ("Folders"): the database folder and the
/// template folder, each with a button that opens it in the file manager.

#include <array>

#include "secondary_window.h"
#include "session/session.h"

class QLabel;
class QPushButton;

namespace kord::gui {

class FoldersWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit FoldersWindow(kord::Session& session, QWidget* parent = nullptr);

  /// The two folders of the open database, in the language of the session.
  void render() override;

 private:
  kord::Session& s_;
  std::array<QLabel*, 2> captions_{};
  std::array<QLabel*, 2> paths_{};
  std::array<QPushButton*, 2> open_{};
  QPushButton* close_ = nullptr;
};

}  // namespace kord::gui
