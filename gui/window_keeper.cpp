#include "window_keeper.h"

#include <QEvent>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace kord::gui {
namespace {

bool isTopLevelWindow(const QWidget& widget) {
  const Qt::WindowType type = widget.windowType();
  return widget.isWindow() && (type == Qt::Window || type == Qt::Dialog);
}

/// The window manager reparents a new window a moment after it is mapped;
/// only then is the real frame known.
constexpr int kFrameSettleMs = 250;

/// Screens this wide hold the main window and the card at their full size.
constexpr int kWideScreen = 1600;

}  // namespace

WindowKeeper::WindowKeeper(QSettings& settings, QObject* parent) : QObject(parent), settings_(settings) {}

void WindowKeeper::setMainWindow(QWidget* main) { main_ = main; }

void WindowKeeper::placeBeside(QWidget* window, const QWidget* anchor, Beside side) {
  anchors_[window] = {anchor, side};
}

void WindowKeeper::namePlace(const QWidget* window, const QString& name) { placeNames_[window] = name; }

QString WindowKeeper::placeKey(const QWidget& window) const {
  const QScreen* screen = window.screen();
  const auto named = placeNames_.find(&window);
  const QString name = named != placeNames_.end()
                           ? named->second
                           : QString::fromLatin1(window.metaObject()->className()).section(QStringLiteral("::"), -1);
  const QString screenName =
      screen ? QStringLiteral("%1-%2x%3").arg(screen->name()).arg(screen->size().width()).arg(screen->size().height())
             : QStringLiteral("none");
  return QStringLiteral("windows/%1/%2").arg(name, screenName);
}

bool WindowKeeper::isKept(const QWidget& window) {
  return QByteArray(window.metaObject()->className()).startsWith("kord::gui::");
}

bool WindowKeeper::eventFilter(QObject* watched, QEvent* event) {
  auto* window = qobject_cast<QWidget*>(watched);
  if (!window || !isTopLevelWindow(*window)) return false;
  const bool known = std::find(shown_.begin(), shown_.end(), window) != shown_.end();
  switch (event->type()) {
    case QEvent::Show:
      if (isKept(*window) && !known)
        firstShow(*window);
      else
        keepInside(*window, roomFor(*window), frameOf(*window, frameGuess_));
      break;
    case QEvent::Move:
    case QEvent::Resize:
      if (known && window->isVisible()) remember(*window);
      break;
    default: break;
  }
  return false;
}

void WindowKeeper::firstShow(QWidget& window) {
  shown_.emplace_back(&window);
  const QVariant saved = settings_.value(placeKey(window));
  const QMargins frame = frameOf(window, frameGuess_);
  if (!saved.isValid() || !window.restoreGeometry(saved.toByteArray())) {
    const QPoint at = defaultPlace(window);
    window.move(at);
    // On a laptop screen the main window leaves the record card its room.
    if (&window == main_ && roomFor(window).width() < kWideScreen)
      window.resize(window.minimumSizeHint().width(), window.height());
    // Smaller rather than over the window it stands beside.
    const QRect room = roomFor(window);
    const QSize left(room.right() + 1 - at.x() - frame.left() - frame.right(),
                     room.bottom() + 1 - at.y() - frame.top() - frame.bottom());
    window.resize(window.size().boundedTo(left).expandedTo(window.minimumSizeHint()));
  }
  keepInside(window, roomFor(window), frame);
  QTimer::singleShot(kFrameSettleMs, &window, [this, target = QPointer<QWidget>(&window)] {
    if (target) correctAfterShow(*target);
  });
}

QPoint WindowKeeper::defaultPlace(const QWidget& window) const {
  const QRect room = roomFor(window);
  if (&window == main_) return room.topLeft();
  const auto anchored = anchors_.find(&window);
  if (anchored != anchors_.end() && anchored->second.anchor && anchored->second.anchor->isVisible())
    return cascade(besidePoint(*anchored->second.anchor, anchored->second.side), window);
  // Beside the main window, a little lower than the record card that
  // takes its right side, so both stay in sight.
  if (main_ && main_->isVisible()) return cascade(besidePoint(*main_, Beside::Right) + QPoint(0, 48), window);
  const QSize size = window.frameGeometry().size();
  return room.center() - QPoint(size.width() / 2, size.height() / 2);
}

QPoint WindowKeeper::cascade(QPoint at, const QWidget& window) const {
  const QPoint step(32, 32);
  for (int tries = 0; tries < 12; ++tries) {
    const bool taken = std::any_of(shown_.begin(), shown_.end(), [&](const QPointer<QWidget>& other) {
      return other && other != &window && other->isVisible() &&
             (other->frameGeometry().topLeft() - at).manhattanLength() < step.x() / 2;
    });
    if (!taken) break;
    at += step;
  }
  return at;
}

void WindowKeeper::correctAfterShow(QWidget& window) {
  if (!window.isVisible()) return;
  frameGuess_ = frameOf(window, frameGuess_);
  keepInside(window, roomFor(window), frameGuess_);
}

void WindowKeeper::remember(const QWidget& window) { settings_.setValue(placeKey(window), window.saveGeometry()); }

}  // namespace kord::gui
