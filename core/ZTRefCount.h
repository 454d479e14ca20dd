// ztID, the 16-byte interface identifier, and ZTRefCount, the base of every engine object.
#ifndef CORE_ZTREFCOUNT_H_
#define CORE_ZTREFCOUNT_H_

#include <prlock.h>
#include <prtypes.h>

#include "core/ZTCoreExport.h"

// Laid out like a GUID: a 32-bit group, two 16-bit groups and eight bytes, the integer groups
// stored little-endian.
struct ztID {
  PRUint32 m0;
  PRUint16 m1;
  PRUint16 m2;
  PRUint8 m3[8];
};

ZTCORE_API bool operator==(const ztID& a, const ztID& b);
inline bool operator!=(const ztID& a, const ztID& b) { return !(a == b); }

// Intrusive reference count: a new object holds one reference, owned by its creator.
// AddRef and Release are inline and non-virtual; the order in which Release fires the two
// warn hooks is relied on by derived classes (record caches, record pools).
class ZTCORE_API ZTRefCount {
 public:
  ZTRefCount();
  ZTRefCount(const ZTRefCount&) = delete;
  ZTRefCount& operator=(const ZTRefCount&) = delete;

  // If iid names the object's class or one of its bases, adds a reference, stores the object
  // (as that interface) in *ppOut and returns 0; otherwise stores null and returns 1.
  virtual int QueryZTInterface(const ztID& iid, void** ppOut);
  // The identifier of the most-derived class.
  virtual const ztID* GetLastZTIID();
  virtual ~ZTRefCount();
  // Called before and after a Release that takes the count from m_iRefWarn + 1.
  virtual void OnRefPreWarn() {}
  virtual void OnRefPostWarn() {}

  void AddRef() { ++m_iRefCount; }
  void Release() {
    PRInt32 c = m_iRefCount;
    const bool armed = (c == m_iRefWarn + 1);
    if (armed) {
      OnRefPreWarn();
      c = m_iRefCount;  // the hook may have released references to this object
    }
    m_iRefCount = c - 1;
    if (c - 1 <= 0) {
      if (armed) OnRefPostWarn();
      delete this;
    } else if (armed) {
      OnRefPostWarn();
    }
  }

  // Creates the object's lock on first use and acquires it; 12 if it cannot be created.
  int Lock();
  // 2 if the object was never locked, 10 if NSPR refuses.
  int Unlock();

  static const ztID& GetZTIID();

 protected:
  PRLock* m_pRefLock;
  PRInt32 m_iRefCount;
  PRInt32 m_iRefWarn;
};

// Declares the identifier operations of a class derived from ZTRefCount.
#define ZT_DECLARE_ZTIID                                          \
  static const ztID& GetZTIID();                                  \
  int QueryZTInterface(const ztID& iid, void** ppOut) override;   \
  const ztID* GetLastZTIID() override;

// Defines them: the class answers its own identifier, then asks its base.
#define ZT_DEFINE_ZTIID(Class, Base, ...)                         \
  const ztID& Class::GetZTIID() {                                 \
    static const ztID s_id = __VA_ARGS__;                         \
    return s_id;                                                  \
  }                                                               \
  int Class::QueryZTInterface(const ztID& iid, void** ppOut) {    \
    if (ppOut && iid == Class::GetZTIID()) {                      \
      AddRef();                                                   \
      *ppOut = static_cast<Class*>(this);                         \
      return 0;                                                   \
    }                                                             \
    return Base::QueryZTInterface(iid, ppOut);                    \
  }                                                               \
  const ztID* Class::GetLastZTIID() { return &Class::GetZTIID(); }

// Releases *pp if set and clears it.
template <class T>
inline void ztRelease(T*& p) {
  if (p) {
    p->Release();
    p = nullptr;
  }
}

#endif  // CORE_ZTREFCOUNT_H_
