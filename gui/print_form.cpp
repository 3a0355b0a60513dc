#include "print_form.h"

#include <QWidget>

#include "db/codepage.h"

namespace kord::gui {

QImage formImage(QWidget& window, int scale) {
  QImage image(window.size() * scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(window.palette().color(QPalette::Window));
  window.render(&image);
  return image;
}

void printForm(kord::Session& s, QtPrinter& printer, QWidget& window, const std::string& documentName) {
  // Without a database there is no folder a PDF may go to.
  if (s.DbFolder.empty()) {
    s.ui.message(s.text("Nessun database aperto", "No database open"));
    return;
  }
  const std::string file = printer.printWidget(window, s.DbFolder, documentName);
  kord::ReportOutputFailure(s, printer.lastFailure());
  if (!file.empty())
    s.ui.message(s.text("Stampa salvata nel file ", "Printout saved to the file ") + kord::Utf8ToCp1252(file));
}

}  // namespace kord::gui
