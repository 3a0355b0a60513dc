#include "secondary_window.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace kord::gui {

void SecondaryWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void SecondaryWindow::closeEvent(QCloseEvent* event) {
  onClose();
  QWidget::closeEvent(event);
}

}  // namespace kord::gui
