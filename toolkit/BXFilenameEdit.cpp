#include "BXFilenameEdit.h"

BXFilenameEdit::BXFilenameEdit(const BXString& path)
{
    BXEditCtrlData::SetText(path);
}
