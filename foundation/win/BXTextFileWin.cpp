// The Windows file access of BXTextFile: whole-file reads and writes through the Windows file API.
#include "BXTextFile.h"

#include "BXHandle.h"

#include <climits>

namespace {

// Creates every missing folder of the path's parent, from the top down.
void CreateParentFolders(const BXString& path)
{
    int32_t slash = path.ReverseFindOneOf(-1, u"\\/");
    if (slash <= 0) {
        return;
    }
    BXString folder = path.Left(slash);
    if (::GetFileAttributesW(folder.W()) != INVALID_FILE_ATTRIBUTES) {
        return;
    }
    for (int32_t i = 1; i <= folder.GetLength(); ++i) {
        if (i == folder.GetLength() || folder[i] == u'\\' || folder[i] == u'/') {
            BXString part = folder.Left(i);
            if (part.GetLength() > 0 && part[part.GetLength() - 1] != u':') {
                ::CreateDirectoryW(part.W(), nullptr);
            }
        }
    }
}

} // namespace

bool BXTextFile::ReadFileBytes(const BXString& path, std::vector<uint8_t>& bytes)
{
    BXHandle file(::CreateFileW(path.W(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) {
        return false;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart > INT_MAX) {
        return false;
    }
    bytes.resize(size_t(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        DWORD wanted = DWORD(bytes.size() - done);
        if (!::ReadFile(file.Get(), bytes.data() + done, wanted, &read, nullptr) || read == 0) {
            return false;
        }
        done += read;
    }
    return true;
}

bool BXTextFile::WriteFileBytes(const BXString& path, const std::vector<uint8_t>& bytes)
{
    CreateParentFolders(path);
    BXHandle file(::CreateFileW(path.W(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) {
        return false;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        DWORD wanted = DWORD(bytes.size() - done);
        if (!::WriteFile(file.Get(), bytes.data() + done, wanted, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}
