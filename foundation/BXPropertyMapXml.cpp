// The XML text form of BXPropertyMap: one "Item" element per entry under a root that names the type and
// its version, written and read through BXXmlDocument.
#include "BXPropertyMap.h"

#include "BXXmlDocument.h"

BXString BXPropertyMap::SaveXml(const BXString& typeName, double version, bool skipIfEmpty) const
{
    if (skipIfEmpty && IsEmpty()) {
        return BXString();
    }
    BXString versionText;
    versionText.Format(u"%.1f", version);
    BXString skeleton = BXString(u"<") + typeName + u" version=\"" + versionText + u"\">\r\n</" + typeName + u">";
    BXXmlDocument writer;
    writer.ParseText(skeleton);
    if (!writer.FindElement(u"/*") || !writer.EnterElement()) {
        return skeleton; // a type name that is no element name: nothing can go inside
    }
    WriteItems(writer);
    return writer.GetDocumentText();
}

bool BXPropertyMap::LoadXml(const BXString& text, const BXString& typeName, double version)
{
    Clear();
    if (text.IsEmpty()) {
        return true;
    }
    BXXmlDocument reader;
    reader.ParseText(text);
    uint32_t root = reader.GetRootNode();
    BXString rootName = reader.GetNodeName(root);
    if (root == 0 || rootName.CompareNoCase(typeName.GetString()) != 0 ||
        reader.GetAttribute(root, u"version").ToDouble() != version) {
        return false;
    }
    reader.FindElement(u"/*");
    return ReadItems(reader);
}

void BXPropertyMap::WriteItems(BXXmlDocument& writer) const
{
    const Map* map = GetMap();
    if (map == nullptr) {
        return;
    }
    for (const Map::Node& node : *map) {
        uint32_t item = writer.InsertElement(u"Item", node.m_value);
        writer.SetAttribute(item, u"Name", node.m_key);
    }
}

bool BXPropertyMap::ReadItems(BXXmlDocument& reader)
{
    if (reader.GetCurrentNode() == 0) {
        return false;
    }
    bool reset = true;
    while (reader.FindChildElement(u"Item", reset)) {
        reset = false;
        uint32_t item = reader.GetChildNode();
        SetString(reader.GetAttribute(item, u"Name"), reader.GetText(item));
    }
    return true;
}
