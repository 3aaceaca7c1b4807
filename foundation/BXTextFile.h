// Whole-file text reading with encoding detection, and text writing in a chosen encoding. Reading never
// fails on content: undecodable bytes become the units of the same value. Failures to open, read or
// write a file are results, never exceptions.
#pragma once

#include "BXString.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class BXTextFile {
public:
    static constexpr int kEncodingDetect = 0;
    static constexpr int kEncodingAnsi = 1;
    static constexpr int kEncodingUtf8 = 2;  // a mark stays in the text as U+FEFF
    static constexpr int kEncodingUtf16 = 3; // little-endian; a mark is honoured
    static constexpr int kEncodingUtf8SkipMark = 5;
    static constexpr int kEncodingUtf32 = 6;

    // Reads the whole file and decodes it (kEncodingDetect: decide from the bytes). An extended file name
    // is read through its "Filename". False, with an empty text, when the path is empty or the file
    // cannot be read.
    static bool ReadTextFile(const BXString& path, BXString& text, int encoding = kEncodingDetect);
    // Creates the file's folder when needed, creates or replaces the file and writes the text: UTF-16
    // with the mark FF FE, ANSI or UTF-8 without a mark, no terminating zero. True when every byte was
    // written.
    static bool SaveTextFile(const BXString& text, const BXString& path, int encoding);

    // The encoding the reader picks for these bytes.
    static int DetectEncoding(const uint8_t* bytes, size_t count);
    static BXString Decode(const uint8_t* bytes, size_t count, int encoding);
    static std::vector<uint8_t> Encode(const BXString& text, int encoding);

private:
    static bool ReadFileBytes(const BXString& path, std::vector<uint8_t>& bytes);
    static bool WriteFileBytes(const BXString& path, const std::vector<uint8_t>& bytes);
};
