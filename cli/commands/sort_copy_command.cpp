// kord sort-copy: the database as a new one beside it, its individuals in
// alphabetical order and every link renumbered; the source is only read.

#include <ostream>

#include "cli_context.h"
#include "lists/sorted_copy.h"

namespace kord::cli {

int RunSortCopy(CliContext& c) {
  if (c.options.args.size() != 2) return c.fail("sort-copy takes the database file and the new file", kUsage);
  const SortedCopy copy = WriteSortedCopy(c.options.args[0], c.options.args[1], c.options.english);
  if (!copy.error.empty()) return c.failText(copy.error);
  // The path as given (UTF-8): not every file name fits Windows-1252.
  c.out << c.options.args[1] << ": " << copy.individuals
        << (c.options.english ? " individuals in alphabetical order" : " individui in ordine alfabetico") << '\n';
  if (copy.droppedLinks > 0)
    c.printLine(std::to_string(copy.droppedLinks) +
                (c.options.english ? " link lines naming no record were left out"
                                   : " righe di legame che non nominano una scheda sono state tralasciate"));
  return kOk;
}

}  // namespace kord::cli
