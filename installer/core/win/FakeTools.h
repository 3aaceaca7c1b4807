// Test double of the tools component: product keys and names from a table,
// the product's "Properties" values from a table, answers to message boxes
// from a queue; every box is recorded. Installed process-wide while alive.
#pragma once

#include "BXNullTools.h"

#include <map>
#include <string>
#include <vector>

class FakeTools final : public BXNullTools, public IBXSettings, public IBXDialogs {
public:
    struct Box {
        std::u16string title;
        std::u16string text;
        int32_t buttons;
    };

    FakeTools() { BXSetTools(this); }
    ~FakeTools() { BXSetTools(nullptr); }

    std::map<std::u16string, std::u16string> keys;       // product key -> text
    std::map<int32_t, std::u16string> names;             // form -> name
    std::map<std::u16string, std::u16string> properties; // "Properties" value -> text
    std::vector<int32_t> answers;                        // next box answers, front first
    std::vector<Box> boxes;

    IBXSettings* GetSettings() override { return this; }
    IBXDialogs* GetDialogs() override { return this; }

    // IBXSettings
    void GetKeyText(const BXChar* key, const BXChar* defaultValue, BXDllString* value) override
    {
        auto found = keys.find(key);
        value->SetString(found != keys.end() ? found->second.c_str() : defaultValue, -1);
    }
    int32_t GetKeyInt(const BXChar* key, int32_t defaultValue) override
    {
        auto found = keys.find(key);
        return found != keys.end() ? BXString(found->second.c_str()).ToInt() : defaultValue;
    }
    void GetProductName(int32_t form, BXDllString* name) override
    {
        auto found = names.find(form);
        name->SetString(found != names.end() ? found->second.c_str() : u"", -1);
    }
    void GetProductItem(int32_t, BXDllString* value) override { value->Empty(); }
    bool IsFeatureOn(int32_t) override { return false; }
    void GetApplicationDataFolder(BXDllString* folder) override { folder->Empty(); }
    bool IsProductRunning() override { return false; }
    void* GetProductWindow() override { return nullptr; }
    bool RequestProductClose() override { return false; }
    IBXRegistryKey* OpenProductKey(const BXChar* subKey, bool) override
    {
        return std::u16string(subKey) == u"Properties" ? new PropertiesKey(properties) : nullptr;
    }
    IBXRegistryKey* OpenKey(int32_t, const BXChar*, bool) override { return nullptr; }

    // IBXDialogs
    int32_t ShowMessageBox(const BXMessageBoxInfo* info) override
    {
        boxes.push_back({info->title, info->text, info->buttons});
        if (answers.empty())
            return info->defaultAnswer;
        const int32_t answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    bool PickFolder(void*, const BXChar*, const BXChar*, BXDllString*) override { return false; }

private:
    class PropertiesKey final : public IBXRegistryKey {
    public:
        explicit PropertiesKey(const std::map<std::u16string, std::u16string>& values) : m_values(values) {}
        void Release() override { delete this; }
        bool ReadString(const BXChar* name, BXDllString* value) override
        {
            auto found = m_values.find(name);
            if (found == m_values.end())
                return false;
            value->SetString(found->second.c_str(), -1);
            return true;
        }
        bool ReadInt(const BXChar*, int32_t*) override { return false; }
        bool WriteString(const BXChar*, const BXChar*) override { return false; }
        bool WriteInt(const BXChar*, int32_t) override { return false; }
        bool DeleteValue(const BXChar*) override { return false; }
        bool EnumValue(int32_t, BXDllString*) override { return false; }
        bool EnumSubKey(int32_t, BXDllString*) override { return false; }
        bool DeleteSubKey(const BXChar*) override { return false; }

    private:
        ~PropertiesKey() = default;
        const std::map<std::u16string, std::u16string>& m_values;
    };
};
