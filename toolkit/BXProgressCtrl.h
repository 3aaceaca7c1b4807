// A progress bar: the skin's "ProgressBar" "Back" image over the whole rectangle and "Front" over the
// filled part (BXProgressRange). Any width suits it; its height is the standard control height.
#pragma once

#include "BXControlWnd.h"
#include "BXProgressRange.h"

class BXProgressCtrl : public BXControlWnd {
public:
    static constexpr const BXChar* kSection = u"ProgressBar";

    BX_RUNTIME_CLASS(BXProgressCtrl, BXControlWnd)

    void SetRange(int32_t minimum, int32_t maximum);
    // Clamps the position to at most the maximum and at least 0.
    void SetMax(int32_t maximum);
    void SetPos(int32_t position);
    const BXProgressRange& GetRange() const { return m_range; }
    int32_t GetPos() const { return m_range.GetPos(); }

    void OnPaint(HDC dc) override;
    SIZE GetPreferredSize(int32_t width) override;

private:
    BXProgressRange m_range;
};
