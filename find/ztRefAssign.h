// Storing counted references in fields and handing them out.
#ifndef FIND_ZTREFASSIGN_H_
#define FIND_ZTREFASSIGN_H_

// Makes field hold value: adds a reference to value first, then releases the old one (value
// may be the object already held).
template <class T>
inline void ztAssignRef(T*& field, T* value) {
  if (value) value->AddRef();
  T* old = field;
  field = value;
  if (old) old->Release();
}

// Hands value out through *ppOut with a new reference (null stays null).
template <class T>
inline void ztHandOutRef(T* value, T** ppOut) {
  *ppOut = value;
  if (value) value->AddRef();
}

#endif  // FIND_ZTREFASSIGN_H_
