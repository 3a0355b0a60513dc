#pragma once
/// "Stampa Form": printing the image of a window, as every window with a
/// print button does.

#include <QImage>
#include <string>

#include "qt_printer.h"
#include "session/session.h"

class QWidget;

namespace kord::gui {

/// The window as it looks now, drawn at `scale` times its size so that the
/// printout stays sharp.
QImage formImage(QWidget& window, int scale = 3);

/// Prints `window` as it looks (its texts kept as text) as the document `documentName`
/// (Windows-1252). Where the system has no printer the image goes to a PDF
/// file in the database folder, and the person is told so with the same
/// words as the other printouts. With no database folder nothing is
/// printed and the person is told that no database is open.
void printForm(kord::Session& s, QtPrinter& printer, QWidget& window, const std::string& documentName);

}  // namespace kord::gui
