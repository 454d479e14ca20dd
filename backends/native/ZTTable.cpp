#include "backends/native/ZTTable.h"

#include <plstr.h>
#include <prinit.h>
#include <prprf.h>
#include <prthread.h>

#include <cstdint>
#include <cstdlib>
#include <new>

#include "backends/native/ZTField.h"
#include "backends/native/ZTFldCollection.h"
#include "backends/native/ZTLCFile.h"
#include "backends/native/ZTNativeErrors.h"
#include "backends/native/ZTPageFile.h"
#include "backends/native/ZTPageFileFragment.h"
#include "backends/native/ZTRecord.h"
#include "backends/native/detail/TableDelegate.h"
#include "core/ZTEnvir.h"
#include "core/ZTErrors.h"
#include "core/ZTTextFile.h"
#include "find/ZTCursor.h"
#include "find/ztCreateRecordSet.h"

namespace {

// How deep the calling thread is in tables that LINK fields open while their table is
// configured. NSPR keeps it per thread: a thread-local variable in a module loaded at run time
// is what the leak checker could not always read at exit.
PRUintn s_uDepthIndex = 0;
PRCallOnceType s_depthOnce;

PRStatus NewDepthIndex() {
  return PR_NewThreadPrivateIndex(&s_uDepthIndex, nullptr);
}

// False when NSPR has no index left to give.
bool GetOpeningDepth(int* piDepth) {
  if (PR_CallOnce(&s_depthOnce, NewDepthIndex) != PR_SUCCESS) return false;
  *piDepth = static_cast<int>(reinterpret_cast<intptr_t>(PR_GetThreadPrivate(s_uDepthIndex)));
  return true;
}

void SetOpeningDepth(int depth) {
  PR_SetThreadPrivate(s_uDepthIndex, reinterpret_cast<void*>(static_cast<intptr_t>(depth)));
}

}  // namespace

ZT_DEFINE_ZTIID(ZTTable, ZTRecordSet,
                {0x67715c46, 0x317b, 0x4ae8, {0x87, 0xf2, 0xe4, 0x32, 0x08, 0x56, 0x15, 0xba}})

ZTTable::ZTTable()
    : m_pRecordFile(nullptr),
      m_pLookupField(nullptr),
      m_pLCFile(nullptr),
      m_pConfig(nullptr),
      m_pcConfigPath(nullptr),
      m_bValid(false),
      m_uCount(0) {}

ZTTable::~ZTTable() {
  Terminate();
  Reset();
}

void ZTTable::Reset() {
  m_bValid = false;
  m_uCount = 0;
  ztRelease(m_pLCFile);
  ztRelease(m_pLookupField);
  ztRelease(m_pRecordFile);
  ztRelease(m_pConfig);
  PL_strfree(m_pcConfigPath);
  m_pcConfigPath = nullptr;
}

const char* ZTTable::ConfigPath() const {
  return m_pcConfigPath ? m_pcConfigPath : "(none)";
}

int ZTTable::OpenConfiguration(const char* name) {
  m_pConfig = new (std::nothrow) ZTTextFile();
  if (!m_pConfig) return ZT_E_NOMEM;
  int rc = m_pConfig->SetFileName(name, "config.cft");
  if (rc) {
    char* other = PR_smprintf("%s%s", name, ".ztn");
    rc = other ? m_pConfig->SetFileName(other, nullptr) : ZT_E_NOMEM;
    if (other) PR_smprintf_free(other);
  }
  if (rc == ZT_OK) return m_pConfig->GetFileName(&m_pcConfigPath);
  return ZTError(ZT_E_NOTFOUND, "[ZTTable::SetFileName] Cannot find config file for table `%s'.",
                 name);
}

int ZTTable::Parse() {
  // LINK fields open their tables while this one is configured: a cycle of links would
  // never end.
  int depth = 0;
  if (!GetOpeningDepth(&depth)) {
    return ZTError(ZT_E_FAILED, "[ZTTable::SetFileName] No thread-private index for %s",
                   ConfigPath());
  }
  if (depth >= kMaxNesting) {
    return ZTError(ZT_E_FAILED,
                   "[ZTTable::SetFileName] Tables opened more than %d deep by their LINK fields "
                   "(%s)",
                   kMaxNesting, ConfigPath());
  }
  SetOpeningDepth(depth + 1);
  TableDelegate delegate(this);
  m_pConfig->SetConfigurationDelegate(&delegate);
  const int rc = m_pConfig->ParseConfiguration();
  m_pConfig->SetConfigurationDelegate(nullptr);
  SetOpeningDepth(depth);
  return rc;
}

int ZTTable::SetFileName(const char* name) {
  Terminate();
  Reset();
  if (!name) return ZT_E_INVALID;
  int rc = OpenConfiguration(name);
  if (!rc) rc = Parse();
  if (!rc) rc = Check();
  if (rc) return rc;
  const PRInt32 count = m_pRecordFile->GetRecordCount();
  m_uCount = count > 0 ? static_cast<PRUint32>(count) : 0;
  m_bValid = true;
  return ZT_OK;
}

int ZTTable::Check() {
  if (!m_pRecordFile) {
    return ZTError(ZT_NATIVE_E_TABLE, "[ZTTable::Check] No DAT file (%s).", ConfigPath());
  }
  int rc = m_pRecordFile->Check();
  if (rc || !m_pLCFile) return rc;
  const PRInt32 pages = m_pRecordFile->GetPageCount();
  m_pLCFile->SetPageLimit(pages > 0 ? static_cast<PRUint32>(pages) : 0);
  return m_pLCFile->Check();
}

int ZTTable::ConfigureDat(const char* section, const char* key, const char* value) {
  if (!m_pRecordFile) m_pRecordFile = new (std::nothrow) ZTPageFile();
  return m_pRecordFile ? m_pRecordFile->ConfigureItem(section, key, value) : ZT_E_NOMEM;
}

int ZTTable::ConfigureLC(const char* key, const char* value) {
  if (!m_pLCFile) m_pLCFile = new (std::nothrow) ZTLCFile();
  if (!m_pLCFile) return ZT_E_NOMEM;
  if (PL_strcmp(key, "FIELD") != 0) return m_pLCFile->ConfigureItem("LC", key, value);
  if (m_pLookupField) {
    return ZTError(ZT_NATIVE_E_TABLE, "[ZTTable::SetFileName] LC file record given twice or more.");
  }
  ZTField* field = m_pRecordFile ? m_pRecordFile->GetFldCollection()->FindField(value) : nullptr;
  if (!field) {
    return ZTError(ZT_NATIVE_E_UNKNOWN, "[ZTTable::Configure] Field %s is unknown.",
                   value ? value : "(null)");
  }
  field->AddRef();
  m_pLookupField = field;
  return ZT_OK;
}

int ZTTable::ConfigureField(const char* section, const char* key, const char* value) {
  const char* comma = PL_strchr(section, ',');
  char* name = comma ? PL_strndup(section + 1, static_cast<PRUint32>(comma - section - 1))
                     : PL_strdup(section + 1);
  if (!name) return ZT_E_NOMEM;
  char* end = nullptr;
  const unsigned long pack = comma ? std::strtoul(comma + 1, &end, 10) : 0;
  ZTField* field = m_pRecordFile ? m_pRecordFile->GetFldCollection()->FindField(name) : nullptr;
  int rc = ZT_OK;
  if (comma && (end == comma + 1 || *end || pack >= kZTMaxPacks)) {
    rc = ZTError(ZT_E_BADOPTION, "[ZTTable::SetFileName] Invalid pack number in section [%s].",
                 section);
  } else if (!field) {
    rc = ZTError(ZT_E_BADOPTION, "[ZTTable::SetFileName] Field %s unknwon.", name);
  }
  PL_strfree(name);
  return rc ? rc : field->ConfigureComposite(static_cast<PRUint32>(pack), key, value);
}

int ZTTable::ConfigureItem(const char* section, const char* key, const char* value) {
  if (!section || !key) return ZT_E_INVALID;
  if (PL_strcmp(section, "RECORDCACHE") == 0)
    return ZTRecordSet::ConfigureItem(section, key, value);
  if (PL_strcmp(section, "DAT") == 0) return ConfigureDat(section, key, value);
  if (PL_strcmp(section, "LC") == 0) return ConfigureLC(key, value);
  if (section[0] == '$') return ConfigureField(section, key, value);
  return ZT_E_UNHANDLED;
}

int ZTTable::GetCount(PRUint32* puCount) const {
  if (!puCount) return ZT_E_NULLOUT;
  *puCount = m_bValid ? m_uCount : 0xFFFFFFFF;
  return m_bValid ? ZT_OK : ZT_NATIVE_E_TABLE;
}

PRInt32 ZTTable::GetCount() {
  return m_bValid ? static_cast<PRInt32>(m_uCount) : -1;
}

PRUint32 ZTTable::GetRecordSize() {
  return m_bValid ? m_pRecordFile->GetRecordSize() : 0;
}

int ZTTable::GetFldCollection(ZTIFldCollection** ppCollection) {
  if (!ppCollection) return ZT_E_NULLOUT;
  *ppCollection = nullptr;
  if (!m_bValid) return ZT_NATIVE_E_TABLE;
  ZTFldCollection* fields = m_pRecordFile->GetFldCollection();
  fields->AddRef();
  *ppCollection = fields;
  return ZT_OK;
}

int ZTTable::GetRecord(PRUint32 uRecord, ZTIRecord** ppRecord) {
  if (!ppRecord) return ZT_E_NULLOUT;
  *ppRecord = nullptr;
  if (!m_bValid) return ZT_NATIVE_E_TABLE;
  if (GetCachedRecord(uRecord, ppRecord) == ZT_OK) return ZT_OK;
  int rc = m_pRecordFile->GetRecord(uRecord, ppRecord);
  if (rc) return rc;
  static_cast<ZTRecord*>(*ppRecord)->SetTable(this);
  static_cast<ZTRecord*>(*ppRecord)->SetRecordFile(m_pRecordFile);
  InsertRecordInCache(*ppRecord);
  return ZT_OK;
}

int ZTTable::CheckRange(PRUint32 first, PRUint32 count) const {
  if (!m_bValid) return ZT_NATIVE_E_TABLE;
  return count <= m_uCount && first <= m_uCount - count ? ZT_OK : ZT_NATIVE_E_TABLE;
}

int ZTTable::CreateCursorSet(ZTIRecordSet** ppSet) {
  ZTEnvir* envir = nullptr;
  int rc = ZTEnvir::GetEnvir(&envir);
  if (rc) return rc;
  envir->Lock();
  rc = ztCreateRecordSet("cursor:", ppSet);
  envir->Unlock();
  return rc;
}

int ZTTable::GetSubRecordSet(PRUint32 first, PRUint32 count, ZTIRecordSet** ppRecordSet) {
  if (!ppRecordSet) return ZT_E_NULLOUT;
  *ppRecordSet = nullptr;
  if (CheckRange(first, count)) {
    return ZTError(ZT_NATIVE_E_TABLE,
                   "[ZTTable::GetSubRecordSet] Invalid record boundaries (%s: %u <= %u)",
                   ConfigPath(), static_cast<unsigned>(PRUint64(first) + count), m_uCount);
  }
  // The range's records and the successor of its last one stay in memory with the set.
  const PRUint32 loaded = first + count < m_uCount ? count + 1 : count;
  ZTPageFileFragment* fragment = nullptr;
  int rc = m_pRecordFile->LoadStaticRecord(first, loaded, &fragment);
  ZTIRecordSet* set = nullptr;
  if (!rc) rc = CreateCursorSet(&set);
  if (!rc) rc = set->InitCursorRS(first, count, this, fragment);
  ztRelease(fragment);
  if (rc) {
    ztRelease(set);
    return rc;
  }
  *ppRecordSet = set;
  return ZT_OK;
}

template <class Fill>
int ZTTable::ExtractValues(PRUint32 first, PRUint32 count, PRUint32 successor, const char* where,
                           Fill fill, ZTCursor** ppCursor) {
  if (!ppCursor) return ZT_E_NULLOUT;
  *ppCursor = nullptr;
  if (CheckRange(first, count)) {
    return ZTError(ZT_NATIVE_E_TABLE, "[%s] Invalid record boundaries", where);
  }
  int rc = m_pRecordFile->LoadRecord(first, count + successor);
  ZTCursor* cursor = nullptr;
  if (!rc) rc = ZTCursor::_CreateInstance(count, nullptr, &cursor);
  if (!rc) {
    PRUint32* values = cursor->BeginDirectWrite();
    rc = fill(m_pRecordFile->GetBufferPtr(), m_pRecordFile->GetRecordSize(), values);
    for (PRUint32 i = 0; i < count && !rc; ++i) rc = ztCheckRecordNumber(values[i], where);
    cursor->EndDirectWrite();
  }
  m_pRecordFile->Unload();
  if (rc) {
    ztRelease(cursor);
    return rc;
  }
  *ppCursor = cursor;
  return ZT_OK;
}

int ZTTable::ExtractCursor(ZTIField* field, PRUint32 first, PRUint32 count, ZTCursor** ppCursor) {
  ZTField* native = ztNativeField(field);
  if (!native) return ZTError(ZT_NATIVE_E_RECORD, "[ZTTable::ExtractCursor] Invalid field");
  const auto fill = [native, count](const PRUint8* bytes, PRUint32 size, PRUint32* values) {
    return native->GetUNumFieldValues(bytes, size, count, values);
  };
  return ExtractValues(first, count, 0, "ZTTable::ExtractCursor", fill, ppCursor);
}

int ZTTable::ExtractLinkCounts(ZTIField* field, PRUint32 first, PRUint32 count,
                               ZTCursor** ppCursor) {
  ZTField* native = ztNativeField(field);
  if (!native) return ZTError(ZT_NATIVE_E_RECORD, "[ZTTable::ExtractLinkCounts] Invalid field");
  const bool successor = m_bValid && PRUint64(first) + count < m_uCount;
  const auto fill = [native, first, count, successor](const PRUint8* bytes, PRUint32 size,
                                                      PRUint32* values) {
    return native->GetLinkCounts(bytes, size, count, successor, first, values);
  };
  return ExtractValues(first, count, successor ? 1 : 0, "ZTTable::ExtractLinkCounts", fill,
                       ppCursor);
}

int ZTTable::VisitDataValues(ZTIField* field, PRUint32 first, PRUint32 count,
                             ZTIDataValueVisitor* visitor) {
  ZTField* native = ztNativeField(field);
  if (!native || native->GetType() != ftData || !visitor) {
    return ZTRecordSet::VisitDataValues(field, first, count, visitor);  // which tells what is wrong
  }
  if (CheckRange(first, count)) {
    return ZTError(ZT_NATIVE_E_TABLE, "[ZTTable::VisitDataValues] Invalid record boundaries");
  }
  // The successor of the last record ends its value.
  const bool successor = PRUint64(first) + count < m_uCount;
  int rc = m_pRecordFile->LoadRecord(first, successor ? count + 1 : count);
  const PRUint8* bytes = rc ? nullptr : m_pRecordFile->GetBufferPtr();
  const PRUint32 size = m_pRecordFile->GetRecordSize();
  for (PRUint32 i = 0; bytes && !rc && i < count; ++i, bytes += size) {
    const PRUint8* next = i + 1 < count || successor ? bytes + size : ZT_NO_SUCCESSOR;
    rc = native->ReadDataFieldValue(bytes, next,
                                    [visitor, first, i](const PRUint8* value, PRUint32 length) {
                                      return visitor->VisitDataValue(first + i, value, length);
                                    });
  }
  if (!rc && count && !bytes) rc = ZT_E_FAILED;
  m_pRecordFile->Unload();
  return rc;
}

int ZTTable::ExtractLinkRange(ZTIField* field, PRUint32 first, PRUint32 count,
                              ZTIRecordSet** ppLinked, PRUint32* puFirst, PRUint32* puCount) {
  if (!ppLinked || !puFirst || !puCount) return ZT_E_NULLOUT;
  *ppLinked = nullptr;
  ZTField* native = ztNativeField(field);
  if (!native || native->GetType() != ftLink || native->HasCount() || count == 0) {
    return ZT_E_UNSUPPORTED;
  }
  if (CheckRange(first, count)) {
    return ZTError(ZT_NATIVE_E_TABLE, "[ZTTable::ExtractLinkRange] Invalid record boundaries");
  }
  ZTIRecord* head = nullptr;
  ZTIRecord* after = nullptr;
  ZTIRecordSet* linked = nullptr;
  ZTIRecordSet* again = nullptr;
  PRUint32 start = 0, end = 0, length = 0;
  int rc = GetRecord(first, &head);
  if (!rc) rc = head->GetLinkFieldRange(field, &linked, &start, &length);
  if (!rc && first + count == m_uCount) {
    rc = linked->GetCount(&end);
  } else if (!rc) {
    rc = GetRecord(first + count, &after);
    if (!rc) rc = after->GetLinkFieldRange(field, &again, &end, &length);
  }
  if (!rc && end < start) {
    rc = ZTError(ZT_NATIVE_E_RECORD,
                 "[ZTTable::ExtractLinkRange] The links of records %u to %u would end before they "
                 "start (%u < %u)",
                 first, first + count - 1, end, start);
  }
  ztRelease(again);
  ztRelease(after);
  ztRelease(head);
  if (rc) {
    ztRelease(linked);
    return rc;
  }
  *ppLinked = linked;
  *puFirst = start;
  *puCount = end - start;
  return ZT_OK;
}

int ZTTable::Filter(ZTIRecordFilter*) {
  return ZT_E_FAILED;
}

int ZTTable::Merge(ZTIRecordSet*, ztfOperator, ZTIRecordComparator*, int) {
  return ZT_E_FAILED;
}

int ZTTable::Sort(ZTIRecordComparator*, int) {
  return ZT_E_FAILED;
}

int ZTTable::GetWholeSet(ZTIRecordSet** ppSet) {
  *ppSet = nullptr;
  return m_bValid ? GetSubRecordSet(0, m_uCount, ppSet) : ZT_NATIVE_E_TABLE;
}

int ZTTable::FilterToNew(ZTIRecordFilter* filter, ZTIRecordSet** ppOut) {
  ZTIRecordSet* whole = nullptr;
  int rc = GetWholeSet(&whole);
  if (!rc) rc = whole->FilterToNew(filter, ppOut);
  ztRelease(whole);
  return rc;
}

int ZTTable::MergeToNew(ZTIRecordSet* other, ztfOperator op, ZTIRecordComparator* comparator,
                        int bConsiderRank, ZTIRecordSet** ppOut) {
  ZTIRecordSet* whole = nullptr;
  int rc = GetWholeSet(&whole);
  if (!rc) rc = whole->MergeToNew(other, op, comparator, bConsiderRank, ppOut);
  ztRelease(whole);
  return rc;
}

int ZTTable::SortToNew(ZTIRecordComparator* comparator, int bConsiderRank, ZTIRecordSet** ppOut) {
  ZTIRecordSet* whole = nullptr;
  int rc = GetWholeSet(&whole);
  if (!rc) rc = whole->SortToNew(comparator, bConsiderRank, ppOut);
  ztRelease(whole);
  return rc;
}
