// The data installed with the program: finding it beside the program, the
// template folder of a database, and the person's copy of the sample.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/file_dialog.h"
#include "session/installed_data.h"
#include "test_support.h"

namespace kord {
namespace {

namespace fs = std::filesystem;

void writeTemplates(const test::TempDir& dir, const std::string& subfolder) {
  fs::create_directories(dir.file(subfolder));
  for (const std::string& name : TemplateFileNames()) dir.write(subfolder + "/" + name, "<" + name + ">");
}

TEST(InstalledData, FoundBesideTheProgramOrNamedByTheEnvironment) {
  test::TempDir dir;
  fs::create_directories(dir.file("usr/bin"));
  fs::create_directories(dir.file("opt/bin"));
  fs::create_directories(dir.file("usr/share/kord"));
  ::unsetenv("KORD_DATA_DIR");
  EXPECT_EQ(InstalledDataFolder(dir.file("usr/bin")), dir.folder() + "usr/share/kord/");
  EXPECT_EQ(InstalledDataFolder(dir.file("opt/bin")), "") << "no share/kord beside it";
  ::setenv("KORD_DATA_DIR", "/elsewhere/kord", 1);
  EXPECT_EQ(InstalledDataFolder(dir.file("opt/bin")), "/elsewhere/kord/");
  ::setenv("KORD_DATA_DIR", "", 1);
  EXPECT_EQ(InstalledDataFolder(dir.file("usr/bin")), "") << "set and empty: none";
  ::unsetenv("KORD_DATA_DIR");
}

TEST(InstalledData, TemplatesComeFromTheParentFolderFirstThenFromTheInstallation) {
  test::TempDir dir;
  writeTemplates(dir, "installed");
  writeTemplates(dir, "withTemplates");
  fs::create_directories(dir.file("withTemplates/db"));
  fs::create_directories(dir.file("without/db"));
  const std::string installed = dir.folder() + "installed/";
  struct Case {
    std::string dbFolder, installed, expected;
  } cases[] = {
      {dir.folder() + "withTemplates/db/", installed, dir.folder() + "withTemplates/"},
      {dir.folder() + "without/db/", installed, installed},
      {dir.folder() + "without/db/", "", dir.folder() + "without/"},
      {dir.folder() + "without/db/", dir.folder() + "without/", dir.folder() + "without/"},
  };
  for (const Case& c : cases) {
    test::TestSession t;
    t.session.installedDataFolder = c.installed;
    SetDbFolder(t.session, c.dbFolder);
    EXPECT_EQ(t.session.TemplateFolder, c.expected) << c.dbFolder << " with " << c.installed;
  }
  EXPECT_EQ(TemplateCount(installed), static_cast<int>(TemplateFileNames().size()));
}

TEST(InstalledData, TheSampleIsCopiedWithItsTemplatesAndAnExistingCopyIsKept) {
  test::TempDir dir;
  writeTemplates(dir, "data");
  fs::create_directories(dir.file("data/sample"));
  dir.write("data/sample/famiglia.rni", "records");
  dir.write("data/sample/Rossi Mario.jpg", "picture");
  fs::create_directories(dir.file("home/Kord/sample"));
  dir.write("home/Kord/sample/famiglia.rni", "edited");

  EXPECT_EQ(CopySample(dir.folder() + "data/", dir.folder() + "home/Kord"), "");
  EXPECT_EQ(dir.read("home/Kord/sample/famiglia.rni"), "edited") << "the person's work stays";
  EXPECT_EQ(dir.read("home/Kord/sample/Rossi Mario.jpg"), "picture");
  EXPECT_EQ(TemplateCount(dir.folder() + "home/Kord/"), static_cast<int>(TemplateFileNames().size()));

  EXPECT_NE(CopySample(dir.folder() + "nothing/", dir.folder() + "home2"), "");
  EXPECT_FALSE(fs::exists(dir.file("home2"))) << "nothing is made without a sample";
}

}  // namespace
}  // namespace kord
