// zt spell: whether a word is spelt right, with GNU Aspell's suggestions.
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "modules/speller/ZTSpellResult.h"
#include "modules/speller/ZTSpeller.h"
#include "tools/zt/cli/ztCommands.h"
#include "tools/zt/cli/ztTool.h"

int ztSpellCommand(int argc, char** argv) {
  ztCommandLine line;
  int rc = ztParseCommandLine(argc, argv, 2, {}, {}, &line);
  if (rc) return rc;
  if (line.m_positional.size() != 2) return ztTool::Usage("spell takes LANG and WORD");
  const bool json = line.Has("--json");
  ZTSpeller speller;
  ZTSpellResult result;
  const std::string& lang = line.m_positional[0];
  const std::string& word = line.m_positional[1];
  long code = 0;
  ztTool::Quietly(
      [&] { return static_cast<int>(code = speller.GetReadyWithLang(nullptr, lang.c_str())); });
  if (code) {
    return ztTool::Fail("no speller for the language " + lang, static_cast<int>(code), json);
  }
  ztTool::Quietly([&] { return static_cast<int>(code = speller.Check(word.c_str(), &result)); });
  if (code) return ztTool::Fail("could not check " + word, static_cast<int>(code), json);
  // The speller prints its notes on standard output, even while its suggestions are read.
  std::vector<std::string> suggestions;
  ztTool::Quietly([&] {
    for (long i = 0; !result.IsCorrect() && i < result.GetNbSuggestions(); ++i) {
      suggestions.push_back(result.GetSuggestion(i));
    }
    return 0;
  });
  if (json) {
    std::printf("%s\n",
                nlohmann::json(
                    {{"word", word}, {"correct", result.IsCorrect()}, {"suggestions", suggestions}})
                    .dump()
                    .c_str());
  } else if (result.IsCorrect()) {
    std::printf("%s: correct\n", word.c_str());
  } else {
    std::printf("%s: not found%s", word.c_str(), suggestions.empty() ? "\n" : "; suggestions:");
    for (size_t i = 0; i < suggestions.size(); ++i) {
      std::printf(" %s%s", suggestions[i].c_str(), i + 1 < suggestions.size() ? "," : "\n");
    }
  }
  return kZtExitOk;
}
