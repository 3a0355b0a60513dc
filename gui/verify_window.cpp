#include "verify_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

#include "qt_text.h"

namespace kord::gui {
namespace {

struct Limit {
  const char* key;  ///< QSettings key and object name
  int kord::DateCheckSettings::*field;
  int most;
  const char* italian;
  const char* english;
};

constexpr Limit kLimits[] = {
    {"minimumMarriageAge", &kord::DateCheckSettings::minimumMarriageAge, 30, "Eta' minima al matrimonio",
     "Youngest age at marriage"},
    {"minimumParentAge", &kord::DateCheckSettings::minimumParentAge, 30, "Eta' minima di un genitore",
     "Youngest age of a parent"},
    {"maximumMotherAge", &kord::DateCheckSettings::maximumMotherAge, 80, "Eta' della madre da cui segnalare",
     "Mother's age from which to report"},
    {"maximumMonthsAfterFatherDeath", &kord::DateCheckSettings::maximumMonthsAfterFatherDeath, 24,
     "Mesi dopo la morte del padre", "Months after the father's death"},
    {"maximumAgeWithoutDeath", &kord::DateCheckSettings::maximumAgeWithoutDeath, 150,
     "Eta' massima senza data di morte", "Oldest age with no death date"},
};

QString settingsKey(const Limit& limit) { return QStringLiteral("verify/") + QString::fromLatin1(limit.key); }

}  // namespace

VerifyWindow::VerifyWindow(kord::Session& session, QWidget* parent) : SecondaryWindow(parent, Qt::Window), s_(session) {
  setObjectName(QStringLiteral("Verifica_dati"));
  limitsBox_ = new QGroupBox(this);
  auto* grid = new QGridLayout(limitsBox_);
  grid->setHorizontalSpacing(10);
  const kord::DateCheckSettings defaults;
  QSettings remembered;
  for (int i = 0; i < 5; ++i) {
    limitCaptions_[i] = new QLabel(this);
    limits_[i] = new QSpinBox(this);
    limits_[i]->setObjectName(QString::fromLatin1(kLimits[i].key));
    limits_[i]->setRange(0, kLimits[i].most);
    limits_[i]->setValue(remembered.value(settingsKey(kLimits[i]), defaults.*kLimits[i].field).toInt());
    connect(limits_[i], &QSpinBox::valueChanged, this, &VerifyWindow::onLimitChanged);
    grid->addWidget(limitCaptions_[i], i / 2, (i % 2) * 3);
    grid->addWidget(limits_[i], i / 2, (i % 2) * 3 + 1);
  }
  grid->setColumnMinimumWidth(2, 24);
  grid->setColumnStretch(5, 1);
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("Riepilogo"));
  summary_->setWordWrap(true);
  findings_ = new QListWidget(this);
  findings_->setObjectName(QStringLiteral("Risultati"));
  findings_->setAlternatingRowColors(true);
  auto clicked = [this](QListWidgetItem* item) { onFindingClicked(findings_->row(item)); };
  connect(findings_, &QListWidget::itemClicked, this, clicked);
  connect(findings_, &QListWidget::itemActivated, this, clicked);
  recheck_ = new QPushButton(this);
  close_ = new QPushButton(this);
  connect(recheck_, &QPushButton::clicked, this, &VerifyWindow::runCheck);
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(recheck_);
  buttons->addStretch(1);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 12, 14, 12);
  layout->addWidget(limitsBox_);
  layout->addWidget(summary_);
  layout->addWidget(findings_, 1);
  layout->addLayout(buttons);
  resize(760, 420);
}

kord::DateCheckSettings VerifyWindow::settings() const {
  kord::DateCheckSettings chosen;
  for (int i = 0; i < 5; ++i) chosen.*kLimits[i].field = limits_[i]->value();
  return chosen;
}

void VerifyWindow::render() {
  setWindowTitle(displayText(s_.text("Verifica dati", "Check dates")));
  limitsBox_->setTitle(displayText(s_.text("Limiti dei controlli", "Limits of the checks")));
  for (int i = 0; i < 5; ++i) limitCaptions_[i]->setText(displayText(s_.text(kLimits[i].italian, kLimits[i].english)));
  recheck_->setText(displayText(s_.text("Verifica di nuovo", "Check again")));
  close_->setText(displayText(s_.text("Chiudi", "Close")));
}

void VerifyWindow::runCheck() {
  render();
  const kord::DateCheckSettings chosen = settings();
  std::string error;
  shown_ = kord::VerifyDates(s_, chosen, error);
  findings_->clear();
  for (const kord::DateFinding& f : shown_)
    findings_->addItem(displayText(kord::FindingLine(f, s_.tables, chosen, s_.English)));
  if (!error.empty()) {
    summary_->setText(displayText(error));
    return;
  }
  summary_->setText(shown_.empty() ? displayText(s_.text("Nessuna data impossibile.", "No impossible date."))
                                   : utf8Text(std::to_string(shown_.size()) +
                                              s_.text(" segnalazioni; un clic porta l'individuo nel Focus.",
                                                      " findings; a click makes the individual the Focus.")));
}

void VerifyWindow::onLimitChanged() {
  QSettings remembered;
  for (int i = 0; i < 5; ++i) remembered.setValue(settingsKey(kLimits[i]), limits_[i]->value());
  runCheck();
}

void VerifyWindow::onFindingClicked(int row) {
  if (row < 0 || row >= static_cast<int>(shown_.size())) return;
  kord::FocusFinding(s_, shown_[static_cast<std::size_t>(row)]);
  s_.ui.refresh(kord::Window::MainWindow);
}

}  // namespace kord::gui
