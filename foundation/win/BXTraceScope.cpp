#include "BXTraceScope.h"

#include "BXWindows.h"
#include "IBXTools.h"

BXTraceScope::BXTraceScope(const BXChar* name, bool enabled)
    : m_name(name), m_enabled(enabled), m_startTick(::GetTickCount())
{
    if (m_enabled)
        Write(BXString(u"Start"));
}

BXTraceScope::~BXTraceScope()
{
    if (!m_enabled)
        return;
    const int32_t elapsed = int32_t(::GetTickCount() - m_startTick);
    if (m_result == kNoResult)
        Write(BXString::Formatted(u"Finish (%d ms)", elapsed));
    else
        Write(BXString::Formatted(u"Finish (result: %d) (%d ms)", m_result, elapsed));
}

void BXTraceScope::Write(const BXString& text) const
{
    IBXToolsDLL* tools = BXGetTools();
    IBXLog* log = tools != nullptr ? tools->GetLog() : nullptr;
    if (log != nullptr)
        log->Write(m_level, m_name.GetString(), text.GetString());
}
