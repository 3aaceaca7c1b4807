#include "BXAgreementText.h"

#include "BXTextFile.h"

BXString BXReadAgreementText(const BXString& folder)
{
    BXString text;
    if (!BXTextFile::ReadTextFile(folder + u"license.txt", text, BXTextFile::kEncodingUtf16)) {
        return BXString();
    }
    const size_t end = text.View().find(BXChar(0));
    if (end != std::u16string_view::npos) {
        text = text.Left(int32_t(end));
    }
    return text;
}
