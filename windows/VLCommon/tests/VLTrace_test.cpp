#include "windows/VLCommon/VLTrace.h"

#include <gtest/gtest.h>

#include "platform/win32/sim/VLSimPlatform.h"

namespace {

TEST(VLTraceTest, WithoutDebuggerWindowNothingIsSent) {
  VLSimPlatform sim;
  const VLWindow other = sim.m_windows.Create("TfrmDebug", "Another title");
  vlTrace(sim.Platform(), "hello");
  EXPECT_TRUE(sim.m_windows.CopyDataOf(other).empty());
}

TEST(VLTraceTest, LineIsSentAsNulTerminatedCopyData) {
  VLSimPlatform sim;
  const VLWindow debugger = sim.m_windows.Create(VL_TRACE_CLASS, VL_TRACE_TITLE);
  vlTrace(sim.Platform(), "hello");
  ASSERT_EQ(sim.m_windows.CopyDataOf(debugger).size(), 1u);
  const VLSimCopyData& line = sim.m_windows.CopyDataOf(debugger)[0];
  EXPECT_EQ(line.m_wParam, 0u);
  EXPECT_EQ(line.m_dwData, 0u);
  EXPECT_EQ(line.m_sBytes, std::string("hello", 6));
}

TEST(VLTraceTest, MemoryWordsAreReplacedByFigures) {
  VLSimPlatform sim;
  const VLWindow debugger = sim.m_windows.Create(VL_TRACE_CLASS, VL_TRACE_TITLE);
  sim.m_system.SetMemory(1234, 5000000000ull);
  vlTrace(sim.Platform(), "mem ALLOC/TOTALAVAILVIR, ALLOC again");
  ASSERT_EQ(sim.m_windows.CopyDataOf(debugger).size(), 1u);
  EXPECT_STREQ(sim.m_windows.CopyDataOf(debugger)[0].m_sBytes.c_str(),
               "mem 1234/5000000000, 1234 again");
}

}  // namespace
