// ZTHiliter rewrites a text whose words are wrapped in a start and a stop marker for display:
// every marker disappears, and the words at the chosen positions (the n-th marked word is
// position n, from 0) are wrapped in the caller's markup, optionally numbered with their
// position. The result is the hiliter's own buffer.
#ifndef MODULES_HILITER_ZTHILITER_H_
#define MODULES_HILITER_ZTHILITER_H_

#include "modules/hiliter/ZTIFilter.h"

class ZTFINDHILITER_API ZTHiliter : public ZTIFilter {
 public:
  ZTHiliter();
  ~ZTHiliter() override;

  // The marker that opens a word in the input and the markup written before a highlighted
  // word. offset is where the word's number goes into the markup; -1 (or an offset outside
  // the markup) for none. 10 when a copy cannot be made.
  int SetStartStrings(const char* marker, const char* string, int offset);
  // The same for the closing side.
  int SetStopStrings(const char* marker, const char* string, int offset);
  // The positions to highlight, strictly ascending (copied); a count of 0 clears them.
  int SetValues(const unsigned* values, unsigned count);

  // Filters a NUL-terminated text of length bytes (NUL included) into this buffer; 10 when the
  // markers are not set or the length is not the text's. Also 10, with the whole text
  // filtered, when some position was not met (repeated, out of order or too large).
  int FilterData(const void* data, unsigned length) override;

 private:
  struct Side {
    char* m_pcMarker = nullptr;
    char* m_pcString = nullptr;
    int m_iOffset = -1;
    int m_iMarkerLength = 0;
    int m_iStringLength = 0;
  };
  class Writer;

  static int SetSide(Side* side, const char* marker, const char* string, int offset);
  static void FreeSide(Side* side);
  // Bytes a highlighted word may add on one side, never less than 0.
  static PRUint64 Growth(const Side& side);
  // The output's size, in advance; 0 when it would not fit in 32 bits.
  PRUint64 OutputSize(unsigned length) const;
  void Filter(const char* text, Writer* out, PRUint32* puUsed) const;

  unsigned* m_puValues;
  unsigned m_uValueCount;
  Side m_start;
  Side m_stop;
};

#endif  // MODULES_HILITER_ZTHILITER_H_
