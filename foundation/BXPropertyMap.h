// String-keyed property map: case-insensitive names, text values, typed access by conversion, and a
// length-prefixed token text form. Owns no map while it has no entries. Not synchronised.
#pragma once

#include "BXString.h"
#include "BXStringMap.h"

#include <memory>

class BXXmlDocument;

class BXPropertyMap {
public:
    using Map = BXStringMap<BXString>;

    BXPropertyMap() = default;
    BXPropertyMap(const BXPropertyMap& other) { CopyFrom(other); }
    BXPropertyMap(BXPropertyMap&& other) noexcept = default;
    BXPropertyMap& operator=(const BXPropertyMap& other)
    {
        CopyFrom(other);
        return *this;
    }
    BXPropertyMap& operator=(BXPropertyMap&& other) noexcept = default;

    virtual bool Has(const BXString& name) const;
    // The value, or defaultValue when absent (empty for a null default).
    virtual BXString GetString(const BXString& name, const BXChar* defaultValue = nullptr) const;
    virtual int32_t GetInt(const BXString& name, int32_t defaultValue = 0) const;
    virtual double GetDouble(const BXString& name, double defaultValue = 0.0) const;
    virtual uint32_t GetHex(const BXString& name, uint32_t defaultValue = 0) const;
    // With removeIfEmpty an empty value removes the name instead.
    virtual void SetString(const BXString& name, const BXString& value, bool removeIfEmpty = false);
    virtual void SetInt(const BXString& name, int32_t value);
    virtual void SetHex(const BXString& name, uint32_t value);
    virtual void SetDouble(const BXString& name, double value);
    virtual void Clear();
    // False when the name was absent.
    virtual bool RemoveKey(const BXString& name);
    virtual void CopyFrom(const BXPropertyMap& other);
    // Same count, and every name present in both with exactly equal values.
    virtual bool IsEqual(const BXPropertyMap& other) const;
    // Appends the token text: the count, then name and value of each entry in iteration order; without
    // withContents only a count of 0.
    virtual void SaveTokens(BXString& out, bool withContents = true) const;
    // Clears, then reads token text from position, which moves past what was read. False for malformed
    // text; the entries read before the fault are kept.
    virtual bool LoadTokens(const BXString& text, int32_t& position);
    virtual bool LoadTokens(const BXString& text);
    // The XML form, implemented in BXPropertyMapXml.cpp. SaveXml: empty with skipIfEmpty and no entries,
    // else <typeName version="V.V">, CRLF, one <Item Name="name">value</Item> per entry, </typeName>.
    virtual BXString SaveXml(const BXString& typeName, double version, bool skipIfEmpty = false) const;
    // Clears, then reads the XML form; an empty text succeeds. False, with no entries, when the root is
    // not typeName or its version differs from version.
    virtual bool LoadXml(const BXString& text, const BXString& typeName, double version);
    // Inserts one "Item" element per entry under the writer's current parent.
    virtual void WriteItems(BXXmlDocument& writer) const;
    // Sets an entry for every "Item" child of the reader's current element.
    virtual bool ReadItems(BXXmlDocument& reader);
    // Appends "<prefix><name>: <value><suffix>" per entry.
    virtual void Dump(BXString& out, const BXString& prefix, const BXString& suffix) const;

    virtual ~BXPropertyMap() = default;

    int32_t GetCount() const { return m_map ? m_map->GetCount() : 0; }
    bool IsEmpty() const { return !m_map; }
    // The entries for iteration, or null while there are none.
    const Map* GetMap() const { return m_map.get(); }

private:
    std::unique_ptr<Map> m_map;
};
