#include "windows/VL_MSOffice/TVL_MSOffice.h"

#include "windows/VLCommon/VLCompany.h"
#include "windows/VLCommon/VLRegistration.h"
#include "windows/VLCommon/VLTrace.h"
#include "windows/VL_MSOffice/VLClipboardCapture.h"
#include "windows/VL_MSOffice/VLExcelCapture.h"
#include "windows/VL_MSOffice/VLOfficeApp.h"
#include "windows/VL_MSOffice/VLWordCapture.h"

const VLServerInfo TVL_MSOffice::kServer = {"{11292F0A-746E-4D03-AA4F-530E4F3700FD}",
                                            "VL_MSOffice.VL_MSOffice", "VL_MSOffice Object"};

int32_t TVL_MSOffice::HandleApp(int32_t handle, int32_t msg, int32_t xPos, int32_t yPos,
                                VLVariant* prevWord, VLVariant* word, VLVariant* nextWord,
                                VLVariant* info, VLVariant* result) {
  *prevWord = *word = *nextWord = *info = VLVariant();
  *result = VLVariant::Bool(false);
  VLCapture capture;
  std::u16string application;
  if (Capture(vlWindowFromLong(handle), msg, xPos, yPos, &capture, &application)) {
    capture.Answer(application, prevWord, word, nextWord, info);
    *result = VLVariant::Bool(true);
  }
  return VL_S_OK;
}

bool TVL_MSOffice::Capture(VLWindow window, int32_t msg, int32_t xPos, int32_t yPos,
                           VLCapture* capture, std::u16string* application) {
  VLWindow top = window;
  for (VLWindow parent = m_rPlatform.m_rWindows.Parent(top); parent;
       parent = m_rPlatform.m_rWindows.Parent(top)) {
    top = parent;
  }
  const std::string topClass = ClassOf(top);
  vlTrace(m_rPlatform, topClass);
  vlTrace(m_rPlatform, ClassOf(window));
  VLClipboardOptions clipboard;
  switch (vlOfficeAppOf(topClass)) {
    case VLOfficeApp::kWord:
      *application = u"MSWord";
      return VLWordCapture(m_rPlatform).Capture(msg, xPos, yPos, capture);
    case VLOfficeApp::kExcel:
      vlTrace(m_rPlatform, "EXCEL");
      *application = u"MS Excel";
      clipboard.m_bTraceAttached = false;
      if (msg == 1) return vlExcelCapture(m_rPlatform, xPos, yPos, capture);
      break;
    case VLOfficeApp::kPowerPoint:
      vlTrace(m_rPlatform, "PowerPoint");
      *application = u"MS PowerPoint";
      break;
    case VLOfficeApp::kFrontPage:
      vlTrace(m_rPlatform, "FrontPage");
      *application = u"MS FrontPage";
      break;
    case VLOfficeApp::kOutlookExpress:
      *application = u"MS OutLook Express";
      clipboard.m_bRestoreFirst = true;
      break;
    case VLOfficeApp::kOutlook:
    case VLOfficeApp::kNone:
      return false;
  }
  return msg == 2 && vlClipboardCapture(m_rPlatform, window, clipboard, capture);
}

std::string TVL_MSOffice::ClassOf(VLWindow window) {
  std::string name;
  return m_rPlatform.m_rWindows.ClassName(window, &name) ? name : std::string();
}

int32_t TVL_MSOffice::RegisterServer(VLPlatform& platform) {
  if (vlRegisterServer(platform, kServer) != VL_S_OK) return VL_E_FAIL;
  platform.m_rRegistry.WriteString(VL_PLUGIN_KEY, kPlugInValue, kServer.m_szProgId);
  return VL_S_OK;
}

int32_t TVL_MSOffice::UnregisterServer(VLPlatform& platform) {
  const bool standard = vlUnregisterServer(platform, kServer) == VL_S_OK;
  const bool value = platform.m_rRegistry.DeleteValue(VL_PLUGIN_KEY, kPlugInValue);
  return standard && value ? VL_S_OK : VL_E_FAIL;
}
