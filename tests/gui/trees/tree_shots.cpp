// Screenshots of the tree windows on a copy of the sample database, for
// looking at the drawing under a real display server:
//   xvfb-run -a -s "-screen 0 1400x900x24" kord_gui_trees_shots OUTPUT_FOLDER

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "app_style.h"
#include "trees/tree_windows.h"
#include "trees_harness.h"

namespace {

bool save(QWidget& window, const QString& folder, const QString& name) {
  window.raise();
  if (!QTest::qWaitForWindowExposed(&window)) return false;
  QTest::qWait(300);
  return window.grab().save(QDir(folder).filePath(name));
}

struct Shot {
  kord::TreeCaller caller;
  int focus;
  bool card;
  const char* name;
};

constexpr Shot kShots[] = {
    {kord::TreeCaller::Albero_rami, 2, false, "branches_2"},
    {kord::TreeCaller::Albero_rami, 2, true, "branches_2_card"},
    {kord::TreeCaller::Albero_Radici, 67, false, "roots_67"},
    {kord::TreeCaller::Albero_Radici, 67, true, "roots_67_card"},
};

/// One tree in both windows; each window is closed afterwards so that the
/// next tree starts on an empty list.
bool shootTree(kord::treestest::TreesHarness& h, const Shot& shot, const QString& out) {
  h.session.CardWithTree = shot.card;
  bool ok = true;
  for (int index : {0, 1}) {
    h.session.NInd[0] = shot.focus;
    kord::TreeCommand(h.session, shot.caller, index == 0 ? kord::TreeView::List : kord::TreeView::Outline);
    QWidget& window = index == 0 ? static_cast<QWidget&>(h.albero) : h.nest;
    const QString file = QString::fromLatin1(shot.name) + (index == 0 ? "_albero.png" : "_nest.png");
    ok = save(window, out, file) && ok;
    window.close();
  }
  return ok;
}

/// The six outline styles of one tree.
bool shootStyles(kord::treestest::TreesHarness& h, const QString& out) {
  h.session.CardWithTree = false;
  h.session.NInd[0] = 11;
  kord::TreeCommand(h.session, kord::TreeCaller::Albero_rami, kord::TreeView::Outline);
  bool ok = true;
  for (int style = 0; style < 6; ++style) {
    ok = save(h.nest, out, QStringLiteral("nest_style_%1.png").arg(style)) && ok;
    h.nest.findChild<QPushButton*>(QStringLiteral("Command3D1_2"))->click();
  }
  h.nest.close();
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kord::gui::applyAppStyle(app);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kord_gui_trees_shots OUTPUT_FOLDER\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  kord::treestest::TreesHarness h;
  if (!h.openSample()) {
    std::fprintf(stderr, "the sample database could not be opened\n");
    return 1;
  }
  bool ok = true;
  for (const Shot& shot : kShots) ok = shootTree(h, shot, out) && ok;
  ok = shootStyles(h, out) && ok;
  kord::ShowGenerationLimit(h.session);
  ok = save(h.generazioni, out, QStringLiteral("generazioni.png")) && ok;
  std::printf("%s\n", ok ? "saved" : "some windows could not be saved");
  return ok ? 0 : 1;
}
