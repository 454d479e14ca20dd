#include "backends/native/ZTPageFile.h"

#include <plstr.h>
#include <prmem.h>

#include <cstdlib>

#include "backends/native/ZTFldCollection.h"
#include "backends/native/ZTNativeErrors.h"
#include "backends/native/ZTPageFileFragment.h"
#include "backends/native/ZTRecord.h"
#include "backends/native/ZTRecordPool.h"
#include "backends/native/detail/ztNativeEnvir.h"
#include "core/ZTErrors.h"
#include "core/ZTSearchPath.h"

namespace {

const PRUint32 kDefaultPageSize = 256;
// Pages larger than this would overflow the page arithmetic.
const PRUint32 kMaxPageSize = 0x00FFFFFF;
const PRUint32 kDefaultAutomapLimit = 1024;
const PRUint32 kRecordsPerChunk = 10000;
// Inflated bytes of a compressed file kept besides its main fragment.
const PRUint32 kKeptBlockBytes = 8 << 20;

const char* const kOpenModeNames[] = {"STANDARD", "DELAYED", "TRANSIENT", "MAPPED", "PREMAPPED"};

// Parses an exact-case open mode name; 1 for any other name.
int ParseOpenMode(const char* name, ZTPageFile::OpenMode* pMode) {
  for (int i = 0; name && i < 5; ++i) {
    if (PL_strcmp(name, kOpenModeNames[i]) == 0) {
      *pMode = static_cast<ZTPageFile::OpenMode>(i);
      return ZT_OK;
    }
  }
  *pMode = ZTPageFile::STANDARD;
  return ZTError(ZT_E_INVALID, "[(buf):StringToOpenMode] Unknown Openmode : `%s'",
                 name ? name : "(null)");
}

ZTPageFile::OpenMode DefaultOpenMode() {
  char* value = nullptr;
  ZTPageFile::OpenMode mode = ZTPageFile::STANDARD;
  if (ztNativeEnvirValue("ZTF_BE_NATIVE_DEFAULT_OPENMODE", &value) == 0 && value && *value) {
    mode = ZTPageFile::StringToOpenMode(value);
  }
  PL_strfree(value);
  return mode;
}

// Upper-cases an ASCII copy of value (PL_strfree).
char* UpperCopy(const char* value) {
  char* copy = PL_strdup(value ? value : "");
  for (char* p = copy; p && *p; ++p) {
    if (*p >= 'a' && *p <= 'z') *p = static_cast<char>(*p - 'a' + 'A');
  }
  return copy;
}

}  // namespace

ZTPageFile::ZTPageFile()
    : m_pFd(nullptr),
      m_iUseCount(0),
      m_pMain(new ZTPageFileFragment(nullptr)),
      m_ppFragments(nullptr),
      m_uFragmentCount(0),
      m_uFragmentCapacity(0),
      m_pCurrent(nullptr),
      m_pCurrentHold(nullptr),
      m_pFields(nullptr),
      m_pPool(nullptr) {
  RestoreDefaults();
}

ZTPageFile::~ZTPageFile() {
  Terminate();
  ztRelease(m_pPool);
  ztRelease(m_pFields);
  ztRelease(m_pMain);
  PR_Free(m_ppFragments);
}

ZTPageFile::OpenMode ZTPageFile::StringToOpenMode(const char* name) {
  OpenMode mode = STANDARD;
  ParseOpenMode(name, &mode);
  return mode;
}

void ZTPageFile::RestoreDefaults() {
  m_uPageSize = kDefaultPageSize;
  m_uLogicalSize = 0;
  m_iRecordCount = m_iPageCount = -1;
  m_uRecordSize = 0;
  m_eOpenMode = DefaultOpenMode();
  m_uMaxCacheSize = 0xFFFFFFFF;
  m_bEnciphered = m_bCompressed = false;
  DropKeptBlocks();
  m_kept.SetBudget(kKeptBlockBytes);
  m_uCurrentOffset = 0;
  ztRelease(m_pFields);
  m_pFields = new ZTFldCollection();
  m_pMain->Empty();
  if (!m_ppFragments) AppendFragment(nullptr);
}

int ZTPageFile::AppendFragment(ZTPageFileFragment** ppFragment) {
  if (m_uFragmentCount == m_uFragmentCapacity) {
    const PRUint32 capacity = m_uFragmentCapacity + 8;
    void* grown = PR_Realloc(m_ppFragments, capacity * sizeof(ZTPageFileFragment*));
    if (!grown) return ZT_E_NOMEM;
    m_ppFragments = static_cast<ZTPageFileFragment**>(grown);
    m_uFragmentCapacity = capacity;
  }
  ZTPageFileFragment* fragment = ppFragment ? new ZTPageFileFragment(this) : m_pMain;
  m_ppFragments[m_uFragmentCount++] = fragment;
  if (ppFragment) *ppFragment = fragment;
  return ZT_OK;
}

void ZTPageFile::RemoveStaticFragment(ZTPageFileFragment* fragment) {
  PRUint32 i = 1;
  while (i < m_uFragmentCount && m_ppFragments[i] != fragment) ++i;
  if (i == m_uFragmentCount) return;
  for (; i + 1 < m_uFragmentCount; ++i) m_ppFragments[i] = m_ppFragments[i + 1];
  --m_uFragmentCount;
  if (m_pCurrent == fragment) {
    // The bytes stay available as the current page.
    fragment->Swap(m_pMain);
    SetCurrent(m_pMain, 0);
  }
}

int ZTPageFile::Terminate() {
  if (m_uFragmentCount > 1) {
    return ZTError(ZT_E_FAILED, "[ZTPageFile::Terminate] %s still has %u static fragments",
                   m_pcPath ? m_pcPath : "(none)", m_uFragmentCount - 1);
  }
  if (m_pFd) PR_Close(m_pFd);
  m_pFd = nullptr;
  m_iUseCount = 0;
  DropKeptBlocks();
  m_pMain->Empty();
  m_catalog.Free(true);
  return ZT_OK;
}

int ZTPageFile::SetFileName(const char* name, const char* subname) {
  int rc = Terminate();
  if (rc) return rc;
  RestoreDefaults();
  return ZTFile::SetFileName(name, subname);
}

int ZTPageFile::ConfigurePageSize(const char* value) {
  char* end = nullptr;
  const unsigned long size = std::strtoul(value ? value : "", &end, 10);
  if (!value || end == value || size == 0 || size > kMaxPageSize) {
    return ZTError(ZT_E_BADOPTION, "[ZTPageFile::Configure] Invalid PAGESIZE %s (1 to %u)",
                   value ? value : "(null)", kMaxPageSize);
  }
  m_uPageSize = static_cast<PRUint32>(size);
  m_iPageCount = -1;
  return ZT_OK;
}

int ZTPageFile::ConfigureOpenMode(const char* value) {
  char* upper = UpperCopy(value);
  if (!upper) return ZT_E_NOMEM;
  int rc = ParseOpenMode(upper, &m_eOpenMode);
  PL_strfree(upper);
  return rc;
}

int ZTPageFile::ConfigureCatalog(const char* value) {
  char* path = nullptr;
  int rc = FindFileInEnvirPath(value, &path);
  m_catalog.SetPath(rc ? nullptr : path);
  return rc;
}

int ZTPageFile::ConfigureItem(const char* section, const char* key, const char* value) {
  if (!key) return ZTFile::ConfigureItem(section, key, value);
  if (PL_strcmp(key, "COMPRESSION") == 0 && value && PL_strcasecmp(value, "ZIP") == 0) {
    m_bCompressed = true;
    return ZT_OK;
  }
  if (PL_strcmp(key, "CATALOG") == 0) return ConfigureCatalog(value);
  if (PL_strcmp(key, "PAGESIZE") == 0) return ConfigurePageSize(value);
  if (PL_strcmp(key, "MAXCACHESIZE") == 0) {
    m_uMaxCacheSize = static_cast<PRUint32>(std::strtoul(value ? value : "0", nullptr, 10));
    DropKeptBlocks();
    m_kept.SetBudget(0);
    return ZT_OK;
  }
  if (PL_strcmp(key, "OPENMODE") == 0) return ConfigureOpenMode(value);
  if (PL_strcmp(key, "CRYPT") == 0) {
    m_bEnciphered = PL_strcmp(value, "YES") == 0;
    return ZT_OK;
  }
  if (key[0] == '$') return m_pFields->Configure(key + 1, value);
  return ZTFile::ConfigureItem(section, key, value);
}

int ZTPageFile::LoadCatalog() {
  if (!m_bCompressed)
    return ZTError(ZT_NATIVE_E_ARGS, "[ZTPageFile::LoadCatalog] Invalid arguments");
  PRFileInfo64 info;
  if (PR_GetOpenFileInfo64(m_pFd, &info) != PR_SUCCESS || info.size > 0x7FFFFFFF) {
    return ZTError(ZT_NATIVE_E_SEEK, "[ZTPageFile::SetFileName] Could not get size for %s",
                   m_pcPath);
  }
  int rc = m_catalog.Load(static_cast<PRUint32>(info.size));
  if (rc) return rc;
  m_uLogicalSize = m_catalog.GetLogicalSize();
  m_iRecordCount = m_iPageCount = -1;
  return ZT_OK;
}

int ZTPageFile::OpenOnDemand() {
  if (m_pFd || !m_pcPath) return ZT_OK;
  m_pFd = PR_Open(m_pcPath, PR_RDONLY, 0);
  if (!m_pFd)
    return ZTError(ZT_NATIVE_E_OPEN, "[ZTPageFile::SetFileName] Could not open %s", m_pcPath);
  if (m_catalog.GetPath()) {
    // A catalog that cannot be loaded leaves the logical size at 0: every block read fails.
    if (!m_catalog.IsLoaded()) LoadCatalog();
    return ZT_OK;
  }
  if (m_uLogicalSize) return ZT_OK;
  PRFileInfo64 info;
  if (PR_GetOpenFileInfo64(m_pFd, &info) != PR_SUCCESS) {
    return ZTError(ZT_NATIVE_E_SEEK, "[ZTPageFile::SetFileName] Could not get size for %s",
                   m_pcPath);
  }
  // Positions go through a 32-bit signed seek: bytes beyond 2 GiB - 1 are not addressed.
  m_uLogicalSize = info.size > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<PRUint32>(info.size);
  m_iRecordCount = m_iPageCount = -1;
  return ZT_OK;
}

void ZTPageFile::GiveBackUse() {
  if (--m_iUseCount > 0) return;
  m_iUseCount = 0;
  if ((m_eOpenMode == TRANSIENT || m_eOpenMode == PREMAPPED) && m_pFd) {
    PR_Close(m_pFd);
    m_pFd = nullptr;
  }
}

int ZTPageFile::IsAvailable() {
  if (m_eOpenMode == PREMAPPED) return ZT_OK;
  TakeUse();
  int rc = OpenOnDemand();
  GiveBackUse();
  return rc;
}

PRInt32 ZTPageFile::GetRecordCount() {
  if (m_uRecordSize == 0) return -1;
  if (m_iRecordCount >= 0) return m_iRecordCount;
  if (m_uLogicalSize == 0) OpenOnDemand();
  const PRUint32 count = m_uLogicalSize / m_uRecordSize;
  // Record numbers stay below 2^31.
  m_iRecordCount = count > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<PRInt32>(count);
  return m_iRecordCount;
}

PRInt32 ZTPageFile::GetPageCount() {
  if (m_uRecordSize == 0 || m_uPageSize == 0) return -1;
  if (m_iPageCount >= 0 && m_iRecordCount >= 0) return m_iPageCount;
  const PRUint32 records = static_cast<PRUint32>(GetRecordCount());
  m_iPageCount = static_cast<PRInt32>(records / m_uPageSize + (records % m_uPageSize ? 1 : 0));
  return m_iPageCount;
}

int ZTPageFile::Check() {
  m_uRecordSize = m_pFields->GetRecordSize();
  m_iRecordCount = m_iPageCount = -1;
  ztRelease(m_pPool);
  m_pPool = ZTRecordPool::_CreateInstance(kRecordsPerChunk, m_uRecordSize);
  int rc = m_pFields->Check();
  if (rc) return rc;
  PRUint32 automap = ztNativeEnvirNumber("ZTF_BE_NATIVE_AUTOMAPLIMIT");
  if (automap == 0) automap = kDefaultAutomapLimit;
  TakeUse();
  rc = OpenOnDemand();
  if (rc) {
    GiveBackUse();
    return m_eOpenMode == STANDARD || m_eOpenMode == PREMAPPED ? rc : ZT_OK;
  }
  if (!m_bCompressed && (m_eOpenMode == PREMAPPED || m_uLogicalSize < automap)) {
    rc = Load(0, m_uLogicalSize, nullptr);
  }
  GiveBackUse();
  return rc;
}

int ZTPageFile::Unload() {
  m_pMain->Unload(m_uMaxCacheSize);
  return ZT_OK;
}

const PRUint8* ZTPageFile::GetBufferPtr() {
  const PRUint8* buffer = m_pCurrent ? m_pCurrent->GetBuffer() : nullptr;
  return buffer ? buffer + m_uCurrentOffset : nullptr;
}

PRUint32 ZTPageFile::GetBufferSize() {
  return m_pCurrent ? m_pCurrent->GetLength() : 0;
}

PRUint32 ZTPageFile::GetBufferOffset() {
  return m_pCurrent ? m_pCurrent->GetStart() : 0;
}

void ZTPageFile::DropKeptBlocks() {
  SetCurrent(m_pMain, 0);
  m_kept.Clear();
}

void ZTPageFile::SetCurrent(ZTPageFileFragment* fragment, PRUint32 offset) {
  m_pCurrent = fragment;
  m_uCurrentOffset = offset;
  ztRelease(m_pCurrentHold);
}

void ZTPageFile::SetCurrentKept(ZTPageFileFragment* fragment, PRUint32 offset) {
  fragment->AddRef();
  SetCurrent(fragment, offset);
  m_pCurrentHold = fragment;
}

int ZTPageFile::GetRecordBuffer(PRUint32 n, const PRUint8** ppRecord) {
  if (!ppRecord) return ZT_E_INVALID;
  *ppRecord = nullptr;
  const PRInt32 count = GetRecordCount();
  if (count < 0 || n >= static_cast<PRUint32>(count)) {
    return ZTError(ZT_E_FAILED, "[ZTPageFile::GetRecordBuffer] record out of bounds for file %s",
                   m_pcPath ? m_pcPath : "(none)");
  }
  int rc = LoadPage(n / m_uPageSize);
  if (rc) return rc;
  *ppRecord = GetBufferPtr() + (n % m_uPageSize) * m_uRecordSize;
  return ZT_OK;
}

int ZTPageFile::GetRecord(PRUint32 n, ZTIRecord** ppRecord) {
  if (!ppRecord) return ZT_E_INVALID;
  *ppRecord = nullptr;
  const PRInt32 count = GetRecordCount();
  if (count < 0 || n >= static_cast<PRUint32>(count) || !m_pPool) {
    return ZTError(ZT_E_FAILED, "[ZTPageFile::GetRecord] record out of bounds for file %s",
                   m_pcPath ? m_pcPath : "(none)");
  }
  int rc = LoadPage(n / m_uPageSize);
  if (rc) return rc;
  ZTRecord* record = nullptr;
  rc = m_pPool->GetRecord(&record, GetBufferPtr() + (n % m_uPageSize) * m_uRecordSize, true);
  if (rc) return rc;
  if (m_pCurrent != m_pMain) record->SetFragment(m_pCurrent);
  record->SetId(n);
  *ppRecord = record;
  return ZT_OK;
}
