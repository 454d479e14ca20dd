#include "core/ZTRefCount.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/ZTErrors.h"
#include "core/ztConsoleLog.h"

namespace {

// Records the hook calls and its own destruction.
class Probe : public ZTRefCount {
 public:
  explicit Probe(std::vector<std::string>* events, int warn = -1) : m_events(events) {
    m_iRefWarn = warn;
  }
  ~Probe() override { m_events->push_back("destroyed"); }
  void OnRefPreWarn() override {
    m_events->push_back("pre:" + std::to_string(m_iRefCount));
    if (m_onPre) m_onPre(this);
  }
  void OnRefPostWarn() override { m_events->push_back("post:" + std::to_string(m_iRefCount)); }
  PRInt32 Count() const { return m_iRefCount; }
  void SetWarn(PRInt32 w) { m_iRefWarn = w; }
  std::function<void(Probe*)> m_onPre;

 private:
  std::vector<std::string>* m_events;
};

TEST(ZTRefCountTest, NewObjectHasOneReferenceAndLastReleaseDestroys) {
  std::vector<std::string> events;
  Probe* p = new Probe(&events);
  EXPECT_EQ(p->Count(), 1);
  p->AddRef();
  p->Release();
  EXPECT_EQ(p->Count(), 1);
  EXPECT_TRUE(events.empty());
  p->Release();
  EXPECT_EQ(events, std::vector<std::string>{"destroyed"});  // no hook at the default level
}

TEST(ZTRefCountTest, HooksFireOnlyWhenPassingTheWarnLevel) {
  std::vector<std::string> events;
  Probe* p = new Probe(&events, 2);
  p->AddRef();
  p->AddRef();   // 3
  p->Release();  // 3 -> 2: armed
  EXPECT_EQ(events, (std::vector<std::string>{"pre:3", "post:2"}));
  events.clear();
  p->Release();  // 2 -> 1: not armed
  EXPECT_TRUE(events.empty());
  p->Release();
  EXPECT_EQ(events, std::vector<std::string>{"destroyed"});
}

TEST(ZTRefCountTest, CountIsReadAgainAfterThePreHook) {
  // Like a table whose cached records hold it: the hook drops those references and resets
  // the level, and the pending release then destroys the object after the post hook.
  std::vector<std::string> events;
  Probe* p = new Probe(&events, 2);
  p->AddRef();
  p->AddRef();  // the caller plus two "cached" references
  p->m_onPre = [](Probe* self) {
    self->SetWarn(-1);
    self->Release();  // not armed any more: 3 -> 2
    self->Release();  // 2 -> 1
  };
  p->Release();
  EXPECT_EQ(events, (std::vector<std::string>{"pre:3", "post:0", "destroyed"}));
}

TEST(ZTRefCountTest, QueryInterface) {
  ZTRefCount* object = new ZTRefCount();
  void* out = reinterpret_cast<void*>(1);
  static const ztID other = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
  EXPECT_EQ(object->QueryZTInterface(other, &out), 1);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(object->QueryZTInterface(ZTRefCount::GetZTIID(), &out), 0);
  EXPECT_EQ(out, object);
  static_cast<ZTRefCount*>(out)->Release();
  EXPECT_EQ(*object->GetLastZTIID(), ZTRefCount::GetZTIID());
  object->Release();
}

TEST(ZTRefCountTest, IdentifierBytesAreLittleEndianGuidLayout) {
  const ztID& id = ZTRefCount::GetZTIID();
  const unsigned char* b = reinterpret_cast<const unsigned char*>(&id);
  const unsigned char expected[16] = {0x80, 0xea, 0x13, 0x7c, 0xa6, 0x2e, 0x50, 0x47,
                                      0xa2, 0x64, 0x7b, 0x84, 0x25, 0x3c, 0xa1, 0x7a};
  ASSERT_EQ(sizeof(ztID), 16u);
  EXPECT_EQ(0, memcmp(b, expected, 16));
}

TEST(ZTRefCountTest, LockAndUnlock) {
  ztConsoleLog::Init();
  ZTRefCount* object = new ZTRefCount();
  testing::internal::CaptureStderr();
  EXPECT_EQ(object->Unlock(), 2);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "[ZTRefCount::Unlock] Have never been locked\n");
  EXPECT_EQ(object->Lock(), 0);
  EXPECT_EQ(object->Unlock(), 0);
  EXPECT_EQ(object->Lock(), 0);  // the lock is reused
  EXPECT_EQ(object->Unlock(), 0);
  object->Release();
}

}  // namespace
