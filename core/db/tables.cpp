#include "tables.h"

namespace kord {

const Captions& DefaultFieldCaptions() {
  static const Captions captions = {"N.",
                                    "Nome",
                                    "Data Nascita",
                                    "Luogo Nascita",
                                    "Data Battesimo",
                                    "Luogo battesimo",
                                    "Data matrimonio",
                                    "Luogo matrimonio",
                                    "Data Morte",
                                    "Luogo Morte",
                                    "Data Sepoltur.",
                                    "Luogo Sepoltur.",
                                    "Note",
                                    "Sesso"};
  return captions;
}

}  // namespace kord
