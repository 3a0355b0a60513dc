#pragma once
/// "kordwin --self-check": the program starts as it would for a new person
/// on this installation and prints what it found, so that an installation
/// or a package can be checked without a screen (QT_QPA_PLATFORM=offscreen).

#include <memory>
#include <string>

#include "session/session.h"

class QSettings;

namespace kord::gui {

class HelpWindow;
class MainWindow;
class QtUi;
class WindowSet;

/// A Ui that prints each message and question to standard output instead of
/// showing a box, and answers with the default button.
std::unique_ptr<QtUi> selfCheckUi(const WindowSet& windows);

/// Finds the installed data folder `dataFolder`, makes the person's copy of
/// the sample as a first start does (answering yes; `settings` remembers
/// it), opens that copy, counts the templates it gets, and shows the manual
/// in both languages, checking that every window's page is there. Prints
/// one line per finding; returns 0 when everything was found, else 1.
int runSelfCheck(kord::Session& s, MainWindow& mainMenu, HelpWindow& help, const std::string& dataFolder,
                 QSettings& settings);

}  // namespace kord::gui
