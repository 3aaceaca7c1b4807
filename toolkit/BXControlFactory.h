// Factory operations for the controls of this family, in the form of the composite's own factory:
// each creates the control, attaches it to parent as an owned child and returns a weak pointer.
#pragma once

#include "BXCheckbox.h"
#include "BXCompositeWnd.h"
#include "BXFilenameWnd.h"
#include "BXImageStatic.h"
#include "BXProgressCtrl.h"

inline BXTypedWndPtr<BXCheckbox> BXCreateCheckbox(BXCompositeWnd& parent, const BXString& text, bool checked)
{
    return parent.CreateChild<BXCheckbox>(text, checked);
}

inline BXTypedWndPtr<BXImageStatic> BXCreateImage(BXCompositeWnd& parent, const BXString& imageName)
{
    return parent.CreateChild<BXImageStatic>(imageName);
}

// Range 0 to 100, position 0.
inline BXTypedWndPtr<BXProgressCtrl> BXCreateProgressBar(BXCompositeWnd& parent)
{
    return parent.CreateChild<BXProgressCtrl>();
}

inline BXTypedWndPtr<BXFilenameWnd> BXCreatePathField(BXCompositeWnd& parent, const BXString& path, int32_t mode)
{
    return parent.CreateChild<BXFilenameWnd>(path, mode);
}
