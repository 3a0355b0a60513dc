#pragma once
/// The main window's exchange entries: "Importa GEDCOM", "Export DB file"
/// and the Add button ("Aggiunge record da file CSV"): the core's flows
/// (app/exchange_flow) with a progress dialog.

#include "session/session.h"

class QWidget;

namespace kord::gui {

/// Imports a GEDCOM file into a new database; opens it when none is loaded.
void importGedcomAction(kord::Session& s, QWidget* parent);
/// Writes the open database as a GEDCOM file.
void exportGedcomAction(kord::Session& s, QWidget* parent);
/// Adds individuals from a CSV file to the open database.
void importCsvAction(kord::Session& s, QWidget* parent);
}  // namespace kord::gui
