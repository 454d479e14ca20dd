#include "find/ZTIRecordSet.h"

#include <plstr.h>

#include <cstring>

#include "core/ZTBinary.h"
#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTIField.h"
#include "find/ZTIRecord.h"

ZT_DEFINE_ZTIID(ZTIRecordSet, ZTRefCount,
                {0xc0b2968e, 0xcedf, 0x47a4, {0x8d, 0xc6, 0x72, 0xfd, 0x15, 0xdb, 0xda, 0x67}})

int ZTIRecordSet::InitCursorRS(PRUint32, PRUint32, ZTIRecordSet*, ZTRefCount*) {
  return ZT_E_UNSUPPORTED;
}

int ZTIRecordSet::GetLookupField(ZTIField** ppField) {
  if (ppField) *ppField = nullptr;
  return ZT_E_UNSUPPORTED;
}

int ZTIRecordSet::ExtractLinkCounts(ZTIField* field, PRUint32 first, PRUint32 count,
                                    ZTCursor** ppCursor) {
  if (!ppCursor) return ZTError(ZT_E_NULLOUT, "[ZTIRecordSet::ExtractLinkCounts] null out-pointer");
  *ppCursor = nullptr;
  ZTCursor* counts = nullptr;
  int rc = ZTCursor::_CreateInstance(count, nullptr, &counts);
  PRUint32* values = rc == ZT_OK ? counts->BeginDirectWrite() : nullptr;
  for (PRUint32 i = 0; rc == ZT_OK && i < count; ++i) {
    ZTIRecord* record = nullptr;
    rc = GetRecord(first + i, &record);
    if (rc == ZT_OK) rc = record->GetLinkFieldCount(field, &values[i]);
    if (rc == ZT_OK) rc = ztCheckRecordNumber(values[i], "ZTIRecordSet::ExtractLinkCounts");
    ztRelease(record);
  }
  if (values) counts->EndDirectWrite();
  if (rc != ZT_OK) {
    ztRelease(counts);
    return rc;
  }
  *ppCursor = counts;
  return ZT_OK;
}

int ZTIRecordSet::VisitDataValues(ZTIField* field, PRUint32 first, PRUint32 count,
                                  ZTIDataValueVisitor* visitor) {
  if (!field || !visitor) {
    return ZTError(ZT_E_INVALID, "[ZTIRecordSet::VisitDataValues] null argument");
  }
  int rc = ZT_OK;
  for (PRUint32 i = 0; rc == ZT_OK && i < count; ++i) {
    ZTIRecord* record = nullptr;
    ZTBinary* value = nullptr;
    rc = GetRecord(first + i, &record);
    if (rc == ZT_OK) rc = record->GetDataFieldValue(field, &value);
    if (rc == ZT_OK) rc = visitor->VisitDataValue(first + i, value->GetData(), value->GetLength());
    ztRelease(value);
    ztRelease(record);
  }
  return rc;
}

int ZTIRecordSet::ExtractLinkRange(ZTIField*, PRUint32, PRUint32, ZTIRecordSet** ppLinked,
                                   PRUint32*, PRUint32*) {
  if (ppLinked) *ppLinked = nullptr;
  return ZT_E_UNSUPPORTED;
}

namespace {

// The derivation of modes 2 to 4 from mode 1. Probe supplies the back-end's own search
// (Before) and the key comparison of one record (Equals).
template <class Probe>
class DerivedLookup {
 public:
  DerivedLookup(ZTIRecordSet* rs, const Probe& probe) : m_pRs(rs), m_probe(probe) {}

  int Run(ztfLookupMode mode, PRUint32* puRecord) {
    PRUint32 p = 0;
    int rc = m_probe.Before(&p);
    if (rc != ZT_OK && rc != ZT_E_NOTFOUND) return rc;
    const int found = rc;
    if ((rc = m_pRs->GetLookupField(&m_pField)) != ZT_OK) return rc;
    rc = m_pRs->GetCount(&m_uCount);
    if (rc == ZT_OK)
      rc = found == ZT_E_NOTFOUND ? FromStart(mode, puRecord) : After(p, mode, puRecord);
    ztRelease(m_pField);
    return rc;
  }

 private:
  // No record has a smaller key.
  int FromStart(ztfLookupMode mode, PRUint32* puRecord) {
    if (m_uCount == 0) return ZT_E_NOTFOUND;
    if (mode == ztfLookupEqualOrAfter) return Answer(0, puRecord);
    return FromCandidate(0, mode, puRecord, ZT_E_NOTFOUND);
  }

  // Record p is the last one with a smaller key.
  int After(PRUint32 p, ztfLookupMode mode, PRUint32* puRecord) {
    if (p + 1 >= m_uCount) {
      return mode == ztfLookupEqualOrBefore ? Answer(p, puRecord) : ZT_E_NOTFOUND;
    }
    if (mode == ztfLookupEqualOrAfter) return Answer(p + 1, puRecord);
    return FromCandidate(p + 1, mode, puRecord, ZT_OK, p);
  }

  // Record q is the first one that is not smaller. When it is greater, mode 2 answers it and
  // mode 3 answers the record before it (noBefore when there is none). When it is equal, the
  // run of equal keys is skipped: mode 3 answers its last record, mode 2 the one after it.
  int FromCandidate(PRUint32 q, ztfLookupMode mode, PRUint32* puRecord, int noBefore,
                    PRUint32 before = 0) {
    bool equal = false;
    int rc = Equals(q, &equal);
    if (rc != ZT_OK) return rc;
    if (!equal) {
      if (mode == ztfLookupAfter) return Answer(q, puRecord);
      return noBefore == ZT_OK ? Answer(before, puRecord) : noBefore;
    }
    PRUint32 last = q;
    if ((rc = LastEqual(&last)) != ZT_OK) return rc;
    if (mode == ztfLookupEqualOrBefore) return Answer(last, puRecord);
    return last + 1 < m_uCount ? Answer(last + 1, puRecord) : ZT_E_NOTFOUND;
  }

  int LastEqual(PRUint32* puLast) {
    for (bool equal = true; *puLast + 1 < m_uCount;) {
      const int rc = Equals(*puLast + 1, &equal);
      if (rc != ZT_OK) return rc;
      if (!equal) break;
      ++*puLast;
    }
    return ZT_OK;
  }

  int Equals(PRUint32 index, bool* pbEqual) { return m_probe.Equals(index, m_pField, pbEqual); }

  static int Answer(PRUint32 record, PRUint32* puRecord) {
    *puRecord = record;
    return ZT_OK;
  }

  ZTIRecordSet* m_pRs;
  const Probe& m_probe;
  ZTIField* m_pField = nullptr;
  PRUint32 m_uCount = 0;
};

template <class Probe>
int Lookup(ZTIRecordSet* rs, ztfLookupMode mode, PRUint32* puRecord, const Probe& probe,
           const char* where) {
  if (!puRecord) return ZTError(ZT_E_INVALID, "[ZTIRecordSet::%s] null out-pointer", where);
  if (mode == ztfLookupEqual || mode == ztfLookupBefore) return probe.Imp(mode, puRecord);
  if (mode < ztfLookupAfter || mode > ztfLookupEqualOrAfter) {
    return ZTError(ZT_E_INVALID, "[ZTIRecordSet::%s] unknown lookup mode %d", where, mode);
  }
  return DerivedLookup<Probe>(rs, probe).Run(mode, puRecord);
}

struct TextProbe {
  ZTIRecordSet* rs;
  const char* key;
  int Imp(ztfLookupMode mode, PRUint32* p) const { return rs->LookupTextImp(key, mode, p); }
  int Before(PRUint32* p) const { return Imp(ztfLookupBefore, p); }
  int Equals(PRUint32 index, ZTIField*, bool* pbEqual) const {
    return rs->TextKeyEquals(index, key, pbEqual);
  }
};

// Whether record index's number equals key, read with get (GetUNum- or GetSNumFieldValue).
template <class T, class Get>
int NumberEquals(ZTIRecordSet* rs, PRUint32 index, ZTIField* field, T key, Get get, bool* pbEqual) {
  ZTIRecord* record = nullptr;
  T value = 0;
  int rc = rs->GetRecord(index, &record);
  if (rc == ZT_OK) rc = (record->*get)(field, &value);
  ztRelease(record);
  *pbEqual = rc == ZT_OK && value == key;
  return rc;
}

struct UNumProbe {
  ZTIRecordSet* rs;
  PRUint32 key;
  int Imp(ztfLookupMode mode, PRUint32* p) const { return rs->LookupUNumImp(key, mode, p); }
  int Before(PRUint32* p) const { return Imp(ztfLookupBefore, p); }
  int Equals(PRUint32 index, ZTIField* field, bool* pbEqual) const {
    return NumberEquals(rs, index, field, key, &ZTIRecord::GetUNumFieldValue, pbEqual);
  }
};

struct SNumProbe {
  ZTIRecordSet* rs;
  PRInt32 key;
  int Imp(ztfLookupMode mode, PRUint32* p) const { return rs->LookupSNumImp(key, mode, p); }
  int Before(PRUint32* p) const { return Imp(ztfLookupBefore, p); }
  int Equals(PRUint32 index, ZTIField* field, bool* pbEqual) const {
    return NumberEquals(rs, index, field, key, &ZTIRecord::GetSNumFieldValue, pbEqual);
  }
};

}  // namespace

int ZTIRecordSet::TextKeyEquals(PRUint32 uRecord, const char* key, bool* pbEqual) {
  if (!key || !pbEqual) return ZTError(ZT_E_INVALID, "[ZTIRecordSet::TextKeyEquals] null argument");
  ZTIField* field = nullptr;
  ZTIRecord* record = nullptr;
  ZTBinary* value = nullptr;
  int rc = GetLookupField(&field);
  if (rc == ZT_OK) rc = GetRecord(uRecord, &record);
  if (rc == ZT_OK) rc = record->GetDataFieldValue(field, &value);
  if (rc == ZT_OK) {
    const char* text = reinterpret_cast<const char*>(value->GetData());
    const size_t length = text ? strnlen(text, value->GetLength()) : 0;
    *pbEqual = length == strlen(key) && (length == 0 || memcmp(text, key, length) == 0);
  }
  ztRelease(value);
  ztRelease(record);
  ztRelease(field);
  return rc;
}

int ZTIRecordSet::LookupTextRun(const char* key, PRUint32* puFirst, PRUint32* puEnd) {
  if (!key || !puFirst || !puEnd) {
    return ZTError(ZT_E_INVALID, "[ZTIRecordSet::LookupTextRun] null argument");
  }
  PRUint32 before = 0;
  int rc = LookupTextImp(key, ztfLookupBefore, &before);
  if (rc != ZT_OK && rc != ZT_E_NOTFOUND) return rc;
  *puFirst = *puEnd = rc == ZT_E_NOTFOUND ? 0 : before + 1;
  return ExtendTextRun(key, puEnd);
}

int ZTIRecordSet::ExtendTextRun(const char* key, PRUint32* puEnd) {
  PRUint32 count = 0;
  int rc = GetCount(&count);
  for (bool equal = true; rc == ZT_OK && equal && *puEnd < count;) {
    rc = TextKeyEquals(*puEnd, key, &equal);
    if (rc == ZT_OK && equal) ++*puEnd;
  }
  return rc;
}

int ZTIRecordSet::LookupText(const char* key, ztfLookupMode mode, PRUint32* puRecord) {
  if (!key) return ZTError(ZT_E_INVALID, "[ZTIRecordSet::LookupText] null key");
  return Lookup(this, mode, puRecord, TextProbe{this, key}, "LookupText");
}

int ZTIRecordSet::LookupUNum(PRUint32 key, ztfLookupMode mode, PRUint32* puRecord) {
  return Lookup(this, mode, puRecord, UNumProbe{this, key}, "LookupUNum");
}

int ZTIRecordSet::LookupSNum(PRInt32 key, ztfLookupMode mode, PRUint32* puRecord) {
  return Lookup(this, mode, puRecord, SNumProbe{this, key}, "LookupSNum");
}
