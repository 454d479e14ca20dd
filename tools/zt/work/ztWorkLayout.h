// The names inside a work directory: the description and one folder per component, each with
// its own configuration naming its tables relative to itself, so a work can be moved whole.
#ifndef TOOLS_ZT_WORK_ZTWORKLAYOUT_H_
#define TOOLS_ZT_WORK_ZTWORKLAYOUT_H_

// The work's description, in the engine's INI grammar.
constexpr const char kZtWorkFile[] = "work.ini";
// The headword list and the table "entries" its words link to (FILENO: article files).
constexpr const char kZtHeadwordDir[] = "headwords";
constexpr const char kZtHeadwordConfig[] = "headwords/wordlist.cfg";
constexpr const char kZtEntryTable[] = "entries";
constexpr const char kZtEntryLink[] = "ENTRY";
constexpr const char kZtEntryField[] = "FILENO";
// The full-text index; its documents are the article files' record numbers.
constexpr const char kZtIndexDir[] = "index";
constexpr const char kZtIndexConfig[] = "index/index.cfg";
// The articles ("/entries/<id>.html") and the media ("/media/<name>") as a file system.
constexpr const char kZtArticleDir[] = "articles";
constexpr const char kZtArticleConfig[] = "articles/fs.cfg";
// The folders of that file system holding the articles and the media files.
constexpr const char kZtEntryDir[] = "entries";
constexpr const char kZtMediaDir[] = "media";
// Logical bytes per compressed block of the word lists' texts (a look-up inflates one).
constexpr unsigned kZtTextBlock = 4096;
// Structure bits of indexed words: headwords and titles carry bit 0 and their title level
// (1 for the main title, 2 to 7 below it) in bits 2 to 4; body text carries bit 1.
constexpr unsigned kZtHeadwordStructure = 1u | (1u << 2);
constexpr unsigned kZtBodyStructure = 2u;
inline unsigned ztTitleStructure(int level) {
  const unsigned shown = level < 0 ? 1u : level >= 6 ? 7u : static_cast<unsigned>(level) + 1u;
  return 1u | (shown << 2);
}

#endif  // TOOLS_ZT_WORK_ZTWORKLAYOUT_H_
