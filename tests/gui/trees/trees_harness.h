#pragma once
// The tree windows wired to one session on a copy of the sample database
// (with the HTML templates beside it), with the person's part scripted.

#include <QTemporaryDir>
#include <string>

#include "generation_limit_window.h"
#include "qt_printer.h"
#include "session/session.h"
#include "tree_list_window.h"
#include "tree_outline_window.h"
#include "window_ui.h"

namespace kord::treestest {

using testsupport::FixedClock;

struct TreesHarness {
  QTemporaryDir dir;
  testsupport::WindowMapUi ui;
  FixedClock clock;
  gui::QtPrinter printer;
  Session session{ui, clock, printer};
  gui::TreeListWindow albero{session, printer};
  gui::TreeOutlineWindow nest{session, printer};
  gui::GenerationLimitWindow generazioni{session};

  TreesHarness();
  /// Copies the sample database and the tree page templates into the
  /// scratch folder and opens the copy; false when that failed.
  bool openSample() { return testsupport::OpenSampleCopy(dir, session, ui, {".hts"}); }
  /// The database folder, with a trailing "/".
  std::string dbFolder() const { return testsupport::SampleFolder(dir); }
};

}  // namespace kord::treestest
