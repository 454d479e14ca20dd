// ztPeerCorpus: the GCIDE dictionary as every engine of the comparison receives it: the
// importer's entries for our own compiler, and for the other engines each entry's headwords
// (as spelt and folded) with its title and article as plain text.
#ifndef BENCH_PEERS_ZTPEERCORPUS_H_
#define BENCH_PEERS_ZTPEERCORPUS_H_

#include <string>
#include <vector>

#include "tools/zt/ZTSourceEntry.h"

class ztIStringSimplifier;

struct ztPeerDocument {
  std::vector<std::string> m_headwords;  // main headword first, then variants
  std::string m_title;
  std::string m_text;  // the article without its markup
};

class ztPeerCorpus {
 public:
  ztPeerCorpus() = default;
  ~ztPeerCorpus();
  ztPeerCorpus(const ztPeerCorpus&) = delete;
  ztPeerCorpus& operator=(const ztPeerCorpus&) = delete;

  // Imports the dictd index and data, then derives the documents. False (with a message on
  // standard error) when the files cannot be imported or the folding simplifier is missing.
  bool Load(const std::string& indexPath, const std::string& dictPath);

  const ZTSource& GetSource() const { return m_source; }
  // The documents in entry order: document n is entry n.
  const std::vector<ztPeerDocument>& GetDocuments() const { return m_documents; }
  // The case- and accent-insensitive form of text, as our own headword tables fold it.
  std::string Fold(const std::string& text) const;
  double GetImportSeconds() const { return m_dImportSeconds; }
  // Bytes of plain text (titles and articles) the other engines index.
  size_t GetTextBytes() const { return m_uTextBytes; }

 private:
  ZTSource m_source;
  std::vector<ztPeerDocument> m_documents;
  ztIStringSimplifier* m_pSimplifier = nullptr;
  double m_dImportSeconds = 0;
  size_t m_uTextBytes = 0;
};

#endif  // BENCH_PEERS_ZTPEERCORPUS_H_
