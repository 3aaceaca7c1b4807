// Stand-in of the product's crash reporter: opens the crash-information block
// named by its argument, reads the crashing process id, thread id and the
// address of its exception pointers, reads the exception code from the
// crashing process and records all of it in the journal; then it lingers a
// moment, as a reporter showing its window would.
#include "BXSharedMemory.h"
#include "BXWindows.h"
#include "ProductJournal.h"

#include <cstring>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    const BXString name(BXFromWide(commandLine));
    BXString found = u"no block";
    HANDLE existing = ::OpenFileMappingW(FILE_MAP_READ, FALSE, name.W());
    if (existing != nullptr) {
        ::CloseHandle(existing);
        BXSharedMemory block(name, 12);
        uint32_t fields[3] = {};
        std::memcpy(fields, block.Data(), sizeof(fields));
        uint32_t code = 0;
        HANDLE process = ::OpenProcess(PROCESS_VM_READ | PROCESS_QUERY_INFORMATION, FALSE, fields[0]);
        EXCEPTION_POINTERS pointers{};
        EXCEPTION_RECORD record{};
        SIZE_T read = 0;
        if (process != nullptr &&
            ::ReadProcessMemory(process, reinterpret_cast<const void*>(uintptr_t(fields[2])), &pointers,
                                sizeof(pointers), &read) &&
            ::ReadProcessMemory(process, pointers.ExceptionRecord, &record, sizeof(record), &read))
            code = uint32_t(record.ExceptionCode);
        if (process != nullptr)
            ::CloseHandle(process);
        found = BXString::Formatted(u"pid=%u tid=%u pointers=%s code=0x%08X", fields[0], fields[1],
                                    fields[2] != 0 ? u"set" : u"null", code);
    }
    AppendToProductJournal(u"BXCrashHandler.exe", name + u" " + found);
    ::Sleep(1500);
    return 0;
}
