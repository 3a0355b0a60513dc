#pragma once
/// The folder the file dialog starts in, from the program's argument.

#include <QString>
#include <string>

namespace kord::gui {

struct StartFolder {
  std::string folder;  ///< absolute, with a trailing "/"; empty on error
  QString error;       ///< why the argument cannot be used
};

/// `argument` names a folder, or a file whose folder is meant (a database
/// given as "famiglia.rni"). A path that does not exist gives an error.
StartFolder startFolderFor(const QString& argument);

}  // namespace kord::gui
