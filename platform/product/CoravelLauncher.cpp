// Stand-in of the product's launcher: records that it was started and ends.
#include "BXWindows.h"
#include "ProductJournal.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    AppendToProductJournal(u"Coravel Launcher.exe", BXString(BXFromWide(commandLine)));
    return 0;
}
