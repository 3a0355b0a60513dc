#pragma once
/// The body of a record card, shared by "Scheda Anagrafica" and its
/// secondary twin: the field captions Label3D3(0..13), the values
/// Label3D2(0..12) (Num, Name, Sex, then BirthDate..BurialPlace), the notes
/// Text1 and the photograph Picture1 beside the fields.

#include <QGroupBox>
#include <QString>
#include <array>

#include "db/tables.h"
#include "views/card_model.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace kord::gui {

class CardForm : public QGroupBox {
  Q_OBJECT

 public:
  struct Options {
    bool editableCaptions = false;  ///< captions 1..13 can be renamed in place
    bool notes = true;              ///< the notes box Text1 is there
    /// The object name of the name value ("Label3D2_1"; the secondary card
    /// calls it "Text2_1").
    QString nameBox = QStringLiteral("Label3D2_1");
  };

  explicit CardForm(const Options& options, QWidget* parent = nullptr);

  /// Shows the card's values and the captions. A caption the person has
  /// changed and not saved yet stays as typed. The photograph changes only
  /// when card.picturePath names a picture that loads.
  void render(const kord::CardModel& card, const kord::Captions& captions);

  /// The caption of field f as it reads on screen (0 is always "N.").
  QString captionText(int field) const;
  /// The captions on screen are now the saved ones.
  void markCaptionsSaved();

  QLabel* picture() const { return picture_; }

 private:
  QWidget* buildFields();
  QWidget* makeCaption(int field);
  QLabel* makeValue(int position, int minimumChars);
  void renderPicture(const std::string& path);

  Options options_;
  std::array<QLineEdit*, kord::kFieldCount> captionEdits_{};  ///< editable captions
  std::array<QLabel*, kord::kFieldCount> captionLabels_{};    ///< fixed captions
  std::array<QLabel*, 13> values_{};                          ///< Label3D2(0..12)
  QPlainTextEdit* notes_ = nullptr;
  QLabel* picture_ = nullptr;
};

}  // namespace kord::gui
