#include "BXPathComponents.h"

#include "BXExtendedFileName.h"
#include "BXPathText.h"

namespace {

bool IsSeparator(BXChar c)
{
    return c == u'\\' || c == u'/';
}

void SplitNameAndExtension(const BXString& fileName, BXPathParts& parts)
{
    const int32_t dot = fileName.ReverseFind(u'.');
    if (dot < 0) {
        parts.m_name = fileName;
        return;
    }
    parts.m_name = fileName.Left(dot);
    parts.m_extension = fileName.Mid(dot + 1);
}

void SplitUrl(BXString text, BXPathParts& parts)
{
    const int32_t query = text.ReverseFind(u'?');
    if (query >= 0) {
        text = text.Left(query);
    }
    const int32_t driveEnd = text.Find(u"://") + 3;
    parts.m_drive = text.Left(driveEnd);
    const int32_t lastSeparator = text.ReverseFindOneOf(-1, u"\\/");
    int32_t nameStart = driveEnd;
    if (lastSeparator >= driveEnd) {
        parts.m_folder = text.Mid(driveEnd, lastSeparator + 1 - driveEnd);
        nameStart = lastSeparator + 1;
    }
    SplitNameAndExtension(text.Mid(nameStart), parts);
}

void SplitLocal(BXString text, BXPathParts& parts)
{
    // The prefix stays with the drive so that drive + folder rebuilds the path.
    const bool hadPrefix = RemoveLongPathPrefix(text);
    int32_t folderStart = 0;
    const bool hasDriveLetter = text[1] == u':';
    if (hasDriveLetter) {
        folderStart = 2;
    } else if (IsSeparator(text[0]) && IsSeparator(text[1])) {
        int32_t afterServer = text.Find(u'\\', 2);
        const int32_t slash = text.Find(u'/', 2);
        if (afterServer < 0 || (slash >= 0 && slash < afterServer)) {
            afterServer = slash;
        }
        folderStart = afterServer < 0 ? text.GetLength() : afterServer;
    }
    parts.m_drive = text.Left(folderStart);
    if (hadPrefix) {
        parts.m_drive.Insert(0, kLongPathPrefix);
    }
    const int32_t lastSeparator = text.ReverseFindOneOf(-1, u"\\/");
    int32_t nameStart = folderStart;
    if (lastSeparator >= folderStart) {
        parts.m_folder = text.Mid(folderStart, lastSeparator + 1 - folderStart);
        nameStart = lastSeparator + 1;
    } else if (hasDriveLetter) {
        parts.m_folder = u"\\";
    }
    SplitNameAndExtension(text.Mid(nameStart), parts);
}

} // namespace

BXPathParts SplitPath(const BXString& path)
{
    BXString text = BXExtendedFileName::IsExtended(path) ? BXExtendedFileName(path).GetFileName() : path;
    BXPathParts parts;
    if (text.FindNoCase(u"file://") == 0) {
        text.DeleteLeft(7);
        text.ReplaceChar(u'/', u'\\');
        // "file:///C:/x" leaves "\C:\x": the drive letter opens the path.
        if (text[0] == u'\\' && text[2] == u':') {
            text.DeleteLeft(1);
        }
        SplitLocal(text, parts);
    } else if (text.Find(u"://") >= 0) {
        SplitUrl(text, parts);
    } else {
        SplitLocal(text, parts);
    }
    return parts;
}

BXString GetPathDrive(const BXString& path)
{
    return SplitPath(path).m_drive;
}

BXString GetPathFolder(const BXString& path)
{
    return SplitPath(path).m_folder;
}

BXString GetFolderPath(const BXString& path)
{
    const BXPathParts parts = SplitPath(path);
    return parts.m_drive + parts.m_folder;
}

BXString GetPathName(const BXString& path)
{
    return SplitPath(path).m_name;
}

BXString GetPathExtension(const BXString& path)
{
    return SplitPath(path).m_extension;
}

BXString GetPathFileName(const BXString& path)
{
    const BXPathParts parts = SplitPath(path);
    if (parts.m_extension.IsEmpty()) {
        return parts.m_name;
    }
    return parts.m_name + u"." + parts.m_extension;
}
