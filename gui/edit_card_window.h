#pragma once
/// The editing card "Modifica scheda": Text1(0) the record number, Text1(1..13)
/// one editor per record field (the notes on several lines, the sex as a
/// small choice), three choosers for the first parent, the second parent and
/// the spouse, and "Salva" / "Annulla". Saving converts what was typed to
/// record text; a character a record cannot hold is named and nothing is
/// saved.

#include <QWidget>
#include <array>
#include <string>

#include "secondary_window.h"
#include "session/session.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kord::gui {

class EditCardWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit EditCardWindow(kord::Session& session, QWidget* parent = nullptr);

  /// Fills every editor and chooser from Session::editCard; what was typed
  /// before is replaced.
  void render() override;

 protected:
  void showEvent(QShowEvent* event) override;
  /// Escape is "Annulla": an unsaved new individual is given back.
  void onClose() override;

 private:
  QGroupBox* buildFields();
  QGroupBox* buildLinks();
  QComboBox* addLinkChooser(const char* objectName);
  void renderCaptions();
  /// The typing limits: each line as long as its field, a mark beside a
  /// date the program cannot read.
  void limitTyping();
  void markDate(int field);
  /// Cuts the notes to what their field holds (a line break takes two).
  void limitNotes();

  /// What was typed in field f, as the person sees it.
  QString typedText(int field) const;
  /// The typed fields as record text; false (after saying which field) when
  /// one holds a character a record cannot.
  bool readFields(std::array<std::string, 14>& texts);
  /// The individual a chooser names (-1 for none); false (after saying so)
  /// when the text names nobody.
  bool readLink(const QComboBox* chooser, const QLabel* caption, int& link);

  void onSave();

  kord::Session& s_;
  std::array<QLabel*, 14> captions_{};
  std::array<QLineEdit*, 14> lines_{};    ///< Text1(0..11); notes and sex differ
  std::array<QAction*, 14> dateMarks_{};  ///< the marks of the date fields
  QPlainTextEdit* notes_ = nullptr;       ///< Text1(12)
  QComboBox* sex_ = nullptr;              ///< Text1(13)
  std::array<QComboBox*, 3> links_{};     ///< first parent, second parent, spouse
  std::array<QLabel*, 3> linkCaptions_{};
  QCheckBox* bothWays_ = nullptr;
  QGroupBox* fieldsBox_ = nullptr;
  QGroupBox* linksBox_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace kord::gui
