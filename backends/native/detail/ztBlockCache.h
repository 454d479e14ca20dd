// ztBlockCache: the inflated blocks of a compressed page file kept after the main fragment has
// moved on, so that reading back and forth among a few blocks inflates each of them once. The
// oldest blocks leave first when the bytes kept would pass the budget.
#ifndef BACKENDS_NATIVE_DETAIL_ZTBLOCKCACHE_H_
#define BACKENDS_NATIVE_DETAIL_ZTBLOCKCACHE_H_

#include <prtypes.h>

#include <deque>
#include <vector>

class ZTPageFileFragment;

class ztBlockCache {
 public:
  ztBlockCache() = default;
  ~ztBlockCache();
  ztBlockCache(const ztBlockCache&) = delete;
  ztBlockCache& operator=(const ztBlockCache&) = delete;

  // The fragment beginning with block, held by the cache until the next Keep or Clear (add a
  // reference to keep it longer), or null.
  ZTPageFileFragment* Find(PRInt32 block) const;
  // Takes over the reference to fragment as the one holding block (and the blocks after it
  // that it covers); releases it instead when it is larger than the budget or block is kept.
  void Keep(PRInt32 block, ZTPageFileFragment* fragment);
  // Drops every block; a budget of 0 keeps none.
  void Clear();
  void SetBudget(PRUint32 bytes) { m_uBudget = bytes; }

 private:
  void DropOldest();

  std::vector<ZTPageFileFragment*> m_blocks;  // by block number, null for a block not kept
  std::deque<PRInt32> m_order;                // oldest first
  PRUint32 m_uBytes = 0;
  PRUint32 m_uBudget = 0;
};

#endif  // BACKENDS_NATIVE_DETAIL_ZTBLOCKCACHE_H_
