#include "core/ztIStringSimplifier.h"

#include <plstr.h>
#include <prmem.h>

#include <cstring>

#include "core/ZTErrors.h"

namespace {

// Room for one simplified character while simplifying in place.
constexpr PRUint32 kScratch = 15;
// Each side's area when comparing first characters; one byte is kept for the NUL.
constexpr PRUint32 kCompareArea = 1024;
constexpr PRUint32 kCompareRoom = kCompareArea - 1;
// First size of a caller's output buffer.
constexpr PRUint32 kFirstOutput = 16;

// (length + 1) * 1.2 truncated; 0 when that does not fit in 32 bits.
PRUint32 InitialCapacity(PRUint64 length) {
  const PRUint64 capacity = (length + 1) * 12 / 10;
  return capacity > PR_UINT32_MAX ? 0 : static_cast<PRUint32>(capacity);
}

bool Resize(char** ppcBuffer, PRUint32* puCapacity, PRUint64 capacity) {
  if (capacity > PR_UINT32_MAX) return false;
  char* resized = static_cast<char*>(PR_Realloc(*ppcBuffer, static_cast<PRUint32>(capacity)));
  if (!resized) return false;
  *ppcBuffer = resized;
  *puCapacity = static_cast<PRUint32>(capacity);
  return true;
}

int OutOfMemory() {
  return ZTError(ZT_E_NOMEM, "[ztIStringSimplifier] Out of memory");
}

}  // namespace

ZT_DEFINE_ZTIID(ztIStringSimplifier, ZTRefCount,
                {0x0c387d53, 0x6fd1, 0x4456, {0x9c, 0x7c, 0xc2, 0x47, 0xa1, 0x79, 0x70, 0x83}})

ztIStringSimplifier::ztIStringSimplifier() : m_pcIdentity(nullptr) {}

ztIStringSimplifier::~ztIStringSimplifier() {
  PR_Free(m_pcIdentity);
}

const char* ztIStringSimplifier::GetSharedIdentity() {
  if (!m_pcIdentity) ComputeIdentity();
  return m_pcIdentity;
}

int ztIStringSimplifier::Step(const char* text, PRUint32* puConsumed, char* buffer,
                              PRUint32* puLength) {
  *puConsumed = 0;
  const int rc = SimplifyFirstChar(text, puConsumed, buffer, puLength);
  if (rc == ZT_OK && *puConsumed == 0 && *text)
    return ZTError(ZT_E_FAILED, "[ztIStringSimplifier] The simplifier used nothing of its text");
  return rc;
}

int ztIStringSimplifier::Append(const char* text, char** ppcBuffer, PRUint32* puCapacity,
                                PRUint32* puEnd) {
  while (*text) {
    PRUint32 used = 0;
    PRUint32 length = *puCapacity - *puEnd;
    const int rc = Step(text, &used, *ppcBuffer + *puEnd, &length);
    if (rc == ZT_E_NOMEM) {
      const PRUint64 doubled = 2 * static_cast<PRUint64>(*puCapacity);
      if (!Resize(ppcBuffer, puCapacity, doubled > 0 ? doubled : kFirstOutput))
        return OutOfMemory();
      continue;
    }
    if (rc) return rc;
    *puEnd += length;
    text += used;
  }
  return ZT_OK;
}

int ztIStringSimplifier::SimplifyAfter(const char* prefix, PRUint32 prefixLength, const char* text,
                                       char** ppcOut, PRUint32* puSize) {
  PRUint32 capacity = InitialCapacity(static_cast<PRUint64>(prefixLength) + std::strlen(text));
  char* out = capacity ? static_cast<char*>(PR_Malloc(capacity)) : nullptr;
  if (!out) return OutOfMemory();
  std::memcpy(out, prefix, prefixLength);
  PRUint32 end = prefixLength;
  int rc = Append(text, &out, &capacity, &end);
  PRUint32 room = capacity;
  if (rc == ZT_OK && end == capacity && !Resize(&out, &room, capacity + 1ull)) rc = OutOfMemory();
  if (rc) {
    PR_Free(out);
    return rc;
  }
  out[end] = '\0';
  *ppcOut = out;
  if (puSize) *puSize = capacity;
  return ZT_OK;
}

int ztIStringSimplifier::SimplifyToNew(const char* text, char** ppcOut, PRUint32* puSize) {
  if (!text || !ppcOut) return ZT_E_INVALID;
  *ppcOut = nullptr;
  return SimplifyAfter("", 0, text, ppcOut, puSize);
}

int ztIStringSimplifier::Simplify(const char* text, char** ppcOut) {
  return SimplifyToNew(text, ppcOut, nullptr);
}

// Reading and writing run in the same buffer, the writer never overtaking the reader. When a
// character would overtake it, the simplified beginning is kept and only the unread rest of the
// original text is simplified again, into a new buffer.
int ztIStringSimplifier::SimplifyRealloc(char** ppcText, PRUint32* puSize) {
  if (!ppcText) return ZT_E_INVALID;
  char* text = *ppcText;
  if (!text) return ZT_OK;
  PRUint32 read = 0, write = 0;
  int rc = ZT_OK;
  char scratch[kScratch];
  while (text[read]) {
    PRUint32 used = 0;
    PRUint32 length = kScratch;
    rc = Step(text + read, &used, scratch, &length);
    if (rc || write + length > read + used) break;
    std::memcpy(text + write, scratch, length);
    write += length;
    read += used;
  }
  // The buffer now holds the simplified beginning followed by the unread rest.
  if (write < read) std::memmove(text + write, text + read, std::strlen(text + read) + 1);
  if (rc != ZT_OK && rc != ZT_E_NOMEM) return rc;
  if (!text[write]) return ZT_OK;
  char* out = nullptr;
  PRUint32 size = 0;
  rc = SimplifyAfter(text, write, text + write, &out, &size);
  if (rc) return rc;
  PR_Free(text);
  *ppcText = out;
  if (puSize) *puSize = size;
  return ZT_OK;
}

int ztIStringSimplifier::SimplifyOutputRealloc(const char* text, char** ppcBuffer,
                                               PRUint32* puSize) {
  if (!text || !ppcBuffer || !puSize) return ZT_E_INVALID;
  if ((!*ppcBuffer || *puSize == 0) && !Resize(ppcBuffer, puSize, kFirstOutput))
    return OutOfMemory();
  PRUint32 end = 0;
  const int rc = Append(text, ppcBuffer, puSize, &end);
  if (rc) return rc;
  if (end == *puSize && !Resize(ppcBuffer, puSize, 2 * static_cast<PRUint64>(*puSize)))
    return OutOfMemory();
  (*ppcBuffer)[end] = '\0';
  return ZT_OK;
}

int ztIStringSimplifier::Extend(const char* text, PRUint32* puUsed, char* area, PRUint32* puLength,
                                PRUint32 target) {
  do {
    PRUint32 consumed = 0;
    PRUint32 room = kCompareRoom - *puLength;
    const int rc = Step(text + *puUsed, &consumed, area + *puLength, &room);
    if (rc == ZT_E_NOMEM)
      return ZTError(ZT_E_NOMEM,
                     "[ztIStringSimplifier::CompareFirstChar] char returned by simplifier is "
                     "more than %u bytes long.",
                     kCompareRoom);
    if (rc) return rc;
    *puUsed += consumed;
    *puLength += room;
  } while (*puLength < target && text[*puUsed]);
  return ZT_OK;
}

int ztIStringSimplifier::CompareFirstChar(const char* a, PRUint32* puUsedA, const char* b,
                                          PRUint32* puUsedB, int* piDiff) {
  if (!a || !b) return ZT_E_INVALID;
  char areaA[kCompareArea], areaB[kCompareArea];
  PRUint32 usedA = 0, usedB = 0, lengthA = 0, lengthB = 0;
  int rc = Extend(a, &usedA, areaA, &lengthA, 0);
  if (rc == ZT_OK) rc = Extend(b, &usedB, areaB, &lengthB, 0);
  while (rc == ZT_OK && lengthA != lengthB) {
    const PRUint32 before = usedA + usedB;
    if (lengthA < lengthB && a[usedA]) rc = Extend(a, &usedA, areaA, &lengthA, lengthB);
    if (rc == ZT_OK && lengthB < lengthA && b[usedB])
      rc = Extend(b, &usedB, areaB, &lengthB, lengthA);
    if (usedA + usedB == before) break;  // neither side could grow
  }
  if (rc) return rc;
  areaA[lengthA] = '\0';
  areaB[lengthB] = '\0';
  if (piDiff) *piDiff = PL_strcmp(areaA, areaB);
  if (puUsedA) *puUsedA = usedA;
  if (puUsedB) *puUsedB = usedB;
  return ZT_OK;
}

int ztIStringSimplifier::Compare(const char* a, PRUint32* puUsedA, const char* b, PRUint32* puUsedB,
                                 int* piDiff) {
  if (!a || !b) return ZT_E_INVALID;
  PRUint32 totalA = 0, totalB = 0;
  int diff = 0;
  while (diff == 0 && (a[totalA] || b[totalB])) {
    PRUint32 usedA = 0, usedB = 0;
    const int rc = CompareFirstChar(a + totalA, &usedA, b + totalB, &usedB, &diff);
    if (rc) return rc;
    totalA += usedA;
    totalB += usedB;
  }
  if (piDiff) *piDiff = diff;
  if (puUsedA) *puUsedA = totalA;
  if (puUsedB) *puUsedB = totalB;
  return ZT_OK;
}
