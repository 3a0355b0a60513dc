#pragma once
/// "Export doc file": what the report, tree or list window shows, saved as a
/// document a person can open elsewhere.

#include <string>

#include "session/session.h"

namespace kord {

enum class DocumentKind { None, Report, Tree, List };

/// The window whose content is exported: the report grid when it is shown,
/// else the tree window, else the list window; None when all are empty.
DocumentKind CurrentDocument(const Session& s);

/// The report as comma-separated text (Windows-1252, as the report is
/// stored); a tree or a list as UTF-8 text, one line per item, CR LF, with
/// the tree's line-drawing characters as box-drawing characters.
std::string DocumentText(const Session& s, DocumentKind kind);

/// Writes the current document to `path`. Returns a message for the person:
/// what was saved where, or why nothing was.
std::string ExportDocument(Session& s, const std::string& path);

}  // namespace kord
