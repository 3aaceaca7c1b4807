// Interface of the product's tools component BXTools.dll, shared by the DLL
// and every module that loads it. The root interface hands out services; a
// service the component does not offer is null and the caller takes its
// fall-back. Strings leave the component only through BXDllString. Windows
// handles travel as void* so the header stays portable. Interfaces only grow
// at their end; the root is created by the export GetBXToolsDLL.
#pragma once

#include "BXDllString.h"
#include "BXTextService.h"
#include "BXTypes.h"

constexpr int32_t kBXToolsInterfaceVersion = 200048;

// The caller's side of a BXDllString: a local that lets a service fill a string.
class BXDllStringRef final : public BXDllString {
public:
    explicit BXDllStringRef(BXString& target) : BXDllString(target) {}
};
constexpr const char* kBXToolsEntryName = "GetBXToolsDLL";

// A registry key opened through the settings service. Reads leave the output
// untouched on failure. Release() closes the key and deletes the object.
class IBXRegistryKey {
public:
    virtual void Release() = 0;
    virtual bool ReadString(const BXChar* name, BXDllString* value) = 0;
    virtual bool ReadInt(const BXChar* name, int32_t* value) = 0;
    virtual bool WriteString(const BXChar* name, const BXChar* value) = 0;
    virtual bool WriteInt(const BXChar* name, int32_t value) = 0;
    virtual bool DeleteValue(const BXChar* name) = 0;
    // index-th value or sub-key name; false past the end.
    virtual bool EnumValue(int32_t index, BXDllString* name) = 0;
    virtual bool EnumSubKey(int32_t index, BXDllString* name) = 0;
    virtual bool DeleteSubKey(const BXChar* name) = 0;

protected:
    ~IBXRegistryKey() = default;
};

// Product information and settings.
class IBXSettings {
public:
    // Numbered string items of the product information.
    enum Item : int32_t {
        kVersionText = 0,
        kVersionLabel = 1,
        kProgramFile = 2,
        kLauncherName = 3,
        kStartMenuFolder = 4,
        kWebAddress = 5,
        kMimeTypes = 6,
        kProtocols = 7,
        kDownloadLocation = 8,
        kHandOffExtension = 9,
    };
    // Registry roots for OpenKey.
    enum Root : int32_t {
        kClassesRoot = 0,
        kCurrentUser = 1,
        kLocalMachine = 2,
    };

    // A product key ("/*/Section/Name"); the default when the key is absent.
    virtual void GetKeyText(const BXChar* key, const BXChar* defaultValue, BXDllString* value) = 0;
    virtual int32_t GetKeyInt(const BXChar* key, int32_t defaultValue) = 0;
    // Product name in form 0, 1, 2, 3 or 5; empty for another form.
    virtual void GetProductName(int32_t form, BXDllString* name) = 0;
    virtual void GetProductItem(int32_t item, BXDllString* value) = 0;
    virtual bool IsFeatureOn(int32_t feature) = 0;
    virtual void GetApplicationDataFolder(BXDllString* folder) = 0;
    virtual bool IsProductRunning() = 0;
    // The running product's main window (HWND), or null.
    virtual void* GetProductWindow() = 0;
    // Asks a running product to close; true when the request was delivered.
    virtual bool RequestProductClose() = 0;
    // The product's own settings key ("Software\Brenix\<name form 3>") or a
    // sub-key of it; null when it cannot be opened (or created, with create).
    virtual IBXRegistryKey* OpenProductKey(const BXChar* subKey, bool create) = 0;
    virtual IBXRegistryKey* OpenKey(int32_t root, const BXChar* path, bool create) = 0;

protected:
    ~IBXSettings() = default;
};

class IBXLanguage {
public:
    // Replaces the text by its translation; leaves it when there is none.
    virtual void Translate(BXDllString* text) = 0;
    virtual void ShowLanguageSelection(void* owner) = 0;
    virtual void GetLanguageName(BXDllString* name) = 0;
    virtual void GetDateTimeText(BXDllString* text) = 0;

protected:
    ~IBXLanguage() = default;
};

// Message box description: the Windows MB_ button codes and ID answer codes.
struct BXMessageBoxInfo {
    void* owner; // HWND or null
    const BXChar* title;
    const BXChar* text;
    int32_t buttons;       // MB_OK 0, MB_OKCANCEL 1, MB_YESNO 4 ...
    int32_t icon;          // MB_ICON... flags, 0 for none
    int32_t defaultAnswer; // IDOK 1, IDYES 6 ...
    int32_t escapeAnswer;
    const BXChar* const* labels; // custom button captions in button order, or null
    int32_t labelCount;
};

class IBXDialogs {
public:
    // Shows the box modally and returns the answer code.
    virtual int32_t ShowMessageBox(const BXMessageBoxInfo* info) = 0;
    // Folder picker; false (folder untouched) when the user cancels.
    virtual bool PickFolder(void* owner, const BXChar* title, const BXChar* start, BXDllString* folder) = 0;

protected:
    ~IBXDialogs() = default;
};

class IBXTextTools : public IBXTextService {
public:
    // Comparison for sorting: <0, 0, >0.
    virtual int32_t CompareText(const BXChar* a, const BXChar* b, int32_t flags) = 0;
    // Whether text starts with prefix the way typed-ahead lookup matches.
    virtual bool MatchesTypedPrefix(const BXChar* text, const BXChar* prefix) = 0;

protected:
    ~IBXTextTools() = default;
};

class IBXFileSystemTools {
public:
    virtual bool FolderExists(const BXChar* path) = 0;
    virtual bool FileExists(const BXChar* path) = 0;
    // Whether a folder may be created at path (its parent chain is usable).
    virtual bool CanCreateFolder(const BXChar* path) = 0;

protected:
    ~IBXFileSystemTools() = default;
};

class IBXLog {
public:
    enum Level : int32_t {
        kTrace = 0,
        kInfo = 1,
        kWarning = 2,
        kError = 3,
    };
    virtual void Write(int32_t level, const BXChar* source, const BXChar* text) = 0;
    // Full path of the log file.
    virtual void GetLogPath(BXDllString* path) = 0;

protected:
    ~IBXLog() = default;
};

// Receives messages that other threads queue for the main thread; called on
// the thread that owns the window service's message window.
class IMainThreadMessageManagerCallback {
public:
    virtual bool OnMainThreadMessage(intptr_t first, intptr_t second) = 0;

protected:
    ~IMainThreadMessageManagerCallback() = default;
};

class IBXWindowTools {
public:
    // Handles waiting messages; false once WM_QUIT was seen.
    virtual bool PumpMessages() = 0;
    // Runs the message loop until WM_QUIT.
    virtual void RunMessageLoop() = 0;
    virtual void RequestFocus(void* window) = 0;
    // Main-thread messages. Registration binds the manager to the registering
    // thread the first time; posts from any thread reach the callback there,
    // in order. Unregistering drops what is still queued unless flush is set
    // and the caller is that thread, which then receives it first.
    virtual bool RegisterMainThreadCallback(IMainThreadMessageManagerCallback* callback) = 0;
    virtual bool PostMainThreadMessage(IMainThreadMessageManagerCallback* callback, intptr_t first,
                                       intptr_t second) = 0;
    virtual void UnregisterMainThreadCallback(IMainThreadMessageManagerCallback* callback, bool flush) = 0;

protected:
    ~IBXWindowTools() = default;
};

// A cross-process named lock. Release() deletes the object (and unlocks).
class IBXNamedLock {
public:
    virtual bool Lock(uint32_t timeoutMs) = 0;
    virtual void Unlock() = 0;
    virtual void Release() = 0;

protected:
    ~IBXNamedLock() = default;
};

class IBXMiscTools {
public:
    virtual IBXNamedLock* CreateNamedLock(const BXChar* name) = 0;
    // Told when the per-process path record changed.
    virtual void OnPathsChanged() = 0;

protected:
    ~IBXMiscTools() = default;
};

// Services that arrive later; null until the component offers them.
class IBXSkin;
class IBXArchives;

class IBXToolsDLL {
public:
    virtual int32_t GetInterfaceVersion() = 0;
    // instance is the loading program's HINSTANCE. On failure error gets a text for the user.
    virtual bool Initialize(void* instance, BXDllString* error) = 0;
    // Sent before the component is freed; after it no service may be used.
    virtual void PreUnload() = 0;
    virtual void Uninitialize() = 0;

    virtual IBXSettings* GetSettings() = 0;
    virtual IBXLanguage* GetLanguage() = 0;
    virtual IBXDialogs* GetDialogs() = 0;
    virtual IBXTextTools* GetText() = 0;
    virtual IBXFileSystemTools* GetFileSystem() = 0;
    virtual IBXLog* GetLog() = 0;
    virtual IBXWindowTools* GetWindow() = 0;
    virtual IBXMiscTools* GetMisc() = 0;
    virtual IBXSkin* GetSkin() = 0;
    virtual IBXArchives* GetArchives() = 0;

protected:
    ~IBXToolsDLL() = default;
};

// Signature of the export GetBXToolsDLL: the root for the asked interface
// version, or null when the component does not speak it.
using BXGetToolsFunction = IBXToolsDLL* (*)(int32_t interfaceVersion);

// The process-wide root interface, set by the component loader while the
// component is loaded; null otherwise.
IBXToolsDLL* BXGetTools();
void BXSetTools(IBXToolsDLL* tools);
