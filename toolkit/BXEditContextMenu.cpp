#include "BXEditContextMenu.h"

std::vector<BXEditMenuItem> BXBuildEditContextMenu(const BXEditMenuState& state,
                                                   const std::function<BXString(const BXString&)>& translate)
{
    // A read-only field refuses every change, so the items that would change it are off too.
    const bool editable = !state.readOnly;
    struct Entry {
        int32_t command;
        const BXChar* text;
        bool enabled;
    };
    const Entry entries[] = {
        {kBXEditCommandCut, u"Cut\t%s+X", editable && state.hasSelection},
        {kBXEditCommandCopy, u"Copy\t%s+C", state.hasSelection},
        {kBXEditCommandPaste, u"Paste\t%s+V", editable && state.clipboardHasText},
        {kBXEditCommandDelete, u"Delete\tDel", editable && state.hasSelection},
        {0, nullptr, false},
        {kBXEditCommandUndo, u"Undo\t%s+Z", editable && state.canUndo},
        {kBXEditCommandRedo, u"Redo\t%s+Y", editable && state.canRedo},
        {0, nullptr, false},
        {kBXEditCommandSelectAll, u"Select All", state.hasText},
    };
    std::vector<BXEditMenuItem> items;
    for (const Entry& entry : entries) {
        if (entry.text == nullptr) {
            items.push_back({0, BXString(), false});
            continue;
        }
        BXString text = translate ? translate(BXString(entry.text)) : BXString(entry.text);
        const int32_t placeholder = text.Find(u"%s");
        if (placeholder >= 0) {
            text.Delete(placeholder, 2);
            text.Insert(placeholder, u"Ctrl");
        }
        items.push_back({entry.command, text, entry.enabled});
    }
    return items;
}
