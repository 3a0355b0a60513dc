#pragma once
/// The list window "Albero": one line per tree line in ListWindow, drawn in the
/// fixed-pitch font so that the connectors of the lines stand under each
/// other. A click moves the focus, a double click redraws the branches of
/// the line's individual, Command1 climbs one generation, the right mouse
/// button opens Menuutente ("Chiudi", "Stampa Form"). Escape and closing
/// the frame do what "Chiudi" does.

#include <QString>
#include <QWidget>

#include "qt_printer.h"
#include "secondary_window.h"
#include "session/session.h"
#include "views/tree_models.h"

class QListWidget;
class QListWidgetItem;
class QMenu;
class QToolButton;

namespace kord::gui {

/// What ListWindow shows for `item`: the drawing prefix as box-drawing
/// characters followed by the Windows-1252 text decoded.
QString alberoLineText(const kord::AlberoItem& item);

class TreeListWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  TreeListWindow(kord::Session& session, QtPrinter& printer, QWidget* parent = nullptr);

  /// ListWindow from Session::albero, each row carrying its individual index as
  /// Qt::UserRole data; the texts of the current language.
  void render() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  /// Closing by the frame empties the list as "Chiudi" does, so that the
  /// next tree starts on an empty list.
  void onClose() override;
  /// The right mouse button on ListWindow opens Menuutente.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenu();
  void onClicked(QListWidgetItem* item);
  void onDoubleClicked(QListWidgetItem* item);
  void onClimb();
  void onChiudi();
  void onPrint();
  /// The main window and the cards show the focus the window moved.
  void focusMoved();

  kord::Session& s_;
  QtPrinter& printer_;
  QListWidget* lista_ = nullptr;
  QToolButton* command1_ = nullptr;
  QMenu* menuutente_ = nullptr;
};

}  // namespace kord::gui
