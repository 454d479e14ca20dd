#include "bench/peers/ztPeerQuery.h"

namespace {

using K = ztPeerQueryKind;

// Order: zt, SQLite FTS5, Xapian, dictd. The look-ups are case-insensitive except the exact one;
// dictd always folds case (its exact look-up is case-insensitive) but never accents, so it has
// no folded look-up, and no wildcards: the regular expression "re" stands in for them.
const std::vector<ztPeerQuery> kQueries = {
    {"exact", K::kExact, {"Abandon", "Abandon", "Abandon", "Abandon"}},
    {"prefix", K::kPrefix, {"aba", "aba", "aba", "aba"}},
    {"folded", K::kFolded, {"FAÇADE", "FAÇADE", "FAÇADE", ""}},
    {"wildcard", K::kWildCard, {"c?t*on", "c?t*on", "", "^c.t.*on$"}},
    {"regexp", K::kRegExp, {"^ab.*ment$", "^ab.*ment$", "", "^ab.*ment$"}},
    {"common", K::kFullText, {"water", "water", "water", ""}},
    {"rare", K::kFullText, {"zymotic", "zymotic", "zymotic", ""}},
    {"and", K::kFullText, {"water fire", "water fire", "water AND fire", ""}},
    {"or", K::kFullText, {"water or fire", "water OR fire", "water OR fire", ""}},
    {"not", K::kFullText, {"water not fire", "water NOT fire", "water NOT fire", ""}},
    {"phrase", K::kFullText, {"\"fresh water\"", "\"fresh water\"", "\"fresh water\"", ""}},
    {"near", K::kFullText, {"water near fire", "NEAR(water fire, 10)", "water NEAR/10 fire", ""}},
    {"before", K::kFullText, {"water before fire", "", "water ADJ/10 fire", ""}},
    {"wordwildcard", K::kFullText, {"wat*", "wat*", "wat*", ""}},
};

const char* const kEngineNames[kEngineCount] = {"zt", "sqlite", "xapian", "dictd"};

}  // namespace

const std::vector<ztPeerQuery>& ztPeerQueries() {
  return kQueries;
}

const char* ztPeerEngineName(int engine) {
  return kEngineNames[engine];
}
