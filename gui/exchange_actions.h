#pragma once
/// The main window's exchange entries: "Importa GEDCOM", "Export DB file",
/// "Export doc file" and the Add button ("Aggiunge record da file CSV").
/// Each asks for its file, runs the core's procedure with a progress dialog
/// and shows the summary.

#include "session/session.h"

class QWidget;

namespace kord::gui {

/// Imports a GEDCOM file into a new database; opens it when none is loaded.
void importGedcomAction(kord::Session& s, QWidget* parent);
/// Writes the open database as a GEDCOM file.
void exportGedcomAction(kord::Session& s, QWidget* parent);
/// Adds individuals from a CSV file to the open database.
void importCsvAction(kord::Session& s, QWidget* parent);
/// Saves what the report, tree or list window shows.
void exportDocumentAction(kord::Session& s, QWidget* parent);

}  // namespace kord::gui
