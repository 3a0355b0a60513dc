#include "app_style.h"

#include <QApplication>
#include <QPalette>
#include <QSettings>
#include <QStyleFactory>

namespace kord::gui {
namespace {

QPalette lightPalette() {
  QPalette p;
  p.setColor(QPalette::Window, QColor(0xf4, 0xf5, 0xf2));
  p.setColor(QPalette::WindowText, QColor(0x1f, 0x2a, 0x24));
  p.setColor(QPalette::Base, Qt::white);
  p.setColor(QPalette::AlternateBase, QColor(0xee, 0xf1, 0xec));
  p.setColor(QPalette::Text, QColor(0x1f, 0x2a, 0x24));
  p.setColor(QPalette::Button, QColor(0xfb, 0xfb, 0xf9));
  p.setColor(QPalette::ButtonText, QColor(0x1f, 0x2a, 0x24));
  p.setColor(QPalette::Highlight, QColor(0x2e, 0x6b, 0x4f));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::ToolTipBase, QColor(0xff, 0xfd, 0xe8));
  p.setColor(QPalette::ToolTipText, QColor(0x1f, 0x2a, 0x24));
  return p;
}

const char* kStyleSheet = R"(
QGroupBox {
  font-weight: bold;
  border: 1px solid #c9d1c8;
  border-radius: 6px;
  margin-top: 12px;
  padding: 8px 6px 6px 6px;
  background: #fbfcfa;
}
QGroupBox::title {
  subcontrol-origin: margin;
  left: 10px;
  padding: 0 4px;
  color: #2e6b4f;
}
QGroupBox QPushButton, QGroupBox QRadioButton { font-weight: normal; }
QPushButton { padding: 5px 12px; }
QStatusBar QLabel { padding: 1px 8px; }
)";

const char* kMonochromeKey = "colors/monochrome";

QPalette monochromePalette() {
  QPalette p;
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button,
                                   QPalette::ToolTipBase, QPalette::HighlightedText})
    p.setColor(role, Qt::white);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Highlight,
                                   QPalette::ToolTipText, QPalette::BrightText})
    p.setColor(role, Qt::black);
  // Disabled texts stay readable: dark grey, not the faint default.
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, QColor(0x55, 0x55, 0x55));
  return p;
}

const char* kMonochromeSheet = R"(
QGroupBox {
  font-weight: bold;
  border: 2px solid black;
  margin-top: 12px;
  padding: 8px 6px 6px 6px;
}
QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; color: black; }
QGroupBox QPushButton, QGroupBox QRadioButton { font-weight: normal; }
QPushButton { padding: 5px 12px; border: 2px solid black; background: white; color: black; }
QPushButton:hover, QPushButton:focus { background: black; color: white; }
QPushButton:disabled { border-color: #555555; color: #555555; }
QLabel, QRadioButton, QCheckBox { color: black; }
QStatusBar QLabel { padding: 1px 8px; border: 1px solid black; }
)";

void applyScheme(bool monochrome) {
  qApp->setPalette(monochrome ? monochromePalette() : lightPalette());
  qApp->setStyleSheet(QString::fromLatin1(monochrome ? kMonochromeSheet : kStyleSheet));
}

}  // namespace

void applyAppStyle(QApplication& app) {
  app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  applyScheme(isMonochrome());
}

bool isMonochrome() { return QSettings().value(QString::fromLatin1(kMonochromeKey), false).toBool(); }

void setMonochrome(bool on) {
  QSettings().setValue(QString::fromLatin1(kMonochromeKey), on);
  applyScheme(on);
}

}  // namespace kord::gui
