// Test double of the tools component for the process-runner, library and
// resource tests: records log lines and message boxes, answers a language
// name, and offers a window service (counting its pumps) only when asked.
// Installed process-wide while alive.
#pragma once

#include "BXNullTools.h"
#include "BXWindows.h"

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

class BXRecordingTools final : public BXNullTools,
                               public IBXLog,
                               public IBXDialogs,
                               public IBXLanguage,
                               public IBXWindowTools {
public:
    struct Box {
        std::u16string title;
        std::u16string text;
    };

    BXRecordingTools() { BXSetTools(this); }
    ~BXRecordingTools() { BXSetTools(nullptr); }

    std::vector<std::u16string> TextsOf(const std::u16string& source)
    {
        std::lock_guard<std::mutex> guard(m_lock);
        std::vector<std::u16string> texts;
        for (const auto& line : m_lines)
            if (line.first == source)
                texts.push_back(line.second);
        return texts;
    }
    std::vector<Box> Boxes()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_boxes;
    }

    std::u16string m_languageName;
    bool m_offerWindowService = false;
    std::atomic<int> m_pumpCount{0};

    IBXLog* GetLog() override { return this; }
    IBXDialogs* GetDialogs() override { return this; }
    IBXLanguage* GetLanguage() override { return this; }
    IBXWindowTools* GetWindow() override { return m_offerWindowService ? this : nullptr; }

    void Write(int32_t, const BXChar* source, const BXChar* text) override
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_lines.emplace_back(source, text);
    }
    void GetLogPath(BXDllString*) override {}

    int32_t ShowMessageBox(const BXMessageBoxInfo* info) override
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_boxes.push_back({info->title, info->text});
        return info->defaultAnswer;
    }
    bool PickFolder(void*, const BXChar*, const BXChar*, BXDllString*) override { return false; }

    void Translate(BXDllString*) override {}
    void ShowLanguageSelection(void*) override {}
    void GetLanguageName(BXDllString* name) override
    {
        name->SetString(m_languageName.c_str(), int32_t(m_languageName.size()));
    }
    void GetDateTimeText(BXDllString*) override {}

    bool PumpMessages() override
    {
        ++m_pumpCount;
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return false;
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        return true;
    }
    void RunMessageLoop() override {}
    void RequestFocus(void*) override {}
    bool RegisterMainThreadCallback(IMainThreadMessageManagerCallback*) override { return false; }
    bool PostMainThreadMessage(IMainThreadMessageManagerCallback*, intptr_t, intptr_t) override { return false; }
    void UnregisterMainThreadCallback(IMainThreadMessageManagerCallback*, bool) override {}

private:
    std::mutex m_lock;
    std::vector<std::pair<std::u16string, std::u16string>> m_lines;
    std::vector<Box> m_boxes;
};
