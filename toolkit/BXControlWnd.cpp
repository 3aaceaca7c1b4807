#include "BXControlWnd.h"

bool BXControlWnd::Create(BXWnd* parent)
{
    if (parent == nullptr)
        return false;
    if (m_created && m_parent == parent)
        return true;
    m_parent = parent;
    m_created = true;
    OnCreate();
    return true;
}

void BXControlWnd::DetachFromParent()
{
    BXCallbackWnd::DetachFromParent();
    m_created = false;
}
