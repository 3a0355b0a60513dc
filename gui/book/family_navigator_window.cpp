#include "family_navigator_window.h"

#include "book/book_commands.h"

namespace kord::gui {

FamilyNavigatorWindow::FamilyNavigatorWindow(kord::Session& session, QtPrinter& printer, QWidget* parent)
    : NavigatorWindow(session, printer, false, parent) {
  setObjectName(QStringLiteral("Navigate"));
  render();
}

void FamilyNavigatorWindow::clickBox(int box, int caretPos) { kord::NavigatorBoxClick(s_, box, caretPos); }

}  // namespace kord::gui
