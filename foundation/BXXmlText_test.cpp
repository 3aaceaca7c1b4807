#include "BXXmlText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The word-at-a-time search must agree with a plain loop for every length, position and neighbour,
// including units that differ from a searched one only in their high byte.
TEST(BXXmlText, FindAnyAgreesWithAPlainLoop)
{
    const char16_t fillers[] = {u'a', u'\x803C', u'\x3C00', u'\xFFFF', u'\0', u'\x003D'};
    for (size_t length = 0; length <= 11; ++length) {
        for (char16_t filler : fillers) {
            for (size_t at = 0; at <= length; ++at) {
                std::u16string text(length, filler);
                if (at < length) {
                    text[at] = u'<';
                }
                for (size_t from = 0; from <= length; ++from) {
                    uint32_t expected = uint32_t(from);
                    while (expected < length && text[expected] != u'<' && text[expected] != u'"' &&
                           text[expected] != u'\'') {
                        ++expected;
                    }
                    EXPECT_EQ(BXXmlFindAny(text.data(), uint32_t(from), uint32_t(length), u'<', u'"', u'\''), expected)
                        << "length " << length << " at " << at << " from " << from << " filler " << int(filler);
                }
            }
        }
    }
}

} // namespace
