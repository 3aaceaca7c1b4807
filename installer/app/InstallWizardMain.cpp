// The process entry and the one application object.
#include "CInstallApp.h"

#include "CommandLine.h"

static CInstallApp g_installApp;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int showCommand)
{
    BXApp* app = GetApp();
    if (app == nullptr)
        return 0;
    app->GetArguments() = SplitCommandLine(BXString(BXFromWide(commandLine)));
    return app->Run(instance, previous, showCommand);
}
