// Built-in text service: case-insensitive search that folds both sides through
// the string tables (BXStringGlobals::CompareNoCaseN) at each position.
// Stateless; one shared instance serves every thread.
#pragma once

#include "BXTextService.h"

class BXFoldingTextService final : public IBXTextService {
public:
    static BXFoldingTextService& Get();

    int32_t FindText(const BXChar* haystack, const BXChar* needle, int32_t mode) override;
};
