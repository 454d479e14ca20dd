// The Office plug-in: finds the word at the pointer or in the selection of Word, Excel,
// PowerPoint, FrontPage and Outlook Express, told by the window's top-level class.
#ifndef WINDOWS_VL_MSOFFICE_TVL_MSOFFICE_H_
#define WINDOWS_VL_MSOFFICE_TVL_MSOFFICE_H_

#include "platform/win32/api/VLPlatform.h"
#include "windows/VLCommon/VLCapture.h"
#include "windows/VLCommon/VLPlugIn.h"

class TVL_MSOffice : public VLPlugIn {
 public:
  static const VLServerInfo kServer;
  // The plug-in's value in the plug-in key.
  static constexpr const char* kPlugInValue = "MSOffice";

  explicit TVL_MSOffice(VLPlatform& platform) : m_rPlatform(platform) {}

  // Always S_OK; Result is true with the four texts when a word was captured.
  int32_t HandleApp(int32_t handle, int32_t msg, int32_t xPos, int32_t yPos, VLVariant* prevWord,
                    VLVariant* word, VLVariant* nextWord, VLVariant* info,
                    VLVariant* result) override;

  // The standard registration, then the plug-in value (whose failure is ignored): S_OK, or
  // E_FAIL when the standard registration fails.
  static int32_t RegisterServer(VLPlatform& platform);
  // Removes both: S_OK, or E_FAIL when either step fails.
  static int32_t UnregisterServer(VLPlatform& platform);

 private:
  // Runs the branch of the application; true with the capture and its application name.
  bool Capture(VLWindow window, int32_t msg, int32_t xPos, int32_t yPos, VLCapture* capture,
               std::u16string* application);
  // The class name of the window, empty when it cannot be read.
  std::string ClassOf(VLWindow window);

  VLPlatform& m_rPlatform;
};

#endif  // WINDOWS_VL_MSOFFICE_TVL_MSOFFICE_H_
