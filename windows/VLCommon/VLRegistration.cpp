#include "windows/VLCommon/VLRegistration.h"

int32_t vlRegisterServer(VLPlatform& platform, const VLServerInfo& server) {
  return platform.m_rAutomation.RegisterServer(server).Failed() ? VL_E_FAIL : VL_S_OK;
}

int32_t vlUnregisterServer(VLPlatform& platform, const VLServerInfo& server) {
  return platform.m_rAutomation.UnregisterServer(server).Failed() ? VL_E_FAIL : VL_S_OK;
}
