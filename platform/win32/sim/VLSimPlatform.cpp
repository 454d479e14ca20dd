#include "platform/win32/sim/VLSimPlatform.h"

VLSimPlatform::VLSimPlatform()
    : m_windows(m_clipboard), m_platform{m_hooks,    m_windows,    m_clipboard,
                                         m_registry, m_automation, m_system} {}
