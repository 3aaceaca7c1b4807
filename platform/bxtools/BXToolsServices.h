// The small services of the tools component: language (texts stay as they
// are: the package carries no translations), text search and comparison,
// file-system tests, the message pump and named locks.
#pragma once

#include "BXToolsMainThreadMessages.h"
#include "IBXTools.h"

class BXToolsLanguage final : public IBXLanguage {
public:
    explicit BXToolsLanguage(IBXLog* log) : m_log(log) {}
    void Translate(BXDllString* text) override;
    void ShowLanguageSelection(void* owner) override;
    void GetLanguageName(BXDllString* name) override;
    void GetDateTimeText(BXDllString* text) override;

private:
    IBXLog* m_log;
};

class BXToolsText final : public IBXTextTools {
public:
    int32_t FindText(const BXChar* haystack, const BXChar* needle, int32_t mode) override;
    int32_t CompareText(const BXChar* a, const BXChar* b, int32_t flags) override;
    bool MatchesTypedPrefix(const BXChar* text, const BXChar* prefix) override;
};

class BXToolsFileSystem final : public IBXFileSystemTools {
public:
    bool FolderExists(const BXChar* path) override;
    bool FileExists(const BXChar* path) override;
    bool CanCreateFolder(const BXChar* path) override;
};

class BXToolsWindow final : public IBXWindowTools {
public:
    bool PumpMessages() override;
    void RunMessageLoop() override;
    void RequestFocus(void* window) override;
    bool RegisterMainThreadCallback(IMainThreadMessageManagerCallback* callback) override;
    bool PostMainThreadMessage(IMainThreadMessageManagerCallback* callback, intptr_t first, intptr_t second) override;
    void UnregisterMainThreadCallback(IMainThreadMessageManagerCallback* callback, bool flush) override;

private:
    BXToolsMainThreadMessages m_mainThreadMessages;
};

class BXToolsMisc final : public IBXMiscTools {
public:
    explicit BXToolsMisc(IBXLog* log) : m_log(log) {}
    IBXNamedLock* CreateNamedLock(const BXChar* name) override;
    void OnPathsChanged() override;

private:
    IBXLog* m_log;
};
