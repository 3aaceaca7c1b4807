// Copies a folder tree with CopyFolder, for the copy benchmark:
// bx_copyfolder <source folder> <destination folder>; exit code 0 when every item was copied.
#include "BXFileTestTools.h"
#include "BXFolderOperations.h"

#include <cstdio>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fputs("usage: bx_copyfolder <source> <destination>\n", stderr);
        return 2;
    }
    // CreateFolder asks the tools component; this one answers from the file system.
    BXFileTestTools tools;
    return CopyFolder(BXString(argv[1]), BXString(argv[2])) ? 0 : 1;
}
