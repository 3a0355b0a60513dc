#pragma once
/// The secondary record card "Scheda Anagrafica secondaria": the second
/// selection NInd(1) with its photograph, without notes, and "Stampa Form".

#include <QWidget>

#include "qt_printer.h"
#include "session/session.h"
#include "window_set.h"

class QPushButton;

namespace kord::gui {

class CardForm;

class Skeda2 : public QWidget, public ModelWindow {
  Q_OBJECT

 public:
  Skeda2(kord::Session& session, QtPrinter& printer, QWidget* parent = nullptr);

  /// The card from Session::skeda2 with the session's captions.
  void render() override;

 protected:
  /// A closed card forgets the record it showed, so that the next refresh
  /// of the focus panel brings it back.
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void onPrint();

  kord::Session& s_;
  QtPrinter& printer_;
  CardForm* form_ = nullptr;
  QPushButton* print_ = nullptr;
};

}  // namespace kord::gui
