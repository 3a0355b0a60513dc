#pragma once
/// Keeps the program's windows on the desktop: each appears whole inside
/// the screen's free area (frame included), at the place it had last time
/// on this screen or else beside the window it belongs to, cascading so it
/// does not cover the main window.

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <map>
#include <vector>

#include "window_place.h"

class QSettings;
class QWidget;

namespace kord::gui {

class WindowKeeper : public QObject {
 public:
  /// Places are remembered in `settings`, which must outlive the keeper.
  /// Install with QApplication::installEventFilter.
  explicit WindowKeeper(QSettings& settings, QObject* parent = nullptr);

  /// The window the others gather around: top left of the screen.
  void setMainWindow(QWidget* main);
  /// `window` first appears beside `anchor` rather than cascading.
  void placeBeside(QWidget* window, const QWidget* anchor, Beside side);
  /// `window`'s place is remembered under `name` rather than its class name.
  void namePlace(const QWidget* window, const QString& name);

  /// The settings key of `window`'s place on its current screen.
  QString placeKey(const QWidget& window) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Anchor {
    const QWidget* anchor;
    Beside side;
  };
  /// Windows of the program, not Qt's own message boxes and dialogs.
  static bool isKept(const QWidget& window);
  void firstShow(QWidget& window);
  QPoint defaultPlace(const QWidget& window) const;
  /// Moves `at` down and right past windows that already sit there.
  QPoint cascade(QPoint at, const QWidget& window) const;
  void correctAfterShow(QWidget& window);
  void remember(const QWidget& window);

  QSettings& settings_;
  QPointer<QWidget> main_;
  std::map<const QWidget*, Anchor> anchors_;
  std::map<const QWidget*, QString> placeNames_;
  std::vector<QPointer<QWidget>> shown_;
  /// The last frame seen on screen: windows not yet shown have none.
  QMargins frameGuess_{2, 30, 2, 2};
};

}  // namespace kord::gui
