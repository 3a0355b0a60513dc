#include "sort_key_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "book/book_commands.h"
#include "qt_language.h"
#include "qt_text.h"

namespace kord::gui {
namespace {

constexpr int kFirstOption = 3;
constexpr int kLastOption = 13;

/// The caption of option i: the field it sorts by. Options 3..12 follow the
/// record's dates and places; 13, the sex, takes the last caption.
int captionOf(int option) { return option == kLastOption ? 13 : option - 1; }

}  // namespace

SortKeyDialog::SortKeyDialog(kord::Session& session, QWidget* parent) : QDialog(parent), s_(session) {
  setObjectName(QStringLiteral("SchedaSort1"));
  setCaption(this, "Selezione Sort", "Sort choice");
  frame_ = new QGroupBox(this);
  auto* grid = new QGridLayout(frame_);
  auto* group = new QButtonGroup(this);
  // A date beside its place: birth, baptism, marriage, death, burial, sex.
  for (int i = kFirstOption; i <= kLastOption; ++i) {
    options_[i] = new QRadioButton(frame_);
    options_[i]->setObjectName(QStringLiteral("Option3D1_%1").arg(i));
    group->addButton(options_[i], i);
    grid->addWidget(options_[i], (i - kFirstOption) / 2, (i - kFirstOption) % 2);
  }
  const QStyle::StandardPixmap icons[] = {QStyle::SP_DialogCloseButton, QStyle::SP_DialogApplyButton};
  for (int i = 0; i < 2; ++i) {
    commands_[i] = new QPushButton(style()->standardIcon(icons[i]), QString(), this);
    commands_[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
  }
  connect(commands_[0], &QPushButton::clicked, this, &SortKeyDialog::onClose);
  connect(commands_[1], &QPushButton::clicked, this, &SortKeyDialog::onRun);
  commands_[1]->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(commands_[1]);
  buttons->addWidget(commands_[0]);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame_);
  layout->addLayout(buttons);
  render();
}

void SortKeyDialog::render() {
  for (int i = kFirstOption; i <= kLastOption; ++i)
    options_[i]->setText(displayText(s_.tables.FieldCaptions[captionOf(i)]));
  frame_->setTitle(displayText(s_.text("Ordina il libro per", "Sort the book by")));
  commands_[0]->setText(displayText(s_.text("Chiudi", "Close")));
  commands_[1]->setText(displayText(s_.text("Ordina", "Sort")));
  // An exclusive group keeps one option set; it lets go only while open.
  auto* group = options_[kFirstOption]->group();
  group->setExclusive(false);
  for (int i = kFirstOption; i <= kLastOption; ++i) options_[i]->setChecked(false);
  group->setExclusive(true);
  commands_[1]->setFocus();
}

int SortKeyDialog::chosenSortKey() const {
  for (int i = kFirstOption; i <= kLastOption; ++i)
    if (options_[i]->isChecked()) return i + 1;
  return 0;
}

void SortKeyDialog::reject() { onClose(); }

void SortKeyDialog::onRun() {
  const int key = chosenSortKey();
  // Without a choice the core says so and the window stays for the choice.
  if (key >= 1) hide();
  kord::SortedBookRun(s_, key);
}

void SortKeyDialog::onClose() {
  s_.individuals.close();
  hide();
  kord::SortedBookClose(s_);
}

}  // namespace kord::gui
