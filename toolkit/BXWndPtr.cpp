#include "BXWndPtr.h"

#include "BXForeignWnd.h"

void BXWndPtr::Assign(BXWnd* window)
{
    if (m_mode == kWatching && m_target == window)
        return;
    Release();
    if (window == nullptr)
        return;
    if (window->IsForeignWrapper()) {
        m_target = new BXForeignWnd(window->GetSafeHwnd());
        m_mode = kOwning;
        return;
    }
    m_target = window;
    m_mode = kWatching;
    window->AddDeleteProbe(this);
}

void BXWndPtr::Release()
{
    BXWnd* target = m_target;
    const int32_t mode = m_mode;
    m_target = nullptr;
    m_mode = kEmpty;
    if (target == nullptr)
        return;
    if (mode == kWatching)
        target->RemoveDeleteProbe(this);
    else if (mode == kOwning)
        delete target;
}

void BXWndPtr::OnWindowDeleted(BXWnd* window)
{
    if (window == m_target) {
        m_target = nullptr;
        m_mode = kEmpty;
    }
}
