#include "BXCompositeWnd.h"

#include "BXButton.h"
#include "BXSkinAccess.h"
#include "BXStatic.h"

#include <algorithm>

namespace {

BXLayoutWnd* AsLayout(BXWnd* window)
{
    return dynamic_cast<BXLayoutWnd*>(window);
}

int32_t PreferredHeight(BXWnd* window, int32_t width)
{
    BXLayoutWnd* layout = AsLayout(window);
    return layout != nullptr ? layout->GetPreferredSize(width).cy : 0;
}

int32_t PreferredWidth(BXWnd* window, int32_t width)
{
    BXLayoutWnd* layout = AsLayout(window);
    return layout != nullptr ? layout->GetPreferredSize(width).cx : -1;
}

} // namespace

BXCompositeWnd::~BXCompositeWnd()
{
    m_labelSets.clear();
    std::vector<CControl> children;
    children.swap(m_children);
    for (const CControl& record : children) {
        if (record.m_owned) {
            record.m_child->DetachFromParent();
            delete record.m_child;
        } else if (record.m_child->GetParent() == this) {
            record.m_child->DetachFromParent();
        }
    }
}

void BXCompositeWnd::AddChild(BXWnd* child, bool owned, int32_t tabIndex)
{
    if (child == nullptr || HasChild(child))
        return;
    if (tabIndex < 0)
        tabIndex = m_nextTabIndex;
    m_nextTabIndex = std::max(m_nextTabIndex, tabIndex + 1);
    m_children.push_back(CControl{child, tabIndex, owned});
    if (child->IsVisible())
        child->Invalidate();
}

void BXCompositeWnd::RemoveChild(BXWnd* child)
{
    auto found = std::find_if(m_children.begin(), m_children.end(),
                              [child](const CControl& record) { return record.m_child == child; });
    if (found == m_children.end())
        return;
    child->Invalidate();
    m_children.erase(found);
}

bool BXCompositeWnd::HasChild(const BXWnd* child) const
{
    return std::any_of(m_children.begin(), m_children.end(),
                       [child](const CControl& record) { return record.m_child == child; });
}

std::vector<BXWnd*> BXCompositeWnd::GetTabOrder() const
{
    std::vector<CControl> sorted(m_children);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const CControl& a, const CControl& b) { return a.m_tabIndex < b.m_tabIndex; });
    std::vector<BXWnd*> order;
    order.reserve(sorted.size());
    for (const CControl& record : sorted)
        order.push_back(record.m_child);
    return order;
}

BXCompositeWnd::LabelSet* BXCompositeWnd::FindLabels(const BXWnd* control)
{
    for (auto& set : m_labelSets) {
        if (set->m_control.Get() == control && control != nullptr)
            return set.get();
    }
    return nullptr;
}

BXTypedWndPtr<BXStatic> BXCompositeWnd::AttachLabel(BXWnd* control, const BXString& text, int32_t placement)
{
    if (control == nullptr)
        return BXTypedWndPtr<BXStatic>();
    BXTypedWndPtr<BXStatic> label = CreateStatic(text);
    label->Show(control->IsVisible());
    LabelSet* set = FindLabels(control);
    if (set == nullptr) {
        m_labelSets.push_back(std::make_unique<LabelSet>());
        set = m_labelSets.back().get();
        set->m_control = control;
    }
    set->m_labels.push_back(BXControlAttachedLabelInfo{label, placement});
    return label;
}

const std::vector<BXControlAttachedLabelInfo>* BXCompositeWnd::GetAttachedLabels(const BXWnd* control) const
{
    for (const auto& set : m_labelSets) {
        if (set->m_control.Get() == control && control != nullptr)
            return &set->m_labels;
    }
    return nullptr;
}

int32_t BXCompositeWnd::GetPreferredHeightWithLabels(BXWnd* control, int32_t width)
{
    const auto* labels = GetAttachedLabels(control);
    int32_t side = 0;
    int32_t above = 0;
    if (labels != nullptr) {
        for (const auto& info : *labels) {
            if (info.m_label.Get() == nullptr)
                continue;
            if (info.GetPlacementCode() == BXControlAttachedLabelInfo::kPlaceAbove) {
                const int32_t h = PreferredHeight(info.m_label.Get(), width);
                if (h > 0)
                    above += h + BXScale(BXControlAttachedLabelInfo::kLabelGap);
            } else {
                side = std::max(side, PreferredHeight(info.m_label.Get(), -1));
            }
        }
    }
    const int32_t own = PreferredHeight(control, width);
    return above + std::max(own, side);
}

int32_t BXCompositeWnd::GetPreferredWidthWithLabels(BXWnd* control, int32_t width)
{
    const int32_t own = PreferredWidth(control, width);
    const auto* labels = GetAttachedLabels(control);
    if (own < 0 || labels == nullptr)
        return own;
    int32_t total = own;
    for (const auto& info : *labels) {
        if (info.m_label.Get() == nullptr)
            continue;
        const int32_t w = PreferredWidth(info.m_label.Get(), -1);
        if (info.GetPlacementCode() == BXControlAttachedLabelInfo::kPlaceAbove)
            total = std::max(total, w);
        else
            total += std::max(w, 0) + BXScale(BXControlAttachedLabelInfo::kLabelGap);
    }
    return total;
}

void BXCompositeWnd::PlaceWithLabels(BXWnd* control, const RECT& rect, uint32_t flags)
{
    RECT rest = rect;
    const int32_t gap = BXScale(BXControlAttachedLabelInfo::kLabelGap);
    if (const auto* labels = GetAttachedLabels(control)) {
        for (const auto& info : *labels) {
            BXStatic* label = info.m_label.Get();
            if (label == nullptr)
                continue;
            RECT place = rest;
            const int32_t width = rest.right - rest.left;
            switch (info.GetPlacementCode()) {
            case BXControlAttachedLabelInfo::kPlaceLeft:
                place.right = std::min<LONG>(rest.right, rest.left + std::max(PreferredWidth(label, -1), 0));
                rest.left = std::min<LONG>(rest.right, place.right + gap);
                break;
            case BXControlAttachedLabelInfo::kPlaceRight:
                place.left = std::max<LONG>(rest.left, rest.right - std::max(PreferredWidth(label, -1), 0));
                rest.right = std::max<LONG>(rest.left, place.left - gap);
                break;
            default: {
                const int32_t h = std::max(PreferredHeight(label, width), 0);
                place.bottom = std::min<LONG>(rest.bottom, rest.top + h);
                rest.top = std::min<LONG>(rest.bottom, place.bottom + (h > 0 ? gap : 0));
                break;
            }
            }
            label->SetWindowPos(place, flags);
        }
    }
    control->SetWindowPos(rest, flags);
}

BXTypedWndPtr<BXStatic> BXCompositeWnd::CreateStatic(const BXString& text)
{
    return CreateChild<BXStatic>(text);
}

BXTypedWndPtr<BXButton> BXCompositeWnd::CreateButton(const BXString& text)
{
    return CreateChild<BXButton>(text);
}

void BXCompositeWnd::PaintTree(HDC dc)
{
    OnPaint(dc);
    // A copy: painting code must not change the list, but a bad control might.
    const std::vector<CControl> children(m_children);
    for (const CControl& record : children) {
        BXWnd* child = record.m_child;
        if (!child->IsVisible())
            continue;
        const RECT rect = child->GetRect();
        if (rect.right <= rect.left || rect.bottom <= rect.top)
            continue;
        const int saved = ::SaveDC(dc);
        ::IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
        child->PaintTree(dc);
        ::RestoreDC(dc, saved);
    }
}

BXWnd* BXCompositeWnd::HitTest(POINT point)
{
    for (auto it = m_children.rbegin(); it != m_children.rend(); ++it) {
        BXWnd* child = it->m_child;
        if (!child->IsVisible())
            continue;
        const RECT rect = child->GetRect();
        if (::PtInRect(&rect, point)) {
            if (BXWnd* hit = child->HitTest(point))
                return hit;
        }
    }
    const RECT own = GetRect();
    return ::PtInRect(&own, point) ? this : nullptr;
}

void BXCompositeWnd::CollectTabStops(std::vector<BXWnd*>& stops)
{
    if (!IsVisible() || !IsEnabled())
        return;
    if (IsTabStop())
        stops.push_back(this);
    for (BXWnd* child : GetTabOrder())
        child->CollectTabStops(stops);
}

void BXCompositeWnd::OnChildDestroyed(BXWnd* child)
{
    m_children.erase(std::remove_if(m_children.begin(), m_children.end(),
                                    [child](const CControl& record) { return record.m_child == child; }),
                     m_children.end());
    // Labels go with their control.
    std::vector<BXWnd*> orphans;
    for (auto it = m_labelSets.begin(); it != m_labelSets.end();) {
        if ((*it)->m_control.Get() == nullptr) {
            for (auto& info : (*it)->m_labels) {
                if (info.m_label.Get() != nullptr)
                    orphans.push_back(info.m_label.Get());
            }
            it = m_labelSets.erase(it);
        } else {
            ++it;
        }
    }
    for (BXWnd* label : orphans) {
        auto found = std::find_if(m_children.begin(), m_children.end(),
                                  [label](const CControl& record) { return record.m_child == label; });
        if (found != m_children.end() && found->m_owned)
            delete label;
    }
}

void BXCompositeWnd::OnChildVisibilityChanged(BXWnd* child)
{
    if (LabelSet* set = FindLabels(child)) {
        for (auto& info : set->m_labels) {
            if (BXStatic* label = info.m_label.Get())
                label->Show(child->IsVisible());
        }
    }
}
