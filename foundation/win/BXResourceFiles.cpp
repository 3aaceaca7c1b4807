#include "BXResourceFiles.h"

#include "BXFileChecks.h"
#include "BXKnownFolders.h"
#include "IBXTools.h"

namespace {

constexpr const BXChar* kImagePrefix = u"image:";
constexpr const BXChar* kFallbackLanguage = u"English";
constexpr const BXChar* kImageExtensions[] = {u".png", u".jpg", u".gif", u".bmp", u".tif"};

BXString GetLanguageName()
{
    BXString name;
    IBXToolsDLL* tools = BXGetTools();
    if (IBXLanguage* language = tools != nullptr ? tools->GetLanguage() : nullptr) {
        BXDllStringRef ref(name);
        language->GetLanguageName(&ref);
    }
    return name;
}

BXString DataFolder()
{
    BXString folder = GetDataFolder();
    if (!folder.IsEmpty() && !folder.HasTrailingBackslash())
        folder += u"\\";
    return folder;
}

// The language's sub-folder of a web-page folder, else its English one.
BXString WebpageFolder(const BXString& base)
{
    const BXString language = GetLanguageName();
    if (!language.IsEmpty()) {
        const BXString folder = base + language + u"\\";
        if (FolderExists(folder))
            return folder;
    }
    return base + kFallbackLanguage + u"\\";
}

BXString FirstExisting(const BXStringArray& candidates)
{
    for (int i = 0; i < candidates.GetCount(); ++i)
        if (FileExists(candidates[i]))
            return candidates[i];
    return BXString();
}

} // namespace

BXStringArray GetResourceFolders(int32_t kind)
{
    const BXString data = DataFolder();
    BXStringArray folders;
    switch (kind) {
    case kResourceAny:
        folders.Add(data + u"Custom Resources\\");
        folders.Add(data + u"Default Resources\\");
        break;
    case kResourceDefault:
        folders.Add(data + u"Default Resources\\");
        break;
    case kResourceCustom:
        folders.Add(data + u"Custom Resources\\");
        break;
    case kArtAny:
        folders.Add(data + u"Custom Art\\");
        folders.Add(data + u"Default Art\\");
        break;
    case kArtDefault:
        folders.Add(data + u"Default Art\\");
        break;
    case kArtCustom:
        folders.Add(data + u"Custom Art\\");
        break;
    case kWebpageDefault:
        folders.Add(WebpageFolder(data + u"Default Webpages\\"));
        break;
    case kWebpageCustom:
        folders.Add(WebpageFolder(data + u"Custom Webpages\\"));
        break;
    default:
        break;
    }
    return folders;
}

BXStringArray GetResourceCandidates(const BXString& name, const BXStringArray& folders, const BXString& language)
{
    BXStringArray candidates;
    if (name.Find(kImagePrefix) != 0) {
        for (int i = 0; i < folders.GetCount(); ++i)
            candidates.Add(folders[i] + name);
        return candidates;
    }
    const BXString image = name.Mid(BXString(kImagePrefix).GetLength());
    for (int i = 0; i < folders.GetCount(); ++i) {
        for (const BXChar* extension : kImageExtensions) {
            if (!language.IsEmpty())
                candidates.Add(folders[i] + image + u" - " + language + extension);
            candidates.Add(folders[i] + image + extension);
        }
    }
    return candidates;
}

BXString FindResourceFile(const BXString& name, int32_t kind)
{
    if (kind == kWebpageAny) {
        const BXString custom = FindResourceFile(name, kWebpageCustom);
        return custom.IsEmpty() ? FindResourceFile(name, kWebpageDefault) : custom;
    }
    return FirstExisting(GetResourceCandidates(name, GetResourceFolders(kind), GetLanguageName()));
}
