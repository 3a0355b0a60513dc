#pragma once
/// The outline window "Ineractive Tree" (TreeOutlineWindow): the tree as an outline
/// built from the items' indent levels, the counters Text1 "Esaminati",
/// Text2 "Inseriti", Text3 "Livelli", and the buttons Command3D1(0) "Print
/// Form", (1) "Chiudi", (2) "Stile". Clicking an item moves the focus.
/// Escape and closing the frame do what "Chiudi" does.

#include <QWidget>
#include <array>
#include <vector>

#include "qt_printer.h"
#include "secondary_window.h"
#include "session/session.h"
#include "views/tree_models.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kord::gui {

class OutlineStyle;

/// The data role of an outline item holding its position in
/// Session::nest.Lista (the individual index is under Qt::UserRole).
inline constexpr int kNestItemRole = Qt::UserRole + 1;

class TreeOutlineWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  TreeOutlineWindow(kord::Session& session, QtPrinter& printer, QWidget* parent = nullptr);

  /// The outline, the counters and the display style from Session::nest.
  /// The outline is rebuilt only when its items changed, so a change of
  /// style keeps the levels the person opened or closed.
  void render() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void onClose() override;

 private:
  QWidget* buildCounters();
  QWidget* buildButtons();
  void rebuildOutline();
  void applyStyle();

  void onClicked(QTreeWidgetItem* item);
  void onPrint();
  void onChiudi();
  void onStile();

  kord::Session& s_;
  QtPrinter& printer_;
  QTreeWidget* lista_ = nullptr;
  OutlineStyle* outlineStyle_ = nullptr;
  std::array<QLineEdit*, 3> counters_{};
  std::array<QPushButton*, 3> commands_{};
  std::vector<kord::NestItem> shown_;  ///< the items the outline was built from
};

}  // namespace kord::gui
