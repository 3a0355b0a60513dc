// Relationship names: every kind of relationship in the Marcon test family
// against a table written by hand, several relationships of one pair, the
// paths, bad links, and the line of the focus card and kinship window.

#include <gtest/gtest.h>

#include <algorithm>

#include "database_copy.h"
#include "records/focus_panel.h"
#include "relations/relationship_text.h"
#include "trees/common_kin.h"

namespace kord {
namespace {

struct MarconFamily : test::DatabaseCopy {
  MarconFamily() : DatabaseCopy(KORD_RELATIONS_DIR, "parentela"), sexOf(session.files.IndividualsFile) {}
  SexReader sexOf;
  RelationshipFinder finder{session.tables};

  std::vector<std::string> names(int focus, int second, bool english) {
    std::vector<std::string> list;
    for (const Relationship& r : finder.find(focus, second))
      list.push_back(RelationshipName(r, std::ref(sexOf), english));
    return list;
  }
};

TEST(RelationshipNames, EveryKindInItalianAndEnglish) {
  struct Case {
    int focus, second;
    const char* italian;
    const char* english;
  };
  // Indexes of the Marcon family (tests/data/relations/parentela.txt).
  const Case cases[] = {
      {34, 26, "padre", "father"},       // Luca - Mario
      {34, 30, "madre", "mother"},       // Luca - Carla
      {39, 32, "genitore", "parent"},    // Dario - Gina, of no sex
      {47, 26, "nonno", "grandfather"},  // Nicola - Mario
      {47, 30, "nonna", "grandmother"},
      {57, 26, "bisnonno", "great-grandfather"},                          // Matteo - Mario
      {57, 18, "trisavolo", "great-great-grandfather"},                   // Matteo - Giuseppe
      {57, 10, "quadrisavolo", "3rd great-grandfather"},                  // Matteo - Antonio
      {61, 2, "antenato di 8\xAA generazione", "6th great-grandfather"},  // Leonardo - Bortolo
      {26, 34, "figlio", "son"},
      {26, 35, "figlia", "daughter"},
      {26, 37, "figlio/a", "child"},  // N.N., of no sex
      {26, 47, "nipote (figlio del figlio)", "grandson"},
      {26, 49, "nipote (figlia della figlia)", "granddaughter"},  // Mario - Marta, Sofia's daughter
      {26, 57, "bisnipote", "great-grandson"},
      {18, 57, "trisnipote", "great-great-grandson"},
      {10, 57, "discendente di 5\xAA generazione", "3rd great-grandson"},
      {34, 35, "sorella", "sister"},
      {35, 34, "fratello", "brother"},
      {34, 37, "fratello/sorella", "sibling"},
      {34, 38, "fratellastro", "half-brother"},  // Luca - Ugo, of the second marriage
      {38, 35, "sorellastra", "half-sister"},
      {35, 47, "nipote (figlio del fratello)", "nephew"},  // Sofia - Nicola
      {34, 49, "nipote (figlia della sorella)", "niece"},  // Luca - Marta
      {38, 47, "nipote (figlio del fratellastro)", "half-nephew"},
      {35, 57, "pronipote (nipote del fratello)", "great-nephew"},
      {27, 57, "bisnipote del fratello", "great-great-nephew"},  // Anna, Mario's sister - Matteo
      {47, 35, "zia", "aunt"},
      {47, 36, "zio", "uncle"},
      {47, 38, "zio unilaterale", "half-uncle"},
      {57, 35, "prozia", "great-aunt"},
      {57, 36, "prozio", "great-uncle"},
      {57, 27, "sorella del bisnonno", "great-great-aunt"},
      {10, 12, "cugino di primo grado", "first cousin"},  // Antonio - Carlo
      {47, 49, "cugina di primo grado", "first cousin"},  // Nicola - Marta
      {41, 37, "cugino/a di primo grado", "first cousin"},
      {47, 52, "cugino unilaterale di primo grado", "half first cousin"},  // Nicola - Ivan
      {18, 20, "cugino di secondo grado", "second cousin"},                // Giuseppe - Pietro
      {57, 58, "cugina di secondo grado", "second cousin"},                // Matteo - Chiara
      {26, 28, "cugino di terzo grado", "third cousin"},                   // Mario - Franco
      {18, 12, "cugino di primo grado, di una generazione di distanza", "first cousin once removed"},
      {12, 18, "cugino di primo grado, di una generazione di distanza", "first cousin once removed"},
      {26, 12, "cugino di primo grado, di due generazioni di distanza", "first cousin twice removed"},
      {26, 30, "moglie", "wife"},
      {30, 26, "marito", "husband"},
      {28, 32, "coniuge", "spouse"},
      {42, 26, "suocero", "father-in-law"},  // Silvia - Mario
      {42, 30, "suocera", "mother-in-law"},
      {26, 43, "genero", "son-in-law"},  // Mario - Enzo
      {26, 42, "nuora", "daughter-in-law"},
      {34, 43, "cognato", "brother-in-law"},  // the sister's husband
      {43, 34, "cognato", "brother-in-law"},  // the wife's brother
      {35, 42, "cognata", "sister-in-law"},
      {38, 30, "matrigna", "stepmother"},  // Ugo - Carla, his father's first wife
      {31, 34, "figliastro", "stepson"},   // Irene - Luca
      {47, 43, "marito della zia", "aunt's husband"},
      {43, 47, "nipote (figlio del fratello) della moglie", "wife's nephew"},
  };
  MarconFamily f;
  ASSERT_TRUE(f.loaded);
  for (const Case& c : cases) {
    auto italian = f.names(c.focus, c.second, false);
    auto english = f.names(c.focus, c.second, true);
    ASSERT_FALSE(italian.empty()) << c.focus << " - " << c.second;
    EXPECT_EQ(italian.front(), c.italian) << c.focus << " - " << c.second;
    EXPECT_EQ(english.front(), c.english) << c.focus << " - " << c.second;
  }
}

TEST(RelationshipNames, CousinsWhoMarriedAndTheirChildrenHaveEveryWayNearestFirst) {
  MarconFamily f;
  EXPECT_EQ(f.names(26, 30, false), (std::vector<std::string>{"moglie", "cugina di terzo grado"}));
  EXPECT_EQ(f.names(34, 30, true), (std::vector<std::string>{"mother", "third cousin once removed"}));
  // Matteo descends from Bortolo twice: through Giovanni and through his sister Rosa.
  EXPECT_EQ(f.names(57, 4, false),
            (std::vector<std::string>{"antenato di 6\xAA generazione", "fratello dell'antenata di 6\xAA generazione"}));
  EXPECT_EQ(RelationshipLine(f.finder.find(26, 30), f.session.tables, std::ref(f.sexOf), false),
            "Parentela: moglie; cugina di terzo grado (tramite Marcon Bortolo e Toffolo Anna)");
}

TEST(RelationshipNames, ThePathGoesUpToTheCommonAncestorAndDown) {
  MarconFamily f;
  f.session.NInd = {47, 49};  // Nicola and his cousin Marta (and more distant ways beyond)
  auto shown = ShowRelationships(f.session);
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown[0].title, "cugina di primo grado (tramite Marcon Mario e Bortolin Carla)");
  std::vector<std::pair<std::string, int>> path;
  for (const auto& step : shown[0].path) path.emplace_back(step.word, step.person);
  EXPECT_EQ(path, (std::vector<std::pair<std::string, int>>{
                      {"", 47}, {"padre", 34}, {"padre", 26}, {"figlia", 35}, {"figlia", 49}}));
  auto inLaw = f.finder.find(47, 43);  // Nicola - Enzo, his aunt's husband
  ASSERT_FALSE(inLaw.empty());
  EXPECT_EQ(inLaw.front().path.back(), (RelationStep{StepKind::ToSpouse, 43}));
}

/// Links set straight into the tables; nobody has a record, so every sex is unknown.
struct BareTables {
  Tables t;
  explicit BareTables(int last) {
    t.LastIndex = last;
    for (int i = 2; i <= last; ++i) t.Names[i] = "P" + std::to_string(i);
  }
  std::vector<Relationship> find(int a, int b) const { return RelationshipFinder(t).find(a, b); }
};

TEST(RelationshipFinder, BadLinksGiveBoundedAnswers) {
  BareTables loop(11);
  for (int i = 2; i < 11; ++i) loop.t.Parent1[i] = i + 1;  // a ring of parents
  loop.t.Parent1[11] = 2;
  loop.t.Spouse[5] = 5;  // married to itself
  auto ring = loop.find(2, 7);
  ASSERT_EQ(ring.size(), 2u) << "five generations up, or down the other way round the ring, nothing more";
  EXPECT_EQ(std::pair(ring[0].blood.up, ring[0].blood.down), std::pair(0, 5));
  EXPECT_EQ(std::pair(ring[1].blood.up, ring[1].blood.down), std::pair(5, 0));
  for (const auto& r : loop.find(5, 6)) EXPECT_NE(r.kind, RelationKind::Spouse);
  EXPECT_TRUE(loop.find(5, 5).empty());
  EXPECT_TRUE(loop.find(5, 1000).empty());
}

TEST(RelationshipFinder, ACollapsedPedigreeKeepsTheFiveNearest) {
  // Generation after generation a brother marries his sister: every pair has
  // many ways, all through the same few couples.
  BareTables inbred(41);
  for (int child = 4; child <= 41; ++child) {
    int pair = (child - 4) / 2;  // children 4,5 of 2,3; 6,7 of 4,5; ...
    inbred.t.Parent1[child] = 2 + 2 * pair;
    inbred.t.Parent2[child] = 3 + 2 * pair;
  }
  for (int i = 2; i <= 41; i += 2) {
    inbred.t.Spouse[i] = i + 1;
    inbred.t.Spouse[i + 1] = i;
  }
  auto found = inbred.find(40, 21);
  ASSERT_EQ(found.size(), static_cast<std::size_t>(kMaxRelationships));
  EXPECT_TRUE(std::is_sorted(found.begin(), found.end(),
                             [](const Relationship& a, const Relationship& b) { return a.degree() < b.degree(); }));
}

TEST(RelationshipLine, TheFocusCardAndTheKinshipWindowShowIt) {
  test::SampleCopy sample;
  Session& s = sample.session;
  s.NInd = {55, 56};  // Pavan Andrea and his sister Chiara
  ShowFocusPanel(s);
  EXPECT_EQ(s.focusCard.relationshipLine, "Parentela: sorella (tramite Pavan Sergio e Zanin Rita)");
  s.English = true;
  s.NInd = {55, 45};
  FindCommonKin(s, KinDirection::Ancestors);
  EXPECT_EQ(s.treeList.Lista.back().text,
            "Relationship: half first cousin once removed (via Pavan Nicol\xF2 Giuseppe)");
  EXPECT_EQ(s.focusCard.relationshipLine, s.treeList.Lista.back().text);
  s.NInd[1] = 0;
  ShowFocusPanel(s);
  EXPECT_EQ(s.focusCard.relationshipLine, "") << "no second selection, no line";
}

}  // namespace
}  // namespace kord
