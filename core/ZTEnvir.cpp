#include "core/ZTEnvir.h"

#include <plhash.h>
#include <plstr.h>
#include <prenv.h>
#include <prmem.h>

#include <cstring>

#include "core/ZTErrors.h"
#include "core/detail/ZTRealEnvir.h"

namespace {

// Deletes the process-wide environment at process exit.
struct ztEnvirHolder {
  ~ztEnvirHolder() {
    delete s_pInstance;
    s_pInstance = nullptr;
  }
  static ZTEnvir* s_pInstance;
};
ZTEnvir* ztEnvirHolder::s_pInstance = nullptr;
ztEnvirHolder s_holder;

void* AllocTable(void*, PRSize size) { return PR_Malloc(size); }
void FreeTable(void*, void* item) { PR_Free(item); }
PLHashEntry* AllocEntry(void*, const void*) {
  return static_cast<PLHashEntry*>(PR_Malloc(sizeof(PLHashEntry)));
}
void FreeEntry(void*, PLHashEntry* he, PRUintn flag) {
  if (flag == HT_FREE_VALUE) {
    PL_strfree(static_cast<char*>(he->value));
  } else if (flag == HT_FREE_ENTRY) {
    PL_strfree(const_cast<char*>(static_cast<const char*>(he->key)));
    PL_strfree(static_cast<char*>(he->value));
    PR_Free(he);
  }
}

PRIntn CopyEntry(PLHashEntry* he, PRIntn, void* arg) {
  auto* target = static_cast<PLHashTable*>(arg);
  char* key = PL_strdup(static_cast<const char*>(he->key));
  char* value = PL_strdup(static_cast<const char*>(he->value));
  if (!key || !value || !PL_HashTableAdd(target, key, value)) {
    PL_strfree(key);
    PL_strfree(value);
    return HT_ENUMERATE_STOP;
  }
  return HT_ENUMERATE_NEXT;
}

}  // namespace

int ZTEnvir::GetEnvir(ZTEnvir** ppEnvir) {
  if (!ppEnvir) return ZT_E_INVALID;
  if (!ztEnvirHolder::s_pInstance) {
    ZTRealEnvir* envir = nullptr;
    int rc = ZTRealEnvir::Create(&envir);
    if (rc) {
      *ppEnvir = nullptr;
      return rc;
    }
    ztEnvirHolder::s_pInstance = envir;
    envir->ImportValue("ZT_HOME", "ZT_HOME", PR_FALSE);
  }
  *ppEnvir = ztEnvirHolder::s_pInstance;
  return ZT_OK;
}

int ZTEnvir::SetEnvir(ZTEnvir* envir) {
  if (ztEnvirHolder::s_pInstance != envir) delete ztEnvirHolder::s_pInstance;
  ztEnvirHolder::s_pInstance = envir;
  return ZT_OK;
}

PLHashAllocOps ZTRealEnvir::State::m_sAllocOps = {AllocTable, FreeTable, AllocEntry, FreeEntry};

ZTRealEnvir::State::State() : m_pNext(this), m_pPrev(this), m_pTable(nullptr) {}

ZTRealEnvir::State* ZTRealEnvir::State::Create(const State* copyOf) {
  State* state = new State();
  state->m_pTable = PL_NewHashTable(32, PL_HashString, PL_CompareStrings, PL_CompareValues,
                                    &m_sAllocOps, nullptr);
  if (!state->m_pTable) {
    delete state;
    return nullptr;
  }
  if (copyOf) {
    PRIntn copied = PL_HashTableEnumerateEntries(copyOf->m_pTable, CopyEntry, state->m_pTable);
    if (static_cast<PRUint32>(copied) != copyOf->m_pTable->nentries) {
      delete state;
      return nullptr;
    }
  }
  return state;
}

ZTRealEnvir::State::~State() {
  if (m_pTable) PL_HashTableDestroy(m_pTable);
}

const char* ZTRealEnvir::State::Find(const char* name) const {
  return static_cast<const char*>(PL_HashTableLookupConst(m_pTable, name));
}

bool ZTRealEnvir::State::Set(const char* name, const char* value) {
  char* copy = PL_strdup(value);
  if (!copy) return false;
  if (Find(name)) {
    // Replacing keeps the table's key and frees the old value through FreeEntry.
    return PL_HashTableAdd(m_pTable, name, copy) != nullptr;
  }
  char* key = PL_strdup(name);
  if (!key || !PL_HashTableAdd(m_pTable, key, copy)) {
    PL_strfree(key);
    PL_strfree(copy);
    return false;
  }
  return true;
}

ZTRealEnvir::ZTRealEnvir() : m_pLock(nullptr) {}

int ZTRealEnvir::Create(ZTRealEnvir** ppEnvir) {
  *ppEnvir = nullptr;
  ZTRealEnvir* envir = new ZTRealEnvir();
  envir->m_pLock = PR_NewLock();
  State* first = envir->m_pLock ? State::Create(nullptr) : nullptr;
  if (!first) {
    delete envir;
    return ZT_E_NOMEM;
  }
  first->m_pNext = &envir->m_sSentinel;
  first->m_pPrev = &envir->m_sSentinel;
  envir->m_sSentinel.m_pNext = first;
  envir->m_sSentinel.m_pPrev = first;
  *ppEnvir = envir;
  return ZT_OK;
}

ZTRealEnvir::~ZTRealEnvir() {
  State* state = m_sSentinel.m_pNext;
  while (state != &m_sSentinel) {
    State* next = state->m_pNext;
    delete state;
    state = next;
  }
  if (m_pLock) PR_DestroyLock(m_pLock);
}

void ZTRealEnvir::Lock() { PR_Lock(m_pLock); }
void ZTRealEnvir::Unlock() { PR_Unlock(m_pLock); }

int ZTRealEnvir::Push() {
  State* top = Top();
  State* state = State::Create(top);
  if (!state) return ZT_E_NOMEM;
  state->m_pPrev = top;
  state->m_pNext = &m_sSentinel;
  top->m_pNext = state;
  m_sSentinel.m_pPrev = state;
  return ZT_OK;
}

int ZTRealEnvir::Pop() {
  State* top = Top();
  if (top->m_pPrev == &m_sSentinel)
    return ZTError(ZT_E_INVALID, "[ZTRealEnvir::Pop()]Attempt to flush entirely the context stack.");
  top->m_pPrev->m_pNext = &m_sSentinel;
  m_sSentinel.m_pPrev = top->m_pPrev;
  delete top;
  return ZT_OK;
}

int ZTRealEnvir::GetContextCount() const {
  int count = 0;
  for (const State* s = m_sSentinel.m_pNext; s != &m_sSentinel; s = s->m_pNext) ++count;
  return count;
}

int ZTRealEnvir::GetValue(const char* name, char** ppcValue) {
  if (!name || !ppcValue) return ZT_E_INVALID;
  const char* value = Top()->Find(name);
  *ppcValue = PL_strdup(value ? value : "");
  return *ppcValue ? ZT_OK : ZT_E_NOMEM;
}

int ZTRealEnvir::SetValue(const char* name, const char* value) {
  if (!name || !value) return ZT_E_INVALID;
  return Top()->Set(name, value) ? ZT_OK : ZT_E_NOMEM;
}

int ZTRealEnvir::Concat(const char* name, const char* text, bool prepend) {
  if (!name || !text) return ZT_E_INVALID;
  const char* value = Top()->Find(name);
  if (!value) value = "";
  size_t a = std::strlen(value), b = std::strlen(text);
  char* joined = static_cast<char*>(PR_Malloc(a + b + 1));
  if (!joined) return ZT_E_NOMEM;
  std::memcpy(joined, prepend ? text : value, prepend ? b : a);
  std::memcpy(joined + (prepend ? b : a), prepend ? value : text, (prepend ? a : b) + 1);
  bool ok = Top()->Set(name, joined);
  PR_Free(joined);
  return ok ? ZT_OK : ZT_E_NOMEM;
}

int ZTRealEnvir::AppendToValue(const char* name, const char* text) {
  return Concat(name, text, false);
}

int ZTRealEnvir::PrependToValue(const char* name, const char* text) {
  return Concat(name, text, true);
}

int ZTRealEnvir::ImportValue(const char* name, const char* processName, PRBool override) {
  if (!name || !processName) return ZT_E_INVALID;
  if (!override && Top()->Find(name)) return ZT_OK;
  const char* value = PR_GetEnv(processName);
  if (value) SetValue(name, value);
  return ZT_OK;
}
