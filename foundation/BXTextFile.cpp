#include "BXTextFile.h"

#include "BXExtendedFileName.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#ifndef _WIN32
#include <filesystem>
#include <fstream>
#endif

namespace {

constexpr int kUtf16BigEndian = -3; // detected from the mark FE FF

bool IsContinuation(const uint8_t* bytes, size_t count, size_t at)
{
    return at < count && (bytes[at] & 0xC0) == 0x80;
}

// Length of the multi-byte sequence at i (2 to 4), or 0 when the bytes there do not form one.
size_t SequenceLength(const uint8_t* bytes, size_t count, size_t i)
{
    uint8_t lead = bytes[i];
    if (lead >= 0xC0 && lead <= 0xDF) {
        return IsContinuation(bytes, count, i + 1) ? 2 : 0;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return IsContinuation(bytes, count, i + 1) && IsContinuation(bytes, count, i + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF7) {
        return IsContinuation(bytes, count, i + 1) && IsContinuation(bytes, count, i + 2) &&
                       IsContinuation(bytes, count, i + 3)
                   ? 4
                   : 0;
    }
    return 0;
}

// UTF-8 with four-byte sequences written as surrogate pairs; a byte that starts no sequence becomes the
// unit of the same value, and 0 bytes are ordinary characters (the length is known).
BXString DecodeUtf8(const uint8_t* bytes, size_t count)
{
    BXString text;
    BXChar* out = text.GetBuffer(int32_t(count), true, false);
    int32_t length = 0;
    for (size_t i = 0; i < count;) {
        // Runs of ASCII, sixteen or eight bytes at a time: most markup is ASCII.
#if defined(__SSE2__)
        while (i + 16 <= count) {
            __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
            if (_mm_movemask_epi8(chunk) != 0) {
                break;
            }
            __m128i zero = _mm_setzero_si128();
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + length), _mm_unpacklo_epi8(chunk, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + length + 8), _mm_unpackhi_epi8(chunk, zero));
            length += 16;
            i += 16;
        }
#endif
        while (i + 8 <= count) {
            uint64_t word;
            std::memcpy(&word, bytes + i, sizeof word);
            if ((word & 0x8080808080808080ull) != 0) {
                break;
            }
            for (int k = 0; k < 8; ++k) {
                out[length + k] = BXChar(bytes[i + size_t(k)]);
            }
            length += 8;
            i += 8;
        }
        if (i >= count) {
            break;
        }
        uint8_t lead = bytes[i];
        size_t size = lead < 0x80 ? 1 : SequenceLength(bytes, count, i);
        uint32_t code;
        switch (size) {
        case 2:
            code = (uint32_t(lead & 0x1F) << 6) | (bytes[i + 1] & 0x3F);
            break;
        case 3:
            code = (uint32_t(lead & 0x0F) << 12) | (uint32_t(bytes[i + 1] & 0x3F) << 6) | (bytes[i + 2] & 0x3F);
            break;
        case 4:
            code = (uint32_t(lead & 0x07) << 18) | (uint32_t(bytes[i + 1] & 0x3F) << 12) |
                   (uint32_t(bytes[i + 2] & 0x3F) << 6) | (bytes[i + 3] & 0x3F);
            break;
        default:
            size = 1;
            code = lead;
            break;
        }
        if (code >= 0x10000 && code <= 0x10FFFF) {
            code -= 0x10000;
            out[length++] = BXChar(0xD800 + (code >> 10));
            out[length++] = BXChar(0xDC00 + (code & 0x3FF));
        } else {
            out[length++] = code > 0xFFFF ? BXChar(0xFFFD) : BXChar(code);
        }
        i += size;
    }
    text.ReleaseBuffer(length);
    return text;
}

BXString DecodeUtf16(const uint8_t* bytes, size_t count, bool swap)
{
    BXString text;
    int32_t units = int32_t(count / 2);
    BXChar* out = text.GetBuffer(units, true, false);
    for (int32_t i = 0; i < units; ++i) {
        uint8_t low = bytes[2 * i + (swap ? 1 : 0)];
        uint8_t high = bytes[2 * i + (swap ? 0 : 1)];
        out[i] = BXChar(low | (high << 8));
    }
    text.ReleaseBuffer(units);
    return text;
}

BXString DecodeUtf32(const uint8_t* bytes, size_t count)
{
    BXString text;
    size_t units = count / 4;
    BXChar* out = text.GetBuffer(int32_t(units * 2), true, false);
    int32_t length = 0;
    for (size_t i = 0; i < units; ++i) {
        uint32_t code = uint32_t(bytes[4 * i]) | (uint32_t(bytes[4 * i + 1]) << 8) |
                        (uint32_t(bytes[4 * i + 2]) << 16) | (uint32_t(bytes[4 * i + 3]) << 24);
        if (i == 0 && code == 0xFEFF) {
            continue;
        }
        if (code >= 0x10000 && code <= 0x10FFFF) {
            code -= 0x10000;
            out[length++] = BXChar(0xD800 + (code >> 10));
            out[length++] = BXChar(0xDC00 + (code & 0x3FF));
        } else {
            out[length++] = code > 0xFFFF ? BXChar(0xFFFD) : BXChar(code);
        }
    }
    text.ReleaseBuffer(length);
    return text;
}

bool StartsWith(const uint8_t* bytes, size_t count, std::initializer_list<uint8_t> mark)
{
    return count >= mark.size() && std::memcmp(bytes, mark.begin(), mark.size()) == 0;
}

} // namespace

int BXTextFile::DetectEncoding(const uint8_t* bytes, size_t count)
{
    if (StartsWith(bytes, count, {0xFF, 0xFE})) {
        return kEncodingUtf16;
    }
    if (StartsWith(bytes, count, {0xFE, 0xFF})) {
        return kUtf16BigEndian;
    }
    if (StartsWith(bytes, count, {0xEF, 0xBB, 0xBF})) {
        return kEncodingUtf8SkipMark;
    }
    size_t end = count;
    while (end > 0 && bytes[end - 1] == 0) {
        --end;
    }
    const void* zero = std::memchr(bytes, 0, end);
    if (zero != nullptr) {
        size_t at = size_t(static_cast<const uint8_t*>(zero) - bytes);
        return at + 2 < count && bytes[at + 1] == 0 && bytes[at + 2] == 0 ? kEncodingUtf32 : kEncodingUtf16;
    }
    bool multiByte = false;
    for (size_t i = 0; i < end;) {
        if (bytes[i] < 0x80) {
            ++i;
            continue;
        }
        size_t size = SequenceLength(bytes, end, i);
        if (size == 0) {
            return kEncodingAnsi;
        }
        multiByte = true;
        i += size;
    }
    return multiByte ? kEncodingUtf8 : kEncodingAnsi;
}

BXString BXTextFile::Decode(const uint8_t* bytes, size_t count, int encoding)
{
    if (count == 0) {
        return BXString();
    }
    if (encoding == kEncodingDetect) {
        encoding = DetectEncoding(bytes, count);
    }
    switch (encoding) {
    case kEncodingAnsi:
        return BXString::FromAnsi(reinterpret_cast<const char*>(bytes), int32_t(count));
    case kEncodingUtf8:
        return DecodeUtf8(bytes, count);
    case kEncodingUtf8SkipMark:
        if (StartsWith(bytes, count, {0xEF, 0xBB, 0xBF})) {
            return DecodeUtf8(bytes + 3, count - 3);
        }
        return DecodeUtf8(bytes, count);
    case kEncodingUtf16:
    case kUtf16BigEndian:
        if (StartsWith(bytes, count, {0xFF, 0xFE})) {
            return DecodeUtf16(bytes + 2, count - 2, false);
        }
        if (StartsWith(bytes, count, {0xFE, 0xFF})) {
            return DecodeUtf16(bytes + 2, count - 2, true);
        }
        return DecodeUtf16(bytes, count, false);
    case kEncodingUtf32:
        return DecodeUtf32(bytes, count);
    default:
        return DecodeUtf8(bytes, count);
    }
}

std::vector<uint8_t> BXTextFile::Encode(const BXString& text, int encoding)
{
    std::vector<uint8_t> bytes;
    if (encoding == kEncodingUtf16) {
        bytes.reserve(size_t(text.GetLength()) * 2 + 2);
        bytes.push_back(0xFF);
        bytes.push_back(0xFE);
        for (BXChar c : text.View()) {
            bytes.push_back(uint8_t(c & 0xFF));
            bytes.push_back(uint8_t(c >> 8));
        }
        return bytes;
    }
    BXTextHolder<char> narrow = encoding == kEncodingAnsi ? text.ToAnsi() : text.ToUtf8();
    const uint8_t* start = reinterpret_cast<const uint8_t*>(narrow.Get());
    bytes.assign(start, start + narrow.GetLength());
    return bytes;
}

bool BXTextFile::ReadTextFile(const BXString& path, BXString& text, int encoding)
{
    text.Empty();
    BXString fileName = path;
    if (BXExtendedFileName::IsExtended(path)) {
        BXExtendedFileName extended(path);
        fileName = extended.GetFileName();
    }
    std::vector<uint8_t> bytes;
    if (fileName.IsEmpty() || !ReadFileBytes(fileName, bytes)) {
        return false;
    }
    text = Decode(bytes.data(), bytes.size(), encoding);
    return true;
}

bool BXTextFile::SaveTextFile(const BXString& text, const BXString& path, int encoding)
{
    if (path.IsEmpty()) {
        return false;
    }
    return WriteFileBytes(path, Encode(text, encoding));
}

#ifndef _WIN32

namespace {

std::filesystem::path NativePath(const BXString& path)
{
    BXTextHolder<char> utf8 = path.ToUtf8();
    return std::filesystem::path(std::string(utf8.Get(), size_t(utf8.GetLength())));
}

} // namespace

bool BXTextFile::ReadFileBytes(const BXString& path, std::vector<uint8_t>& bytes)
{
    std::ifstream file(NativePath(path), std::ios::binary);
    if (!file) {
        return false;
    }
    file.seekg(0, std::ios::end);
    std::streamoff size = file.tellg();
    if (size < 0 || uint64_t(size) > uint64_t(INT32_MAX)) {
        return false;
    }
    file.seekg(0, std::ios::beg);
    bytes.resize(size_t(size));
    return size == 0 || bool(file.read(reinterpret_cast<char*>(bytes.data()), size));
}

bool BXTextFile::WriteFileBytes(const BXString& path, const std::vector<uint8_t>& bytes)
{
    std::filesystem::path target = NativePath(path);
    std::error_code error;
    if (target.has_parent_path()) {
        std::filesystem::create_directories(target.parent_path(), error);
    }
    std::ofstream file(target, std::ios::binary | std::ios::trunc);
    if (!file) {
        return false;
    }
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    file.close();
    return bool(file);
}

#endif
