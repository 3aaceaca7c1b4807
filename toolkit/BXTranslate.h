// A user-visible text of the toolkit through the translation service of the tools component; the text
// itself when there is no service or no translation.
#pragma once

#include "IBXTools.h"

inline BXString BXTranslate(const BXString& text)
{
    BXString result = text;
    IBXToolsDLL* tools = BXGetTools();
    if (IBXLanguage* language = tools != nullptr ? tools->GetLanguage() : nullptr) {
        BXDllStringRef ref(result);
        language->Translate(&ref);
    }
    return result;
}
