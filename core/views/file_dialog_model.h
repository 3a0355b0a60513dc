#pragma once
/// The state of the database file dialog "Apre File Genealogie".

#include <string>

namespace kord {

struct FileDialogModel {
  /// The folder shown by DirList and FilList, with a trailing separator.
  std::string folder;
  /// NomeFile: the pattern while it holds wildcards, else the file name.
  std::string NomeFile = "*.rni";
  /// The file of FilList that was clicked; empty when none is selected.
  std::string selectedFile;
  bool openVisible = true;
  bool newVisible = true;
  /// Raised by the dialog procedures when the dialog must close.
  bool closed = false;
};

}  // namespace kord
