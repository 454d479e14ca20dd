// An automation object called late, by member name: the plug-ins, the Office applications'
// objects, the broadcast clients, and this layer's own servers.
#ifndef PLATFORM_WIN32_API_VLDISPATCH_H_
#define PLATFORM_WIN32_API_VLDISPATCH_H_

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/api/VLStatus.h"

class VLVariant;

// How the arguments of a call travel: by value, or by reference so that the callee may
// write its answers into them.
enum class VLPassing { kByValue, kByRef };

class VLDispatch {
 public:
  VLDispatch() = default;
  VLDispatch(const VLDispatch&) = delete;
  VLDispatch& operator=(const VLDispatch&) = delete;

  // A new object holds one reference for its creator.
  void AddRef() { m_iRefCount.fetch_add(1, std::memory_order_relaxed); }
  void Release();

  // Calls a method or reads a property by name; the empty name is the default member.
  // With VLPassing::kByRef the callee's changes to args are the caller's answers.
  virtual VLStatus Invoke(const std::string& member, std::vector<VLVariant>& args,
                          VLPassing passing, VLVariant* result) = 0;

 protected:
  virtual ~VLDispatch() = default;

 private:
  std::atomic<int32_t> m_iRefCount{1};
};

// The failure for a member that the object does not have.
VLStatus vlUnknownMember(const std::string& member);

// The failure for a call whose argument count or types do not fit the member.
VLStatus vlBadArguments(const std::string& member);

#endif  // PLATFORM_WIN32_API_VLDISPATCH_H_
