#include "tools/writer/detail/ztPostings.h"

#include <algorithm>
#include <cstring>

namespace {

// The most bytes PutNumber writes for a 32-bit and a 64-bit value.
const size_t kMaxNumberBytes = 5;
const size_t kMaxLongBytes = 10;

PRUint8* PutNumber(PRUint8* out, PRUint64 value) {
  while (value >= 0x80) {
    *out++ = static_cast<PRUint8>(value | 0x80);
    value >>= 7;
  }
  *out++ = static_cast<PRUint8>(value);
  return out;
}

PRUint64 GetLong(const PRUint8* bytes, size_t* offset) {
  PRUint64 value = 0;
  for (int shift = 0;; shift += 7) {
    const PRUint8 byte = bytes[(*offset)++];
    value |= static_cast<PRUint64>(byte & 0x7F) << shift;
    if (!(byte & 0x80)) return value;
  }
}

PRUint32 GetNumber(const PRUint8* bytes, size_t* offset) {
  return static_cast<PRUint32>(GetLong(bytes, offset));
}

// Document deltas may be negative when documents come out of order: zigzag coding.
PRUint64 Zigzag(PRUint32 from, PRUint32 to) {
  const PRInt64 delta = static_cast<PRInt64>(to) - from;
  return static_cast<PRUint64>(delta >= 0 ? delta * 2 : -delta * 2 - 1);
}

PRUint32 Unzigzag(PRUint32 from, PRUint64 code) {
  const PRInt64 delta = code & 1 ? -static_cast<PRInt64>((code + 1) / 2) : code / 2;
  return static_cast<PRUint32>(from + delta);
}

// Occurrences sort by word, structure and position: the first two compared as one number.
PRUint64 GroupOf(const ztOccurrence& o) {
  return static_cast<PRUint64>(o.m_uWord) << 32 | o.m_uStructure;
}

bool Before(const ztOccurrence& a, const ztOccurrence& b) {
  const PRUint64 groupA = GroupOf(a), groupB = GroupOf(b);
  return groupA < groupB || (groupA == groupB && a.m_uPosition < b.m_uPosition);
}

// The region a list gets first.
const size_t kFirstRegion = 16;
// Words of a document whose lists are fetched while the entry of one is added: their ends
// kListsAhead words ahead, the lists themselves twice as far.
const size_t kListsAhead = 4;

}  // namespace

ztPostings::~ztPostings() {
  for (List& list : m_lists) {
    if (list.m_uCapacity >= kBigRegion) delete[] list.m_pBytes;
  }
}

PRUint8* ztPostings::Carve(size_t bytes) {
  if (kChunk - m_uChunkUsed < bytes) {
    m_chunks.emplace_back(new PRUint8[kChunk]);
    m_uChunkUsed = 0;
  }
  PRUint8* region = m_chunks.back().get() + m_uChunkUsed;
  m_uChunkUsed += bytes;
  return region;
}

PRUint8* ztPostings::Room(List* list, size_t bytes) {
  if (list->m_uCapacity - list->m_uSize < bytes) {
    const size_t capacity = std::max({kFirstRegion, 2 * list->m_uCapacity, list->m_uSize + bytes});
    PRUint8* region = capacity >= kBigRegion ? new PRUint8[capacity] : Carve(capacity);
    if (list->m_uSize) std::memcpy(region, list->m_pBytes, list->m_uSize);
    if (list->m_uCapacity >= kBigRegion) delete[] list->m_pBytes;
    list->m_pBytes = region;
    list->m_uCapacity = capacity;
  }
  return list->m_pBytes + list->m_uSize;
}

// An entry: the document (zigzag delta from the list's previous one), the number of
// structures, then per structure its value, its number of positions and the positions as
// deltas from the previous one (the first from 0).
void ztPostings::AddEntry(PRUint32 document, const std::vector<ztOccurrence>& occurrences,
                          size_t from, size_t to) {
  List& list = m_lists[occurrences[from].m_uWord];
  if (list.m_uSize && document < list.m_uLastDocument) list.m_bAscending = false;
  // The occurrences of one structure value follow each other (they are sorted).
  auto endOfStructure = [&](size_t start) {
    size_t end = start + 1;
    while (end < to && occurrences[end].m_uStructure == occurrences[start].m_uStructure) ++end;
    return end;
  };
  PRUint32 structures = 0;
  for (size_t s = from; s < to; s = endOfStructure(s)) ++structures;
  list.m_uRecords += structures;
  m_uRecords += structures;
  // Written at the end of the list, in room for the longest entry.
  PRUint8* const start =
      Room(&list, kMaxLongBytes + kMaxNumberBytes * (1 + 2 * size_t(structures) + (to - from)));
  PRUint8* out = PutNumber(start, Zigzag(list.m_uLastDocument, document));
  list.m_uLastDocument = document;
  out = PutNumber(out, structures);
  for (size_t s = from; s < to;) {
    const size_t end = endOfStructure(s);
    out = PutNumber(out, occurrences[s].m_uStructure);
    out = PutNumber(out, static_cast<PRUint32>(end - s));
    PRUint32 last = 0;
    for (; s < end; ++s) {
      out = PutNumber(out, occurrences[s].m_uPosition - last);
      last = occurrences[s].m_uPosition;
    }
  }
  list.m_uSize += static_cast<size_t>(out - start);
}

void ztPostings::AddDocument(PRUint32 document, std::vector<ztOccurrence>* occurrences) {
  std::sort(occurrences->begin(), occurrences->end(),
            [](const ztOccurrence& a, const ztOccurrence& b) { return Before(a, b); });
  m_uMaxDocument = std::max(m_uMaxDocument, document);
  m_uOccurrences += occurrences->size();
  for (const ztOccurrence& o : *occurrences)
    m_uMaxPosition = std::max(m_uMaxPosition, o.m_uPosition);
  if (occurrences->empty()) return;
  const PRUint32 last = occurrences->back().m_uWord;  // the largest
  if (last >= m_lists.size()) m_lists.resize(last + 1);
  // Where each word's occurrences begin, then the end.
  m_starts.clear();
  for (size_t i = 0; i < occurrences->size(); ++i) {
    if (i == 0 || (*occurrences)[i].m_uWord != (*occurrences)[i - 1].m_uWord) m_starts.push_back(i);
  }
  m_starts.push_back(occurrences->size());
  // The lists of the words ahead are fetched, then the ends of their entries.
  const size_t words = m_starts.size() - 1;
  for (size_t w = 0; w < words; ++w) {
    if (w + 2 * kListsAhead < words) {
      __builtin_prefetch(&m_lists[(*occurrences)[m_starts[w + 2 * kListsAhead]].m_uWord]);
    }
    if (w + kListsAhead < words) {
      const List& ahead = m_lists[(*occurrences)[m_starts[w + kListsAhead]].m_uWord];
      __builtin_prefetch(ahead.m_pBytes + ahead.m_uSize, 1);
    }
    AddEntry(document, *occurrences, m_starts[w], m_starts[w + 1]);
  }
}

bool ztPostings::HasWord(PRUint32 word) const {
  return word < m_lists.size() && m_lists[word].m_uSize != 0;
}

int ztPostings::VisitEntry(const PRUint8* bytes, PRUint32 document, size_t* offset,
                           ztPostingRecord* record, const Visit& visit) {
  const PRUint32 structures = GetNumber(bytes, offset);
  record->m_uDocument = document;
  for (PRUint32 s = 0; s < structures; ++s) {
    record->m_uStructure = GetNumber(bytes, offset);
    record->m_positions.resize(GetNumber(bytes, offset));
    PRUint32 position = 0;
    for (PRUint32& p : record->m_positions) p = position += GetNumber(bytes, offset);
    if (int rc = visit(*record)) return rc;
  }
  return 0;
}

int ztPostings::ForEachRecord(PRUint32 word, const Visit& visit) const {
  if (!HasWord(word)) return 0;
  const List& list = m_lists[word];
  const PRUint8* bytes = list.m_pBytes;
  std::vector<Entry> entries;
  ztPostingRecord record;
  PRUint32 document = 0;
  for (size_t offset = 0; offset < list.m_uSize;) {
    document = Unzigzag(document, GetLong(bytes, &offset));
    if (list.m_bAscending) {
      if (int rc = VisitEntry(bytes, document, &offset, &record, visit)) return rc;
      continue;
    }
    entries.push_back({document, offset});
    VisitEntry(bytes, document, &offset, &record, [](const ztPostingRecord&) { return 0; });
  }
  std::sort(entries.begin(), entries.end(),
            [](const Entry& a, const Entry& b) { return a.m_uDocument < b.m_uDocument; });
  for (Entry& entry : entries) {
    if (int rc = VisitEntry(bytes, entry.m_uDocument, &entry.m_uOffset, &record, visit)) return rc;
  }
  return 0;
}
