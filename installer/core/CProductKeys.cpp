#include "CProductKeys.h"

#include "IBXTools.h"

namespace {

IBXSettings* Settings()
{
    IBXToolsDLL* tools = BXGetTools();
    return tools != nullptr ? tools->GetSettings() : nullptr;
}

} // namespace

BXString GetProductKeyText(const BXChar* key, const BXChar* defaultValue)
{
    BXString value(defaultValue != nullptr ? defaultValue : u"");
    if (IBXSettings* settings = Settings()) {
        BXDllStringRef out(value);
        settings->GetKeyText(key, defaultValue, &out);
    }
    return value;
}

int32_t GetProductKeyInt(const BXChar* key, int32_t defaultValue)
{
    IBXSettings* settings = Settings();
    return settings != nullptr ? settings->GetKeyInt(key, defaultValue) : defaultValue;
}

BXString GetProductName(int32_t form)
{
    BXString name;
    if (IBXSettings* settings = Settings()) {
        BXDllStringRef out(name);
        settings->GetProductName(form, &out);
    }
    return name;
}

BXString GetProductItem(int32_t item)
{
    BXString value;
    if (IBXSettings* settings = Settings()) {
        BXDllStringRef out(value);
        settings->GetProductItem(item, &out);
    }
    return value;
}

bool IsProductFeatureOn(int32_t feature)
{
    IBXSettings* settings = Settings();
    return settings != nullptr && settings->IsFeatureOn(feature);
}
