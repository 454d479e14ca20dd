// ZTIntegerList, a sorted set of unsigned 32-bit values answering membership by halving; used
// as a set of characters. It loads from a file of little-endian values (no header, any order),
// from an array, from the code points of a UTF-8 text or from blank-separated hexadecimal
// numbers.
#ifndef CORE_ZTINTEGERLIST_H_
#define CORE_ZTINTEGERLIST_H_

#include "core/ZTErrors.h"
#include "core/ZTFile.h"

class ZTCORE_API ZTIntegerList : public ZTFile {
 public:
  ZTIntegerList();
  ~ZTIntegerList() override;

  // Clears the list, resolves the file as ZTFile does (its code is passed on) and loads it: 10
  // when its information cannot be read or its size is not a multiple of 4, 11 when it cannot
  // be opened, 12 when memory runs out, 10 when it cannot be read whole.
  int SetFileName(const char* name, const char* subname) override;
  // With copy set the values are copied and sorted (12 when memory runs out); without it the
  // caller's array, already sorted ascending, is used as it is and must outlive the list.
  int SetListFromArray(const PRUint32* values, PRUint32 count, PRBool copy);
  // The code points of the text, sorted; 12 when the text cannot be converted.
  int SetListFromUTF8String(const char* text);
  // Hexadecimal numbers (as strtoul reads them in base 16) separated by blanks; an empty text
  // gives an empty list. 1, with the list unchanged, when a number cannot be read or does not
  // fit in 32 bits.
  int SetListFromAsciiString(const char* text);
  // Every value as lower-case hexadecimal followed by a blank, which SetListFromAsciiString
  // reads back; null for an empty list. Free the text with PR_smprintf_free.
  int FormatToAsciiString(char** ppcText) const;
  // *pbPresent 1 when value is in the list, else 0. 10 when no list was set.
  int IsPresent(PRUint32 value, int* pbPresent) const {
    if (m_bAsciiIndexed && value < kAsciiEnd && pbPresent) {
      *pbPresent = (m_auAscii[value / 32] >> (value % 32)) & 1;
      return ZT_OK;
    }
    return SearchItems(value, pbPresent);
  }

 private:
  // Values below this one are answered from a bitmap (characters are mostly ASCII).
  static constexpr PRUint32 kAsciiEnd = 128;

  // IsPresent by halving over the items.
  int SearchItems(PRUint32 value, int* pbPresent) const;
  void Clear();
  // Takes values (from PR_Malloc) as the owned list, sorting them.
  void Adopt(PRUint32* values, PRUint32 count);
  // Makes the sorted items the list (ready); with bIndexAscii set it notes which ASCII values
  // they hold (not for a caller's array, which may change under the list).
  void SetItems(const PRUint32* items, PRUint32 count, bool bIndexAscii);

  PRUint32 m_uCount;
  const PRUint32* m_pItems;  // sorted ascending
  bool m_bOwned;             // m_pItems was allocated by the list
  PRUint32* m_pCodePoints;   // the array made by SetListFromUTF8String
  bool m_bReady;
  // Bit v set when ASCII value v is in the list, when indexed.
  bool m_bAsciiIndexed;
  PRUint32 m_auAscii[4];
};

#endif  // CORE_ZTINTEGERLIST_H_
