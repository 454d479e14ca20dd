#include "windows/VLSup/TVLComm.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/win32/sim/VLSimPlatform.h"
#include "windows/VLCommon/VLTrace.h"

namespace {

// A client that records what its "Info" receives and may act while being called.
class Client : public VLDispatch {
 public:
  explicit Client(bool* destroyed = nullptr) : m_pDestroyed(destroyed) {}
  ~Client() override {
    if (m_pDestroyed) *m_pDestroyed = true;
  }

  VLStatus Invoke(const std::string& member, std::vector<VLVariant>& args, VLPassing,
                  VLVariant*) override {
    if (member != "Info" || args.size() != 1 || args[0].GetType() != VLVariant::kText) {
      return vlBadArguments(member);
    }
    m_received.push_back(args[0].AsText());
    if (m_onInfo) m_onInfo();
    return m_bFails ? VLStatus::Error(VL_E_FAIL, "client gone") : VLStatus::Ok();
  }

  std::vector<std::u16string> m_received;
  bool m_bFails = false;
  std::function<void()> m_onInfo;

 private:
  bool* m_pDestroyed;
};

class TVLCommTest : public testing::Test {
 protected:
  TVLCommTest()
      : m_library(m_sim.Platform()),
        m_pComm(new TVLComm(m_library)),
        m_hDebugger(m_sim.m_windows.Create(VL_TRACE_CLASS, VL_TRACE_TITLE)) {}
  ~TVLCommTest() override {
    if (m_pComm) m_pComm->Release();
  }

  // A new client and its handle; the list holds the only reference to it.
  Client* Register(int32_t* handle, bool* destroyed = nullptr) {
    Client* client = new Client(destroyed);
    EXPECT_EQ(m_pComm->RegisterClient(VLVariant::Adopt(client), handle), VL_S_OK);
    return client;
  }

  std::vector<std::string> Traces() {
    std::vector<std::string> lines;
    for (const auto& line : m_sim.m_windows.CopyDataOf(m_hDebugger)) {
      lines.push_back(line.m_sBytes.substr(0, line.m_sBytes.size() - 1));
    }
    return lines;
  }

  VLSimPlatform m_sim;
  VLCommLibrary m_library;
  TVLComm* m_pComm;
  VLWindow m_hDebugger;
};

TEST_F(TVLCommTest, RegistrationsGetDistinctHandlesAndAreCounted) {
  int32_t a = 0, b = 0;
  Register(&a);
  Register(&b);
  EXPECT_NE(a, b);
  EXPECT_NE(a, 0);
  EXPECT_EQ(m_pComm->RegisterCount(), 2);
  EXPECT_FALSE(m_pComm->DoClose());
}

TEST_F(TVLCommTest, HandlesAreUniqueAcrossLists) {
  TVLComm* other = new TVLComm(m_library);
  int32_t mine = 0, theirs = 0;
  bool destroyed = false;
  Register(&mine, &destroyed);
  EXPECT_EQ(other->RegisterClient(VLVariant::Adopt(new Client), &theirs), VL_S_OK);
  EXPECT_NE(mine, theirs);
  EXPECT_EQ(other->UnRegisterClient(mine), VL_S_OK);
  EXPECT_EQ(other->RegisterCount(), 1);
  EXPECT_EQ(m_pComm->RegisterCount(), 1);
  other->Release();
  EXPECT_FALSE(destroyed);
  m_pComm->UnRegisterClient(mine);
  EXPECT_TRUE(destroyed);
}

TEST_F(TVLCommTest, UnknownHandleChangesNothing) {
  int32_t a = 0;
  Register(&a);
  EXPECT_EQ(m_pComm->UnRegisterClient(a + 100), VL_S_OK);
  EXPECT_EQ(m_pComm->RegisterCount(), 1);
  EXPECT_FALSE(m_pComm->DoClose());
  EXPECT_EQ(m_pComm->UnRegisterClient(7), VL_S_OK);
}

TEST_F(TVLCommTest, LastUnregistrationSetsTheCloseFlagForGood) {
  int32_t a = 0, b = 0;
  bool destroyed = false;
  Register(&a, &destroyed);
  Register(&b);
  EXPECT_EQ(m_pComm->UnRegisterClient(a), VL_S_OK);
  EXPECT_TRUE(destroyed);
  EXPECT_FALSE(m_pComm->DoClose());
  EXPECT_EQ(m_pComm->UnRegisterClient(b), VL_S_OK);
  EXPECT_EQ(m_pComm->RegisterCount(), 0);
  EXPECT_TRUE(m_pComm->DoClose());
  Register(&a);
  EXPECT_TRUE(m_pComm->DoClose());
  const auto lines = Traces();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Unregistering object"), 2);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Disposing element"), 2);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Freeing list"), 1);
}

TEST_F(TVLCommTest, BroadcastReachesEveryClientPastAFailingOne) {
  int32_t a = 0, b = 0, c = 0;
  Client* first = Register(&a);
  Client* failing = Register(&b);
  failing->m_bFails = true;
  Client* last = Register(&c);
  EXPECT_EQ(m_pComm->BroadCast(u"the text"), VL_S_OK);
  for (Client* client : {first, failing, last}) {
    EXPECT_EQ(client->m_received, std::vector<std::u16string>{u"the text"});
  }
  EXPECT_EQ(Traces(),
            (std::vector<std::string>{"BroadCast : the text", "9", "9",
                                      "Error broadcasting to number: 1 Reason: client gone", "9"}));
}

TEST_F(TVLCommTest, BroadcastToNoClientOnlyTracesTheText) {
  EXPECT_EQ(m_pComm->BroadCast(u"alone"), VL_S_OK);
  EXPECT_EQ(Traces(), std::vector<std::string>{"BroadCast : alone"});
}

TEST_F(TVLCommTest, SameObjectTwiceGetsTwoHandlesAndTwoTexts) {
  Client* client = new Client;
  VLVariant object = VLVariant::Adopt(client);
  int32_t a = 0, b = 0;
  m_pComm->RegisterClient(object, &a);
  m_pComm->RegisterClient(object, &b);
  EXPECT_NE(a, b);
  m_pComm->BroadCast(u"x");
  EXPECT_EQ(client->m_received.size(), 2u);
  m_pComm->UnRegisterClient(a);
  EXPECT_FALSE(m_pComm->DoClose());
  m_pComm->BroadCast(u"y");
  EXPECT_EQ(client->m_received.size(), 3u);
  m_pComm->UnRegisterClient(b);
  EXPECT_TRUE(m_pComm->DoClose());
}

TEST_F(TVLCommTest, ClientLeavingDuringTheBroadcastIsRemovedAfterIt) {
  int32_t a = 0, b = 0;
  bool destroyed = false;
  Client* leaving = Register(&a, &destroyed);
  Client* staying = Register(&b);
  leaving->m_onInfo = [&] {
    EXPECT_EQ(m_pComm->UnRegisterClient(a), VL_S_OK);
    EXPECT_EQ(m_pComm->RegisterCount(), 2);
  };
  EXPECT_EQ(m_pComm->BroadCast(u"bye"), VL_S_OK);
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(staying->m_received.size(), 1u);
  EXPECT_EQ(m_pComm->RegisterCount(), 1);
  m_pComm->BroadCast(u"again");
  EXPECT_EQ(staying->m_received.size(), 2u);
}

TEST_F(TVLCommTest, BroadcastFromInsideABroadcastIsRefused) {
  int32_t a = 0, b = 0;
  Client* echo = Register(&a);
  Client* other = Register(&b);
  int32_t nested = VL_S_OK;
  echo->m_onInfo = [&] { nested = m_pComm->BroadCast(u"echo"); };
  EXPECT_EQ(m_pComm->BroadCast(u"once"), VL_S_OK);
  EXPECT_EQ(nested, VL_E_BROADCASTING);
  EXPECT_EQ(echo->m_received, std::vector<std::u16string>{u"once"});
  EXPECT_EQ(other->m_received, std::vector<std::u16string>{u"once"});
}

TEST_F(TVLCommTest, ClientRegisteringDuringTheBroadcastJoinsTheNextOne) {
  int32_t a = 0, late = 0;
  Client* first = Register(&a);
  Client* joiner = nullptr;
  first->m_onInfo = [&] {
    if (!joiner) joiner = Register(&late);
  };
  m_pComm->BroadCast(u"one");
  ASSERT_NE(joiner, nullptr);
  EXPECT_TRUE(joiner->m_received.empty());
  m_pComm->BroadCast(u"two");
  EXPECT_EQ(joiner->m_received, std::vector<std::u16string>{u"two"});
}

TEST_F(TVLCommTest, DestructionReleasesTheClients) {
  int32_t a = 0;
  bool destroyed = false;
  Register(&a, &destroyed);
  m_pComm->Release();
  m_pComm = nullptr;
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(Traces().back(), "Removing Variants");
}

TEST_F(TVLCommTest, LateBoundMembers) {
  std::vector<VLVariant> args = {VLVariant::Adopt(new Client)};
  VLVariant result;
  ASSERT_FALSE(m_pComm->Invoke("RegisterClient", args, VLPassing::kByValue, &result).Failed());
  ASSERT_EQ(result.GetType(), VLVariant::kInt);
  const int32_t handle = result.AsInt();
  std::vector<VLVariant> none;
  ASSERT_FALSE(m_pComm->Invoke("RegisterCount", none, VLPassing::kByValue, &result).Failed());
  EXPECT_EQ(result.AsInt(), 1);
  std::vector<VLVariant> text = {VLVariant::Text(u"hi")};
  EXPECT_FALSE(m_pComm->Invoke("BroadCast", text, VLPassing::kByValue, &result).Failed());
  std::vector<VLVariant> index = {VLVariant::Int(handle)};
  EXPECT_FALSE(m_pComm->Invoke("UnRegisterClient", index, VLPassing::kByValue, &result).Failed());
  ASSERT_FALSE(m_pComm->Invoke("DoClose", none, VLPassing::kByValue, &result).Failed());
  EXPECT_EQ(result.GetType(), VLVariant::kBool);
  EXPECT_TRUE(result.AsBool());
  EXPECT_TRUE(m_pComm->Invoke("BroadCast", index, VLPassing::kByValue, &result).Failed());
  EXPECT_TRUE(m_pComm->Invoke("Nothing", none, VLPassing::kByValue, &result).Failed());
}

}  // namespace
