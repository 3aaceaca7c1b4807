// Broken stand-ins of the tools component, one per build flag, for the
// start-up scenarios: no export at all, an export that refuses the
// installer's interface version, and a component whose initialisation fails
// with a text of its own.
#include "IBXTools.h"

#if defined(FAKE_WRONG_VERSION)
extern "C" __declspec(dllexport) IBXToolsDLL* GetBXToolsDLL(int32_t)
{
    return nullptr;
}
#elif defined(FAKE_INIT_FAILS)
namespace {
class FailingTools final : public IBXToolsDLL {
public:
    int32_t GetInterfaceVersion() override { return kBXToolsInterfaceVersion; }
    bool Initialize(void*, BXDllString* error) override
    {
        error->SetString(u"The settings store is damaged", -1);
        return false;
    }
    void PreUnload() override {}
    void Uninitialize() override {}
    IBXSettings* GetSettings() override { return nullptr; }
    IBXLanguage* GetLanguage() override { return nullptr; }
    IBXDialogs* GetDialogs() override { return nullptr; }
    IBXTextTools* GetText() override { return nullptr; }
    IBXFileSystemTools* GetFileSystem() override { return nullptr; }
    IBXLog* GetLog() override { return nullptr; }
    IBXWindowTools* GetWindow() override { return nullptr; }
    IBXMiscTools* GetMisc() override { return nullptr; }
    IBXSkin* GetSkin() override { return nullptr; }
    IBXArchives* GetArchives() override { return nullptr; }
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
