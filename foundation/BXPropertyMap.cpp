#include "BXPropertyMap.h"

#include <charconv>
#include <cmath>

namespace {

// Decimal text that reads back to the same double: plain digits for ordinary magnitudes (so integer
// readers see the number), the shortest exponent form for the rest.
BXString DoubleText(double value)
{
    char digits[400];
    double magnitude = std::fabs(value);
    bool fixed = magnitude == 0.0 || (magnitude >= 1e-5 && magnitude < 1e16);
    std::to_chars_result result = fixed
                                      ? std::to_chars(digits, digits + sizeof(digits), value, std::chars_format::fixed)
                                      : std::to_chars(digits, digits + sizeof(digits), value);
    if (result.ec != std::errc()) {
        return BXString(u"0");
    }
    *result.ptr = 0;
    return BXString::FromNarrow(digits);
}

} // namespace

bool BXPropertyMap::Has(const BXString& name) const
{
    return m_map && m_map->Contains(name);
}

BXString BXPropertyMap::GetString(const BXString& name, const BXChar* defaultValue) const
{
    const BXString* value = m_map ? m_map->Find(name) : nullptr;
    if (value) {
        return *value;
    }
    return defaultValue ? BXString(defaultValue) : BXString();
}

int32_t BXPropertyMap::GetInt(const BXString& name, int32_t defaultValue) const
{
    const BXString* value = m_map ? m_map->Find(name) : nullptr;
    return value ? value->ToInt() : defaultValue;
}

double BXPropertyMap::GetDouble(const BXString& name, double defaultValue) const
{
    const BXString* value = m_map ? m_map->Find(name) : nullptr;
    return value ? value->ToDouble() : defaultValue;
}

uint32_t BXPropertyMap::GetHex(const BXString& name, uint32_t defaultValue) const
{
    const BXString* value = m_map ? m_map->Find(name) : nullptr;
    return value ? value->FromHex() : defaultValue;
}

void BXPropertyMap::SetString(const BXString& name, const BXString& value, bool removeIfEmpty)
{
    if (removeIfEmpty && value.IsEmpty()) {
        RemoveKey(name);
        return;
    }
    if (!m_map) {
        m_map = std::make_unique<Map>();
    }
    m_map->Lookup(name) = value;
}

void BXPropertyMap::SetInt(const BXString& name, int32_t value)
{
    SetString(name, BXString::FromInt(value));
}

void BXPropertyMap::SetHex(const BXString& name, uint32_t value)
{
    SetString(name, BXString::FromUInt(value, 16));
}

void BXPropertyMap::SetDouble(const BXString& name, double value)
{
    SetString(name, DoubleText(value));
}

void BXPropertyMap::Clear()
{
    m_map.reset();
}

bool BXPropertyMap::RemoveKey(const BXString& name)
{
    if (!m_map || !m_map->RemoveKey(name)) {
        return false;
    }
    if (m_map->IsEmpty()) {
        m_map.reset();
    }
    return true;
}

void BXPropertyMap::CopyFrom(const BXPropertyMap& other)
{
    if (&other == this) {
        return;
    }
    Clear();
    if (!other.m_map) {
        return;
    }
    m_map = std::make_unique<Map>();
    m_map->Rehash(other.m_map->GetCount());
    for (const Map::Node& node : *other.m_map) {
        m_map->Lookup(node.m_key) = node.m_value;
    }
}

bool BXPropertyMap::IsEqual(const BXPropertyMap& other) const
{
    if (GetCount() != other.GetCount()) {
        return false;
    }
    if (!m_map) {
        return true;
    }
    for (const Map::Node& node : *m_map) {
        const BXString* value = other.m_map->Find(node.m_key);
        if (!value || !(*value == node.m_value)) {
            return false;
        }
    }
    return true;
}

void BXPropertyMap::SaveTokens(BXString& out, bool withContents) const
{
    if (!withContents || !m_map) {
        out.AppendToken(u"0", 1);
        return;
    }
    out.AppendToken(BXString::FromInt(m_map->GetCount()));
    for (const Map::Node& node : *m_map) {
        out.AppendToken(node.m_key);
        out.AppendToken(node.m_value);
    }
}

bool BXPropertyMap::LoadTokens(const BXString& textIn, int32_t& position)
{
    // The text may be one of this map's own values, which Clear releases.
    const BXString text(textIn);
    Clear();
    int32_t count = 0;
    if (!text.ReadToken(position, count) || count < 0) {
        return false;
    }
    BXString name;
    BXString value;
    for (int32_t i = 0; i < count; ++i) {
        int32_t next = position;
        if (!text.ReadToken(next, name) || !text.ReadToken(next, value)) {
            return false;
        }
        position = next;
        SetString(name, value);
    }
    return true;
}

bool BXPropertyMap::LoadTokens(const BXString& text)
{
    int32_t position = 0;
    return LoadTokens(text, position);
}

void BXPropertyMap::Dump(BXString& out, const BXString& prefix, const BXString& suffix) const
{
    if (!m_map) {
        return;
    }
    for (const Map::Node& node : *m_map) {
        out.AppendMany(prefix, node.m_key, u": ", node.m_value);
        out.Append(suffix);
    }
}
