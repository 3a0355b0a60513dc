#include "report_fields_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "lists/report.h"
#include "qt_language.h"
#include "qt_text.h"

namespace kord::gui {

ReportFieldsDialog::ReportFieldsDialog(kord::Session& session, QWidget* parent) : QDialog(parent), s_(session) {
  setCaption(this, "Selezione Campi", "Field choice");
  auto* frame = new QGroupBox(QStringLiteral("Select reports fields"), this);
  auto* grid = new QGridLayout(frame);
  for (int i = 0; i < 13; ++i) {
    check1_[i] = new QCheckBox(frame);
    check1_[i]->setObjectName(QStringLiteral("Check1_%1").arg(i));
    grid->addWidget(check1_[i], i % 7, i / 7);
    connect(check1_[i], &QCheckBox::toggled, this, [this, i](bool on) { s_.report.Check1[i] = on; });
  }
  auto* esce = new QPushButton(QStringLiteral("Esce"), this);
  esce->setObjectName(QStringLiteral("Command3D1_0"));
  auto* report = new QPushButton(QStringLiteral("Report"), this);
  report->setObjectName(QStringLiteral("Command3D1_1"));
  report->setDefault(true);
  connect(esce, &QPushButton::clicked, this, [this] { press(kord::ReportFieldsButton::Close); });
  connect(report, &QPushButton::clicked, this, [this] { press(kord::ReportFieldsButton::Report); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(esce);
  buttons->addWidget(report);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addLayout(buttons);
}

void ReportFieldsDialog::render() {
  for (int i = 0; i < 13; ++i) {
    check1_[i]->setText(displayText(s_.report.checkCaptions[i]));
    check1_[i]->setChecked(s_.report.Check1[i]);
  }
}

void ReportFieldsDialog::press(kord::ReportFieldsButton button) {
  QDialog::accept();
  PressReportFieldsButton(s_, button);
}

void ReportFieldsDialog::reject() {
  QDialog::reject();
  PressReportFieldsButton(s_, kord::ReportFieldsButton::Close);
}

}  // namespace kord::gui
