// Basic character type of the foundation library: every text is UTF-16 in
// every build, so BXChar is char16_t and literals are written u"...".
#pragma once

#include <cstdint>

using BXChar = char16_t;
