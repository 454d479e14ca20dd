#include "frontends/index/ZTIndex.h"

#include <plstr.h>
#include <prmem.h>
#include <prprf.h>

#include <cstdlib>
#include <new>

#include "core/ZTEnvir.h"
#include "core/ZTErrors.h"
#include "core/ZTIntegerList.h"
#include "core/ZTStringList.h"
#include "find/ZTIField.h"
#include "find/ZTIRecordSet.h"
#include "find/ZTRecordComparatorUNumField.h"
#include "find/ztRefAssign.h"
#include "frontends/index/ZTIndexResult.h"
#include "frontends/index/detail/ztOperatorTable.h"
#include "frontends/wordlist/ZTWildCardWordList.h"

ZT_DEFINE_ZTIID(ZTIndex, ZTTextFile,
                {0x0c054c13, 0x5489, 0x48d3, {0xb3, 0xfb, 0x58, 0x73, 0x3d, 0x36, 0x52, 0x23}})

namespace {

int HandOut(ZTIField* field, ZTIField** ppOut) {
  if (!ppOut) return ZT_E_NULLOUT;
  ztHandOutRef(field, ppOut);
  return ZT_OK;
}

// Set when the engine variable holds a non-zero decimal number.
PRUint8 ReadPresorted() {
  ZTEnvir* envir = nullptr;
  char* value = nullptr;
  if (ZTEnvir::GetEnvir(&envir) != ZT_OK || envir->GetValue("ZTF_FE_INDEX_PRESORTED", &value)) {
    return 0;
  }
  const PRUint8 presorted = value && std::strtol(value, nullptr, 10) != 0 ? 1 : 0;
  if (value) PL_strfree(value);
  return presorted;
}

}  // namespace

ZTIndex::ZTIndex()
    : m_pHardSeparators(nullptr),
      m_pSoftSeparators(nullptr),
      m_pExceptions(nullptr),
      m_pStopWords(nullptr),
      m_pWordList(nullptr),
      m_pWordRecordSet(nullptr),
      m_pDocLinkField(nullptr),
      m_pDocIdField(nullptr),
      m_pStructureField(nullptr),
      m_pOccLinkField(nullptr),
      m_pOccField(nullptr),
      m_uLinkCount(0),
      m_ppcLinkFields(nullptr),
      m_ppcLinkSubFields(nullptr),
      m_piLinkMerge(nullptr),
      m_pcLinks(nullptr),
      m_uNearThreshold(kDefaultNearThreshold),
      m_bInitialized(0),
      m_bConfigured(0),
      m_bPresorted(0),
      m_bPhraseApplySimplifier(0) {
  if (!m_pszOperators) SetOperators(kDefaultOperators);
}

ZTIndex::~ZTIndex() {
  FreeLinks();
  if (m_pcLinks) PR_smprintf_free(m_pcLinks);
  ztRelease(m_pOccField);
  ztRelease(m_pOccLinkField);
  ztRelease(m_pStructureField);
  ztRelease(m_pDocIdField);
  ztRelease(m_pDocLinkField);
  ztRelease(m_pWordRecordSet);
  ztRelease(m_pWordList);
  ztRelease(m_pStopWords);
  ztRelease(m_pExceptions);
  ztRelease(m_pSoftSeparators);
  ztRelease(m_pHardSeparators);
}

int ZTIndex::Init() {
  if (!m_bConfigured) return ZT_E_INVALID;
  if (m_bInitialized) return ZT_OK;
  int rc = BuildLinksText();
  if (rc == ZT_OK) rc = SetUpComparators();
  if (rc != ZT_OK) return rc;
  m_bPresorted = ReadPresorted();
  m_bInitialized = 1;
  return ZT_OK;
}

// "field,subfield,M|..." with M "1" for a merged link and empty otherwise.
int ZTIndex::BuildLinksText() {
  char* links = PR_smprintf("%s", "");
  for (PRUint32 i = 0; links && i < m_uLinkCount; ++i) {
    links = PR_sprintf_append(
        links, "%s%s,%s,%s", i ? "|" : "", m_ppcLinkFields[i] ? m_ppcLinkFields[i] : "",
        m_ppcLinkSubFields[i] ? m_ppcLinkSubFields[i] : "", m_piLinkMerge[i] ? "1" : "");
  }
  if (!links) return ZTError(ZT_E_NOMEM, "[ZTIndex::Init] Can not allocate the links");
  if (m_pcLinks) PR_smprintf_free(m_pcLinks);
  m_pcLinks = links;
  return ZT_OK;
}

int ZTIndex::SetUpComparators() {
  int rc = AppendFieldComparator(m_pDocIdField);
  if (rc == ZT_OK && m_pStructureField) rc = AppendFieldComparator(m_pStructureField);
  return rc;
}

int ZTIndex::AppendFieldComparator(ZTIField* field) {
  if (!field) return ZT_E_INVALID;
  char* name = nullptr;
  int rc = field->GetName(&name);
  if (rc != ZT_OK) return rc;
  ZTRecordComparatorUNumField* comparator = new (std::nothrow) ZTRecordComparatorUNumField();
  rc = comparator ? comparator->SetField(name) : ZT_E_NOMEM;
  if (rc == ZT_OK) rc = m_comparator.AddComparator(comparator);
  ztRelease(comparator);
  PL_strfree(name);
  return rc;
}

int ZTIndex::SearchExpression(const char* query, int links, ztIStringSimplifier* simplifier,
                              ZTIRecordFilter* filter, ZTIndexResult** ppOut) {
  if (!query || !ppOut) return ZTError(500, "[ZTIndex::SearchExpression] Invalid arguments");
  *ppOut = nullptr;
  if (!*query) return ZTError(500, "[ZTIndex::SearchExpression] Empty request");
  int rc = Init();
  if (rc != ZT_OK) return rc;
  ZTIndexResult* result = new (std::nothrow) ZTIndexResult();
  if (!result) {
    return ZTError(ZT_E_NOMEM, "[ZTIndex::SearchExpression] Unable to allocate the result");
  }
  rc = result->DoSearch(this, query, links, simplifier, filter);
  if (rc != ZT_OK) {
    result->Release();
    return rc;
  }
  *ppOut = result;
  return ZT_OK;
}

int ZTIndex::GetWordRecordSet(ZTIRecordSet** ppOut) {
  if (!ppOut) return ZT_E_NULLOUT;
  *ppOut = nullptr;
  if (!m_pWordList) {
    return ZTError(ZT_E_INVALID, "[ZTIndex::GetWordRecordSet] index not initialized");
  }
  return m_pWordList->GetWordRecordSet(ppOut);
}

int ZTIndex::GetDocLinkField(ZTIField** ppOut) {
  return HandOut(m_pDocLinkField, ppOut);
}
int ZTIndex::GetDocIdField(ZTIField** ppOut) {
  return HandOut(m_pDocIdField, ppOut);
}
int ZTIndex::GetStructureField(ZTIField** ppOut) {
  return HandOut(m_pStructureField, ppOut);
}
int ZTIndex::GetOccLinkField(ZTIField** ppOut) {
  return HandOut(m_pOccLinkField, ppOut);
}

int ZTIndex::GetNearThreshold(PRUint32* puOut) const {
  if (!puOut) return ZT_E_FAILED;
  *puOut = m_uNearThreshold;
  return ZT_OK;
}

int ZTIndex::GetPhraseApplySimplifier(int* piOut) const {
  if (!piOut) return ZT_E_FAILED;
  *piOut = m_bPhraseApplySimplifier;
  return ZT_OK;
}

int ZTIndex::IsStopWord(const char* word, int* pbOut) const {
  if (!pbOut) return ZT_E_NULLOUT;
  *pbOut = 0;
  if (!m_pStopWords || !word) return ZT_OK;
  return m_pStopWords->IsPresent(word, pbOut);
}
