#include "BXScrollbar.h"

#include "BXRounding.h"
#include "BXSkinAccess.h"
#include "BXWndDeleteProbe.h"

#include <algorithm>

namespace {
constexpr int32_t kMinimumHandle = 8; // device-independent pixels
constexpr uint32_t kRepeatPeriodMs = 80;
constexpr int32_t kWheelLines = 3;
} // namespace

BXScrollbar::BXScrollbar(bool vertical) : m_vertical(vertical) {}

void BXScrollbar::SetScrollInfo(int32_t total, int32_t page, int32_t pos)
{
    m_total = std::max(total, 0);
    m_page = std::max(page, 0);
    m_pos = std::clamp(pos, 0, GetMaxPos());
    Invalidate();
}

bool BXScrollbar::ScrollTo(int32_t pos)
{
    pos = std::clamp(pos, 0, GetMaxPos());
    if (pos == m_pos)
        return true;
    m_pos = pos;
    Invalidate();
    if (m_owner == nullptr)
        return true;
    BXWndDeleteProbe probe(*this);
    m_owner->OnScrollbarPosChanged(this, pos);
    return !probe.IsDeleted();
}

int32_t BXScrollbar::GetThickness(bool vertical)
{
    if (IBXImage* image = BXGetSkinImage(kSection, vertical ? u"VerticalBackground" : u"HorizontalBackground")) {
        const int32_t size = vertical ? image->GetWidth() : image->GetHeight();
        if (size > 0)
            return size;
    }
    return ::GetSystemMetrics(vertical ? SM_CXVSCROLL : SM_CYHSCROLL);
}

void BXScrollbar::ComputeHandle(int32_t trackLength, int32_t total, int32_t page, int32_t pos, int32_t minLength,
                                int32_t* start, int32_t* length)
{
    trackLength = std::max(trackLength, 0);
    if (total <= page || total <= 0) {
        *start = 0;
        *length = trackLength;
        return;
    }
    const int32_t handle = std::min(std::max(minLength, BXMulDivRounded(trackLength, page, total)), trackLength);
    const int32_t maxPos = total - page;
    *start = BXMulDivRounded(trackLength - handle, std::clamp(pos, 0, maxPos), maxPos);
    *length = handle;
}

int32_t BXScrollbar::PosFromHandleOffset(int32_t trackLength, int32_t handleLength, int32_t offset, int32_t total,
                                         int32_t page)
{
    const int32_t free = trackLength - handleLength;
    const int32_t maxPos = total > page ? total - page : 0;
    if (free <= 0 || maxPos == 0)
        return 0;
    return BXMulDivRounded(std::clamp(offset, 0, free), maxPos, free);
}

BXScrollbar::Parts BXScrollbar::GetParts() const
{
    Parts parts{};
    const RECT& r = m_rect;
    const int32_t length = m_vertical ? r.bottom - r.top : r.right - r.left;
    const int32_t thickness = m_vertical ? r.right - r.left : r.bottom - r.top;
    // A bar too short for two square arrows shares its length between them.
    const int32_t arrow = std::max(0, std::min(thickness, length / 2));
    int32_t handleStart = 0;
    int32_t handleLength = 0;
    ComputeHandle(length - 2 * arrow, m_total, m_page, m_pos, BXScale(kMinimumHandle), &handleStart, &handleLength);
    if (m_vertical) {
        parts.less = RECT{r.left, r.top, r.right, r.top + arrow};
        parts.more = RECT{r.left, r.bottom - arrow, r.right, r.bottom};
        parts.track = RECT{r.left, r.top + arrow, r.right, r.bottom - arrow};
        parts.handle =
            RECT{r.left, parts.track.top + handleStart, r.right, parts.track.top + handleStart + handleLength};
    } else {
        parts.less = RECT{r.left, r.top, r.left + arrow, r.bottom};
        parts.more = RECT{r.right - arrow, r.top, r.right, r.bottom};
        parts.track = RECT{r.left + arrow, r.top, r.right - arrow, r.bottom};
        parts.handle =
            RECT{parts.track.left + handleStart, r.top, parts.track.left + handleStart + handleLength, r.bottom};
    }
    return parts;
}

void BXScrollbar::OnPaint(HDC dc)
{
    const Parts parts = GetParts();
    const bool scrollable = GetMaxPos() > 0 && IsEnabled();
    if (BXGetSkin() != nullptr) {
        BXDrawSkinImage(dc, kSection, m_vertical ? u"VerticalBackground" : u"HorizontalBackground", m_rect, 0);
        const BXChar* glyphs[2] = {m_vertical ? u"VerticalUp" : u"HorizontalLeft",
                                   m_vertical ? u"VerticalDown" : u"HorizontalRight"};
        const RECT* arrows[2] = {&parts.less, &parts.more};
        const Action presses[2] = {Action::LineLess, Action::LineMore};
        for (int i = 0; i < 2; ++i) {
            const int32_t state = !scrollable ? 3 : (m_action == presses[i] ? 2 : 0);
            BXDrawSkinImage(dc, kSection, u"Arrow", *arrows[i], state);
            if (!BXDrawSkinImage(dc, kSection, glyphs[i], *arrows[i], state)) {
                // One glyph picture for all four directions: up, down, left, right.
                BXDrawSkinImage(dc, kSection, u"ArrowGlyph", *arrows[i], (m_vertical ? 0 : 2) + i);
            }
        }
        if (scrollable)
            BXDrawSkinImage(dc, kSection, m_vertical ? u"VerticalHandle" : u"HorizontalHandle", parts.handle,
                            m_action == Action::Drag ? 2 : 0);
        return;
    }
    ::FillRect(dc, &parts.track, ::GetSysColorBrush(COLOR_SCROLLBAR));
    const UINT inactive = scrollable ? 0 : DFCS_INACTIVE;
    RECT less = parts.less;
    RECT more = parts.more;
    ::DrawFrameControl(dc, &less, DFC_SCROLL,
                       (m_vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | inactive |
                           (m_action == Action::LineLess ? DFCS_PUSHED : 0));
    ::DrawFrameControl(dc, &more, DFC_SCROLL,
                       (m_vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | inactive |
                           (m_action == Action::LineMore ? DFCS_PUSHED : 0));
    if (scrollable) {
        RECT handle = parts.handle;
        ::DrawFrameControl(dc, &handle, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
}

bool BXScrollbar::RunAction()
{
    const Parts parts = GetParts();
    const int32_t press = Along(m_pressPoint);
    const int32_t handleStart = m_vertical ? parts.handle.top : parts.handle.left;
    const int32_t handleEnd = m_vertical ? parts.handle.bottom : parts.handle.right;
    const int32_t page = std::max(m_page - m_lineStep, m_lineStep);
    switch (m_action) {
    case Action::LineLess:
        return ScrollTo(m_pos - m_lineStep);
    case Action::LineMore:
        return ScrollTo(m_pos + m_lineStep);
    case Action::PageLess:
        // Paging stops once the handle has reached the pointer.
        return press < handleStart ? ScrollTo(m_pos - page) : true;
    case Action::PageMore:
        return press >= handleEnd ? ScrollTo(m_pos + page) : true;
    default:
        return true;
    }
}

void BXScrollbar::OnMouseDown(POINT point)
{
    const Parts parts = GetParts();
    m_pressPoint = point;
    const int32_t along = Along(point);
    if (::PtInRect(&parts.less, point)) {
        m_action = Action::LineLess;
    } else if (::PtInRect(&parts.more, point)) {
        m_action = Action::LineMore;
    } else if (::PtInRect(&parts.handle, point) && GetMaxPos() > 0) {
        m_action = Action::Drag;
        m_dragOffset = along - (m_vertical ? parts.handle.top : parts.handle.left);
    } else if (along < (m_vertical ? parts.handle.top : parts.handle.left)) {
        m_action = Action::PageLess;
    } else {
        m_action = Action::PageMore;
    }
    HostSetCapture(this);
    Invalidate();
    if (m_action != Action::Drag) {
        if (!RunAction())
            return;
        SetTimer(kRepeatTimer, kRepeatPeriodMs);
    }
}

void BXScrollbar::OnMouseMove(POINT point)
{
    if (m_action == Action::Drag) {
        const Parts parts = GetParts();
        const int32_t trackStart = m_vertical ? parts.track.top : parts.track.left;
        const int32_t trackLength =
            m_vertical ? parts.track.bottom - parts.track.top : parts.track.right - parts.track.left;
        const int32_t handleLength =
            m_vertical ? parts.handle.bottom - parts.handle.top : parts.handle.right - parts.handle.left;
        ScrollTo(
            PosFromHandleOffset(trackLength, handleLength, Along(point) - trackStart - m_dragOffset, m_total, m_page));
    } else if (m_action != Action::None) {
        m_pressPoint = point;
    }
}

void BXScrollbar::OnMouseUp(POINT point)
{
    (void)point;
    KillTimer(kRepeatTimer);
    m_action = Action::None;
    HostReleaseCapture(this);
    Invalidate();
}

bool BXScrollbar::OnMouseWheel(int32_t delta)
{
    if (GetMaxPos() == 0)
        return false;
    ScrollTo(m_pos - delta * kWheelLines * m_lineStep / WHEEL_DELTA);
    return true;
}

void BXScrollbar::OnTimer(uint32_t timerId)
{
    if (timerId != kRepeatTimer)
        return;
    if (m_action == Action::None || m_action == Action::Drag) {
        KillTimer(kRepeatTimer);
        return;
    }
    RunAction();
}

SIZE BXScrollbar::GetPreferredSize(int32_t width)
{
    (void)width;
    const int32_t thickness = GetThickness(m_vertical);
    return SIZE{thickness, thickness};
}
