#pragma once
/// The birth-date normaliser run on the record being entered: it works on
/// s.dates, asks the person at the keyboard through s.ui.inputBox with the
/// prompt
///   Name field as stored (40 characters) + " Digitare la data di Nascita
///   corretta." (or " Type the right birthday." when s.English) + " (dd/mm/aaaa) "
/// and stores a corrected text into s.record's BirthDate (in memory only,
/// cut to the field's width).

#include "session/session.h"

namespace kord {

void NormalizeBirthDate(Session& s);

}  // namespace kord
