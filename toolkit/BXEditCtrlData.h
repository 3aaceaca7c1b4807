// Text model of the edit control: the text, caret and selection, edits with undo and redo, caret
// movement over the lines of a layout, and the keys the control keeps for itself. A read-only level
// other than 0 refuses every change (the edit calls return false); movement, selection and copying
// still work. Pure: no window, no clipboard, no drawing.
#pragma once

#include "BXString.h"

#include <cstdint>
#include <functional>
#include <vector>

// One line of the layout: the units [start, start + length) of the text, without its line break.
struct BXEditLine {
    int32_t start;
    int32_t length;
    bool operator==(const BXEditLine&) const = default;
};

class BXEditCtrlData {
public:
    // Width in pixels of length units of text as the control draws them.
    using MeasureFunction = std::function<int32_t(const BXChar* text, int32_t length)>;

    enum class Move : int32_t {
        Left,
        Right,
        Up,
        Down,
        LineStart,
        LineEnd,
        TextStart,
        TextEnd,
    };

    // Modes beside multi-line that make the control keep Enter, Tab or Escape.
    static constexpr uint32_t kModeWantsEnter = 0x1;
    static constexpr uint32_t kModeWantsTab = 0x2;
    static constexpr uint32_t kModeWantsEscape = 0x4;

    BXEditCtrlData() = default;
    virtual ~BXEditCtrlData() = default;

    // Replaces the text; caret at the start, no selection, undo history cleared.
    void SetText(const BXString& text);
    const BXString& GetText() const { return m_text; }

    void SetMultiLine(bool multiLine);
    bool IsMultiLine() const { return m_multiLine; }
    void SetReadOnlyLevel(int32_t level) { m_readOnlyLevel = level; }
    int32_t GetReadOnlyLevel() const { return m_readOnlyLevel; }
    bool IsReadOnly() const { return m_readOnlyLevel != 0; }
    void SetKeyModes(uint32_t modes) { m_keyModes = modes; }

    // Whether the control handles this virtual key itself instead of its host window.
    bool KeepsKey(uint32_t virtualKey) const;

    // --- Caret and selection: positions are unit indexes 0..length -----------
    int32_t GetCaret() const { return m_caret; }
    int32_t GetAnchor() const { return m_anchor; }
    bool HasSelection() const { return m_caret != m_anchor; }
    int32_t GetSelectionStart() const { return m_caret < m_anchor ? m_caret : m_anchor; }
    int32_t GetSelectionEnd() const { return m_caret < m_anchor ? m_anchor : m_caret; }
    // Both clamped to the text and moved off the middle of a line break or surrogate pair.
    void SetSelection(int32_t anchor, int32_t caret);
    void SelectAll();
    BXString GetSelectedText() const;
    void MoveCaret(Move move, bool extendSelection);

    // --- Edits: false when refused (read-only) or when nothing changed ------
    // Replaces the selection. typed: one typed character, merged with the typing before it into
    // one undo step. A one-line control keeps only the text before the first line break.
    bool InsertText(const BXString& text, bool typed = false);
    // Delete key: the selection, else the character after the caret.
    bool DeleteForward();
    // Backspace: the selection, else the character before the caret.
    bool Backspace();
    bool DeleteSelection();
    bool CanUndo() const { return !IsReadOnly() && !m_undo.empty(); }
    bool CanRedo() const { return !IsReadOnly() && !m_redo.empty(); }
    bool Undo();
    bool Redo();

    // --- Layout -----------------------------------------------------------
    // Lays the text out for width with measure. Multi-line text breaks at its line breaks and, for a
    // positive width, wraps at spaces (a word wider than the width is cut between characters; spaces
    // that end a wrapped line may reach past the width). The layout follows every later edit.
    void BreakLines(int32_t width, MeasureFunction measure);
    const std::vector<BXEditLine>& GetLines() const { return m_lines; }
    // Index of the line that holds position; a position where a wrapped line ends belongs to the next.
    int32_t LineOfPosition(int32_t position) const;
    static std::vector<BXEditLine> BreakText(const BXString& text, bool multiLine, int32_t width,
                                             const MeasureFunction& measure);

protected:
    // Told after every change of the text, caret or selection, so the control can repaint.
    virtual void OnEditDataChanged() {}

private:
    struct UndoStep {
        int32_t position;
        BXString removed;
        BXString inserted;
        int32_t anchorBefore;
        int32_t caretBefore;
        bool typed;
    };

    bool Replace(int32_t start, int32_t end, const BXString& text, bool typed);
    void ApplyReplace(int32_t start, int32_t removedLength, const BXString& inserted);
    int32_t Snap(int32_t position) const;
    int32_t StepLeft(int32_t position) const;
    int32_t StepRight(int32_t position) const;
    void Relayout();
    void Changed() { OnEditDataChanged(); }

    BXString m_text;
    bool m_multiLine = false;
    int32_t m_readOnlyLevel = 0;
    uint32_t m_keyModes = 0;
    int32_t m_caret = 0;
    int32_t m_anchor = 0;
    int32_t m_desiredColumn = -1;
    std::vector<UndoStep> m_undo;
    std::vector<UndoStep> m_redo;
    int32_t m_layoutWidth = -1;
    MeasureFunction m_measure;
    std::vector<BXEditLine> m_lines{BXEditLine{0, 0}};
};
