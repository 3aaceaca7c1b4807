// A windowless scroll bar, vertical or horizontal, drawn from the skin section "Scrollbar". It scrolls
// a view of page pixels over total pixels: arrows step by the line step, clicks on the track beside the
// handle step by a page (repeating while held), and the handle drags. Every change of the position is
// told to the owner callback.
#pragma once

#include "BXControlWnd.h"

class BXScrollbar;

class IBXScrollbarOwner {
public:
    virtual void OnScrollbarPosChanged(BXScrollbar* scrollbar, int32_t pos) = 0;

protected:
    ~IBXScrollbarOwner() = default;
};

class BXScrollbar : public BXControlWnd {
public:
    static constexpr const BXChar* kSection = u"Scrollbar";
    static constexpr uint32_t kRepeatTimer = 1;

    explicit BXScrollbar(bool vertical = true);
    BX_RUNTIME_CLASS(BXScrollbar, BXControlWnd)

    bool IsVertical() const { return m_vertical; }
    void SetOwnerCallback(IBXScrollbarOwner* owner) { m_owner = owner; }
    void SetShowMode(int32_t mode) { m_showMode = mode; }
    int32_t GetShowMode() const { return m_showMode; }

    // The view shows page of total; the position is kept within 0..total - page.
    void SetScrollInfo(int32_t total, int32_t page, int32_t pos);
    void SetLineStep(int32_t step) { m_lineStep = step > 0 ? step : 1; }
    int32_t GetPos() const { return m_pos; }
    int32_t GetTotal() const { return m_total; }
    int32_t GetPage() const { return m_page; }
    int32_t GetMaxPos() const { return m_total > m_page ? m_total - m_page : 0; }
    // Moves to pos (clamped); tells the owner when it changed. False when a handler destroyed the bar.
    bool ScrollTo(int32_t pos);

    // Thickness of a bar in device pixels.
    static int32_t GetThickness(bool vertical);

    // Handle placement on a track of trackLength pixels: its start offset and length (at least
    // minLength, the whole track when everything is in view).
    static void ComputeHandle(int32_t trackLength, int32_t total, int32_t page, int32_t pos, int32_t minLength,
                              int32_t* start, int32_t* length);
    // The position for a handle whose start is at offset on the track.
    static int32_t PosFromHandleOffset(int32_t trackLength, int32_t handleLength, int32_t offset, int32_t total,
                                       int32_t page);

    struct Parts {
        RECT less;   // up or left arrow
        RECT more;   // down or right arrow
        RECT track;  // between the arrows
        RECT handle; // inside the track
    };
    Parts GetParts() const;

    void OnPaint(HDC dc) override;
    void OnMouseDown(POINT point) override;
    void OnMouseMove(POINT point) override;
    void OnMouseUp(POINT point) override;
    bool OnMouseWheel(int32_t delta) override;
    void OnTimer(uint32_t timerId) override;
    SIZE GetPreferredSize(int32_t width) override;

private:
    enum class Action { None, LineLess, LineMore, PageLess, PageMore, Drag };
    bool RunAction();
    int32_t Along(POINT point) const { return m_vertical ? point.y : point.x; }

    bool m_vertical;
    IBXScrollbarOwner* m_owner = nullptr;
    int32_t m_showMode = 1;
    int32_t m_total = 0;
    int32_t m_page = 0;
    int32_t m_pos = 0;
    int32_t m_lineStep = 16;
    Action m_action = Action::None;
    POINT m_pressPoint{};
    int32_t m_dragOffset = 0;
};
