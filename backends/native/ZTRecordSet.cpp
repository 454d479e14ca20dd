#include "backends/native/ZTRecordSet.h"

#include <plstr.h>
#include <prmem.h>

#include <cstdlib>

#include "backends/native/ZTNativeErrors.h"
#include "core/ZTErrors.h"
#include "find/ZTIRecord.h"

namespace {

const PRInt32 kDefaultIncrement = 5;
const PRInt32 kDefaultDecrement = -1;

}  // namespace

ZTRecordSet::ZTRecordSet()
    : m_pNodes(nullptr),
      m_uNodes(0),
      m_uOccupied(0),
      m_iScoreIncrement(kDefaultIncrement),
      m_iScoreDecrement(kDefaultDecrement),
      m_pHead(nullptr),
      m_pCandidate(nullptr),
      m_pTail(nullptr) {}

ZTRecordSet::~ZTRecordSet() {
  Terminate();
}

void ZTRecordSet::SetOccupied(PRUint32 occupied) {
  m_uOccupied = occupied;
  m_iRefWarn = static_cast<PRInt32>(occupied);
}

void ZTRecordSet::Terminate() {
  Node* nodes = m_pNodes;
  const PRUint32 count = m_uNodes;
  // Releasing a record may release this set: nothing of the cache is reachable meanwhile.
  m_pNodes = m_pHead = m_pCandidate = m_pTail = nullptr;
  m_uNodes = 0;
  m_uOccupied = 0;
  m_iScoreIncrement = kDefaultIncrement;
  m_iScoreDecrement = kDefaultDecrement;
  m_iRefWarn = -1;
  for (PRUint32 i = 0; i < count; ++i) ztRelease(nodes[i].m_pRecord);
  PR_Free(nodes);
}

void ZTRecordSet::OnRefPreWarn() {
  if (m_iRefCount == static_cast<PRInt32>(m_uOccupied) + 1) Terminate();
}

int ZTRecordSet::Resize(const char* value) {
  Terminate();
  const PRInt32 size = static_cast<PRInt32>(std::strtol(value ? value : "0", nullptr, 10));
  if (size < 0 || size > kMaxCacheSize) {
    return ZTError(ZT_NATIVE_E_RECORD, "[ZTRecordSet::Configure] Cache size not valid (%d)", size);
  }
  if (size == 0) return ZT_OK;
  m_pNodes = static_cast<Node*>(PR_Calloc(size, sizeof(Node)));
  if (!m_pNodes) return ZT_E_NOMEM;
  m_uNodes = static_cast<PRUint32>(size);
  for (PRUint32 i = 0; i < m_uNodes; ++i) {
    m_pNodes[i].m_pPrev = i ? &m_pNodes[i - 1] : nullptr;
    m_pNodes[i].m_pNext = i + 1 < m_uNodes ? &m_pNodes[i + 1] : nullptr;
  }
  m_pHead = m_pCandidate = &m_pNodes[0];
  m_pTail = &m_pNodes[m_uNodes - 1];
  SetOccupied(0);
  return ZT_OK;
}

int ZTRecordSet::ConfigureItem(const char* /*section*/, const char* key, const char* value) {
  if (!key) return ZT_E_INVALID;
  if (PL_strcmp(key, "SIZE") == 0) return Resize(value);
  if (PL_strcmp(key, "SCOREINCREMENT") == 0) {
    m_iScoreIncrement = static_cast<PRInt32>(std::strtol(value ? value : "0", nullptr, 10));
    return ZT_OK;
  }
  if (PL_strcmp(key, "SCOREDECREMENT") == 0) {
    m_iScoreDecrement = static_cast<PRInt32>(std::strtol(value ? value : "0", nullptr, 10));
    return ZT_OK;
  }
  return ZT_E_UNHANDLED;
}

void ZTRecordSet::Unlink(Node* node) {
  (node->m_pPrev ? node->m_pPrev->m_pNext : m_pHead) = node->m_pNext;
  (node->m_pNext ? node->m_pNext->m_pPrev : m_pTail) = node->m_pPrev;
  node->m_pPrev = node->m_pNext = nullptr;
}

void ZTRecordSet::LinkBefore(Node* node, Node* before) {
  Node* after = before ? before->m_pPrev : m_pTail;
  node->m_pPrev = after;
  node->m_pNext = before;
  (after ? after->m_pNext : m_pHead) = node;
  (before ? before->m_pPrev : m_pTail) = node;
}

void ZTRecordSet::Promote(Node* node) {
  Node* before = node;
  while (before->m_pPrev && before->m_pPrev->m_iScore <= node->m_iScore) before = before->m_pPrev;
  if (before == node) return;
  Unlink(node);
  LinkBefore(node, before);
}

void ZTRecordSet::Evict(Node* node) {
  ZTIRecord* record = node->m_pRecord;
  node->m_pRecord = nullptr;
  node->m_iScore = 0;
  Unlink(node);
  LinkBefore(node, nullptr);
  // The warn level follows before the record lets go of its table.
  SetOccupied(m_uOccupied - 1);
  record->Release();
}

int ZTRecordSet::GetCachedRecord(PRUint32 n, ZTIRecord** ppRecord) {
  *ppRecord = nullptr;
  if (!m_pNodes) return ZT_E_INVALID;
  m_pCandidate = nullptr;
  Node* node = m_pHead;
  int rc = ZT_OK;
  for (PRUint32 seen = 0; node && node->m_pRecord && seen < m_uNodes; ++seen) {
    Node* next = node->m_pNext;
    PRUint32 id = 0;
    if ((rc = node->m_pRecord->GetId(&id)) != ZT_OK) break;
    if (id == n) {
      *ppRecord = node->m_pRecord;
      node->m_iScore += m_iScoreIncrement;
      Promote(node);
    } else {
      node->m_iScore += m_iScoreDecrement;
      if (node->m_iScore <= 0) {
        Evict(node);
      } else if (node->m_iScore <= m_iScoreIncrement &&
                 (!node->m_pPrev || node->m_pPrev->m_iScore > m_iScoreIncrement)) {
        m_pCandidate = node;
      }
    }
    node = next;
  }
  if (!rc && !m_pCandidate) {
    // The first empty node, if any, receives the next record.
    for (node = m_pHead; node && node->m_pRecord; node = node->m_pNext) {
    }
    m_pCandidate = node;
  }
  if (*ppRecord) (*ppRecord)->AddRef();
  if (rc) return rc;
  return *ppRecord ? ZT_OK : ZT_E_INVALID;
}

void ZTRecordSet::InsertRecordInCache(ZTIRecord* record) {
  if (!m_pNodes || !m_pCandidate || !record) return;
  Node* node = m_pTail;
  if (m_pCandidate != node) Unlink(node);
  ZTIRecord* old = node->m_pRecord;
  record->AddRef();
  node->m_pRecord = record;
  node->m_iScore = m_iScoreIncrement;
  if (m_pCandidate != node) {
    LinkBefore(node, m_pCandidate);
    m_pCandidate = node;
  }
  if (!old) SetOccupied(m_uOccupied + 1);
  ztRelease(old);
}

int ZTRecordSet::GetCacheEntry(PRUint32 i, PRUint32* puRecord, PRInt32* piScore) const {
  Node* node = m_pHead;
  for (; node && node->m_pRecord && i > 0; --i) node = node->m_pNext;
  if (!node || !node->m_pRecord) return ZT_E_NOTFOUND;
  *piScore = node->m_iScore;
  return node->m_pRecord->GetId(puRecord);
}
