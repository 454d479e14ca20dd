// ZTRecordSet: the scored cache of recently used records between a native table and its
// record file. Nodes form one list ordered by score, highest first, empty nodes at the end.
// Cached records hold a reference to their table; the table's warn level equals the number
// of cached records, so that the cache is emptied when only the cache and one outside holder
// remain and that holder lets go.
#ifndef BACKENDS_NATIVE_ZTRECORDSET_H_
#define BACKENDS_NATIVE_ZTRECORDSET_H_

#include "backends/native/ZTNativeExport.h"
#include "find/ZTIRecordSet.h"

class ZTNATIVE_API ZTRecordSet : public ZTIRecordSet {
 public:
  // Nodes a RECORDCACHE section may ask for.
  static const PRInt32 kMaxCacheSize = 65536;

  ZTRecordSet();
  ~ZTRecordSet() override;

  // RECORDCACHE keys: SIZE, SCOREINCREMENT, SCOREDECREMENT; 14 for any other key.
  virtual int ConfigureItem(const char* section, const char* key, const char* value);
  // Breaks the table-record cycle once only cached records and the releasing holder remain.
  void OnRefPreWarn() override;

  // Looks record n up, ageing the others; 0 with the record (one reference), 1 when absent.
  int GetCachedRecord(PRUint32 n, ZTIRecord** ppRecord);
  // Offers a record to the cache, at the candidate place found by the last lookup.
  void InsertRecordInCache(ZTIRecord* record);
  // Releases every cached record and frees the nodes; scores return to their defaults.
  void Terminate();

  PRUint32 GetCachedCount() const { return m_uOccupied; }
  // The record number and score of the node at position i of the list (0 is the head);
  // 11 past the occupied nodes.
  int GetCacheEntry(PRUint32 i, PRUint32* puRecord, PRInt32* piScore) const;

 private:
  struct Node {
    ZTIRecord* m_pRecord;  // counted; null for an empty node
    PRInt32 m_iScore;
    Node* m_pPrev;
    Node* m_pNext;
  };

  int Resize(const char* value);
  void Unlink(Node* node);
  // Links node before before (at the end when before is null).
  void LinkBefore(Node* node, Node* before);
  // Moves a node whose score grew towards the head, behind the nearest higher score.
  void Promote(Node* node);
  // Empties an aged node and moves it to the end.
  void Evict(Node* node);
  void SetOccupied(PRUint32 occupied);

  Node* m_pNodes;
  PRUint32 m_uNodes;
  PRUint32 m_uOccupied;
  PRInt32 m_iScoreIncrement;
  PRInt32 m_iScoreDecrement;
  Node* m_pHead;
  Node* m_pCandidate;
  Node* m_pTail;
};

#endif  // BACKENDS_NATIVE_ZTRECORDSET_H_
