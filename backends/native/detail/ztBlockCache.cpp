#include "backends/native/detail/ztBlockCache.h"

#include "backends/native/ZTPageFileFragment.h"

ztBlockCache::~ztBlockCache() {
  Clear();
}

ZTPageFileFragment* ztBlockCache::Find(PRInt32 block) const {
  return block >= 0 && static_cast<size_t>(block) < m_blocks.size() ? m_blocks[block] : nullptr;
}

void ztBlockCache::Keep(PRInt32 block, ZTPageFileFragment* fragment) {
  const PRUint32 length = fragment->GetLength();
  if (length == 0 || length > m_uBudget || block < 0 || Find(block)) {
    fragment->Release();
    return;
  }
  while (m_uBytes > m_uBudget - length) DropOldest();
  if (static_cast<size_t>(block) >= m_blocks.size()) m_blocks.resize(block + 1, nullptr);
  m_blocks[block] = fragment;
  m_order.push_back(block);
  m_uBytes += length;
}

void ztBlockCache::DropOldest() {
  ZTPageFileFragment*& oldest = m_blocks[m_order.front()];
  m_order.pop_front();
  m_uBytes -= oldest->GetLength();
  ztRelease(oldest);
}

void ztBlockCache::Clear() {
  while (!m_order.empty()) DropOldest();
  m_blocks.clear();
}
