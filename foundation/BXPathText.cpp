#include "BXPathText.h"

namespace {

bool IsAsciiLetter(BXChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsAsciiDigit(BXChar c)
{
    return c >= u'0' && c <= u'9';
}

// Replaces every occurrence of pattern by one backslash; true when anything changed.
bool CollapseToBackslash(BXString& path, const BXChar* pattern)
{
    return path.Replace(pattern, u"\\") > 0;
}

} // namespace

void EnsureTrailingBackslash(BXString& path)
{
    const int32_t length = path.GetLength();
    if (length == 0) {
        return;
    }
    int32_t run = 0;
    while (run < length && path[length - 1 - run] == u'\\') {
        ++run;
    }
    if (run == 0) {
        path.Append(u'\\');
    } else if (run >= 2 && !(run == 2 && length == 2)) {
        path.DeleteRight(run - 1);
    }
}

bool IsAbsolutePath(const BXString& path)
{
    const int32_t start = HasLongPathPrefix(path) ? 4 : 0;
    const BXChar c0 = path[start];
    const BXChar c1 = path[start + 1];
    const BXChar c2 = path[start + 2];
    if (IsAsciiLetter(c0) && c1 == u':' && c2 == u'\\') {
        return true;
    }
    return c0 == u'\\' && c1 == u'\\' && (IsAsciiLetter(c2) || IsAsciiDigit(c2));
}

BXString JoinPath(const BXString& base, const BXString& component)
{
    BXString result(base);
    EnsureTrailingBackslash(result);
    BXString tail(component);
    tail.TrimTrailingBackslashes();
    result.Append(tail);
    result.Append(u'\\');
    return result;
}

bool HasLongPathPrefix(const BXString& path)
{
    return path.View().starts_with(kLongPathPrefix);
}

bool RemoveLongPathPrefix(BXString& path)
{
    if (!HasLongPathPrefix(path)) {
        return false;
    }
    path.DeleteLeft(4);
    return true;
}

BXString WithLongPathPrefix(const BXString& path)
{
    if (path.GetLength() < kLongPathThreshold || HasLongPathPrefix(path) || !IsAbsolutePath(path)) {
        return path;
    }
    if (path[0] == u'\\') {
        // "\\?\\\server" names nothing; a share goes through the UNC form.
        return BXString(u"\\\\?\\UNC") + path.Mid(1);
    }
    return BXString(kLongPathPrefix) + path;
}

void MakeValidPath(BXString& path)
{
    path.Trim();
    const bool hadPrefix = RemoveLongPathPrefix(path);

    bool changed = true;
    while (changed) {
        changed = CollapseToBackslash(path, u" \\");
        changed = CollapseToBackslash(path, u".\\") || changed;
        changed = CollapseToBackslash(path, u"\\ ") || changed;
    }

    // A leading pair stays: it opens a UNC path.
    for (int32_t i = 1; i + 1 < path.GetLength();) {
        if (path[i] == u'\\' && path[i + 1] == u'\\') {
            path.Delete(i, 1);
        } else {
            ++i;
        }
    }

    const bool hadDriveColon = path[1] == u':';
    if (!path.IsEmpty()) {
        BXChar* chars = path.GetBuffer();
        const int32_t length = path.GetLength();
        for (int32_t i = 0; i < length; ++i) {
            const BXChar c = chars[i];
            if (c < 32) {
                chars[i] = u' ';
            } else if (c == u':' || c == u'/' || c == u'*' || c == u'?' || c == u'"' || c == u'<' || c == u'>' ||
                       c == u'|') {
                chars[i] = u'_';
            }
        }
        path.ReleaseBuffer(length);
    }
    if (hadDriveColon) {
        path.SetAt(1, u':');
        if (path.GetLength() == 2) {
            path.Append(u'\\');
        } else if (path[2] != u'\\') {
            path.Insert(2, u'\\');
        }
    }

    const int32_t excess = path.GetLength() - kMakeValidPathMaxLength;
    if (excess > 0) {
        const int32_t nameStart = path.ReverseFind(u'\\') + 1;
        int32_t nameEnd = path.ReverseFind(u'.');
        if (nameEnd < nameStart) {
            nameEnd = path.GetLength();
        }
        if (nameEnd - nameStart - excess >= 2) {
            path.Delete(nameEnd - excess, excess);
        }
    }

    if (hadPrefix) {
        path.Insert(0, kLongPathPrefix);
    }
}

BXString CountUpFileName(const BXString& name)
{
    const int32_t length = name.GetLength();
    if (length >= 3 && name[length - 1] == u')') {
        int32_t digits = 0;
        while (digits < length - 1 && IsAsciiDigit(name[length - 2 - digits])) {
            ++digits;
        }
        const int32_t open = length - 2 - digits;
        if (digits >= 1 && digits <= 4 && open >= 0 && name[open] == u'(') {
            const int32_t counter = name.Mid(open + 1, digits).ToInt();
            return BXString::Formatted(u"%s(%d)", name.Left(open), counter + 1);
        }
    }
    return BXString::Formatted(u"%s (%d)", name, 1);
}
