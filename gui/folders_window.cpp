#include "folders_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "desktop_open.h"
#include "qt_text.h"

namespace kord::gui {

FoldersWindow::FoldersWindow(kord::Session& session, QWidget* parent)
    : SecondaryWindow(parent, Qt::Window), s_(session) {
  setObjectName(QStringLiteral("Directory_attuali"));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(14, 12, 14, 12);
  const char* names[] = {"ApriDatabase", "ApriModelli"};
  for (int row = 0; row < 2; ++row) {
    captions_[row] = new QLabel(this);
    paths_[row] = new QLabel(this);
    paths_[row]->setTextFormat(Qt::PlainText);
    paths_[row]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    open_[row] = new QPushButton(this);
    open_[row]->setObjectName(QString::fromLatin1(names[row]));
    connect(open_[row], &QPushButton::clicked, this, [this, row] { openOnDesktop(paths_[row]->text()); });
    grid->addWidget(captions_[row], row, 0);
    grid->addWidget(paths_[row], row, 1);
    grid->addWidget(open_[row], row, 2);
  }
  close_ = new QPushButton(this);
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
  grid->addWidget(close_, 2, 2);
  grid->setColumnStretch(1, 1);
  render();
}

void FoldersWindow::render() {
  setWindowTitle(displayText(s_.text("Directory files attuali", "Folders")));
  captions_[0]->setText(displayText(s_.text("Cartella del database:", "Database folder:")));
  captions_[1]->setText(displayText(s_.text("Cartella dei modelli HTML:", "HTML template folder:")));
  paths_[0]->setText(pathText(s_.DbFolder));
  paths_[1]->setText(pathText(s_.TemplateFolder));
  for (int row = 0; row < 2; ++row) {
    open_[row]->setText(displayText(s_.text("Apri", "Open")));
    open_[row]->setEnabled(!paths_[row]->text().isEmpty());
  }
  close_->setText(displayText(s_.text("Chiudi", "Close")));
}

}  // namespace kord::gui
