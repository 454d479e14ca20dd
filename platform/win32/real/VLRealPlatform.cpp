#include "platform/win32/real/VLRealPlatform.h"

VLRealPlatform::VLRealPlatform(HINSTANCE module)
    : m_hooks(module), m_automation(module), m_platform{m_hooks,    m_windows,    m_clipboard,
                                                        m_registry, m_automation, m_system} {}
