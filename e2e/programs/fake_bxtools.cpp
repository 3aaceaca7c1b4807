// Broken stand-ins of the tools component, one per build flag, for the
// start-up scenarios: no export at all, an export that refuses the
// installer's interface version, and a component whose initialisation fails
// with a text of its own.
#include "BXNullTools.h"

#if defined(FAKE_WRONG_VERSION)
extern "C" __declspec(dllexport) IBXToolsDLL* GetBXToolsDLL(int32_t)
{
    return nullptr;
}
#elif defined(FAKE_INIT_FAILS)
namespace {
class FailingTools final : public BXNullTools {
public:
    bool Initialize(void*, BXDllString* error) override
    {
        error->SetString(u"The settings store is damaged", -1);
        return false;
    }
};
} // namespace

extern "C" __declspec(dllexport) IBXToolsDLL* GetBXToolsDLL(int32_t)
{
    static FailingTools tools;
    return &tools;
}
#else
extern "C" __declspec(dllexport) int SomethingElse()
{
    return 0;
}
#endif
