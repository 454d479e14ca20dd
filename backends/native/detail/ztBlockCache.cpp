#include "backends/native/detail/ztBlockCache.h"

#include "backends/native/ZTPageFileFragment.h"

ztBlockCache::~ztBlockCache() {
  Clear();
}

ZTPageFileFragment* ztBlockCache::Find(PRInt32 block) const {
  const auto found = m_blocks.find(block);
  return found == m_blocks.end() ? nullptr : found->second;
}

void ztBlockCache::Keep(PRInt32 block, ZTPageFileFragment* fragment) {
  const PRUint32 length = fragment->GetLength();
  if (length == 0 || length > m_uBudget || m_blocks.count(block)) {
    fragment->Release();
    return;
  }
  while (m_uBytes > m_uBudget - length) DropOldest();
  m_blocks[block] = fragment;
  m_order.push_back(block);
  m_uBytes += length;
}

void ztBlockCache::DropOldest() {
  const auto found = m_blocks.find(m_order.front());
  m_order.pop_front();
  m_uBytes -= found->second->GetLength();
  found->second->Release();
  m_blocks.erase(found);
}

void ztBlockCache::Clear() {
  while (!m_order.empty()) DropOldest();
}
