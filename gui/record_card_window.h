#pragma once
/// The record cards. For the focus NInd(0): "Scheda Anagrafica", with its
/// photograph, field captions the person can rename and save (Command1
/// "Save edited Labels"), the first common relatives of the last kinship
/// search PrimoParNome(0..2) with the relationship line under them, the
/// kinship button FindCommonKin(0), the hover help Help(0) and "Stampa
/// Form". For the second selection NInd(1): "Scheda Anagrafica
/// secondaria", with its photograph, without notes, and "Stampa Form".

#include <array>
#include <optional>

#include "qt_printer.h"
#include "records/focus_panel.h"
#include "secondary_window.h"
#include "session/session.h"

class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

namespace kord::gui {

class CardForm;

class RecordCardWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  RecordCardWindow(kord::Session& session, QtPrinter& printer, kord::Selection selection, QWidget* parent = nullptr);

  /// The card, the captions, the common relatives and the texts of the
  /// current language, from the session.
  void render() override;

  /// Shows hover-help label k under the buttons; -1 empties the help line.
  void ShowHelp(int k);
  int shownHelp() const { return shownHelp_; }

 protected:
  /// A closed card forgets the record it showed, so that the next refresh
  /// of the focus panel brings it back.
  void onClose() override;
  /// Double clicks on PrimoParNome(0..1) and the hover help.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool isFocus() const { return selection_ == kord::Selection::Focus; }
  kord::CardModel& card() const { return isFocus() ? s_.focusCard : s_.secondCard; }

  QWidget* buildCommonRelatives();
  QWidget* buildCommands();
  QLayout* buildPrintRow();
  QPushButton* addButton(const QString& objectName, QWidget* parent);
  void renderFocusExtras();

  /// A double click on PrimoParNome(box): the common relative becomes the
  /// focus when there is one; the panel is refreshed in any case.
  void onCommonDoubleClick(int box);
  void onParentele();
  void onSaveLabels();
  void onPrint();

  kord::Session& s_;
  QtPrinter& printer_;
  kord::Selection selection_;
  CardForm* form_ = nullptr;
  std::array<QLineEdit*, 2> common_{};
  QLabel* commonHeading_ = nullptr;
  QLabel* relationship_ = nullptr;  ///< how the second selection is related to the focus
  QPushButton* parentele_ = nullptr;
  QPushButton* saveLabels_ = nullptr;
  QPushButton* print_ = nullptr;
  QLabel* help_ = nullptr;
  int shownHelp_ = -1;
};

}  // namespace kord::gui
