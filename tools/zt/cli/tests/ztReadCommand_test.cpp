// zt read driven through a pipe: the commands of a session, and no terminal escapes.
#include <gtest/gtest.h>

#include "tools/zt/cli/tests/ztToolRun.h"

namespace {

ztToolRun Session(const std::string& input) {
  ztToolOptions options;
  options.m_input = input;
  return ztRunTool({"read", ztSampleWork()}, options);
}

TEST(ztReadCommand, ShowsArticlesOfWordsWhateverTheirAccents) {
  const ztToolRun run = Session("Sauté\n\nROUX \n");
  ASSERT_EQ(run.m_iStatus, 0) << run.m_err;
  const std::vector<std::string> lines = ztLines(run.m_out);
  ASSERT_EQ(lines.size(), 4u) << run.m_out;
  EXPECT_EQ(lines[0], "sauté");
  EXPECT_EQ(lines[1].rfind("adjective and noun. Cooked quickly", 0), 0u);
  EXPECT_EQ(lines[2], "roux");
  EXPECT_EQ(run.m_out.find('\x1b'), std::string::npos);
}

TEST(ztReadCommand, ShowsEveryEntryOfAWord) {
  const ztToolRun run = Session("pate\n");
  EXPECT_NE(run.m_out.find("pâte\nnoun, feminine. Dough"), std::string::npos) << run.m_out;
  EXPECT_NE(run.m_out.find("\n\npâté\nnoun, masculine. A savoury paste"), std::string::npos)
      << run.m_out;
}

TEST(ztReadCommand, OffersTheNearestHeadwordsForAnUnknownWord) {
  const ztToolRun run = Session("beurrz\nqwerty\n");
  EXPECT_EQ(run.m_out,
            "no entry for beurrz; nearest: beurre, beurre blanc, beurre noisette\n"
            "no entry for qwerty\n");
}

TEST(ztReadCommand, SearchesThenOpensNumberedResultsHighlighted) {
  const ztToolRun run = Session("/saffron or nutmeg\n2\n3\n/kumquat\n1\n");
  ASSERT_EQ(run.m_iStatus, 0) << run.m_err;
  const std::vector<std::string> lines = ztLines(run.m_out);
  ASSERT_GE(lines.size(), 5u) << run.m_out;
  EXPECT_EQ(lines[0], "2 found");
  EXPECT_EQ(lines[1], " 1. béchamel  (/entries/bechamel.html)");
  EXPECT_NE(lines[2].find("seasoned with [nutmeg]."), std::string::npos) << lines[2];
  EXPECT_EQ(lines[3], " 2. bouillabaisse  (/entries/bouillabaisse.html)");
  // Result 2 opened with its hit marked; 3 is past the list.
  EXPECT_NE(run.m_out.find("\nbouillabaisse\nnoun, feminine. The fish stew of Marseille, boiled "
                           "hard with olive oil, [saffron] and fennel"),
            std::string::npos)
      << run.m_out;
  EXPECT_NE(run.m_out.find("\nno result 3: the last search listed 2\n"), std::string::npos);
  // A search that finds nothing leaves no results to open.
  EXPECT_NE(run.m_out.find("\n0 found\nno result 1: the last search listed 0\n"), std::string::npos)
      << run.m_out;
}

TEST(ztReadCommand, AnswersHelpAndStopsAtQuit) {
  const ztToolRun run = Session("?\n:help\n:what\n:q\nroux\n");
  ASSERT_EQ(run.m_iStatus, 0) << run.m_err;
  const size_t help = run.m_out.find("  /QUERY    full-text search");
  ASSERT_NE(help, std::string::npos) << run.m_out;
  EXPECT_NE(run.m_out.rfind("  /QUERY    full-text search"), help);  // once for each
  EXPECT_NE(run.m_out.find("unknown command :what; ? shows the help\n"), std::string::npos);
  EXPECT_EQ(run.m_out.find("roux"), std::string::npos) << run.m_out;
}

TEST(ztReadCommand, ReportsBadQueriesAndGoesOn) {
  const ztToolRun run = Session("/\"unclosed\nroux\n");
  EXPECT_EQ(run.m_iStatus, 0);
  EXPECT_EQ(run.m_err.rfind("zt: could not search for \"unclosed: ", 0), 0u) << run.m_err;
  EXPECT_NE(run.m_out.find("roux\nnoun, masculine."), std::string::npos) << run.m_out;
}

// Tab completes the only headword, the candidates' common beginning (accents kept), or lists
// them; the answers come after a prompt, and highlights in reverse video.
TEST(ztReadCommand, EditsAndCompletesLinesOnATerminal) {
  // Typed ahead: no key the terminal itself would act on before the editor reads it (Ctrl-U).
  const ztToolRun run =
      ztRunOnTerminal({"read", ztSampleWork()}, "cro\t\nbeurre n\t\n/saffron\n1\nsauc\t\t\n:q\n");
  EXPECT_EQ(run.m_iStatus, 0) << run.m_out;
  EXPECT_NE(run.m_out.find("cuisine> "), std::string::npos) << run.m_out;
  EXPECT_NE(run.m_out.find("croissant\r\nnoun, masculine. A crescent-shaped"), std::string::npos)
      << run.m_out;
  EXPECT_NE(run.m_out.find("beurre noisette\r\nButter heated"), std::string::npos) << run.m_out;
  EXPECT_NE(run.m_out.find("olive oil, \x1b[1;7msaffron\x1b[0m and fennel"), std::string::npos)
      << run.m_out;
  // "sauc" completed to "sauces m", then the two candidates listed.
  EXPECT_NE(run.m_out.find("\r\n  sauces meres\r\n  sauces mères\r\n"), std::string::npos)
      << run.m_out;
  EXPECT_NE(run.m_out.find("no entry for sauces m; nearest: sauces meres, sauces mères"),
            std::string::npos)
      << run.m_out;
}

TEST(ztReadCommand, RefusesAWorkThatIsNotOne) {
  const ztToolRun run = ztRunTool({"read", "/nonexistent/work"});
  EXPECT_EQ(run.m_iStatus, 1);
  EXPECT_EQ(ztLines(run.m_err).size(), 1u) << run.m_err;
}

}  // namespace
