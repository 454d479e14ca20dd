// Simulated hooks: the test plays the system and calls the installed procedures itself.
#ifndef PLATFORM_WIN32_SIM_VLSIMHOOKS_H_
#define PLATFORM_WIN32_SIM_VLSIMHOOKS_H_

#include <map>

#include "platform/win32/api/VLHooks.h"

class VLSimHooks : public VLHooks {
 public:
  VLHook Install(VLHookKind kind, VLHookProc proc) override;
  intptr_t CallNext(VLHook hook, int code, uintptr_t wParam, intptr_t lParam) override;
  bool Remove(VLHook hook) override;

  // The procedure installed for kind; null when none is.
  VLHookProc Installed(VLHookKind kind) const;
  int InstallCount() const { return m_iInstallCount; }
  int CallNextCount() const { return m_iCallNextCount; }
  // What the next hook in the chain answers.
  static constexpr intptr_t kNextAnswer = 4242;

 private:
  struct Entry {
    VLHookKind m_eKind;
    VLHookProc m_pProc;
  };
  std::map<VLHook, Entry> m_hooks;
  VLHook m_hLast = 0;
  int m_iInstallCount = 0;
  int m_iCallNextCount = 0;
};

#endif  // PLATFORM_WIN32_SIM_VLSIMHOOKS_H_
