#pragma once
/// What the progress window "Legge Genealogia" shows while a database loads.

#include <array>
#include <string>

namespace kord {

struct LoadProgressModel {
  /// Gauge1(0..2): individuals, children, spouses; positions 0..20.
  std::array<int, 3> Gauge1{0, 0, 0};
  /// FileI, FileC, FileS: one status line per file.
  std::array<std::string, 3> FileText;
};

}  // namespace kord
