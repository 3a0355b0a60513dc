#pragma once
/// What the name search window "Lista Nomi Individui" shows.

#include <string>
#include <vector>

namespace kord {

struct NameSearchModel {
  std::string caption = "Lista Nomi Individui";
  std::string InputNome;
  std::vector<std::string> selezionati;  ///< kept sorted by the list order
  std::string Individuo;
  std::string Genitori;
  std::string Coniugi;
  std::string Figli;
  bool visible = false;
};

}  // namespace kord
