#include "bench/peers/ztSqlitePeer.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <cstdio>
#include <filesystem>

#include "bench/peers/ztPeerCorpus.h"

namespace {

const char* const kSchema =
    "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;"
    "CREATE TABLE headword(word TEXT NOT NULL, folded TEXT NOT NULL, doc INTEGER NOT NULL);"
    "CREATE VIRTUAL TABLE article USING fts5(title, text,"
    " tokenize = 'unicode61 remove_diacritics 2');";
const char* const kIndexes =
    "CREATE INDEX headword_word ON headword(word);"
    "CREATE INDEX headword_folded ON headword(folded);";

// By query kind: exact, prefix, folded, wildcard, regular expression, full text.
const char* const kQueries[6] = {
    "SELECT doc FROM headword WHERE word = ?1",
    "SELECT word, doc FROM headword WHERE folded >= ?1 AND folded < ?2 ORDER BY folded LIMIT 50",
    "SELECT doc FROM headword WHERE folded = ?1",
    "SELECT word, doc FROM headword WHERE folded GLOB ?1",
    "SELECT word, doc FROM headword WHERE folded REGEXP ?1",
    "SELECT rowid FROM article WHERE article MATCH ?1 ORDER BY rank LIMIT 20",
};

void FreeCode(void* code) {
  pcre2_code_free(static_cast<pcre2_code*>(code));
}

// regexp(PATTERN, TEXT): 1 when the pattern matches somewhere in the text; the compiled pattern
// is kept with the statement.
void RegExp(sqlite3_context* context, int, sqlite3_value** values) {
  auto* code = static_cast<pcre2_code*>(sqlite3_get_auxdata(context, 0));
  if (!code) {
    int error = 0;
    PCRE2_SIZE offset = 0;
    code = pcre2_compile(sqlite3_value_text(values[0]), PCRE2_ZERO_TERMINATED, PCRE2_UTF, &error,
                         &offset, nullptr);
    if (!code) return sqlite3_result_error(context, "bad regular expression", -1);
    sqlite3_set_auxdata(context, 0, code, FreeCode);
    code = static_cast<pcre2_code*>(sqlite3_get_auxdata(context, 0));
    if (!code) return sqlite3_result_error_nomem(context);
  }
  pcre2_match_data* match = pcre2_match_data_create_from_pattern(code, nullptr);
  const int found =
      pcre2_match(code, sqlite3_value_text(values[1]),
                  static_cast<PCRE2_SIZE>(sqlite3_value_bytes(values[1])), 0, 0, match, nullptr);
  pcre2_match_data_free(match);
  sqlite3_result_int(context, found >= 0 ? 1 : 0);
}

}  // namespace

ztSqlitePeer::~ztSqlitePeer() {
  for (sqlite3_stmt* statement : m_statements) sqlite3_finalize(statement);
  sqlite3_close(m_pDb);
}

bool ztSqlitePeer::Exec(const char* sql) {
  char* error = nullptr;
  if (sqlite3_exec(m_pDb, sql, nullptr, nullptr, &error) == SQLITE_OK) return true;
  std::fprintf(stderr, "peers: sqlite: %s\n", error ? error : "error");
  sqlite3_free(error);
  return false;
}

bool ztSqlitePeer::Build(const ztPeerCorpus& corpus, const std::string& dir) {
  m_pCorpus = &corpus;
  std::filesystem::create_directories(dir);
  if (sqlite3_open((dir + "/gcide.sqlite").c_str(), &m_pDb) != SQLITE_OK) return false;
  return Exec(kSchema) && Exec("BEGIN") && Fill(corpus) && Exec(kIndexes) && Exec("COMMIT") &&
         sqlite3_create_function(m_pDb, "regexp", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                 RegExp, nullptr, nullptr) == SQLITE_OK &&
         Prepare();
}

bool ztSqlitePeer::Fill(const ztPeerCorpus& corpus) {
  sqlite3_stmt* headword = nullptr;
  sqlite3_stmt* article = nullptr;
  bool ok = sqlite3_prepare_v2(m_pDb, "INSERT INTO headword VALUES (?1, ?2, ?3)", -1, &headword,
                               nullptr) == SQLITE_OK &&
            sqlite3_prepare_v2(m_pDb, "INSERT INTO article(rowid, title, text) VALUES (?1, ?2, ?3)",
                               -1, &article, nullptr) == SQLITE_OK;
  const auto& documents = corpus.GetDocuments();
  for (size_t n = 0; ok && n < documents.size(); ++n) {
    for (const std::string& word : documents[n].m_headwords) {
      const std::string folded = corpus.Fold(word);
      sqlite3_bind_text(headword, 1, word.data(), static_cast<int>(word.size()), SQLITE_STATIC);
      sqlite3_bind_text(headword, 2, folded.data(), static_cast<int>(folded.size()), SQLITE_STATIC);
      sqlite3_bind_int64(headword, 3, static_cast<sqlite3_int64>(n));
      ok = ok && sqlite3_step(headword) == SQLITE_DONE && sqlite3_reset(headword) == SQLITE_OK;
    }
    const ztPeerDocument& document = documents[n];
    sqlite3_bind_int64(article, 1, static_cast<sqlite3_int64>(n));
    sqlite3_bind_text(article, 2, document.m_title.data(),
                      static_cast<int>(document.m_title.size()), SQLITE_STATIC);
    sqlite3_bind_text(article, 3, document.m_text.data(), static_cast<int>(document.m_text.size()),
                      SQLITE_STATIC);
    ok = ok && sqlite3_step(article) == SQLITE_DONE && sqlite3_reset(article) == SQLITE_OK;
  }
  if (!ok) std::fprintf(stderr, "peers: sqlite: %s\n", sqlite3_errmsg(m_pDb));
  sqlite3_finalize(headword);
  sqlite3_finalize(article);
  return ok;
}

bool ztSqlitePeer::Prepare() {
  for (int k = 0; k < 6; ++k) {
    if (sqlite3_prepare_v2(m_pDb, kQueries[k], -1, &m_statements[k], nullptr) != SQLITE_OK) {
      std::fprintf(stderr, "peers: sqlite: %s\n", sqlite3_errmsg(m_pDb));
      return false;
    }
  }
  return true;
}

long ztSqlitePeer::Count(sqlite3_stmt* statement, const std::string& first,
                         const std::string* second) {
  sqlite3_bind_text(statement, 1, first.data(), static_cast<int>(first.size()), SQLITE_STATIC);
  if (second) {
    sqlite3_bind_text(statement, 2, second->data(), static_cast<int>(second->size()),
                      SQLITE_STATIC);
  }
  long rows = 0;
  int rc = SQLITE_ROW;
  while ((rc = sqlite3_step(statement)) == SQLITE_ROW) ++rows;
  sqlite3_reset(statement);
  return rc == SQLITE_DONE ? rows : -1;
}

long ztSqlitePeer::Run(ztPeerQueryKind kind, const std::string& text) {
  sqlite3_stmt* statement = m_statements[static_cast<int>(kind)];
  if (kind == ztPeerQueryKind::kExact || kind == ztPeerQueryKind::kFullText) {
    return Count(statement, text, nullptr);
  }
  const std::string folded = m_pCorpus->Fold(text);
  // Every folded headword that begins with the prefix sorts below the prefix and U+10FFFF.
  const std::string end = folded + "\xF4\x8F\xBF\xBF";
  return Count(statement, folded, kind == ztPeerQueryKind::kPrefix ? &end : nullptr);
}
