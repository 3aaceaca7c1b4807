#include "BXCaretPeriod.h"

#include <algorithm>

#ifdef _WIN32
#include "BXRegKey.h"
#endif

int32_t BXCaretPeriodFromSetting(const BXString* value)
{
    if (value == nullptr) {
        return kBXDefaultCaretPeriod;
    }
    const int32_t rate = value->ToInt();
    return rate > 0 ? std::clamp(rate, 100, 1000) : kBXDefaultCaretPeriod;
}

#ifdef _WIN32
int32_t BXReadCaretPeriod()
{
    BXRegKey key;
    BXString value;
    if (!key.Open(HKEY_CURRENT_USER, u"Control Panel\\Desktop") || !key.ReadString(u"CursorBlinkRate", value)) {
        return BXCaretPeriodFromSetting(nullptr);
    }
    return BXCaretPeriodFromSetting(&value);
}
#endif
