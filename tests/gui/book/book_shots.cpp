// Screenshots of the family book windows on a copy of the sample database,
// for looking at the layout under a real display server:
//   xvfb-run -a -s "-screen 0 1600x1000x24" kord_gui_book_shots OUTPUT_FOLDER

#include <QApplication>
#include <QDir>
#include <QRadioButton>
#include <QTest>
#include <cstdio>

#include "app_style.h"
#include "book/book_commands.h"
#include "book_harness.h"

namespace {

bool save(QWidget& window, const QString& folder, const QString& name) {
  window.show();
  window.raise();
  if (!QTest::qWaitForWindowExposed(&window)) return false;
  QTest::qWait(300);
  return window.grab().save(QDir(folder).filePath(name));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kord::gui::applyAppStyle(app);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kord_gui_book_shots OUTPUT_FOLDER\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  kord::booktest::BookHarness h;
  if (!h.openSample()) {
    std::fprintf(stderr, "the sample database could not be opened\n");
    return 1;
  }
  const int nicolo = h.indexOf(kord::booktest::kNicoloGiuseppe);
  h.session.NInd[0] = nicolo;
  kord::FamilyNavigatorCommand(h.session);
  bool ok = save(h.navigate, out, QStringLiteral("navigate.png"));
  h.navigate.hide();
  h.session.NInd[0] = nicolo;
  kord::PictureNavigatorCommand(h.session);
  ok = save(h.thumb, out, QStringLiteral("thumb.png")) && ok;
  h.thumb.hide();
  kord::WholeFamilyBook(h.session);
  ok = save(h.book, out, QStringLiteral("book.png")) && ok;
  h.book.hide();
  h.schedaSort1.render();
  h.schedaSort1.findChild<QRadioButton*>(QStringLiteral("Option3D1_4"))->setChecked(true);
  ok = save(h.schedaSort1, out, QStringLiteral("scheda_sort1.png")) && ok;
  std::printf("%s\n", ok ? "saved" : "some windows could not be saved");
  return ok ? 0 : 1;
}
