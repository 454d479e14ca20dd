// ztICascadeStringSimplifier: a string simplifier that delegates part of its work to a second
// simplifier, its surrogate, created by component URL. Subclasses combine their own step with
// the surrogate's.
#ifndef CORE_ZTICASCADESTRINGSIMPLIFIER_H_
#define CORE_ZTICASCADESTRINGSIMPLIFIER_H_

#include "core/ztIStringSimplifier.h"

class ZTCORE_API ztICascadeStringSimplifier : public ztIStringSimplifier {
 public:
  ztICascadeStringSimplifier();
  ~ztICascadeStringSimplifier() override;

  ZT_DECLARE_ZTIID

  // Replaces the surrogate by a new simplifier created through the factory from url. 1 for a
  // null url, the factory's code when there is no factory; 10, with a line on standard output,
  // when the simplifier cannot be created (the cascade is then without surrogate).
  int CreateSurrogateInstance(const char* pcszUrl);
  // The surrogate with a new reference (null when none); 0.
  int GetSurrogate(ztIStringSimplifier** ppOut);
  // Keeps a reference to simplifier (may be null) in place of the surrogate and forgets the
  // identity so that it is computed again; 0.
  int SetSurrogate(ztIStringSimplifier* pSimplifier);

 protected:
  ztIStringSimplifier* m_pSurrogate;
};

#endif  // CORE_ZTICASCADESTRINGSIMPLIFIER_H_
