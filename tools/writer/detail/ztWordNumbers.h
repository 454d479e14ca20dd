// ztWordNumbers: numbers distinct words (of an index, of a headword list) in the order they
// first come. Open addressing over a power-of-two table of slots, at most three quarters full:
// a look-up mostly reads one slot (or the next ones, mostly in the same cache line), and a slot
// holds a word of up to 7 bytes whole (longer ones are compared with the word numbered). The
// table is read at random while other work streams through the caches: half full, it took
// twice the room and, on GCIDE's index, 7 % more of the whole compile's time.
#ifndef TOOLS_WRITER_DETAIL_ZTWORDNUMBERS_H_
#define TOOLS_WRITER_DETAIL_ZTWORDNUMBERS_H_

#include <prtypes.h>

#include <string>
#include <string_view>
#include <vector>

class ztWordNumbers {
 public:
  // The word's number: for a word not seen before, the count of words so far.
  PRUint32 Number(const char* word, size_t length);
  PRUint32 Number(const std::string& word) { return Number(word.data(), word.size()); }
  // The word numbered number (below GetCount()).
  const std::string& Word(PRUint32 number) const { return m_words[number]; }
  PRUint32 GetCount() const { return static_cast<PRUint32>(m_words.size()); }

 private:
  struct Slot {
    PRUint32 m_uHash = 0;
    PRUint32 m_uNumber = 0;  // the word's number + 1; 0 for an empty slot
    PRUint64 m_uHead = 0;    // see HeadOf
  };

  // The slot of hash where the word is or would go.
  Slot& Find(PRUint32 hash, PRUint64 head, std::string_view word);
  // Doubles the table (from 1024 slots), placing every word anew.
  void Grow();

  std::vector<Slot> m_slots;
  std::vector<std::string> m_words;
};

#endif  // TOOLS_WRITER_DETAIL_ZTWORDNUMBERS_H_
