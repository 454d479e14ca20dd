// ZTIndex: the full-text index. It stores nothing of its own: its configuration file names a
// wildcard word list, whose word table links each word to its document-occurrence records
// (document identifier, structure bits, link to the occurrences), which link to the word's
// positions in the document. Queries are parsed by the index's tokenizer and evaluated into a
// ZTIndexResult.
#ifndef FRONTENDS_INDEX_ZTINDEX_H_
#define FRONTENDS_INDEX_ZTINDEX_H_

#include <prtypes.h>

#include <vector>

#include "core/ZTTextFile.h"
#include "find/ZTRecordComparatorChain.h"
#include "frontends/index/ZTIndexExport.h"

class IndexTokens;
class ZTCursor;
class ZTIField;
class ZTIRecordFilter;
class ZTIRecordSet;
class ZTIndexResult;
class ZTIntegerList;
class ZTStringList;
class ZTWildCardWordList;
class ztIStringSimplifier;
class ztOccurrenceSets;

class ZTFINDFEINDEX_API ZTIndex : public ZTTextFile {
 public:
  // The operator words, separated by '(': union, intersection, difference, proximity in
  // either order, proximity in order.
  static const char* const kDefaultOperators;
  // Distance of the proximity operators, in word positions, unless SetNearThreshold changes it.
  static const PRUint32 kDefaultNearThreshold = 10;

  ZTIndex();
  ~ZTIndex() override;
  ZT_DECLARE_ZTIID

  // Reads the configuration, then fills the default separators and exception word where the
  // file set none. The first non-zero code; any failure leaves the index unconfigured.
  int SetFileName(const char* path, const char* base) override;
  int ConfigureItem(const char* section, const char* key, const char* value) override;
  // Builds the links text and the comparator chain once per configuration; 1 when
  // the index is not configured.
  int Init();

  // Evaluates query into a new result (one reference in *ppOut). links makes plain query words
  // follow the links text; simplifier (may be null) matches words on the simplified
  // tables; filter (may be null) is applied to every word's document-occurrence set.
  int SearchExpression(const char* query, int links, ztIStringSimplifier* simplifier,
                       ZTIRecordFilter* filter, ZTIndexResult** ppOut);

  // The word table, with a reference; 1 before a word list is configured.
  int GetWordRecordSet(ZTIRecordSet** ppOut);
  // The configured fields with a reference, null when unset; 101 for a null out-pointer.
  int GetDocLinkField(ZTIField** ppOut);
  int GetDocIdField(ZTIField** ppOut);
  int GetStructureField(ZTIField** ppOut);
  int GetOccLinkField(ZTIField** ppOut);
  void SetNearThreshold(PRUint32 threshold) { m_uNearThreshold = threshold; }
  // 10 for a null out-pointer.
  int GetNearThreshold(PRUint32* puOut) const;
  void SetPhraseApplySimplifier(int apply) { m_bPhraseApplySimplifier = apply ? 1 : 0; }
  int GetPhraseApplySimplifier(int* piOut) const;
  // Replaces the operator words of every index of the process; always 0 (a list without
  // exactly five words is logged with 600).
  static int SetOperators(const char* list);
  // *pbOut 1 when word is in the stop-word list; 0 without one.
  int IsStopWord(const char* word, int* pbOut) const;

  // The document-occurrence records of the words matching word, merged in document order and
  // filtered; an empty set of the same kind when no word matches.
  int ResolveLin(const char* word, ZTIRecordSet** ppOut, int links, ztIStringSimplifier* simplifier,
                 ZTIRecordFilter* filter);
  // The positions (ascending) of the records of set for document, scanning from *puScanPos
  // (records in document order; documents asked in ascending order may share the scan
  // position). *puScanPos moves to the first record after the document's run, or to the first
  // record of a later document. An empty cursor without an occurrence link field.
  int BuildOccurrenceList(ZTIRecordSet* set, PRUint32* puScanPos, PRUint32 count, PRUint32 document,
                          ZTCursor** ppOut);
  // The same with the documents of the set's records already read (owners[0..count)).
  int BuildOccurrenceList(ZTIRecordSet* set, const PRUint32* owners, PRUint32* puScanPos,
                          PRUint32 count, PRUint32 document, ZTCursor** ppOut);
  // The same records without merging them when the data is presorted: one set per word record
  // matched, each filtered, added to *pOut.
  int ResolveWordSets(const char* word, int links, ztIStringSimplifier* simplifier,
                      ZTIRecordFilter* filter, ztOccurrenceSets* pOut);
  // Merges sets[0..count) pairwise in balanced passes into sets[0] (the others are released).
  int MultiMerge(ZTIRecordSet** sets, PRUint32 count);
  int AppendFieldComparator(ZTIField* field);

  // 1 when the character at p separates words, 0 when it belongs to one; *ppNext gets the
  // position after it. start is where the text begins.
  int IsSpace(char* start, char* p, char** ppNext);
  // Splits text (modified in place) into tokens: terms, operators and, with keepPhrases,
  // quoted phrases kept whole. 1 when text holds only separators, 605 for an open quote.
  int Parse_Request(char* text, int keepPhrases, IndexTokens* tokens);

  // For the evaluation code: the fields without a reference (null when unset).
  ZTIField* DocIdField() const { return m_pDocIdField; }
  ZTIField* StructureField() const { return m_pStructureField; }
  ZTIField* OccLinkField() const { return m_pOccLinkField; }
  ZTIField* OccField() const { return m_pOccField; }

 private:
  int ConfigureWordList(const char* key, const char* value);
  int ConfigureWordTable(const char* key, const char* value);
  int ConfigureSeparators(const char* key, const char* value);
  int ConfigureStopWords(const char* key, const char* value);
  int ConfigureLinks(const char* key, const char* value);
  int SetLinkCount(const char* value);
  int SetLinkEntry(const char* name, const char* key, const char* value);
  int CheckConfigured() const;
  int FillDefaults();
  void FreeLinks();
  int BuildLinksText();
  int SetUpComparators();
  int MatchedSets(const char* word, int links, ztIStringSimplifier* simplifier,
                  std::vector<ZTIRecordSet*>* pSets);
  int EmptyOccurrenceSet(ZTIRecordSet** ppOut);
  int CollectOccurrenceSets(ZTCursor* words, ZTIRecordSet** sets);
  int AppendPositions(ZTIRecordSet* set, PRUint32 record, ZTCursor** ppPositions);
  bool IsHardSeparator(const char* p) const;
  bool StartsWildCard(const char* p) const;
  int IsException(char* begin, char* end, int* pbException);

  ZTIntegerList* m_pHardSeparators;
  ZTIntegerList* m_pSoftSeparators;
  ZTStringList* m_pExceptions;
  ZTStringList* m_pStopWords;
  ZTWildCardWordList* m_pWordList;
  ZTIRecordSet* m_pWordRecordSet;
  ZTIField* m_pDocLinkField;
  ZTIField* m_pDocIdField;
  ZTIField* m_pStructureField;
  ZTIField* m_pOccLinkField;
  ZTIField* m_pOccField;
  PRUint32 m_uLinkCount;
  char** m_ppcLinkFields;
  char** m_ppcLinkSubFields;
  int* m_piLinkMerge;
  char* m_pcLinks;
  ZTRecordComparatorChain m_comparator;
  PRUint32 m_uNearThreshold;
  PRUint8 m_bInitialized;
  PRUint8 m_bConfigured;
  PRUint8 m_bPresorted;
  PRUint8 m_bPhraseApplySimplifier;

  static char* m_pszOperators;
};

#endif  // FRONTENDS_INDEX_ZTINDEX_H_
