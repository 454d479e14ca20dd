// The Shift gesture: hold one Shift key, press the other, release the one pressed first.
#ifndef WINDOWS_VLSERVERDLL_VLKEYGESTURE_H_
#define WINDOWS_VLSERVERDLL_VLKEYGESTURE_H_

#include <cstdint>

class VLKeyGesture {
 public:
  // Feeds one keyboard event of the Shift key (its key data); true when it completes the
  // gesture. Repeats of the key that went down last change nothing; any other release
  // starts over.
  bool Feed(intptr_t keyData);

 private:
  void Reset();

  int m_iDownCount = 0;
  int64_t m_iFirstScan = -1;
  int64_t m_iLastScan = -1;
};

#endif  // WINDOWS_VLSERVERDLL_VLKEYGESTURE_H_
