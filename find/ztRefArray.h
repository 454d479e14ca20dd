// ztRefArray, a growing array of counted references (one held per element).
#ifndef FIND_ZTREFARRAY_H_
#define FIND_ZTREFARRAY_H_

#include <prmem.h>
#include <prtypes.h>

#include "core/ZTErrors.h"

template <class T>
class ztRefArray {
 public:
  ztRefArray() = default;
  ~ztRefArray() { Clear(); }
  ztRefArray(const ztRefArray&) = delete;
  ztRefArray& operator=(const ztRefArray&) = delete;

  // Adds a reference to item and appends it; 12 when memory runs out.
  int Append(T* item) {
    if (m_uCount == m_uCapacity && Grow() != ZT_OK) return ZT_E_NOMEM;
    item->AddRef();
    m_ppItems[m_uCount++] = item;
    return ZT_OK;
  }
  // Releases every element.
  void Clear() {
    for (PRUint32 i = 0; i < m_uCount; ++i) m_ppItems[i]->Release();
    if (m_ppItems) PR_Free(m_ppItems);
    m_ppItems = nullptr;
    m_uCount = m_uCapacity = 0;
  }
  PRUint32 GetCount() const { return m_uCount; }
  T* Get(PRUint32 index) const { return m_ppItems[index]; }

 private:
  int Grow() {
    const PRUint32 capacity = m_uCapacity + 10;
    if (capacity > PR_UINT32_MAX / sizeof(T*)) return ZT_E_NOMEM;
    void* grown = PR_Realloc(m_ppItems, capacity * sizeof(T*));
    if (!grown) return ZT_E_NOMEM;
    m_ppItems = static_cast<T**>(grown);
    m_uCapacity = capacity;
    return ZT_OK;
  }

  T** m_ppItems = nullptr;
  PRUint32 m_uCount = 0;
  PRUint32 m_uCapacity = 0;
};

#endif  // FIND_ZTREFARRAY_H_
