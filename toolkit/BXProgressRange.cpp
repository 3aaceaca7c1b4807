#include "BXProgressRange.h"

#include "BXRounding.h"

#include <algorithm>

void BXProgressRange::SetMax(int32_t maximum)
{
    m_max = maximum;
    m_pos = std::max(std::min(m_pos, m_max), 0);
}

double BXProgressRange::GetFraction() const
{
    if (m_min >= m_max) {
        return 0.0;
    }
    const double fraction = (double(m_pos) - double(m_min)) / (double(m_max) - double(m_min));
    return std::clamp(fraction, 0.0, 1.0);
}

int32_t BXProgressRange::GetFilledWidth(int32_t width) const
{
    if (m_min >= m_max || width <= 0) {
        return 0;
    }
    // A position outside the range would paint outside the bar: keep it at an end.
    const int64_t done = std::clamp<int64_t>(int64_t(m_pos) - m_min, 0, int64_t(m_max) - m_min);
    return BXMulDivRounded(width, done, int64_t(m_max) - m_min);
}
