// Splitting text into runs of white space, words, digits and single other characters, and finding the
// word or number around a position. Positions outside the text give nothing.
#pragma once

#include "BXArray.h"
#include "BXString.h"
#include "BXStringArray.h"

// Run kinds reported by Tokenize and GetWordAt.
constexpr int32_t kBXTokenNone = 0;
constexpr int32_t kBXTokenWhitespace = 1;
constexpr int32_t kBXTokenWord = 2;
constexpr int32_t kBXTokenDigits = 3;
constexpr int32_t kBXTokenOther = 4;

// Appends every run of text to strings and its kind to the parallel kinds; at each position white space
// is tried first, then a word, then digits, else the single character.
void Tokenize(const BXString& text, BXStringArray& strings, BXNumberArray<int32_t>& kinds);

// The word run around position, or the digit run when there is no word there; kind gets kBXTokenWord,
// kBXTokenDigits or kBXTokenNone and start the index where the run begins (-1 for none).
BXString GetWordAt(const BXString& text, int32_t position, int32_t* kind = nullptr, int32_t* start = nullptr);
