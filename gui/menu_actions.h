#pragma once
/// The main window's entries that ask a question or two and then call the
/// core: the About box, going to an individual by number, the demonstration
/// database and the alphabetical copy ("Update DB").

#include "session/session.h"

class QDateTime;
class QWidget;

namespace kord::gui {

/// "INFO riguardo a Kord": version, licence, Qt version, the database and
/// its counts.
void showAbout(kord::Session& s);
/// The About box's text (Windows-1252).
std::string aboutText(const kord::Session& s);

/// "Num. individuo": asks for a record number (as the cards show it) and
/// makes that individual the focus.
void goToNumber(kord::Session& s);

/// "Genera Random DB": asks for the size and the folder, writes a new
/// demonstration database there under a name not taken yet, and offers to
/// open it in a new run of the program (one run opens one database).
void generateDemoDatabase(kord::Session& s, QWidget* parent);

/// "Update DB": asks for the new name and writes the alphabetical copy of
/// the open database beside it; says where it went.
void writeSortedCopyOfOpenDatabase(kord::Session& s);

/// When the family site's "index.html" in the database folder was last
/// written; invalid when there is none.
QDateTime siteWrittenAt(const kord::Session& s);
/// After a command: when it wrote the site (it is newer than `before`), says
/// in which folder and offers "Apri nel browser".
void offerSiteIfWritten(const kord::Session& s, const QDateTime& before);

}  // namespace kord::gui
