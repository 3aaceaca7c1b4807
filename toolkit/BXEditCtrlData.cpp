#include "BXEditCtrlData.h"

#include <algorithm>
#include <utility>

namespace {

constexpr uint32_t kKeyTab = 0x09;
constexpr uint32_t kKeyReturn = 0x0D;
constexpr uint32_t kKeyEscape = 0x1B;
constexpr uint32_t kKeyLeft = 0x25;
constexpr uint32_t kKeyDown = 0x28;

bool IsLineBreak(BXChar c)
{
    return c == u'\r' || c == u'\n';
}

bool IsHighSurrogate(BXChar c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(BXChar c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Wraps the units [start, end) of one hard line into lines no wider than width.
void WrapLine(const BXString& text, int32_t start, int32_t end, int32_t width,
              const BXEditCtrlData::MeasureFunction& measure, std::vector<BXEditLine>& lines)
{
    if (start == end || width <= 0 || !measure) {
        lines.push_back({start, end - start});
        return;
    }
    const BXChar* chars = text.GetString();
    int32_t position = start;
    while (position < end) {
        const int32_t remaining = end - position;
        if (measure(chars + position, remaining) <= width) {
            lines.push_back({position, remaining});
            return;
        }
        // Longest prefix that fits: measure(fits) <= width < measure(tooLong).
        int32_t fits = 0;
        int32_t tooLong = remaining;
        while (tooLong - fits > 1) {
            const int32_t middle = (fits + tooLong) / 2;
            if (measure(chars + position, middle) <= width) {
                fits = middle;
            } else {
                tooLong = middle;
            }
        }
        int32_t length = 0;
        if (chars[position + fits] == u' ') {
            // Spaces at the break hang past the width rather than start the next line.
            length = fits;
            while (position + length < end && chars[position + length] == u' ') {
                ++length;
            }
        } else {
            for (int32_t i = fits - 1; i >= 0; --i) {
                if (chars[position + i] == u' ') {
                    length = i + 1;
                    break;
                }
            }
            if (length == 0) {
                length = fits; // one word wider than the line: cut it
            }
        }
        if (length == 0) {
            length = 1; // not even one character fits: show it anyway
        }
        if (length < remaining && IsHighSurrogate(chars[position + length - 1])) {
            length += length > 1 ? -1 : 1;
        }
        lines.push_back({position, length});
        position += length;
    }
}

} // namespace

void BXEditCtrlData::SetText(const BXString& text)
{
    m_text = text;
    m_caret = 0;
    m_anchor = 0;
    m_desiredColumn = -1;
    m_undo.clear();
    m_redo.clear();
    Relayout();
    Changed();
}

void BXEditCtrlData::SetMultiLine(bool multiLine)
{
    m_multiLine = multiLine;
    Relayout();
}

bool BXEditCtrlData::KeepsKey(uint32_t virtualKey) const
{
    if (virtualKey >= kKeyLeft && virtualKey <= kKeyDown) {
        return true;
    }
    switch (virtualKey) {
    case kKeyReturn:
        return m_multiLine || (m_keyModes & kModeWantsEnter) != 0;
    case kKeyTab:
        return (m_keyModes & kModeWantsTab) != 0;
    case kKeyEscape:
        return (m_keyModes & kModeWantsEscape) != 0;
    default:
        return false;
    }
}

int32_t BXEditCtrlData::Snap(int32_t position) const
{
    position = std::clamp(position, 0, m_text.GetLength());
    if (position > 0 && position < m_text.GetLength()) {
        const BXChar before = m_text[position - 1];
        const BXChar after = m_text[position];
        if ((before == u'\r' && after == u'\n') || (IsHighSurrogate(before) && IsLowSurrogate(after))) {
            --position;
        }
    }
    return position;
}

int32_t BXEditCtrlData::StepLeft(int32_t position) const
{
    if (position <= 0) {
        return 0;
    }
    if (position >= 2) {
        const BXChar first = m_text[position - 2];
        const BXChar second = m_text[position - 1];
        if ((first == u'\r' && second == u'\n') || (IsHighSurrogate(first) && IsLowSurrogate(second))) {
            return position - 2;
        }
    }
    return position - 1;
}

int32_t BXEditCtrlData::StepRight(int32_t position) const
{
    const int32_t length = m_text.GetLength();
    if (position >= length) {
        return length;
    }
    if (position + 1 < length) {
        const BXChar first = m_text[position];
        const BXChar second = m_text[position + 1];
        if ((first == u'\r' && second == u'\n') || (IsHighSurrogate(first) && IsLowSurrogate(second))) {
            return position + 2;
        }
    }
    return position + 1;
}

void BXEditCtrlData::SetSelection(int32_t anchor, int32_t caret)
{
    m_anchor = Snap(anchor);
    m_caret = Snap(caret);
    m_desiredColumn = -1;
    Changed();
}

void BXEditCtrlData::SelectAll()
{
    SetSelection(0, m_text.GetLength());
}

BXString BXEditCtrlData::GetSelectedText() const
{
    return m_text.Mid(GetSelectionStart(), GetSelectionEnd() - GetSelectionStart());
}

void BXEditCtrlData::MoveCaret(Move move, bool extendSelection)
{
    int32_t target = m_caret;
    int32_t desiredColumn = -1;
    const int32_t line = LineOfPosition(m_caret);
    const BXEditLine& current = m_lines[size_t(line)];
    // The end of a wrapped line is the start of the next: stop before the unit that wrapped.
    auto lineEnd = [this](int32_t index) {
        const BXEditLine& l = m_lines[size_t(index)];
        const int32_t end = l.start + l.length;
        const bool wrapped = size_t(index) + 1 < m_lines.size() && m_lines[size_t(index) + 1].start == end;
        return wrapped && l.length > 0 ? Snap(end - 1) : end;
    };
    switch (move) {
    case Move::Left:
        target = HasSelection() && !extendSelection ? GetSelectionStart() : StepLeft(m_caret);
        break;
    case Move::Right:
        target = HasSelection() && !extendSelection ? GetSelectionEnd() : StepRight(m_caret);
        break;
    case Move::Up:
    case Move::Down: {
        const int32_t next = line + (move == Move::Up ? -1 : 1);
        desiredColumn = m_desiredColumn >= 0 ? m_desiredColumn : m_caret - current.start;
        if (next >= 0 && size_t(next) < m_lines.size()) {
            const BXEditLine& to = m_lines[size_t(next)];
            target = std::min(Snap(to.start + std::min(desiredColumn, to.length)), lineEnd(next));
        }
        break;
    }
    case Move::LineStart:
        target = current.start;
        break;
    case Move::LineEnd:
        target = lineEnd(line);
        break;
    case Move::TextStart:
        target = 0;
        break;
    case Move::TextEnd:
        target = m_text.GetLength();
        break;
    }
    m_caret = target;
    if (!extendSelection) {
        m_anchor = target;
    }
    m_desiredColumn = desiredColumn;
    Changed();
}

bool BXEditCtrlData::InsertText(const BXString& text, bool typed)
{
    BXString inserted = text;
    if (!m_multiLine) {
        const int32_t lineBreak = inserted.FindOneOf(u"\r\n");
        if (lineBreak >= 0) {
            inserted = inserted.Left(lineBreak);
        }
    }
    return Replace(GetSelectionStart(), GetSelectionEnd(), inserted, typed);
}

bool BXEditCtrlData::DeleteSelection()
{
    return Replace(GetSelectionStart(), GetSelectionEnd(), BXString(), false);
}

bool BXEditCtrlData::DeleteForward()
{
    if (HasSelection()) {
        return DeleteSelection();
    }
    return Replace(m_caret, StepRight(m_caret), BXString(), false);
}

bool BXEditCtrlData::Backspace()
{
    if (HasSelection()) {
        return DeleteSelection();
    }
    return Replace(StepLeft(m_caret), m_caret, BXString(), false);
}

bool BXEditCtrlData::Replace(int32_t start, int32_t end, const BXString& text, bool typed)
{
    if (IsReadOnly() || (start == end && text.IsEmpty())) {
        return false;
    }
    UndoStep step{start, m_text.Mid(start, end - start), text, m_anchor, m_caret, typed};
    UndoStep* last = m_undo.empty() ? nullptr : &m_undo.back();
    const bool merge = typed && step.removed.IsEmpty() && last != nullptr && last->typed &&
                       last->position + last->inserted.GetLength() == start;
    ApplyReplace(start, end - start, text);
    if (merge) {
        last->inserted += text;
    } else {
        m_undo.push_back(std::move(step));
    }
    m_redo.clear();
    Changed();
    return true;
}

void BXEditCtrlData::ApplyReplace(int32_t start, int32_t removedLength, const BXString& inserted)
{
    m_text.Delete(start, removedLength);
    m_text.Insert(start, inserted);
    m_caret = start + inserted.GetLength();
    m_anchor = m_caret;
    m_desiredColumn = -1;
    Relayout();
}

bool BXEditCtrlData::Undo()
{
    if (!CanUndo()) {
        return false;
    }
    UndoStep step = std::move(m_undo.back());
    m_undo.pop_back();
    ApplyReplace(step.position, step.inserted.GetLength(), step.removed);
    m_anchor = step.anchorBefore;
    m_caret = step.caretBefore;
    step.typed = false;
    m_redo.push_back(std::move(step));
    Changed();
    return true;
}

bool BXEditCtrlData::Redo()
{
    if (!CanRedo()) {
        return false;
    }
    UndoStep step = std::move(m_redo.back());
    m_redo.pop_back();
    ApplyReplace(step.position, step.removed.GetLength(), step.inserted);
    m_undo.push_back(std::move(step));
    Changed();
    return true;
}

void BXEditCtrlData::BreakLines(int32_t width, MeasureFunction measure)
{
    m_layoutWidth = width;
    m_measure = std::move(measure);
    Relayout();
}

void BXEditCtrlData::Relayout()
{
    m_lines = BreakText(m_text, m_multiLine, m_layoutWidth, m_measure);
}

int32_t BXEditCtrlData::LineOfPosition(int32_t position) const
{
    auto after = std::upper_bound(m_lines.begin(), m_lines.end(), position,
                                  [](int32_t p, const BXEditLine& line) { return p < line.start; });
    return after == m_lines.begin() ? 0 : int32_t(after - m_lines.begin()) - 1;
}

std::vector<BXEditLine> BXEditCtrlData::BreakText(const BXString& text, bool multiLine, int32_t width,
                                                  const MeasureFunction& measure)
{
    std::vector<BXEditLine> lines;
    const int32_t length = text.GetLength();
    if (!multiLine) {
        lines.push_back({0, length});
        return lines;
    }
    int32_t start = 0;
    for (;;) {
        int32_t end = start;
        while (end < length && !IsLineBreak(text[end])) {
            ++end;
        }
        WrapLine(text, start, end, width, measure, lines);
        if (end >= length) {
            break;
        }
        start = end + (text[end] == u'\r' && text[end + 1] == u'\n' ? 2 : 1);
    }
    return lines;
}
