#pragma once
/// The name search "Lista Nomi Individui": the person types the first
/// letters of a name in InputNome, picks from selezionati and sees the
/// choice with its parents, spouse and children. The choice goes into
/// NInd(Toggle); "OK" (btnSelezioneOK) confirms it, Command3D1 prints the
/// window.

#include <QWidget>

#include "qt_printer.h"
#include "secondary_window.h"
#include "session/session.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

namespace kord::gui {

class NameSearchWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  NameSearchWindow(kord::Session& session, QtPrinter& printer, QWidget* parent = nullptr);

  /// The caption, the search text, the list and the four detail boxes from
  /// Session::nameSearch. The search text the person is typing is left alone
  /// when it already says the same.
  void render() override;

 protected:
  /// The typing goes to InputNome at once.
  void showEvent(QShowEvent* event) override;
  /// Closing by the frame or Escape discards the search: the next use starts
  /// with empty controls.
  void onClose() override;
  /// Enter confirms.
  void keyPressEvent(QKeyEvent* event) override;
  /// A double click anywhere on the list: the click before it has already
  /// replaced the entries, so it cannot be tied to one of them.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildSelection();
  QWidget* buildDetails();
  QPlainTextEdit* addDetailBox(const char* objectName);

  void onTyped(const QString& text);
  void onClicked(QListWidgetItem* item);
  void onDoubleClicked();
  void onConfirm();
  void onPrint();
  /// The main window shows the focus too.
  void focusMoved();

  kord::Session& s_;
  QtPrinter& printer_;
  QLineEdit* inputNome_ = nullptr;
  QListWidget* selezionati_ = nullptr;
  QLineEdit* individuo_ = nullptr;
  QPlainTextEdit* genitori_ = nullptr;
  QPlainTextEdit* coniugi_ = nullptr;
  QPlainTextEdit* figli_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* print_ = nullptr;
};

}  // namespace kord::gui
