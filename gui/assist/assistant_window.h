#pragma once
/// The assistant window "Assist": the tree of phrases TreeView1. A double
/// click runs the phrase's command through the core's dispatcher; a phrase
/// dropped on another prints the two on the window's surface; a click on
/// the window itself describes the selected phrase in a message box.

#include "secondary_window.h"
#include "session/session.h"

class QLabel;
class QTreeWidgetItem;

namespace kord::gui {

class AssistTree;

class AssistantWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit AssistantWindow(kord::Session& session, QWidget* parent = nullptr);

  AssistTree* tree() const { return tree_; }
  /// The node picture of the database folder of now.
  void render() override;
  /// What the window surface shows (the last drop).
  QString surfaceText() const;

 protected:
  /// Each show renders: the folder may have changed since the last.
  void showEvent(QShowEvent* event) override;
  /// A click on the window outside the tree: Form_Click.
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void onDoubleClick(QTreeWidgetItem* item);
  void onDrop(int dragged, int target);

  kord::Session& s_;
  AssistTree* tree_ = nullptr;
  QLabel* surface_ = nullptr;
  std::string iconFolder_;  ///< the folder the node picture came from
};

}  // namespace kord::gui
