#pragma once
// The one clock of every test: always 8 December 2026, 14:03:22, unless a
// test sets another moment.

#include "session/ui.h"

namespace kord::test {

class FixedClock : public Clock {
 public:
  LocalTime time{2026, 12, 8, 14, 3, 22};
  LocalTime now() const override { return time; }
};

}  // namespace kord::test
