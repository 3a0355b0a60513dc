// The years shown beside a name in the windows' lists.

#include <gtest/gtest.h>

#include "lists/person_choice.h"

namespace kord::test {
namespace {

TEST(LifeYears, BirthAndDeathOrTheirStandInsInBothLanguages) {
  struct Case {
    const char* birth;
    const char* baptism;
    const char* death;
    const char* burial;
    bool english;
    const char* years;
  };
  const Case cases[] = {
      {"12/03/1850", "", "1920", "", false, "1850-1920"},
      {"19??", "", "", "", false, "n. 1900"},
      {"", "", "", "0/0/1920", true, "d. 1920"},
      {"circa 1850", "02/04/1851", "", "", true, "b. 1851"},
      {"circa 1850", "", "", "", false, ""},
  };
  for (const Case& c : cases) {
    PersonRecord r;
    r.set(BirthDate, c.birth);
    r.set(BaptismDate, c.baptism);
    r.set(DeathDate, c.death);
    r.set(BurialDate, c.burial);
    EXPECT_EQ(LifeYears(r, c.english), c.years) << c.birth << " " << c.death;
  }
  EXPECT_EQ(NameWithYears("Rossi Luigi", "1850-1920"), "Rossi Luigi (1850-1920)");
  EXPECT_EQ(NameWithYears("Rossi Luigi", ""), "Rossi Luigi");
}

}  // namespace
}  // namespace kord::test
