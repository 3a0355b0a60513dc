#pragma once
/// The main record card "Scheda Anagrafica": the focus individual NInd(0)
/// with its photograph, field captions the person can rename and save
/// (Command1 "Save edited Labels"), the first common relatives of the last
/// kinship search PrimoParNome(0..2) with the relationship line under them,
/// the kinship button FindCommonKin(0), the
/// hover help Help(0) and "Stampa Form".

#include <QWidget>
#include <array>

#include "qt_printer.h"
#include "session/session.h"
#include "window_set.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kord::gui {

class CardForm;

class Skeda : public QWidget, public ModelWindow {
  Q_OBJECT

 public:
  Skeda(kord::Session& session, QtPrinter& printer, QWidget* parent = nullptr);

  /// The card, the captions, the common relatives and the texts of the
  /// current language, from the session.
  void render() override;

  /// Shows hover-help label k under the buttons; -1 empties the help line.
  void ShowHelp(int k);
  int shownHelp() const { return shownHelp_; }

 protected:
  /// A closed card forgets the record it showed, so that the next refresh
  /// of the focus panel brings it back.
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  /// Double clicks on PrimoParNome(0..1) and the hover help.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildCommonRelatives();
  QWidget* buildCommands();
  QPushButton* addButton(const QString& objectName, QWidget* parent);

  /// A double click on PrimoParNome(box): the common relative becomes the
  /// focus when there is one; the panel is refreshed in any case.
  void onCommonDoubleClick(int box);
  void onParentele();
  void onSaveLabels();
  void onPrint();

  kord::Session& s_;
  QtPrinter& printer_;
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
