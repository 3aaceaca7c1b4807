#include "CInstallOptions.h"

namespace {

struct OptionName {
    const BXChar* name;
    bool CInstallOptions::*field; // null for DistributorID
};

// Order matters: the first name that starts the piece wins.
constexpr OptionName kOptions[] = {
    {u"DistributorID", nullptr},
    {u"Silent", &CInstallOptions::Silent},
    {u"Upgrade", &CInstallOptions::Upgrade},
    {u"NoAssociations", &CInstallOptions::NoAssociations},
    {u"NoDependencies", &CInstallOptions::NoDependencies},
    {u"NoUpgrade", &CInstallOptions::NoUpgrade},
    {u"NoDriver", &CInstallOptions::NoDriver},
    {u"NoRun", &CInstallOptions::NoRun},
};

bool StartsWithNoCase(const BXString& piece, const BXString& name)
{
    return piece.GetLength() >= name.GetLength() && piece.Left(name.GetLength()).CompareNoCase(name.GetString()) == 0;
}

} // namespace

bool CInstallOptions::Parse(const BXString& commandLine)
{
    BXStringArray pieces;
    pieces.Split(commandLine, BXString(u"/"), false);
    // The first piece is whatever precedes the first slash.
    for (int index = 1; index < pieces.GetCount(); ++index) {
        const BXString& piece = pieces[index];
        for (const OptionName& option : kOptions) {
            const BXString name(option.name);
            if (!StartsWithNoCase(piece, name))
                continue;
            if (option.field == nullptr) {
                DistributorID = piece.Mid(name.GetLength());
                DistributorID.Trim();
            } else {
                this->*option.field = true;
            }
            break;
        }
    }
    return true;
}

CInstallOptions& GetInstallOptions()
{
    static CInstallOptions options;
    return options;
}
