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

// A rectangle in device pixels, right and bottom exclusive (a Win32 RECT).
struct BXRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// A picture: one cell of a skin image or a decoded image file. Skin images are
// cut into equal states stacked from top to bottom; a file image has one state.
class IBXImage {
public:
    // Size of one state in device pixels.
    virtual int32_t GetWidth() = 0;
    virtual int32_t GetHeight() = 0;
    virtual int32_t GetStateCount() = 0;
    // Draws the state (clamped to the states there are) stretched into rect of
    // the device context (HDC), alpha-blended. Skin images keep their margins
    // (the corners) unstretched.
    virtual void Draw(void* dc, const BXRect* rect, int32_t state) = 0;
    // Frees an image that LoadImageFile returned; skin images belong to the
    // skin and ignore it.
    virtual void Release() = 0;

protected:
    ~IBXImage() = default;
};

// Skin and drawing. Colours are COLORREF values (0x00BBGGRR). Look-ups are
// cheap and made at every paint, so a new skin shows at the next repaint. A
// missing image is null and a missing colour is the given default: neither
// is an error. Main thread only.
class IBXSkin {
public:
    // Loads the skin description of folder; false (the previous skin kept, or
    // none) when the folder holds no usable skin.
    virtual bool SetSkinFolder(const BXChar* folder) = 0;
    virtual void GetSkinFolder(BXDllString* folder) = 0;
    // Names the skin element of the title bar icon; ignored when the skin has none.
    virtual void SetTitlebarIcon(const BXChar* element) = 0;
    // HICON, or null; belongs to the service.
    virtual void* GetTitlebarIcon() = 0;
    virtual uint32_t GetColor(const BXChar* section, const BXChar* key, uint32_t defaultColor) = 0;
    // Valid until the next SetSkinFolder; null when the skin has no such image.
    virtual IBXImage* GetImage(const BXChar* section, const BXChar* key) = 0;

    // DPI: device pixels per inch, and a length in device-independent pixels
    // (96 per inch) scaled to device pixels, rounded half away from zero.
    virtual int32_t GetDpi() = 0;
    virtual int32_t Scale(int32_t length) = 0;

    // Decodes a PNG, JPEG, GIF, BMP or TIFF file; null when it cannot. The
    // caller releases the result.
    virtual IBXImage* LoadImageFile(const BXChar* path) = 0;

    // Fonts of the interface (HFONT, belong to the service).
    enum FontStyle : int32_t {
        kFontNormal = 0,
        kFontBold = 1,
    };
    virtual void* GetFont(int32_t style) = 0;
    // Height of one line of text in the font, in device pixels.
    virtual int32_t GetLineHeight(int32_t style) = 0;
    // Draws text with DrawTextW format flags (DT_...) in the colour and font,
    // transparent background. length -1: up to the terminating zero.
    virtual void DrawText(void* dc, const BXChar* text, int32_t length, const BXRect* rect, uint32_t format,
                          uint32_t color, int32_t style) = 0;
    // Size of the text laid out with the format flags within width (-1: no
    // limit), as DT_CALCRECT measures it.
    virtual void MeasureText(const BXChar* text, int32_t length, int32_t width, uint32_t format, int32_t style,
                             int32_t* textWidth, int32_t* textHeight) = 0;
    virtual void FillRect(void* dc, const BXRect* rect, uint32_t color) = 0;

protected:
    ~IBXSkin() = default;
};

// A service that arrives later; null until the component offers it.
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
