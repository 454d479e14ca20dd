// The engine environment's implementation: a circular list of contexts behind a sentinel, each
// an NSPR hash table of private string copies. The last context is the top.
#ifndef CORE_DETAIL_ZTREALENVIR_H_
#define CORE_DETAIL_ZTREALENVIR_H_

#include <plhash.h>
#include <prlock.h>

#include "core/ZTEnvir.h"

class ZTCORE_API ZTRealEnvir : public ZTEnvir {
 public:
  // Creates the lock and one empty context; 12 when either cannot be had.
  static int Create(ZTRealEnvir** ppEnvir);
  ~ZTRealEnvir() override;

  void Lock() override;
  void Unlock() override;
  int Push() override;
  int Pop() override;
  int GetValue(const char* name, char** ppcValue) override;
  int AppendToValue(const char* name, const char* text) override;
  int PrependToValue(const char* name, const char* text) override;
  int SetValue(const char* name, const char* value) override;
  int ImportValue(const char* name, const char* processName, PRBool override) override;

  int GetContextCount() const;

 private:
  class State {
   public:
    static State* Create(const State* copyOf);
    ~State();
    const char* Find(const char* name) const;
    bool Set(const char* name, const char* value);

    State* m_pNext;
    State* m_pPrev;

   private:
    friend class ZTRealEnvir;
    State();
    static PLHashAllocOps m_sAllocOps;
    PLHashTable* m_pTable;
  };

  ZTRealEnvir();
  State* Top() const { return m_sSentinel.m_pPrev; }
  // Sets name to text followed by its value (prepend) or its value followed by text.
  int Concat(const char* name, const char* text, bool prepend);

  PRLock* m_pLock;
  State m_sSentinel;
};

#endif  // CORE_DETAIL_ZTREALENVIR_H_
