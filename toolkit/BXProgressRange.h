// Range and position of a progress bar and the width its filled part takes. Pure.
#pragma once

#include <cstdint>

class BXProgressRange {
public:
    int32_t GetMin() const { return m_min; }
    int32_t GetMax() const { return m_max; }
    int32_t GetPos() const { return m_pos; }
    void SetMin(int32_t minimum) { m_min = minimum; }
    // Clamps the position to at most the maximum and at least 0.
    void SetMax(int32_t maximum);
    void SetRange(int32_t minimum, int32_t maximum)
    {
        m_min = minimum;
        SetMax(maximum);
    }
    void SetPos(int32_t position) { m_pos = position; }

    // (position - minimum) / (maximum - minimum), kept within 0..1; 0 when minimum >= maximum.
    double GetFraction() const;
    // The filled part of a bar width pixels wide, rounded half away from zero, within 0..width.
    int32_t GetFilledWidth(int32_t width) const;

private:
    int32_t m_min = 0;
    int32_t m_max = 100;
    int32_t m_pos = 0;
};
