// An automation object of the system (IDispatch) seen as a layer object: members are
// called late, by name.
#ifndef PLATFORM_WIN32_REAL_VLCOMDISPATCH_H_
#define PLATFORM_WIN32_REAL_VLCOMDISPATCH_H_

#include <windows.h>

#include "platform/win32/api/VLDispatch.h"
#include "platform/win32/api/VLVariant.h"

class VLComDispatch : public VLDispatch {
 public:
  // Keeps a reference to object.
  explicit VLComDispatch(IDispatch* object);

  VLStatus Invoke(const std::string& member, std::vector<VLVariant>& args, VLPassing passing,
                  VLVariant* result) override;

  IDispatch* Get() const { return m_pObject; }

 private:
  ~VLComDispatch() override;

  IDispatch* m_pObject;
};

// A variant holding the object (Nothing for null).
VLVariant vlWrapDispatch(IDispatch* object);

#endif  // PLATFORM_WIN32_REAL_VLCOMDISPATCH_H_
