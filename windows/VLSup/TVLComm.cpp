#include "windows/VLSup/TVLComm.h"

#include <utility>

const VLServerInfo TVLComm::kServer = {"{D0B11B82-0DED-4931-AEFC-DF6EAFD429EA}", "VLSup.VLComm",
                                       "VistalComm Object"};

TVLComm::~TVLComm() {
  Trace("Removing Variants");
}

int32_t TVLComm::RegisterClient(const VLVariant& client, int32_t* handle) {
  VLLockHolder lock(m_rLibrary.Lock());
  *handle = m_rLibrary.NextHandle();
  m_aHolders.push_back(Holder{*handle, client});
  ++m_iCount;
  return VL_S_OK;
}

int32_t TVLComm::UnRegisterClient(int32_t handle) {
  VLLockHolder lock(m_rLibrary.Lock());
  Trace("Unregistering object");
  // The lock is held through a broadcast: while this list broadcasts, only a client's
  // "Info" on the broadcasting thread can get here.
  if (m_bBroadcasting) {
    m_aPendingRemovals.push_back(handle);
  } else {
    Dispose(handle);
  }
  return VL_S_OK;
}

void TVLComm::Dispose(int32_t handle) {
  for (auto it = m_aHolders.begin(); it != m_aHolders.end(); ++it) {
    if (it->m_iHandle != handle) continue;
    Trace("Disposing element");
    m_aHolders.erase(it);
    --m_iCount;
    if (m_aHolders.empty()) {
      Trace("Freeing list");
      m_aHolders.shrink_to_fit();
      m_bClose = true;
    }
    return;
  }
}

int32_t TVLComm::BroadCast(const std::u16string& info) {
  VLLockHolder lock(m_rLibrary.Lock());
  VLPlatform& platform = m_rLibrary.Platform();
  if (m_bBroadcasting) {
    Trace("BroadCast refused: already broadcasting");
    return VL_E_BROADCASTING;
  }
  Trace("BroadCast : " + platform.m_rSystem.Narrow(info));
  m_bBroadcasting = true;
  const size_t count = m_aHolders.size();
  for (size_t i = 0; i < count; ++i) {
    // Clients registered during the broadcast may grow the list: call through a copy.
    const VLVariant client = m_aHolders[i].m_client;
    Trace(std::to_string(client.GetType()));
    VLVariant ignored;
    const VLStatus status = client.Invoke("Info", {VLVariant::Text(info)}, &ignored);
    if (status.Failed()) {
      Trace("Error broadcasting to number: " + std::to_string(i) + " Reason: " + status.m_sMessage);
    }
  }
  m_bBroadcasting = false;
  for (int32_t handle : std::exchange(m_aPendingRemovals, {})) Dispose(handle);
  return VL_S_OK;
}

VLStatus TVLComm::Invoke(const std::string& member, std::vector<VLVariant>& args,
                         VLPassing /*passing*/, VLVariant* result) {
  const bool noArgs = args.empty();
  const bool oneArg = args.size() == 1;
  int32_t code = VL_S_OK;
  if (member == "RegisterClient" && oneArg && args[0].GetType() == VLVariant::kObject) {
    int32_t handle = 0;
    code = RegisterClient(args[0], &handle);
    *result = VLVariant::Int(handle);
  } else if (member == "UnRegisterClient" && oneArg && args[0].GetType() == VLVariant::kInt) {
    code = UnRegisterClient(args[0].AsInt());
  } else if (member == "BroadCast" && oneArg && args[0].GetType() == VLVariant::kText) {
    code = BroadCast(args[0].AsText());
  } else if (member == "RegisterCount" && noArgs) {
    *result = VLVariant::Int(RegisterCount());
  } else if (member == "DoClose" && noArgs) {
    *result = VLVariant::Bool(DoClose());
  } else {
    return vlUnknownMember(member);
  }
  return code < 0 ? VLStatus::Error(code, member + " failed") : VLStatus::Ok();
}
