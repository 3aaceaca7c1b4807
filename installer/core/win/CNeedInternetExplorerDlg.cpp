#include "CNeedInternetExplorerDlg.h"

#include "BXRegKey.h"
#include "BXVersion64.h"
#include "CMessages.h"
#include "CProductKeys.h"

#include <objbase.h>

namespace {

// The system's web browser control.
constexpr CLSID kBrowserControlClass = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};

} // namespace

bool CanCreateBrowserControl()
{
    IUnknown* control = nullptr;
    const HRESULT result = ::CoCreateInstance(kBrowserControlClass, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                              IID_IUnknown, reinterpret_cast<void**>(&control));
    if (FAILED(result) || control == nullptr)
        return false;
    control->Release();
    return true;
}

BXString GetInstalledBrowserVersionText()
{
    BXString version(u"1.0.0.0");
    BXRegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Internet Explorer", KEY_QUERY_VALUE))
        key.ReadString(u"Version", version);
    return version;
}

uint64_t GetInstalledBrowserVersion()
{
    return ParseVersion64(GetInstalledBrowserVersionText());
}

uint64_t GetMinimumBrowserVersion()
{
    return ParseVersion64(GetProductKeyText(u"/*/SpecialFeatures/MinIEVersion", u"5.0.0.0"));
}

void ShowNeedInternetExplorer()
{
    ShowMessage(nullptr,
                Translate(u"Install Wizard did not detect a new enough version of Microsoft Internet Explorer.  Setup "
                          u"cannot continue.") +
                    u"\r\n\r\n" +
                    Translate(u"Click on 'Download' to download and install the latest version of Internet Explorer.  "
                              u"Please re-run setup after installing Internet Explorer."),
                Translate(u"Internet Explorer Warning"));
}
