#include "windows/VL_MSOffice/VLOfficeApp.h"

#include "platform/win32/api/VLText.h"

VLOfficeApp vlOfficeAppOf(const std::string& topLevelClass) {
  static const struct {
    const char* m_szClass;
    VLOfficeApp m_eApp;
  } kApps[] = {
      {"opusapp", VLOfficeApp::kWord},
      {"XLMAIN", VLOfficeApp::kExcel},
      {"PP9FrameClass", VLOfficeApp::kPowerPoint},
      {"rctrl_renwnd32", VLOfficeApp::kOutlook},
      {"ATH_Note", VLOfficeApp::kOutlookExpress},
      {"Outlook Express Browser Class", VLOfficeApp::kOutlookExpress},
      {"FrontPageExplorerWindow40", VLOfficeApp::kFrontPage},
  };
  for (const auto& app : kApps) {
    if (vlSameNoCase(topLevelClass, app.m_szClass)) return app.m_eApp;
  }
  return VLOfficeApp::kNone;
}
