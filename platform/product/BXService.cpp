// Stand-in of the product's service program: records every invocation
// ("/Stop", "/Register", ...) and exits 0.
#include "BXWindows.h"
#include "ProductJournal.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    AppendToProductJournal(u"BXService.exe", BXString(BXFromWide(commandLine)));
    return 0;
}
