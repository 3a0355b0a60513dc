#pragma once
/// The progress display of the loader: refreshed on the first call of a
/// phase and then on every 22nd call; position and percent are measured
/// against the table capacity of 1000, whatever the file size.

#include "session/session.h"

namespace kord {

class LoadProgress {
 public:
  explicit LoadProgress(Session& s) : s_(s) {}

  /// Starts phase p (1 individuals, 2 children, 3 spouses).
  void startPhase(int phase);
  /// One record or line done; `count` is the phase's running count.
  void step(long count);

  /// Percent of `count` out of 1000, rounded half to even (4.5 gives 4).
  static int Percent(long count);
  /// The status text of a refresh, e.g. "Letti  23 Avanzamento:2% ".
  static std::string StatusText(long count, bool english);

 private:
  void refresh(long count);

  Session& s_;
  int phase_ = 1;
  int stepCounter_ = 0;
  int lastShown_ = 0;
};

}  // namespace kord
