#include "tools/writer/detail/ztWordNumbers.h"

#include <cstring>
#include <functional>

namespace {

const size_t kFirstSlots = 1024;

PRUint32 HashOf(std::string_view word) {
  const size_t hash = std::hash<std::string_view>()(word);
  return static_cast<PRUint32>(hash ^ (static_cast<PRUint64>(hash) >> 32));
}

// The word's length (up to 255) in the low byte and its first 7 bytes above: two words of up
// to 7 bytes are the same when their heads are.
PRUint64 HeadOf(std::string_view word) {
  const size_t bytes = word.size() < 7 ? word.size() : 7;
  PRUint8 head[8] = {0};
  std::memcpy(head + 1, word.data(), bytes);
  head[0] = static_cast<PRUint8>(word.size() < 255 ? word.size() : 255);
  PRUint64 value = 0;
  std::memcpy(&value, head, sizeof(value));
  return value;
}

}  // namespace

ztWordNumbers::Slot& ztWordNumbers::Find(PRUint32 hash, PRUint64 head, std::string_view word) {
  const size_t mask = m_slots.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    Slot& slot = m_slots[i];
    if (slot.m_uNumber == 0) return slot;
    if (slot.m_uHash != hash || slot.m_uHead != head) continue;
    if (word.size() <= 7 || m_words[slot.m_uNumber - 1] == word) return slot;
  }
}

void ztWordNumbers::Grow() {
  std::vector<Slot> old(m_slots.empty() ? kFirstSlots : 2 * m_slots.size());
  old.swap(m_slots);
  for (const Slot& slot : old) {
    if (slot.m_uNumber != 0) Find(slot.m_uHash, slot.m_uHead, m_words[slot.m_uNumber - 1]) = slot;
  }
}

PRUint32 ztWordNumbers::Number(const char* text, size_t length) {
  if (4 * (m_words.size() + 1) > 3 * m_slots.size()) Grow();
  const std::string_view word(text, length);
  const PRUint32 hash = HashOf(word);
  const PRUint64 head = HeadOf(word);
  Slot& slot = Find(hash, head, word);
  if (slot.m_uNumber == 0) {
    m_words.emplace_back(text, length);
    slot.m_uHash = hash;
    slot.m_uHead = head;
    slot.m_uNumber = static_cast<PRUint32>(m_words.size());
  }
  return slot.m_uNumber - 1;
}
