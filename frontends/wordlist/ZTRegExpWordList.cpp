#include "frontends/wordlist/ZTRegExpWordList.h"

#include <plstr.h>
#include <prmem.h>

#include "core/ZTErrors.h"
#include "core/ZTFactory.h"
#include "core/ztICascadeStringSimplifier.h"
#include "find/ZTIField.h"
#include "frontends/wordlist/detail/RegExpFilter.h"
#include "frontends/wordlist/detail/ztRegExpKey.h"
#include "frontends/wordlist/detail/ztWordListTables.h"

ZT_DEFINE_ZTIID(ZTRegExpWordList, ZTWordList,
                {0x48e5d7df, 0xba2a, 0x4c86, {0x93, 0x40, 0x7a, 0x60, 0xac, 0x05, 0x4a, 0x41}})

const char* const ZTRegExpWordList::kRegExpSimplifierURL = "simplifier:regexp:";

ZTRegExpWordList::ZTRegExpWordList() {}

ZTRegExpWordList::~ZTRegExpWordList() {}

int ZTRegExpWordList::ConfigureItem(const char* section, const char* key, const char* value) {
  if (key && (PL_strcmp(key, "SINGLEWILDCARD") == 0 || PL_strcmp(key, "MULTIPLEWILDCARD") == 0)) {
    return ZT_OK;
  }
  return ZTWordList::ConfigureItem(section, key, value);
}

int ZTRegExpWordList::GetRegExpWords(ztIStringSimplifier* simplifier, const char* links,
                                     const char* expression, ZTIRecordFilter* filter,
                                     ZTCursor** ppOut) {
  if (!expression || !ppOut) {
    return ZTError(ZT_E_INVALID, "[ZTRegExpWordList::GetRegExpWords] Invalid arguments");
  }
  ztRegExpKey key;
  ztDeriveRegExpKey(expression, &key);
  RegExpFilter *regexp = nullptr, *keys = nullptr;
  int rc = ZT_OK;
  if (simplifier || !key.m_bPlain) rc = MakeFilter(simplifier, expression, filter, &regexp);
  if (rc == ZT_OK && regexp && key.m_iMode != eExact) {
    rc = MakeKeyFilter(key.m_iMode, simplifier, expression, &keys);
  }
  char* simplified = nullptr;
  if (rc == ZT_OK && simplifier) rc = SimplifyKey(key.m_key.c_str(), &simplified);
  if (rc == ZT_OK) {
    rc = GetFilteredWords(key.m_iMode, simplifier == nullptr, keys, regexp ? regexp : filter, links,
                          simplified ? simplified : key.m_key.c_str(), ppOut);
  }
  if (simplified) PR_Free(simplified);
  ztRelease(keys);
  ztRelease(regexp);
  return rc;
}

int ZTRegExpWordList::MakeFilter(ztIStringSimplifier* simplifier, const char* expression,
                                 ZTIRecordFilter* inner, RegExpFilter** ppOut) {
  return Compile(GetTextTokenField(), inner, simplifier, simplifier, expression, ppOut);
}

// The same expression over the keys of the simplified table the search reads (already
// simplified: they are matched as they are); *ppOut stays null when it cannot be checked there.
int ZTRegExpWordList::MakeKeyFilter(int mode, ztIStringSimplifier* simplifier,
                                    const char* expression, RegExpFilter** ppOut) {
  *ppOut = nullptr;
  ZTIField* field = GetSimplifiedKeyField(mode, simplifier);
  if (!field) return ZT_OK;
  const int rc = Compile(field, nullptr, simplifier, nullptr, expression, ppOut);
  if (rc == ZT_OK) (*ppOut)->SetReversed(mode == eEndsWith);
  field->Release();
  return rc;
}

// A filter of field's texts, which matcher simplifies (may be null), by the expression with its
// literal characters simplified by simplifier (when not null).
int ZTRegExpWordList::Compile(ZTIField* field, ZTIRecordFilter* inner,
                              ztIStringSimplifier* simplifier, ztIStringSimplifier* matcher,
                              const char* expression, RegExpFilter** ppOut) {
  char* pattern = nullptr;
  int rc = SimplifiedExpression(simplifier, expression, &pattern);
  if (rc != ZT_OK) return rc;
  RegExpFilter* filter = new RegExpFilter(field, inner, GetStopFlag(), matcher);
  rc = filter->Compile(pattern ? pattern : expression);
  if (pattern) PR_Free(pattern);
  if (rc != ZT_OK) {
    filter->Release();
    return rc;
  }
  *ppOut = filter;
  return ZT_OK;
}

// With a simplifier, the expression's literal characters simplified as the keys will be;
// without one, no copy is needed (*ppcOut stays null).
int ZTRegExpWordList::SimplifiedExpression(ztIStringSimplifier* simplifier, const char* expression,
                                           char** ppcOut) {
  *ppcOut = nullptr;
  if (!simplifier) return ZT_OK;
  void* object = nullptr;
  int rc = ztCreateComponent(kRegExpSimplifierURL, ztICascadeStringSimplifier::GetZTIID(), &object);
  if (rc != ZT_OK) return rc;
  ztICascadeStringSimplifier* cascade = static_cast<ztICascadeStringSimplifier*>(object);
  rc = cascade->SetSurrogate(simplifier);
  if (rc == ZT_OK) rc = cascade->SimplifyToNew(expression, ppcOut, nullptr);
  cascade->Release();
  return rc;
}
