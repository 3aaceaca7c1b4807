// The header band of a dialog: an image on the left (resolved as an image
// file; none when the name is empty) and a rich-text static beside it, whose
// first line is bold and second line indented by a tab.
#pragma once

#include "BXStatic.h"
#include "IBXTools.h"

class BXDialogHeaderCtrl : public BXControlWnd {
public:
    explicit BXDialogHeaderCtrl(const BXString& imageName = BXString(), const BXString& text = BXString());
    ~BXDialogHeaderCtrl() override;
    BX_RUNTIME_CLASS(BXDialogHeaderCtrl, BXControlWnd)

    void SetImageName(const BXString& imageName);
    const BXString& GetImageName() const { return m_imageName; }
    // Rich text ("<b>", "</b>", "\r\n", leading tabs).
    void SetText(const BXString& text) override;
    BXString GetText() const override;
    BXStatic* GetTextCtrl() const { return m_textCtrl.Get(); }

    void OnCreate() override;
    void Layout(const RECT& rect) override;
    void OnPaint(HDC dc) override;
    SIZE GetPreferredSize(int32_t width) override;

private:
    IBXImage* GetImage();
    RECT ImageRect() const;

    BXString m_imageName;
    BXString m_pendingText;
    IBXImage* m_image = nullptr;
    bool m_imageLoaded = false;
    BXTypedWndPtr<BXStatic> m_textCtrl;
};
