// The engine module of cursor record sets: component "recordset" / "cursor".
#include "backends/cursor/ZTCursorRecordSet.h"
#include "core/ZTModuleEntry.h"

static const ZTComponentData_s s_components[] = {
    {"recordset", "cursor", _Create_ZTCursorRecordSet},
    {nullptr, nullptr, nullptr},
};

ZT_MODULE_COMPONENTS(s_components)
ZT_MODULE_DEFAULT_INITIALIZE
