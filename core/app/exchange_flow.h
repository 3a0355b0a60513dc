#pragma once
/// The exchange commands of the menus as the person goes through them: the
/// files are asked through the Ui, then the exchange procedures run and
/// their summary is shown. The windows only add a progress display.

#include "exchange/exchange_summary.h"
#include "session/session.h"

namespace kord {

/// "Importa GEDCOM": a GEDCOM file, the name of the new database (named by
/// NewDatabaseName, as on the command line), whether names are written
/// given name first; an existing database of that name is replaced only
/// when the person says so, the open one never. A file of more than 998
/// individuals asks for the individual to import around. With no database
/// open, the new one is opened.
void ImportGedcomFlow(Session& s, const ExchangeProgress& progress = {});

/// "Export DB": the GEDCOM file to write, in UTF-8 or Windows-1252 by the
/// filter the person picked.
void ExportGedcomFlow(Session& s, const ExchangeProgress& progress = {});

/// "Add": individuals added from a CSV file.
void ImportCsvFlow(Session& s, const ExchangeProgress& progress = {});

/// "Export_doc": the list, report or tree on show, as text or CSV.
void ExportDocumentFlow(Session& s);

}  // namespace kord
