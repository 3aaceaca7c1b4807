#include "ManifestPath.h"

#include "BXStringArray.h"

namespace {

bool IsAbsolute(const BXString& path)
{
    const BXChar first = path[0];
    const bool driveLetter = (first >= u'A' && first <= u'Z') || (first >= u'a' && first <= u'z');
    return (driveLetter && path[1] == u':' && path[2] == u'\\') || (path[0] == u'\\' && path[1] == u'\\');
}

} // namespace

BXString ResolveManifestPath(const BXString& manifestFolder, const BXString& text)
{
    if (text.IsEmpty())
        return BXString();
    BXString combined = text;
    combined.ReplaceChar(u'/', u'\\');
    if (!IsAbsolute(combined)) {
        BXString base = manifestFolder;
        base.AppendPath(combined.GetString());
        combined = base;
    }

    // The root ("X:" or "\\server\share") is kept whatever ".." steps follow.
    int32_t rootEnd = 0;
    if (combined.Left(2) == BXString(u"\\\\")) {
        const int32_t server = combined.Find(u'\\', 2);
        const int32_t share = server < 0 ? -1 : combined.Find(u'\\', server + 1);
        rootEnd = share < 0 ? combined.GetLength() : share;
    } else {
        const int32_t colon = combined.Find(u':');
        rootEnd = colon >= 0 ? colon + 1 : 0;
    }
    BXString result = combined.Left(rootEnd);
    BXStringArray steps;
    steps.Split(combined.Mid(rootEnd), BXString(u"\\"), false);
    BXStringArray kept;
    for (int i = 0; i < steps.GetCount(); ++i) {
        const BXString& step = steps[i];
        if (step.IsEmpty() || step == BXString(u"."))
            continue;
        if (step == BXString(u"..")) {
            if (kept.GetCount() > 0)
                kept.RemoveAt(kept.GetCount() - 1);
            continue;
        }
        kept.Add(step);
    }
    for (int i = 0; i < kept.GetCount(); ++i) {
        result.Append(u'\\');
        result.Append(kept[i]);
    }
    result.Append(u'\\');
    return result;
}
