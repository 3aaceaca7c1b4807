#include "CManifest.h"

#include "BXWindows.h"
#include "BXXmlDocument.h"
#include "CMessages.h"
#include "IBXTools.h"
#include "InstallerPaths.h"
#include "ManifestPath.h"

namespace {

bool FileExists(const BXString& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.W());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const BXString& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.W());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

} // namespace

bool LoadManifest()
{
    return LoadManifestFrom(ProgramFolder(), GetInstallOptions());
}

bool LoadManifestFrom(const BXString& programFolder, CInstallOptions& options)
{
    options.SupportFolders.Add(programFolder + u"Support\\");
    options.LibraryFolder = programFolder + u"Library\\";

    BXString path = programFolder + u"Install.xml";
    if (!FileExists(path))
        path = programFolder + u"..\\Install.xml";
    BXXmlDocument manifest;
    if (!manifest.LoadFile(path) || !manifest.IsWellFormed()) {
        InstallerLog(IBXLog::kInfo, BXString(u"Manifest not read: ") + path + u" " + manifest.GetErrorText());
        return true;
    }
    const uint32_t root = manifest.GetRootNode();
    if (root == 0 || manifest.GetNodeName(root).CompareNoCase(u"BXIC") != 0 ||
        manifest.GetAttribute(root, u"version").ToDouble() < 1) {
        InstallerLog(IBXLog::kInfo, BXString(u"Manifest ignored (not a BXIC manifest of version 1 or later): ") + path);
        return true;
    }
    InstallerLog(IBXLog::kInfo, BXString(u"Manifest: ") + path);

    BXString manifestFolder = path;
    manifestFolder.StripFileName();
    // The settings are read as children of the current "Settings" element.
    if (!manifest.FindElement(u"/*/Settings"))
        return true;

    const BXString support = ResolveManifestPath(manifestFolder, manifest.GetChildText(u"SupportFiles"));
    if (!support.IsEmpty() && FolderExists(support))
        options.SupportFolders.Add(support);

    const BXString allowDowngrade = manifest.GetChildText(u"AllowDowngrade");
    if (!allowDowngrade.IsEmpty())
        options.AllowDowngrade = allowDowngrade.ToInt() != 0;

    const BXString media = ResolveManifestPath(manifestFolder, manifest.GetChildText(u"BundledMedia"));
    if (!media.IsEmpty() && FolderExists(media))
        options.BundledMediaFolder = media;
    return true;
}
