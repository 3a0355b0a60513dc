#include "picture_navigator_window.h"

#include "book/book_commands.h"

namespace kord::gui {

PictureNavigatorWindow::PictureNavigatorWindow(kord::Session& session, QtPrinter& printer, QWidget* parent)
    : NavigatorWindow(session, printer, true, parent) {
  setObjectName(QStringLiteral("Thumb"));
  render();
}

void PictureNavigatorWindow::clickBox(int box, int caretPos) { kord::PictureNavigatorBoxClick(s_, box, caretPos); }

}  // namespace kord::gui
