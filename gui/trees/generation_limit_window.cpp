#include "generation_limit_window.h"

#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "qt_language.h"
#include "qt_text.h"
#include "trees/tree_windows.h"

namespace kord::gui {
namespace {

/// Whole numbers of the range only: a number above it ("35") is refused
/// while typed, not left half-accepted.
class GenerationValidator : public QIntValidator {
 public:
  explicit GenerationValidator(QObject* parent) : QIntValidator(0, kord::kMaxGenerationLimit, parent) {}
  State validate(QString& text, int& pos) const override {
    const State state = QIntValidator::validate(text, pos);
    return state == Intermediate && !text.isEmpty() ? Invalid : state;
  }
};

}  // namespace

GenerationLimitWindow::GenerationLimitWindow(kord::Session& session, QWidget* parent)
    : SecondaryWindow(parent), s_(session) {
  setCaption(this, "Generazioni", "Generations");
  label_ = new QLabel(this);
  genValore_ = new QLineEdit(this);
  genValore_->setObjectName(QStringLiteral("Gen_Valore"));
  genValore_->setAlignment(Qt::AlignRight);
  // Only whole numbers of the range can be typed at all.
  genValore_->setValidator(new GenerationValidator(genValore_));
  label_->setBuddy(genValore_);
  // Edited, not changed: render's own setText must not count as typing.
  connect(genValore_, &QLineEdit::textEdited, this,
          [this](const QString& text) { kord::GenValoreChange(s_, coreText(text)); });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 12, 14, 12);
  layout->addWidget(label_);
  layout->addWidget(genValore_);
  setMinimumWidth(260);
  render();
}

void GenerationLimitWindow::render() {
  label_->setText(displayText(s_.text("Generazioni dei discendenti da mostrare (da 0 a 30):",
                                      "Generations of descendants to show (0 to 30):")));
  const QString value = displayText(s_.generationLimit.Gen_Valore);
  if (genValore_->text() != value) genValore_->setText(value);
}

void GenerationLimitWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  genValore_->setFocus(Qt::OtherFocusReason);
  genValore_->selectAll();
}

void GenerationLimitWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: close(); return;
    default: SecondaryWindow::keyPressEvent(event);
  }
}

void GenerationLimitWindow::onClose() {
  // A box left empty shows the limit in force again.
  kord::GenValoreChange(s_, std::to_string(s_.MaxGenerations));
  render();
  s_.generationLimit.visible = false;
}

}  // namespace kord::gui
