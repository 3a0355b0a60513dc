#pragma once
/// The report grid "Rapporto": captions in row 0, one row per record, with
/// saving as comma-separated text and printing as text lines.

#include <QWidget>

#include "secondary_window.h"
#include "session/session.h"

class QTableWidget;

namespace kord::gui {

class ReportGridWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit ReportGridWindow(kord::Session& session, QWidget* parent = nullptr);

  /// Shows Session::report's grid; column widths from twips (15 to a pixel).
  void render() override;

  /// Writes the grid as CSV to `path`; returns an error text, empty on success.
  std::string saveCsv(const std::string& path) const;

 private:
  void askAndSave();
  void print();

  kord::Session& s_;
  QTableWidget* grid1_ = nullptr;
};

}  // namespace kord::gui
