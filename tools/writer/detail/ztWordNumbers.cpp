#include "tools/writer/detail/ztWordNumbers.h"

#include <functional>

namespace {

const size_t kFirstSlots = 1024;

PRUint32 HashOf(std::string_view word) {
  const size_t hash = std::hash<std::string_view>()(word);
  return static_cast<PRUint32>(hash ^ (static_cast<PRUint64>(hash) >> 32));
}

}  // namespace

ztWordNumbers::Slot& ztWordNumbers::Find(PRUint32 hash, std::string_view word) {
  const size_t mask = m_slots.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    Slot& slot = m_slots[i];
    if (slot.m_uNumber == 0) return slot;
    if (slot.m_uHash == hash && m_words[slot.m_uNumber - 1] == word) return slot;
  }
}

void ztWordNumbers::Grow() {
  std::vector<Slot> old(m_slots.empty() ? kFirstSlots : 2 * m_slots.size());
  old.swap(m_slots);
  for (const Slot& slot : old) {
    if (slot.m_uNumber != 0) Find(slot.m_uHash, m_words[slot.m_uNumber - 1]) = slot;
  }
}

PRUint32 ztWordNumbers::Number(const char* text, size_t length) {
  if (2 * (m_words.size() + 1) > m_slots.size()) Grow();
  const std::string_view word(text, length);
  const PRUint32 hash = HashOf(word);
  Slot& slot = Find(hash, word);
  if (slot.m_uNumber == 0) {
    m_words.emplace_back(text, length);
    slot.m_uHash = hash;
    slot.m_uNumber = static_cast<PRUint32>(m_words.size());
  }
  return slot.m_uNumber - 1;
}
