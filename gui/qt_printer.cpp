#include "qt_printer.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRawFont>
#include <QWidget>

#include <algorithm>

#include "db/codepage.h"
#include "db/file_set.h"
#include "desktop_open.h"
#include "qt_text.h"

namespace kord::gui {
namespace {

/// Checks the family's own glyphs: a fallback font drawing them does not
/// count, because the printout uses only the chosen font.
bool hasBoxDrawing(const QString& family) {
  QFont font(family);
  font.setStyleStrategy(QFont::NoFontMerging);
  QRawFont raw = QRawFont::fromFont(font);
  if (!raw.isValid()) return false;
  for (char16_t c : {u'\u2502', u'\u251C', u'\u2514', u'\u2500'})
    if (!raw.supportsCharacter(QChar(c))) return false;
  return true;
}

bool isLineDrawingFont(const QString& family) { return QFontDatabase::isFixedPitch(family) && hasBoxDrawing(family); }

/// A document name as a file name: path separators and other characters
/// that do not belong in a file name become "_".
std::string pdfFileName(const std::string& documentName) {
  std::string name = Cp1252ToUtf8(documentName);
  for (char& c : name)
    if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' || c == '|')
      c = '_';
  if (name.empty() || name == "." || name == "..") name = "Stampa";
  return name + ".pdf";
}

}  // namespace

QString lineDrawingFamily() {
  const QStringList families = QFontDatabase::families();
  const QString preferred = QStringLiteral("DejaVu Sans Mono");
  if (families.contains(preferred) && isLineDrawingFont(preferred)) return preferred;
  for (const QString& family : families)
    if (isLineDrawingFont(family)) return family;
  return {};
}

bool QtPrinter::setFontName(const std::string& name) {
  QString family = utf8Text(name);
  if (name == "Terminal") {
    family = lineDrawingFamily();
    if (family.isEmpty()) return false;
  } else if (!QFontDatabase::families().contains(family, Qt::CaseInsensitive)) {
    return false;
  }
  font_.setFamily(family);
  return true;
}

void QtPrinter::setFontSize(int points) {
  if (points > 0) font_.setPointSize(points);
}

void QtPrinter::setBold(bool bold) { font_.setBold(bold); }

void QtPrinter::printLine(const std::string& drawing, const std::string& text) {
  lines_.push_back({utf8Text(TreeBytesToUtf8(drawing) + Cp1252ToUtf8(text)), font_, false});
}

void QtPrinter::newPage() { lines_.push_back({QString(), font_, true}); }

bool QtPrinter::paint(const std::string& folder, const std::string& documentName, std::string& pdfPath,
                      const std::function<void(QPagedPaintDevice&, QPainter&)>& draw) {
  failure_ = {};
  QPrinterInfo system = QPrinterInfo::defaultPrinter();
  if (!alwaysPdf_ && !system.isNull()) {
    QPrinter printer(system, QPrinter::HighResolution);
    printer.setDocName(displayText(documentName));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    draw(printer, painter);
    return painter.end();
  }
  // The PDF is made in memory and written as a whole file, so that a link
  // under its name is replaced, not followed, and a failure is known.
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  bool painted = false;
  {
    QPdfWriter writer(&pdf);
    writer.setTitle(displayText(documentName));
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter;
    if (painter.begin(&writer)) {
      draw(writer, painter);
      painted = painter.end();
    }
  }
  if (!painted) return false;
  const std::string path = folder + pdfFileName(documentName);
  const QByteArray& bytes = pdf.data();
  failure_ = WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!failure_) {
    pdfPath = path;
    notePdfWritten(pathText(path));
  }
  return !failure_;
}

std::string QtPrinter::endDoc(const std::string& folder, const std::string& documentName) {
  if (lines_.empty()) return {};
  std::vector<Line> lines;
  lines.swap(lines_);
  std::string pdfPath;
  paint(folder, documentName, pdfPath, [&lines](QPagedPaintDevice& device, QPainter& painter) {
    const int top = device.height() / 20, left = device.width() / 15;
    int y = top;
    for (const Line& line : lines) {
      painter.setFont(QFont(line.font, &device));
      int step = painter.fontMetrics().lineSpacing();
      if (line.pageBreak || y + step > device.height() - top) {
        device.newPage();
        y = top;
        if (line.pageBreak) continue;
      }
      painter.drawText(left, y + painter.fontMetrics().ascent(), line.text);
      y += step;
    }
  });
  return pdfPath;
}

std::string QtPrinter::printImage(const QImage& image, const std::string& folder, const std::string& documentName) {
  std::string pdfPath;
  paint(folder, documentName, pdfPath, [&image](QPagedPaintDevice& device, QPainter& painter) {
    QSize size = image.size().scaled(device.width() * 9 / 10, device.height() * 9 / 10, Qt::KeepAspectRatio);
    painter.drawImage(QRect(QPoint(device.width() / 20, device.height() / 20), size), image);
  });
  return pdfPath;
}

std::string QtPrinter::printWidget(QWidget& window, const std::string& folder, const std::string& documentName) {
  std::string pdfPath;
  paint(folder, documentName, pdfPath, [&window](QPagedPaintDevice& device, QPainter& painter) {
    const QRect page(device.width() / 20, device.height() / 20, device.width() * 9 / 10, device.height() * 9 / 10);
    const QSize size = window.size();
    const double scale = std::min(page.width() / double(size.width()), page.height() / double(size.height()));
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    window.render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
  });
  return pdfPath;
}

}  // namespace kord::gui
