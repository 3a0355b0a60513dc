#pragma once
// A database of the repository (the sample, a test family) copied to a
// scratch folder and opened as the start window opens it, so that the
// history line and any output land in the copy.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/file_dialog.h"
#include "app/open_database.h"
#include "test_support.h"

namespace kord::test {

struct DatabaseCopy : TestSession {
  TempDir dir;
  bool loaded = false;

  /// Copies `folder` under its own name, with the page templates of its
  /// parent beside it as an installation keeps them, and opens `base` +
  /// ".rni" in the copy. A folder that is not there fails the test.
  DatabaseCopy(const std::string& folder, const std::string& base) {
    namespace fs = std::filesystem;
    fs::path source = fs::path(folder).lexically_normal();
    if (!source.has_filename()) source = source.parent_path();  // "folder/"
    name_ = source.filename().string();
    if (!fs::is_directory(source)) {
      ADD_FAILURE() << "the test database " << source << " is missing";
      return;
    }
    fs::copy(source, dir.file(name_), fs::copy_options::recursive);
    for (const auto& e : fs::directory_iterator(source.parent_path()))
      if (e.path().extension() == ".htt" || e.path().extension() == ".hts")
        fs::copy(e.path(), dir.file(e.path().filename().string()));
    session.dialog.folder = copiedFolder();
    ui.onFileDialog = [this, base] {
      DialogClickFile(session, base + ".rni");
      DialogOpen(session);
    };
    session.windowState = kStateOpening;
    loaded = OpenDatabase(session) == OpenOutcome::Loaded;
  }
  /// A file of the copied database folder.
  std::string file(const std::string& name) const { return copiedFolder() + name; }
  /// The copied database folder, with a trailing separator.
  std::string folder() const { return copiedFolder(); }

 private:
  std::string copiedFolder() const { return dir.file(name_) + "/"; }
  std::string name_;
};

/// The sample database of the repository, copied and opened.
struct SampleCopy : DatabaseCopy {
  SampleCopy() : DatabaseCopy(KORD_SAMPLE_DIR, "famiglia") {}
};

}  // namespace kord::test
