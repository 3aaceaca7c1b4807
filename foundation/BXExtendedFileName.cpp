#include "BXExtendedFileName.h"

#include "BXXmlDocument.h"

namespace {

constexpr const BXChar* kFileNameItem = u"Filename";

bool StartsWithNoCase(const BXString& text, const BXChar* prefix)
{
    int32_t length = 0;
    while (prefix[length] != 0) {
        ++length;
    }
    return text.GetLength() >= length && text.Left(length).CompareNoCase(prefix) == 0;
}

// Index of the last ";" when it follows an extension of one to five characters, else -1.
int32_t PostExtensionSeparator(const BXString& name)
{
    int32_t separator = name.ReverseFind(u';');
    if (separator < 2) {
        return -1;
    }
    for (int32_t length = 1; length <= 5 && separator - length - 1 >= 0; ++length) {
        BXChar c = name[separator - length];
        if (c == u'\\' || c == u'/' || c == u':' || c == u'.') {
            return -1;
        }
        if (name[separator - length - 1] == u'.') {
            return separator;
        }
    }
    return -1;
}

} // namespace

BXExtendedFileName::BXExtendedFileName(const BXString& text)
{
    if (IsExtended(text)) {
        BXXmlDocument reader;
        reader.ParseText(text);
        // The version must read exactly "1.0"; another form of the same number is another version.
        if (reader.FindElement(u"XMLFN") && reader.GetAttribute(u"version") == u"1.0") {
            m_properties.ReadItems(reader);
            m_fileName = m_properties.GetString(kFileNameItem);
            m_properties.RemoveKey(kFileNameItem);
        }
        return;
    }
    int32_t separator = text.Find(u"://") < 0 ? PostExtensionSeparator(text) : -1;
    if (separator < 0) {
        m_fileName = text;
        return;
    }
    m_fileName = text.Left(separator);
    m_properties.SetString(u"PostExtensionData", text.Mid(separator + 1));
}

bool BXExtendedFileName::IsExtended(const BXString& text)
{
    return StartsWithNoCase(text, u"<XMLFN version=");
}

BXString BXExtendedFileName::Make(const BXString& fileName, const BXPropertyMap& properties)
{
    BXPropertyMap all(properties);
    all.SetString(kFileNameItem, fileName);
    return all.SaveXml(u"XMLFN", 1.0);
}

bool BXExtendedFileName::IsSpecialName(const BXString& name)
{
    BXString lower = name;
    lower.MakeLower();
    return lower.Find(u".tvlb") >= 0 || lower.Find(u".bxtv") >= 0 || lower.Find(u".tvgd") >= 0 || name.IsToken() ||
           StartsWithNoCase(name, u"<XMLPH version=");
}
