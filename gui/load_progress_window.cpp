#include "load_progress_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QVBoxLayout>

#include "qt_language.h"
#include "qt_text.h"

namespace kord::gui {

LoadProgressWindow::LoadProgressWindow(const kord::Session& session, QWidget* parent) : QWidget(parent), s_(session) {
  setCaption(this, "Legge Genealogia", "Reading the database");
  auto* frame = new QGroupBox(QStringLiteral("Lettura Files di database in corso"), this);
  auto* grid = new QGridLayout(frame);
  grid->setHorizontalSpacing(12);
  const char* captions[][2] = {{"Individui", "Individuals"}, {"Discendenze", "Descendants"}, {"Coniugi", "Spouses"}};
  const char* textNames[] = {"FileI", "FileC", "FileS"};
  for (int i = 0; i < 3; ++i) {
    gauges_[i] = new QProgressBar(frame);
    gauges_[i]->setObjectName(QStringLiteral("Gauge1_%1").arg(i));
    gauges_[i]->setRange(0, 20);
    gauges_[i]->setTextVisible(false);
    texts_[i] = new QLineEdit(frame);
    texts_[i]->setObjectName(QString::fromLatin1(textNames[i]));
    texts_[i]->setReadOnly(true);
    texts_[i]->setMinimumWidth(240);
    auto* caption = new QLabel(frame);
    setCaption(caption, captions[i][0], captions[i][1]);
    grid->addWidget(caption, i, 0);
    grid->addWidget(gauges_[i], i, 1);
    grid->addWidget(texts_[i], i, 2);
  }
  grid->setColumnStretch(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  resize(560, sizeHint().height());
}

void LoadProgressWindow::render() {
  for (int i = 0; i < 3; ++i) {
    gauges_[i]->setValue(s_.progress.Gauge1[i]);
    texts_[i]->setText(displayText(s_.progress.FileText[i]));
  }
}

}  // namespace kord::gui
