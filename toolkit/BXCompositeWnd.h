// Children of a window object: the CControl list (painted and hit-tested in
// list order, tab order by tab index), labels attached to child controls, the
// timers of windowless descendants (kept by the host), and the factory that
// creates, attaches and adds controls. Owned children die with the composite;
// others are only detached.
#pragma once

#include "BXLayoutWnd.h"
#include "BXWndPtr.h"

#include <memory>
#include <utility>

class BXStatic;
class BXButton;

struct CControl {
    BXWnd* m_child;
    int32_t m_tabIndex;
    bool m_owned;
};

struct CControlTimer {
    BXWndPtr m_control;
    uint32_t m_timerId;
    uint32_t m_period;
    UINT_PTR m_systemId;
};

// Placement in the low four bits: 0 left of the control, 1 right of it, 2 above
// it; the label kind (0 plain static) in bits 8 to 11.
struct BXControlAttachedLabelInfo {
    static constexpr int32_t kPlaceLeft = 0;
    static constexpr int32_t kPlaceRight = 1;
    static constexpr int32_t kPlaceAbove = 2;
    static constexpr int32_t kLabelGap = 3; // device-independent pixels

    BXTypedWndPtr<BXStatic> m_label;
    int32_t m_placement;

    int32_t GetPlacementCode() const { return m_placement & 0xF; }
    int32_t GetLabelKind() const { return (m_placement >> 8) & 0xF; }
};

class BXCompositeWnd : public BXLayoutWnd {
public:
    BXCompositeWnd() = default;
    ~BXCompositeWnd() override;
    BX_RUNTIME_CLASS(BXCompositeWnd, BXLayoutWnd)

    // Adds child at the end of the list; tabIndex -1 takes the next free one.
    // Adding a child twice does nothing.
    void AddChild(BXWnd* child, bool owned, int32_t tabIndex = -1);
    // Takes child out of the list without deleting it.
    void RemoveChild(BXWnd* child);
    bool HasChild(const BXWnd* child) const;
    const std::vector<CControl>& GetChildren() const { return m_children; }
    // Children sorted by tab index, ascending (stable for equal indexes).
    std::vector<BXWnd*> GetTabOrder() const;

    // Labels: a plain static attached to a child control, moved, shown and
    // hidden with it.
    BXTypedWndPtr<BXStatic> AttachLabel(BXWnd* control, const BXString& text, int32_t placement);
    const std::vector<BXControlAttachedLabelInfo>* GetAttachedLabels(const BXWnd* control) const;
    // Height of control with its labels for width, and placement of both in rect.
    int32_t GetPreferredHeightWithLabels(BXWnd* control, int32_t width);
    int32_t GetPreferredWidthWithLabels(BXWnd* control, int32_t width);
    void PlaceWithLabels(BXWnd* control, const RECT& rect, uint32_t flags);

    // Factory: creates a control of type T, attaches it here, adds it as an
    // owned child and returns a weak pointer to it.
    template <class T, class... Args> BXTypedWndPtr<T> CreateChild(Args&&... args)
    {
        T* control = new T(std::forward<Args>(args)...);
        AddChild(control, true);
        control->Create(this);
        return BXTypedWndPtr<T>(control);
    }
    BXTypedWndPtr<BXStatic> CreateStatic(const BXString& text);
    BXTypedWndPtr<BXButton> CreateButton(const BXString& text);
    // Adds a constructed control as an owned child (creating it) with a label.
    template <class T> BXTypedWndPtr<T> AddControlWithLabel(T* control, const BXString& label, int32_t placement)
    {
        AddChild(control, true);
        control->Create(this);
        AttachLabel(control, label, placement);
        return BXTypedWndPtr<T>(control);
    }

    void PaintTree(HDC dc) override;
    BXWnd* HitTest(POINT point) override;
    void CollectTabStops(std::vector<BXWnd*>& stops) override;
    void OnChildDestroyed(BXWnd* child) override;
    void OnChildVisibilityChanged(BXWnd* child) override;

protected:
    // Timer records of windowless descendants, for the window with the handle.
    std::vector<CControlTimer> m_controlTimers;

private:
    struct LabelSet {
        BXWndPtr m_control;
        std::vector<BXControlAttachedLabelInfo> m_labels;
    };
    LabelSet* FindLabels(const BXWnd* control);

    std::vector<CControl> m_children;
    std::vector<std::unique_ptr<LabelSet>> m_labelSets;
    int32_t m_nextTabIndex = 0;
};
