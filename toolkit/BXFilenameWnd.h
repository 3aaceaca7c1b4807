// The path field: an edit part (BXFilenameEdit) followed by a "Browse" button. In folder mode, Browse
// asks the tools component's folder picker (title "Select Path", starting at the current path); a
// non-empty answer replaces the path, a cancelled one changes nothing. The field's value is the edit
// part's current text. Only folder mode is built: the file-choosing modes are not used by the wizard.
#pragma once

#include "BXButton.h"
#include "BXControlWnd.h"
#include "BXFilenameEdit.h"

class BXFilenameWnd : public BXControlWnd {
public:
    enum Mode : int32_t {
        kModeFolder = 0,
    };

    explicit BXFilenameWnd(const BXString& path = BXString(), int32_t mode = kModeFolder);
    BX_RUNTIME_CLASS(BXFilenameWnd, BXControlWnd)

    int32_t GetMode() const { return m_mode; }
    BXString GetPath() const;
    void SetPath(const BXString& path);
    // Runs the Browse action; true when the path was replaced.
    bool Browse();

    BXFilenameEdit* GetEdit() const { return m_edit.Get(); }
    BXButton* GetBrowseButton() const { return m_browse.Get(); }

    BXString GetText() const override { return GetPath(); }
    void SetText(const BXString& text) override { SetPath(text); }

    void OnCreate() override;
    void Layout(const RECT& rect) override;
    SIZE GetPreferredSize(int32_t width) override;

private:
    void OnBrowseClicked();

    int32_t m_mode;
    BXString m_initialPath;
    BXTypedWndPtr<BXFilenameEdit> m_edit;
    BXTypedWndPtr<BXButton> m_browse;
};
