#include "skeda2_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "keyboard.h"
#include "card_form.h"
#include "print_form.h"
#include "window_place.h"
#include "qt_language.h"

namespace kord::gui {

Skeda2::Skeda2(kord::Session& session, QtPrinter& printer, QWidget* parent)
    : QWidget(parent), s_(session), printer_(printer) {
  setCaption(this, "Scheda Anagrafica secondaria", "Secondary record card");
  setAttribute(Qt::WA_ShowWithoutActivating);
  form_ = new CardForm({.editableCaptions = false, .notes = false, .nameBox = QStringLiteral("Text2_1")}, this);
  form_->setTitle(QStringLiteral("Scelta secondaria"));
  print_ = new QPushButton(this);
  print_->setObjectName(QStringLiteral("StampaForm"));
  pressOnKeys(this, QKeySequence::Print, print_);
  connect(print_, &QPushButton::clicked, this, &Skeda2::onPrint);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(print_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 10, 12, 10);
  layout->setSpacing(10);
  layout->addWidget(form_);
  layout->addLayout(buttons);
  render();
}

void Skeda2::render() {
  form_->render(s_.secondCard, s_.tables.FieldCaptions);
  print_->setText(QString::fromStdString(s_.text("Stampa Form", "Print Form")));
  growToFit(*this);
}

void Skeda2::onPrint() {
  const std::string& name = s_.secondCard.values[kord::Name];
  printForm(s_, printer_, *this, "Scheda Anagrafica secondaria" + (name.empty() ? std::string() : " - " + name));
}

void Skeda2::closeEvent(QCloseEvent* event) {
  s_.secondCard.visible = false;
  s_.cachedSecondRecord.reset();
  QWidget::closeEvent(event);
}

void Skeda2::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace kord::gui
