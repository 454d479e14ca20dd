// Helpers of the word-list tests: plain words for the word-list builder, the texts of a search's
// words, simplifiers from the factory.
#ifndef FRONTENDS_WORDLIST_TESTS_ZTWORDLISTTESTTABLES_H_
#define FRONTENDS_WORDLIST_TESTS_ZTWORDLISTTESTTABLES_H_

#include <string>
#include <vector>

#include "tools/writer/ZTWordListBuilder.h"

class ZTCursor;
class ZTIRecordSet;
class ztIStringSimplifier;

// Words made of plain texts without links.
std::vector<ZTBuilderWord> ztPlainWords(const std::vector<std::string>& texts);

// The WORD texts of the cursor's word-table records, in cursor order.
std::vector<std::string> ztWordTexts(ZTIRecordSet* words, ZTCursor* cursor);

// A simplifier created through the factory; null when it cannot be.
ztIStringSimplifier* ztCreateSimplifier(const char* url);

#endif  // FRONTENDS_WORDLIST_TESTS_ZTWORDLISTTESTTABLES_H_
