#pragma once
/// The data installed with the program: the HTML templates, the sample
/// database and the manual, in <prefix>/share/kord/ beside the programs in
/// <prefix>/bin/. A build tree has the same layout (build/share/kord beside
/// build/gui and build/cli), so a program run from there finds its data the
/// same way.

#include <string>
#include <vector>

namespace kord {

/// The installed data folder of a program in `programFolder`, ending in
/// "/": the value of the environment variable KORD_DATA_DIR when it is set
/// (set and empty: none), else `programFolder`/../share/kord/ when that
/// folder exists. Empty when there is none.
std::string InstalledDataFolder(const std::string& programFolder);

/// The file names of the HTML templates: the tree pages' and the family
/// site's.
const std::vector<std::string>& TemplateFileNames();

/// How many of TemplateFileNames() are files in `folder` (ending in "/").
int TemplateCount(const std::string& folder);

/// Where the HTML templates of a database in `dbFolder` come from: the
/// parent folder of `dbFolder`, as older installations keep them, when it
/// holds any; else `installedFolder` when that holds any; else the parent
/// folder all the same (its missing templates are reported as ever).
std::string TemplateFolderFor(const std::string& dbFolder, const std::string& installedFolder);

/// Copies the installed sample database (`dataFolder`/sample/, pictures
/// included) into `target`/sample/ and the templates into `target`/,
/// creating the folders. A file that exists already is left as it is, so a
/// copy the person has worked on is never overwritten. Returns an error
/// text (UTF-8 paths), empty on success.
std::string CopySample(const std::string& dataFolder, const std::string& target);

}  // namespace kord
