#include "core/ztSimpleList.h"

#include <prmem.h>

#include "core/ZTErrors.h"

ztSimpleList::ztSimpleList() : m_pSentinel(nullptr), m_pCursor(nullptr), m_uCount(0) {}

ztSimpleList::~ztSimpleList() {
  if (!m_pSentinel) return;
  for (Node* node = m_pSentinel->next; node != m_pSentinel;) {
    Node* next = node->next;
    PR_Free(node);
    node = next;
  }
  PR_Free(m_pSentinel);
}

bool ztSimpleList::EnsureSentinel() {
  if (m_pSentinel) return true;
  m_pSentinel = PR_NEW(Node);
  if (!m_pSentinel) return false;
  m_pSentinel->next = m_pSentinel->previous = m_pSentinel;
  m_pSentinel->pointer = nullptr;
  return true;
}

bool ztSimpleList::InsertBefore(Node* before, void* pointer) {
  Node* node = PR_NEW(Node);
  if (!node) return false;
  node->pointer = pointer;
  node->next = before;
  node->previous = before->previous;
  before->previous->next = node;
  before->previous = node;
  ++m_uCount;
  return true;
}

ztSimpleList::Node* ztSimpleList::NodeAt(PRUint32 index) const {
  Node* node = m_pSentinel;
  if (index < m_uCount / 2) {
    for (PRUint32 k = 0; k <= index; ++k) node = node->next;
  } else {
    for (PRUint32 k = m_uCount; k > index; --k) node = node->previous;
  }
  return node;
}

int ztSimpleList::Append(void* pointer) {
  if (!EnsureSentinel() || !InsertBefore(m_pSentinel, pointer)) return ZT_E_NOMEM;
  return ZT_OK;
}

int ztSimpleList::Prepend(void* pointer) {
  if (!EnsureSentinel() || !InsertBefore(m_pSentinel->next, pointer)) return ZT_E_NOMEM;
  return ZT_OK;
}

int ztSimpleList::AppendTo(ztSimpleList* other) const {
  if (!other) return ZT_E_STATE;
  if (!m_pSentinel) return ZT_OK;
  // Counted, so that appending a list to itself copies it once.
  Node* node = m_pSentinel->next;
  for (PRUint32 k = m_uCount; k > 0; --k, node = node->next) {
    if (int rc = other->Append(node->pointer)) return rc;
  }
  return ZT_OK;
}

int ztSimpleList::GetElement(PRUint32 index, void** ppPointer) const {
  if (!m_pSentinel) return ZT_E_STATE;
  if (!ppPointer || index >= m_uCount) return ZT_E_INVALID;
  *ppPointer = NodeAt(index)->pointer;
  return ZT_OK;
}

int ztSimpleList::SetElement(PRUint32 index, void* pointer) {
  if (!EnsureSentinel()) return ZT_E_NOMEM;
  while (m_uCount <= index) {
    if (!InsertBefore(m_pSentinel, nullptr)) return ZT_E_NOMEM;
  }
  NodeAt(index)->pointer = pointer;
  return ZT_OK;
}

int ztSimpleList::RemoveElement(PRUint32 index) {
  if (!m_pSentinel) return ZT_E_STATE;
  if (index >= m_uCount) return ZT_E_INVALID;
  Node* node = NodeAt(index);
  // An iteration standing on the node goes on with the node after it.
  if (m_pCursor == node) m_pCursor = node->previous == m_pSentinel ? nullptr : node->previous;
  node->previous->next = node->next;
  node->next->previous = node->previous;
  PR_Free(node);
  --m_uCount;
  return ZT_OK;
}

void* ztSimpleList::Next() {
  if (!m_pSentinel) return nullptr;
  Node* node = (m_pCursor ? m_pCursor : m_pSentinel)->next;
  // Past the last node the cursor rests on the sentinel: null now, the first node next time.
  m_pCursor = node == m_pSentinel ? nullptr : node;
  return node == m_pSentinel ? nullptr : node->pointer;
}
