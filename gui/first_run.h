#pragma once
/// Where an installed kordwin starts when it is given no folder. The sample
/// database installed with the program cannot be changed, so the person is
/// offered a copy of it in their home folder, once.

#include <QString>
#include <string>

#include "session/session.h"

class QSettings;

namespace kord::gui {

/// The folder (ending in "/") the file dialog starts in:
/// - `home`/Kord/sample/ when the person's copy of the sample is there;
/// - otherwise, when `dataFolder` holds the installed sample and the person
///   was not asked before (as `settings` remembers), the question whether
///   to copy it there: yes copies it (with the templates into `home`/Kord/)
///   and gives its folder; no, or a copy that fails (reported), gives
///   `home`/;
/// - `home`/ after an earlier no; empty without an installed sample (the
///   dialog then starts where it always did).
std::string sampleStartFolder(kord::Session& s, const std::string& dataFolder, const QString& home,
                              QSettings& settings);

}  // namespace kord::gui
