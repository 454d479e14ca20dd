#include "platform/win32/sim/VLSimHooks.h"

VLHook VLSimHooks::Install(VLHookKind kind, VLHookProc proc) {
  ++m_iInstallCount;
  m_hooks[++m_hLast] = Entry{kind, proc};
  return m_hLast;
}

intptr_t VLSimHooks::CallNext(VLHook /*hook*/, int /*code*/, uintptr_t /*wParam*/,
                              intptr_t /*lParam*/) {
  ++m_iCallNextCount;
  return kNextAnswer;
}

bool VLSimHooks::Remove(VLHook hook) {
  return m_hooks.erase(hook) == 1;
}

VLHookProc VLSimHooks::Installed(VLHookKind kind) const {
  for (const auto& [hook, entry] : m_hooks) {
    if (entry.m_eKind == kind) return entry.m_pProc;
  }
  return nullptr;
}
