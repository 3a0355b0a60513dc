#include "navigator_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "navigator_chart.h"
#include "print_form.h"
#include "qt_text.h"
#include "records/focus_panel.h"
#include "records/record_card.h"

namespace kord::gui {
namespace {

/// The first line of a box text, for naming a printout.
std::string firstLine(const std::string& text) { return text.substr(0, text.find('\r')); }

}  // namespace

NavigatorWindow::NavigatorWindow(kord::Session& session, QtPrinter& printer, bool withPictures, QWidget* parent)
    : SecondaryWindow(parent), s_(session), printer_(printer) {
  setWindowTitle(QStringLiteral("Navigate"));
  chart_ = new NavigatorChart(withPictures, this);
  connect(chart_, &NavigatorChart::boxClicked, this, &NavigatorWindow::onBoxClicked);
  print_ = new QPushButton(style()->standardIcon(QStyle::SP_FileIcon), QString(), this);
  print_->setObjectName(QStringLiteral("SSCommand1"));
  close_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QString(), this);
  close_->setObjectName(QStringLiteral("SSCommand2"));
  connect(print_, &QPushButton::clicked, this, &NavigatorWindow::onPrint);
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(print_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->addWidget(chart_, 1);
  layout->addLayout(buttons);
  // Only the children and the details grow: the chart starts compact.
  resize(minimumSizeHint());
}

void NavigatorWindow::render() {
  chart_->render(boxes(), pictures(), s_.English);
  print_->setText(displayText(s_.text("Stampa Form", "Print Form")));
  close_->setText(displayText(s_.text("Chiudi", "Close")));
}

void NavigatorWindow::onBoxClicked(int box, int caretPos) {
  clickBox(box, caretPos);
  // The core repaints through the Ui; a window not wired to it still shows
  // the new focus.
  render();
}

void NavigatorWindow::onPrint() {
  const std::string focus = firstLine(boxes()[0]);
  printForm(s_, printer_, *this, "Navigate" + (focus.empty() ? std::string() : " - " + focus));
}

void NavigatorWindow::onClose() {
  shownFlag() = false;
  kord::ShowFocusPanel(s_);
  if (s_.windowState > kord::kStateIdle) kord::ShowRecordCard(s_);
}

}  // namespace kord::gui
