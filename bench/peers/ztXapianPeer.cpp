#include "bench/peers/ztXapianPeer.h"

#include <cstdio>

#include "bench/peers/ztPeerCorpus.h"

namespace {

// Xapian refuses terms longer than this many bytes.
const size_t kMaxTerm = 240;

void AddTerm(Xapian::Document* document, const std::string& term) {
  if (term.size() <= kMaxTerm) document->add_boolean_term(term);
}

}  // namespace

bool ztXapianPeer::Build(const ztPeerCorpus& corpus, const std::string& dir) {
  m_pCorpus = &corpus;
  try {
    Xapian::WritableDatabase db(dir, Xapian::DB_CREATE);
    Xapian::TermGenerator terms;
    for (const ztPeerDocument& entry : corpus.GetDocuments()) {
      Xapian::Document document;
      terms.set_document(document);
      terms.index_text(entry.m_title);
      terms.increase_termpos();
      terms.index_text(entry.m_text);
      // The text is kept, as the other engines keep their articles.
      document.set_data(entry.m_title + "\n" + entry.m_text);
      for (const std::string& word : entry.m_headwords) {
        AddTerm(&document, "X" + word);
        AddTerm(&document, "H" + corpus.Fold(word));
      }
      db.add_document(document);
    }
    db.commit();
    db.close();
    m_pDb = std::make_unique<Xapian::Database>(dir);
  } catch (const Xapian::Error& error) {
    std::fprintf(stderr, "peers: xapian: %s\n", error.get_description().c_str());
    return false;
  }
  return true;
}

long ztXapianPeer::Run(ztPeerQueryKind kind, const std::string& text) {
  try {
    switch (kind) {
      case ztPeerQueryKind::kExact:
        return Postings("X" + text);
      case ztPeerQueryKind::kFolded:
        return Postings("H" + m_pCorpus->Fold(text));
      case ztPeerQueryKind::kPrefix:
        return Prefix("H" + m_pCorpus->Fold(text));
      case ztPeerQueryKind::kFullText:
        return Search(text);
      default:
        return -1;
    }
  } catch (const Xapian::Error& error) {
    std::fprintf(stderr, "peers: xapian: %s\n", error.get_description().c_str());
    return -1;
  }
}

long ztXapianPeer::Postings(const std::string& term) const {
  long found = 0;
  for (auto it = m_pDb->postlist_begin(term); it != m_pDb->postlist_end(term); ++it) ++found;
  return found;
}

// Headwords in term order, one per document that has it, up to the prefix limit.
long ztXapianPeer::Prefix(const std::string& prefix) const {
  long found = 0;
  for (auto term = m_pDb->allterms_begin(prefix);
       term != m_pDb->allterms_end(prefix) && found < kPeerPrefixLimit; ++term) {
    for (auto it = m_pDb->postlist_begin(*term);
         it != m_pDb->postlist_end(*term) && found < kPeerPrefixLimit; ++it) {
      ++found;
    }
  }
  return found;
}

long ztXapianPeer::Search(const std::string& text) const {
  Xapian::QueryParser parser;
  parser.set_database(*m_pDb);
  const Xapian::Query query = parser.parse_query(
      text, Xapian::QueryParser::FLAG_BOOLEAN | Xapian::QueryParser::FLAG_PHRASE |
                Xapian::QueryParser::FLAG_WILDCARD | Xapian::QueryParser::FLAG_LOVEHATE);
  Xapian::Enquire enquire(*m_pDb);
  enquire.set_query(query);
  const Xapian::MSet ranked = enquire.get_mset(0, kPeerRankLimit);
  long read = 0;
  for (auto it = ranked.begin(); it != ranked.end(); ++it) ++read;
  return read;
}
