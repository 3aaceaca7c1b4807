// Items of the edit control's context menu and when each is enabled. The command numbers are what
// the chosen item returns; separators carry command 0. Pure: the control shows the list.
#pragma once

#include "BXString.h"

#include <cstdint>
#include <functional>
#include <vector>

enum BXEditCommand : int32_t {
    kBXEditCommandCut = 10000,
    kBXEditCommandCopy = 10001,
    kBXEditCommandPaste = 10002,
    kBXEditCommandDelete = 10003,
    kBXEditCommandUndo = 10004,
    kBXEditCommandRedo = 10005,
    kBXEditCommandSelectAll = 10006,
};

struct BXEditMenuState {
    bool readOnly = false;
    bool hasSelection = false;
    bool hasText = false;
    bool clipboardHasText = false;
    bool canUndo = false;
    bool canRedo = false;
};

struct BXEditMenuItem {
    int32_t command; // 0 for a separator
    BXString text;
    bool enabled;
};

// translate (optional) gets each item's text before "%s" becomes "Ctrl".
std::vector<BXEditMenuItem> BXBuildEditContextMenu(const BXEditMenuState& state,
                                                   const std::function<BXString(const BXString&)>& translate = {});
