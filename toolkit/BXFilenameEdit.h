// The edit part of the path field: a one-line, editable edit control that shows a path.
#pragma once

#include "BXEditCtrl.h"

class BXFilenameEdit : public BXEditCtrl {
public:
    explicit BXFilenameEdit(const BXString& path = BXString());
    BX_RUNTIME_CLASS(BXFilenameEdit, BXEditCtrl)
};
