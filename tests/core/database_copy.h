#pragma once
// A database of the repository (the sample, a test family) copied to a
// scratch folder and opened as the start window opens it, so that the
// history line and any output land in the copy.

#include <filesystem>
#include <string>

#include "app/file_dialog.h"
#include "app/open_database.h"
#include "test_support.h"

namespace kord::test {

struct DatabaseCopy : TestSession {
  TempDir dir;
  bool loaded = false;

  /// Copies `folder` and opens `base` + ".rni" in the copy.
  DatabaseCopy(const std::string& folder, const std::string& base) {
    std::filesystem::copy(folder, dir.file("db"), std::filesystem::copy_options::recursive);
    session.dialog.folder = dir.file("db") + "/";
    ui.onFileDialog = [this, base] {
      DialogClickFile(session, base + ".rni");
      DialogOpen(session);
    };
    session.windowState = kStateOpening;
    loaded = OpenDatabase(session) == OpenOutcome::Loaded;
  }
};

}  // namespace kord::test
