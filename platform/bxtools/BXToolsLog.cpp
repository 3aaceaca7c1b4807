#include "BXToolsLog.h"

#include "BXHandle.h"

BXToolsLog::BXToolsLog(const BXString& path) : m_path(path.IsEmpty() ? DefaultPath() : path) {}

BXString BXToolsLog::DefaultPath()
{
    wchar_t folder[MAX_PATH + 2] = {};
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, folder);
    BXString path(BXFromWide(folder), int32_t(length));
    path.AppendPath(kLogFileName);
    return path;
}

void BXToolsLog::Write(int32_t level, const BXChar* source, const BXChar* text)
{
    static constexpr const BXChar* kLevels[] = {u"trace", u"info", u"warning", u"error"};
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    BXString line =
        BXString::Formatted(u"%04d-%02d-%02d %02d:%02d:%02d.%03d [%d] %s %s: ", now.wYear, now.wMonth, now.wDay,
                            now.wHour, now.wMinute, now.wSecond, now.wMilliseconds, ::GetCurrentThreadId(),
                            kLevels[level >= 0 && level <= 3 ? level : 1], source != nullptr ? source : u"");
    // One entry, one line: line breaks inside the text are shown escaped.
    BXString body(text != nullptr ? text : u"");
    body.Replace(u"\r", u"\\r");
    body.Replace(u"\n", u"\\n");
    line.Append(body);
    line.Append(u"\r\n");
    const BXTextHolder<char> utf8 = line.ToUtf8();

    const std::lock_guard<std::mutex> guard(m_lock);
    BXHandle file(::CreateFileW(m_path.W(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return;
    DWORD written = 0;
    ::WriteFile(file.Get(), utf8.Get(), DWORD(utf8.GetLength()), &written, nullptr);
}

void BXToolsLog::GetLogPath(BXDllString* path)
{
    if (path != nullptr)
        path->SetString(m_path.GetString(), m_path.GetLength());
}
