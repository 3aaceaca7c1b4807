// Stand-in of the product's finishing program: records every invocation and
// carries out "/RegDLL <path>" and "/UnRegDLL <path>" (the path unquoted,
// blanks allowed) in process, exiting 0 on success and 1 on failure. Every
// other request ("/FinishInstall", "/RegFileAssociations", ...) only records
// and exits 0.
#include "BXRunProgram.h"
#include "BXWindows.h"
#include "ProductJournal.h"

#include <cwchar>

namespace {

// The text after option when the command line begins with it (any case).
bool TakeOption(const BXString& commandLine, const BXChar* option, BXString& rest)
{
    const BXString prefix(option);
    if (commandLine.GetLength() < prefix.GetLength() ||
        ::_wcsnicmp(commandLine.W(), prefix.W(), size_t(prefix.GetLength())) != 0)
        return false;
    rest = commandLine.Mid(prefix.GetLength());
    rest.Trim();
    if (rest.GetLength() >= 2 && rest.GetAt(0) == u'"' && rest.GetAt(rest.GetLength() - 1) == u'"')
        rest = rest.Mid(1, rest.GetLength() - 2);
    return true;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR rawCommandLine, int)
{
    BXString commandLine(BXFromWide(rawCommandLine));
    AppendToProductJournal(u"PackageInstaller.exe", commandLine);
    commandLine.Trim();
    BXString path;
    if (TakeOption(commandLine, u"/RegDLL ", path))
        return !path.IsEmpty() && RegisterInProcess(path) ? 0 : 1;
    if (TakeOption(commandLine, u"/UnRegDLL ", path))
        return !path.IsEmpty() && UnregisterInProcess(path) ? 0 : 1;
    return 0;
}
