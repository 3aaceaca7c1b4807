#include "CSkinSelection.h"

#include "BXStringArray.h"
#include "BXXmlDocument.h"
#include "CMessages.h"
#include "CProductKeys.h"
#include "IBXTools.h"
#include "InstallerPaths.h"

#include <cmath>

namespace {

BXString StoredSkin()
{
    IBXToolsDLL* tools = BXGetTools();
    IBXSettings* settings = tools != nullptr ? tools->GetSettings() : nullptr;
    if (settings == nullptr)
        return BXString();
    IBXRegistryKey* properties = settings->OpenProductKey(u"Properties", false);
    if (properties == nullptr)
        return BXString();
    const BXString valueName = GetProductKeyText(u"/*/General/MegaSkinKey", u"Standard View Skin");
    BXString stored;
    BXDllStringRef out(stored);
    properties->ReadString(valueName.GetString(), &out);
    properties->Release();
    return stored;
}

} // namespace

BXString SkinBaseFolder()
{
    return ProgramFolder() + u"Vantune\\Skins\\Standard View\\";
}

bool IsValidSkinFolder(const BXString& path)
{
    if (path.IsEmpty())
        return false;
    BXString folder = path;
    folder.TrimTrailingBackslashes();
    folder.Append(u'\\');

    BXXmlDocument skin;
    if (!skin.LoadFile(folder + u"main.xml") || !skin.IsWellFormed())
        return false;
    const uint32_t root = skin.GetRootNode();
    if (root == 0 || skin.GetNodeName(root).CompareNoCase(u"VTMS") != 0)
        return false;

    BXStringArray styles;
    styles.Split(GetProductKeyText(u"/*/General/MegaSkinStyles", u""), BXString(u";"), false);
    if (styles.GetCount() == 0)
        styles.Add(BXString()); // an empty key accepts exactly the skins without a style
    if (std::fabs(skin.GetAttribute(root, u"version").ToDouble() - 3.0) > 0.01)
        return false;
    const BXString style = skin.GetAttribute(root, u"style");
    bool accepted = false;
    for (int i = 0; i < styles.GetCount() && !accepted; ++i)
        accepted = styles[i].CompareNoCase(style.GetString()) == 0;
    if (!accepted)
        return false;

    skin.ResetPosition();
    return skin.FindElement(u"/*/MAINFRAME");
}

BXString ChooseSkinFolder(const BXString& skinBase)
{
    BXString name = GetProductKeyText(u"/*/General/MegaSkin", u"");
    BXString stored = StoredSkin();
    if (!IsValidSkinFolder(stored))
        stored.Empty();
    BXStringArray pieces;
    pieces.Split(stored, BXString(u"\\"), false);
    if (pieces.GetCount() > 0 && pieces[pieces.GetCount() - 1].IsEmpty())
        pieces.RemoveAt(pieces.GetCount() - 1);
    if (pieces.GetCount() >= 2) {
        const BXString candidate = pieces[pieces.GetCount() - 1];
        if (IsValidSkinFolder(skinBase + candidate))
            name = candidate;
    }
    InstallerLog(IBXLog::kInfo, BXString::Formatted(u"Skin: %s%s (stored skin: %s)", skinBase, name,
                                                    stored.IsEmpty() ? BXString(u"none usable") : stored));
    return skinBase + name;
}

BXString ChooseSkinFolder()
{
    return ChooseSkinFolder(SkinBaseFolder());
}
