// ztIStringSimplifier: maps text to the simplified form in which it is searched and compared
// (lower case, without diacritics...). A subclass defines the form one character at a time in
// SimplifyFirstChar; whole-text simplification and comparison are built on that step here.
// Every buffer handed in or out comes from the NSPR allocator (PR_Malloc / PR_Free).
#ifndef CORE_ZTISTRINGSIMPLIFIER_H_
#define CORE_ZTISTRINGSIMPLIFIER_H_

#include "core/ZTRefCount.h"

class ZTCORE_API ztIStringSimplifier : public ZTRefCount {
 public:
  ztIStringSimplifier();
  ~ztIStringSimplifier() override;

  ZT_DECLARE_ZTIID

  // Simplifies the first character of the NUL-terminated text: *puConsumed gets the bytes of
  // text it used, buffer the simplified bytes (no NUL) and *puLength their number. On entry
  // *puLength is the buffer's capacity; 12, with nothing written, when they do not fit. An
  // empty text uses 0 bytes and gives length 0.
  virtual int SimplifyFirstChar(const char* text, PRUint32* puConsumed, char* buffer,
                                PRUint32* puLength) = 0;
  // Sets m_pcIdentity (from the NSPR allocator). Simplifiers with equal identities simplify
  // every text alike.
  virtual void ComputeIdentity() = 0;
  // The identity, computed on first use; the simplifier keeps it.
  virtual const char* GetSharedIdentity();
  // Compares the simplified first characters of a and b, taking further characters on the
  // shorter side until the two simplified forms have the same length; so one character that
  // simplifies to two letters equals those letters written out. *piDiff as strcmp.
  virtual int CompareFirstChar(const char* a, PRUint32* puUsedA, const char* b, PRUint32* puUsedB,
                               int* piDiff);
  // Compares the whole texts in simplified form (through CompareFirstChar).
  virtual int Compare(const char* a, PRUint32* puUsedA, const char* b, PRUint32* puUsedB,
                      int* piDiff);
  // A new simplified text; *puSize (when given) gets its buffer size, not counting a byte
  // added only for the NUL.
  virtual int SimplifyToNew(const char* text, char** ppcOut, PRUint32* puSize);
  // Simplifies the text of an NSPR buffer in place when no character grows; otherwise replaces
  // the buffer by a new one (the old is freed). A null *ppcText is left alone.
  virtual int SimplifyRealloc(char** ppcText, PRUint32* puSize);
  // Simplifies text into the caller's buffer *ppcBuffer of *puSize bytes, growing it as
  // needed (a null buffer or a size of 0 gets a new one).
  virtual int SimplifyOutputRealloc(const char* text, char** ppcBuffer, PRUint32* puSize);
  // SimplifyToNew without the size.
  virtual int Simplify(const char* text, char** ppcOut);

 protected:
  char* m_pcIdentity;

 private:
  // SimplifyFirstChar, refusing a step that uses nothing of a non-empty text.
  int Step(const char* text, PRUint32* puConsumed, char* buffer, PRUint32* puLength);
  // Appends the simplified text at *puEnd of *ppcBuffer (capacity *puCapacity), doubling the
  // buffer whenever a character does not fit.
  int Append(const char* text, char** ppcBuffer, PRUint32* puCapacity, PRUint32* puEnd);
  // A new buffer holding prefix (already simplified) followed by the simplified text.
  int SimplifyAfter(const char* prefix, PRUint32 prefixLength, const char* text, char** ppcOut,
                    PRUint32* puSize);
  // Extends the simplified form in area (*puLength bytes) with the next characters of text
  // (*puUsed bytes used so far) until it is at least target bytes long or text ends.
  int Extend(const char* text, PRUint32* puUsed, char* area, PRUint32* puLength, PRUint32 target);
};

#endif  // CORE_ZTISTRINGSIMPLIFIER_H_
