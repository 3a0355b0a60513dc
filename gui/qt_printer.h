#pragma once
/// The core's printer with Qt. Lines are collected until the document ends;
/// then they go to the system's default printer, or, where the system has
/// none, to a PDF file in the database folder named after the document.
/// "Terminal" stands for a fixed-pitch font that has the box-drawing
/// characters the tree lines are drawn with.

#include <QFont>
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

#include "session/ui.h"

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace kord::gui {

/// The installed family that stands in for "Terminal": DejaVu Sans Mono when
/// it is there, else the first fixed-pitch family with the glyphs U+2502,
/// U+251C, U+2514 and U+2500. Empty when the system has none.
QString lineDrawingFamily();

class QtPrinter : public kord::Printer {
 public:
  /// "Terminal" succeeds when lineDrawingFamily() finds a font; any other
  /// name when the system has that family. A failed choice keeps the font.
  bool setFontName(const std::string& name) override;
  void setFontSize(int points) override;
  void setBold(bool bold) override;
  void printLine(const std::string& drawing, const std::string& text) override;
  void newPage() override;
  std::string endDoc(const std::string& folder, const std::string& documentName) override;
  /// The PDF file the last document could not write (endDoc, printImage, printWidget).
  OutputFailure lastFailure() const override { return failure_; }

  /// Prints a window's image as a document of its own; same destination
  /// rules as endDoc. Returns the PDF file written, if any.
  std::string printImage(const QImage& image, const std::string& folder, const std::string& documentName);
  /// Prints a window as it looks ("Print Form"), drawn as vectors so that its
  /// texts stay text in a PDF. Same destination rules and result as endDoc.
  std::string printWidget(QWidget& window, const std::string& folder, const std::string& documentName);

  /// The font chosen last (the application font before any choice).
  const QFont& font() const { return font_; }
  /// Forces the PDF destination even where a printer exists (tests).
  void setAlwaysPdf(bool pdf) { alwaysPdf_ = pdf; }

 private:
  struct Line {
    QString text;
    QFont font;
    bool pageBreak = false;
  };

  /// A printer for the system's default, or a PDF file in `folder`;
  /// `pdfPath` is set in the second case once the file is written.
  bool paint(const std::string& folder, const std::string& documentName, std::string& pdfPath,
             const std::function<void(QPagedPaintDevice&, QPainter&)>& draw);

  QFont font_;
  std::vector<Line> lines_;
  bool alwaysPdf_ = false;
  OutputFailure failure_;
};

}  // namespace kord::gui
