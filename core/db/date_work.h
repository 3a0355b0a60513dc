#pragma once
/// The shared values the birth-date normaliser works on.

#include <string>

namespace kord {

struct DateWork {
  std::string DateIn;      ///< the date text being normalised
  bool DateValid = false;  ///< raised when DateIn passed the date test
};

}  // namespace kord
