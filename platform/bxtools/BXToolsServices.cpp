#include "BXToolsServices.h"

#include "BXHandle.h"
#include "BXWindows.h"

#include <memory>

void BXToolsLanguage::Translate(BXDllString*) {}

void BXToolsLanguage::ShowLanguageSelection(void*)
{
    if (m_log != nullptr)
        m_log->Write(IBXLog::kInfo, u"Language", u"Language selection: only English is available");
}

void BXToolsLanguage::GetLanguageName(BXDllString* name)
{
    if (name != nullptr)
        name->SetString(u"English", -1);
}

void BXToolsLanguage::GetDateTimeText(BXDllString* text)
{
    if (text == nullptr)
        return;
    wchar_t date[128] = {};
    wchar_t time[128] = {};
    ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 128);
    ::GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, 128);
    const BXString both = BXString(BXFromWide(date)) + u" " + BXString(BXFromWide(time));
    text->SetString(both.GetString(), both.GetLength());
}

int32_t BXToolsText::FindText(const BXChar* haystack, const BXChar* needle, int32_t mode)
{
    if (haystack == nullptr || needle == nullptr)
        return -1;
    const BXString text(haystack);
    const int32_t needleLength = BXString(needle).GetLength();
    if (needleLength == 0)
        return 0;
    const BOOL ignoreCase = mode == IBXTextService::kNoCase ? TRUE : FALSE;
    for (int32_t i = 0; i + needleLength <= text.GetLength(); ++i) {
        if (::CompareStringOrdinal(BXWide(haystack + i), needleLength, BXWide(needle), needleLength, ignoreCase) ==
            CSTR_EQUAL)
            return i;
    }
    return -1;
}

int32_t BXToolsText::CompareText(const BXChar* a, const BXChar* b, int32_t flags)
{
    const int result = ::CompareStringW(LOCALE_USER_DEFAULT, DWORD(flags) | NORM_IGNORECASE,
                                        BXWide(a != nullptr ? a : u""), -1, BXWide(b != nullptr ? b : u""), -1);
    return result == 0 ? 0 : result - CSTR_EQUAL;
}

bool BXToolsText::MatchesTypedPrefix(const BXChar* text, const BXChar* prefix)
{
    const BXString whole(text != nullptr ? text : u"");
    const BXString start(prefix != nullptr ? prefix : u"");
    return start.GetLength() <= whole.GetLength() &&
           ::CompareStringOrdinal(whole.W(), start.GetLength(), start.W(), start.GetLength(), TRUE) == CSTR_EQUAL;
}

bool BXToolsFileSystem::FolderExists(const BXChar* path)
{
    const DWORD attributes = ::GetFileAttributesW(BXWide(path != nullptr ? path : u""));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool BXToolsFileSystem::FileExists(const BXChar* path)
{
    const DWORD attributes = ::GetFileAttributesW(BXWide(path != nullptr ? path : u""));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool BXToolsFileSystem::CanCreateFolder(const BXChar* path)
{
    // Creatable when the nearest existing ancestor is a folder.
    BXString folder(path != nullptr ? path : u"");
    folder.TrimTrailingBackslashes();
    while (!folder.IsEmpty()) {
        const DWORD attributes = ::GetFileAttributesW(folder.W());
        if (attributes != INVALID_FILE_ATTRIBUTES)
            return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        const int32_t slash = folder.ReverseFind(u'\\');
        if (slash <= 0)
            return false;
        folder = folder.Left(slash);
    }
    return false;
}

bool BXToolsWindow::PumpMessages()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(int(message.wParam));
            return false;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return true;
}

void BXToolsWindow::RunMessageLoop()
{
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

void BXToolsWindow::RequestFocus(void* window)
{
    if (window != nullptr)
        ::SetForegroundWindow(static_cast<HWND>(window));
}

bool BXToolsWindow::RegisterMainThreadCallback(IMainThreadMessageManagerCallback* callback)
{
    return m_mainThreadMessages.Register(callback);
}

bool BXToolsWindow::PostMainThreadMessage(IMainThreadMessageManagerCallback* callback, intptr_t first,
                                          intptr_t second)
{
    return m_mainThreadMessages.Post(callback, first, second);
}

void BXToolsWindow::UnregisterMainThreadCallback(IMainThreadMessageManagerCallback* callback, bool flush)
{
    m_mainThreadMessages.Unregister(callback, flush);
}

namespace {

class BXToolsNamedLock final : public IBXNamedLock {
public:
    explicit BXToolsNamedLock(HANDLE mutex) : m_mutex(mutex) {}
    bool Lock(uint32_t timeoutMs) override
    {
        const DWORD result = ::WaitForSingleObject(m_mutex.Get(), timeoutMs);
        // An owner that died still hands the lock on.
        m_held = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
        return m_held;
    }
    void Unlock() override
    {
        if (m_held)
            ::ReleaseMutex(m_mutex.Get());
        m_held = false;
    }
    void Release() override
    {
        Unlock();
        delete this;
    }

private:
    ~BXToolsNamedLock() = default;
    BXHandle m_mutex;
    bool m_held = false;
};

} // namespace

IBXNamedLock* BXToolsMisc::CreateNamedLock(const BXChar* name)
{
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, BXWide(name != nullptr ? name : u""));
    if (mutex == nullptr)
        return nullptr;
    return new BXToolsNamedLock(mutex);
}

void BXToolsMisc::OnPathsChanged()
{
    if (m_log != nullptr)
        m_log->Write(IBXLog::kTrace, u"Paths", u"Product paths changed");
}
