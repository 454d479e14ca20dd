// ztSimpleList, a plain list of untyped pointers that it does not own, with an iteration
// cursor. Not reference counted.
#ifndef CORE_ZTSIMPLELIST_H_
#define CORE_ZTSIMPLELIST_H_

#include <prtypes.h>

#include "core/ZTCoreExport.h"

class ZTCORE_API ztSimpleList {
 public:
  ztSimpleList();
  ~ztSimpleList();
  ztSimpleList(const ztSimpleList&) = delete;
  ztSimpleList& operator=(const ztSimpleList&) = delete;

  // Add at the end or at the front; 12 when memory runs out.
  int Append(void* pointer);
  int Prepend(void* pointer);
  // Appends every pointer of this list, in order, to other; 2 for a null list, 12 when memory
  // runs out.
  int AppendTo(ztSimpleList* other) const;
  PRUint32 GetCount() const { return m_uCount; }
  // 2 for a list never used, 1 when index is not below the count.
  int GetElement(PRUint32 index, void** ppPointer) const;
  // Replaces the pointer at index; an index at or past the end first extends the list with
  // null pointers. 12 when memory runs out.
  int SetElement(PRUint32 index, void* pointer);
  // 2 for a list never used, 1 when index is not below the count.
  int RemoveElement(PRUint32 index);
  // Iteration: after Rewind each Next gives the next pointer, the first one first; after the
  // last one Next gives null once, and the call after that starts again at the first.
  void Rewind() { m_pCursor = nullptr; }
  void* Next();

 private:
  struct Node {
    Node* next;
    Node* previous;
    void* pointer;
  };

  // Creates the sentinel on first use; false when memory runs out.
  bool EnsureSentinel();
  // Inserts a node for pointer before `before`; false when memory runs out.
  bool InsertBefore(Node* before, void* pointer);
  Node* NodeAt(PRUint32 index) const;

  Node* m_pSentinel;  // of the circular list; null until first used
  Node* m_pCursor;    // last node returned by Next; null after Rewind
  PRUint32 m_uCount;
};

#endif  // CORE_ZTSIMPLELIST_H_
