// The client list of the lookup application: clients register, one text is broadcast to all
// of them through their method "Info", and the application learns when the last has gone.
#ifndef WINDOWS_VLSUP_TVLCOMM_H_
#define WINDOWS_VLSUP_TVLCOMM_H_

#include <atomic>
#include <string>
#include <vector>

#include "platform/win32/api/VLDispatch.h"
#include "platform/win32/api/VLVariant.h"
#include "windows/VLCommon/VLTrace.h"
#include "windows/VLSup/VLCommLibrary.h"

// The answer of a broadcast started from inside a broadcast of the same list.
constexpr int32_t VL_E_BROADCASTING = VL_E_UNEXPECTED;

class TVLComm : public VLDispatch {
 public:
  static const VLServerInfo kServer;

  explicit TVLComm(VLCommLibrary& library) : m_rLibrary(library) {}

  // Keeps a reference to the client; *handle identifies it for UnRegisterClient.
  int32_t RegisterClient(const VLVariant& client, int32_t* handle);
  // Drops the client with this handle (S_OK also when there is none). Called by a client
  // while this list broadcasts, the removal waits until the broadcast ends.
  int32_t UnRegisterClient(int32_t handle);
  // Calls "Info" of every client with the text; a failing client is traced and skipped.
  int32_t BroadCast(const std::u16string& info);
  int32_t RegisterCount() const { return m_iCount; }
  // True once the last client has unregistered, for the rest of the object's life.
  bool DoClose() const { return m_bClose; }

  VLStatus Invoke(const std::string& member, std::vector<VLVariant>& args, VLPassing passing,
                  VLVariant* result) override;

 private:
  struct Holder {
    int32_t m_iHandle;
    VLVariant m_client;
  };

  ~TVLComm() override;
  // Removes the holder with the handle; call with the lock held.
  void Dispose(int32_t handle);
  void Trace(const std::string& text) { vlTrace(m_rLibrary.Platform(), text); }

  VLCommLibrary& m_rLibrary;
  std::vector<Holder> m_aHolders;
  std::vector<int32_t> m_aPendingRemovals;
  bool m_bBroadcasting = false;
  std::atomic<int32_t> m_iCount{0};
  std::atomic<bool> m_bClose{false};
};

#endif  // WINDOWS_VLSUP_TVLCOMM_H_
