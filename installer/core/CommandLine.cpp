#include "CommandLine.h"

BXStringArray SplitCommandLine(const BXString& text)
{
    BXStringArray arguments;
    BXString token;
    bool inQuotes = false;
    int backslashes = 0; // consecutive backslashes just before the current unit
    for (int32_t i = 0; i < text.GetLength(); ++i) {
        const BXChar c = text[i];
        if (c == u'"' && backslashes % 2 == 0) {
            if (inQuotes) {
                // A closing quote always ends a token, even an empty one.
                arguments.Add(token);
                token.Empty();
            }
            inQuotes = !inQuotes;
        } else if (c == u' ' && !inQuotes) {
            if (!token.IsEmpty())
                arguments.Add(token);
            token.Empty();
        } else {
            token.Append(c);
        }
        backslashes = c == u'\\' ? backslashes + 1 : 0;
    }
    if (!token.IsEmpty())
        arguments.Add(token);
    return arguments;
}

BXString JoinCommandLine(const BXStringArray& arguments)
{
    BXString joined;
    for (int index = 0; index < arguments.GetCount(); ++index) {
        BXString argument = arguments[index];
        argument.Replace(u"\"", u"\\\"");
        if (argument.IsEmpty() || argument.Find(u' ') >= 0 || argument.Find(u'\'') >= 0)
            argument = BXString(u"\"") + argument + u"\"";
        if (index > 0)
            joined.Append(u' ');
        joined.Append(argument);
    }
    return joined;
}
