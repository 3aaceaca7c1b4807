#include "ProductJournal.h"

#include "BXHandle.h"

void AppendToProductJournal(const BXString& program, const BXString& commandLine)
{
    wchar_t path[MAX_PATH + 1] = {};
    if (::GetEnvironmentVariableW(L"BX_PRODUCT_JOURNAL", path, MAX_PATH) == 0)
        return;
    const BXString line = program + u"\t" + commandLine + u"\r\n";
    const BXTextHolder<char> utf8 = line.ToUtf8();
    // Several stand-ins may write at once: appends are atomic per call.
    BXHandle file(::CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return;
    DWORD written = 0;
    ::WriteFile(file.Get(), utf8.Get(), DWORD(utf8.GetLength()), &written, nullptr);
}
