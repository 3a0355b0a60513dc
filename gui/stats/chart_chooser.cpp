#include "chart_chooser.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "qt_language.h"
#include "stats/statistics_command.h"

namespace kord::gui {

ChartChooser::ChartChooser(kord::Session& session, QWidget* parent) : QDialog(parent), s_(session) {
  setCaption(this, "Scelta tipo di Grafico", "Chart choice");
  auto* frame = new QGroupBox(this);
  setCaption(frame, "Statistica da generare", "Statistic to produce");
  auto* column = new QVBoxLayout(frame);
  auto* group = new QButtonGroup(this);
  const char* captions[] = {"Grafico per secoli", "Grafico per decenni"};
  for (int i = 0; i < 2; ++i) {
    options_[i] = new QRadioButton(QString::fromLatin1(captions[i]), frame);
    options_[i]->setObjectName(QStringLiteral("Option3D1_%1").arg(i));
    group->addButton(options_[i], i);
    column->addWidget(options_[i]);
  }
  setHoverHelp(options_[0], "Nati per secolo e sesso", "Births by century and sex");
  setHoverHelp(options_[1], "Individui per decenni di età e sesso", "Individuals by decade of age and sex");

  const QStyle::StandardPixmap icons[] = {QStyle::SP_DialogApplyButton, QStyle::SP_DialogCloseButton};
  const char* labels[] = {"Genera", "Chiudi"};
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (int i = 0; i < 2; ++i) {
    commands_[i] = new QPushButton(style()->standardIcon(icons[i]), QString::fromLatin1(labels[i]), this);
    commands_[i]->setObjectName(QStringLiteral("Command3D1_%1").arg(i));
    connect(commands_[i], &QPushButton::clicked, this, [this, i] { onCommand(i); });
    buttons->addWidget(commands_[i]);
  }
  commands_[0]->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addLayout(buttons);
  setMinimumWidth(320);
}

void ChartChooser::render() {
  // An exclusive group keeps one option set; it lets go only while open.
  auto* group = options_[0]->group();
  group->setExclusive(false);
  for (QRadioButton* option : options_) option->setChecked(false);
  group->setExclusive(true);
  commands_[0]->setFocus();
}

kord::ChosenStatistic ChartChooser::chosenOption() const {
  if (options_[0]->isChecked()) return kord::kCenturyStatistic;
  if (options_[1]->isChecked()) return kord::kDecadeStatistic;
  return kord::kNoStatistic;
}

void ChartChooser::reject() { onCommand(1); }

void ChartChooser::onCommand(int button) {
  kord::RunChosenStatistic(s_, button == 0 ? kord::ChartChooserButton::Run : kord::ChartChooserButton::Close,
                           chosenOption());
}

}  // namespace kord::gui
