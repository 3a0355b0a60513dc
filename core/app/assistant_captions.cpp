#include "app/assistant_captions.h"

#include <map>

namespace kord {

const std::string& AssistantCaption(const std::string& italian, bool english) {
  static const std::map<std::string, std::string> translated = {
      {"Seleziona", "Select"},
      {"Esplora", "Explore"},
      {"Modifica", "Edit"},
      {"Produci", "Produce"},
      {"Per nome", "By name"},
      {"navigando", "by navigating"},
      {"da lista", "from a list"},
      {"da lista ordinata", "from a sorted list"},
      {"Navigando", "Navigating"},
      {"su Albero", "on a tree"},
      {"su lista", "on a list"},
      {"su immagini", "on pictures"},
      {"Dati personali", "Personal data"},
      {"Aggiunge persona", "Add a person"},
      {"Aggiunge Struttura", "Add a structure"},
      {"Passaggi", "Transfers"},
      {"Lista", "List"},
      {"Censimento", "Census"},
      {"Statistiche", "Statistics"},
      {"Rapporti", "Reports"},
      {"Rami dell'albero", "Tree of the branches"},
      {"Radici dell'albero", "Tree of the roots"},
      {"Rami dell'albero (interattivo)", "Tree of the branches (interactive)"},
      {"Radici dell'albero (interattivo)", "Tree of the roots (interactive)"},
      {"Normale", "Plain"},
      {"Lista Ordinata", "Sorted list"},
      {"Censimento ufficiale", "Official census"},
      {"Configurabile dall'utente", "Configured by the user"},
      {"Libro dei soci", "Members' book"},
      {"Ricerca punti di contatto", "Find points of contact"},
      {"Ricerca rami comuni", "Find common branches"},
      {"Ricerca radici comuni", "Find common roots"},
      {"Per nome selezione Secondaria", "Second selection by name"},
      {"Inverti selezione Primaria e Secondaria", "Swap first and second selection"},
      {"Lista delle radici", "List of the roots"},
      {"Lista delle foglie", "List of the leaves"},
  };
  if (!english) return italian;
  const auto found = translated.find(italian);
  return found == translated.end() ? italian : found->second;
}

}  // namespace kord
