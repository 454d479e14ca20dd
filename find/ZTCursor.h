// ZTCursor, a set of record numbers of one record set, held as an ordered array (the array
// form) and/or a bitmap (the bitmap form), converted between them on demand.
#ifndef FIND_ZTCURSOR_H_
#define FIND_ZTCURSOR_H_

#include "core/ZTRefCount.h"
#include "find/ZTFindExport.h"
#include "find/ztfTypes.h"

class ZTBinary;
class ZTICursorComparator;
class ZTICursorFilter;
class ZTIRecord;
class ZTIRecordSet;

class ZTFIND_API ZTCursor : public ZTRefCount {
 public:
  // Record numbers are below 2^31; larger values are refused where they enter a cursor.
  static constexpr PRUint32 kRecordLimit = 0x80000000u;
  // Words of the largest bitmap: it covers every record number.
  static constexpr PRUint32 kMaxBitmapWords = kRecordLimit / 32;

  // An empty cursor in array form.
  ZTCursor();
  // Array form of n elements copied from values (zeroes when values is null, for the caller
  // to fill). The constructors cannot report failures: a cursor that cannot be built is left
  // empty. _CreateInstance reports them.
  ZTCursor(PRUint32 n, const PRUint32* values);
  // With bBitmap set, bitmap form of n words copied from words; otherwise as above.
  ZTCursor(PRUint32 n, const PRUint32* words, int bBitmap);
  ~ZTCursor() override;
  ZT_DECLARE_ZTIID

  // New cursors with one reference: 1 for a value of 2^31 or more, 12 when memory runs out.
  static int _CreateInstance(PRUint32 n, const PRUint32* values, ZTCursor** ppOut);
  static int _CreateInstance(PRUint32 n, const PRUint32* words, int bBitmap, ZTCursor** ppOut);

  // The elements first .. first + n - 1 with a rank comparator.
  int InitStartCount(PRUint32 first, PRUint32 n);

  // Form control.
  int SetCursorForm(PRUint32 n, const PRUint32* values);
  int SetBitmapForm(PRUint32 n, const PRUint32* words);
  // Builds the array from the bitmap when there is none (ascending, then in the comparator's
  // order); an empty array when there is neither form.
  int ComputeCursorForm();
  // Rebuilds the bitmap from the array unless a bitmap exists that is not stale.
  int ComputeBitmapForm();
  void DestroyCursorForm();
  void DestroyBitmapForm();
  void CleanBitmap();
  // Makes the bitmap at least n words long, new words 0.
  int GrowBitmap(PRUint32 n);

  // Access.
  int SetElement(PRUint32 index, PRUint32 value);
  // From the bitmap when there is a valid one, else by halving over the (ascending) array.
  int Lookup(PRUint32 value, int* pbFound);
  // The record whose number is element index (direct), or element LookupUNum(index).
  int GetRecord(ZTIRecordSet* recordSet, PRUint32 index, int bDirect, ZTIRecord** ppRecord);
  int Extract(PRUint32 first, PRUint32 n, ZTCursor** ppOut);
  int Clone(ZTCursor** ppOut);

  // Ordering, filtering, combining.
  int Sort(ZTICursorComparator* comparator);
  int Filter(ZTICursorFilter* filter);
  int Merge(ZTCursor* other, ztfOperator op);
  // This cursor's array becomes the union of the cursors (its comparator is kept).
  int MuxCursors(ZTCursor** cursors, PRUint32 n, int* piStop);

  // Read access for code that walks the array after ComputeCursorForm.
  PRUint32 GetCount() const { return m_uCount; }
  const PRUint32* GetArray() const { return m_puArray; }
  bool HasCursorForm() const { return m_bHasArray; }
  bool HasBitmapForm() const { return m_bHasBitmap; }
  PRUint32 GetBitmapSize() const { return m_uBitmapSize; }
  const PRUint32* GetBitmap() const { return m_puBitmap; }
  bool IsBitmapStale() const { return m_bBitmapStale; }

  // Code that fills the array by hand brackets its writes with these: the bitmap is stale in
  // between and dropped at the end. Values written must stay below kRecordLimit.
  PRUint32* BeginDirectWrite();
  void EndDirectWrite();

 private:
  friend class ztCursorMerge;

  void SetArray(PRUint32 n, PRUint32* array);
  // Frees the array unless it is the inline one; m_puArray is null afterwards.
  void ReleaseArray();
  // The array becomes n values copied from values (zeroes when null), held inline when they
  // fit; false when memory runs out (the cursor is then unchanged).
  bool CopyArray(PRUint32 n, const PRUint32* values);
  int CopyBitmap(PRUint32 n, const PRUint32* words);
  int ArrayFromBitmap();
  int SortArray(ZTICursorComparator* comparator);
  int SortAscending(ZTICursorComparator* comparator);
  void SetComparator(ZTICursorComparator* comparator, ZTBinary* id);
  bool HasValidBitmap() const { return m_bHasBitmap && !m_bBitmapStale; }
  bool IsAscendingRank() const;
  int CopyInto(ZTCursor* copy) const;

  // Arrays this short live in the cursor itself: most cursors of a look-up hold one value.
  static constexpr PRUint32 kInlineValues = 4;

  PRUint32 m_uCount;
  PRUint32* m_puArray;  // m_auInline, or a block of the NSPR allocator
  PRUint32 m_auInline[kInlineValues];
  bool m_bHasArray;
  PRUint32 m_uBitmapSize;
  PRUint32 m_uBitmapCapacity;
  PRUint32* m_puBitmap;
  bool m_bHasBitmap;
  bool m_bBitmapStale;
  // The array is in the order of m_pComparator (it was sorted, or built, with it since its
  // last change).
  bool m_bOrdered;
  ZTICursorComparator* m_pComparator;
  ZTBinary* m_pComparatorId;
};

// 1 (logged) when value is not a record number (2^31 or more).
ZTFIND_API int ztCheckRecordNumber(PRUint32 value, const char* where);

#endif  // FIND_ZTCURSOR_H_
