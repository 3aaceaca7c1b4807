// Reference-counted UTF-16 string: one pointer to NUL-terminated characters
// preceded by a BXStringHeader. Copies share the buffer until one of them is
// modified. Never null; bad indexes clamp, do nothing or give -1; only a failed
// allocation throws. A value is not safe for concurrent modification.
#pragma once

#include "BXStringHeader.h"
#include "BXTextHolder.h"
#include "BXTypes.h"

#include <cstddef>
#include <iosfwd>
#include <string_view>
#include <type_traits>
#include <vector>

class BXString {
public:
    // A typed format argument: a type code and a 64-bit value.
    struct FormatArg {
        enum Type : int32_t {
            kNone = 0,
            kUtf8 = 1,    // const char*, UTF-8
            kWide = 2,    // const BXChar*
            kString = 3,  // const BXString*
            kInteger = 4, // int64_t
            kDouble = 5,  // double
        };
        int32_t m_type;
        // Size in bytes of an integer's source type: x, X and u show a negative
        // 32-bit value as 32 bits (a HRESULT as 80004005, not ffffffff80004005).
        int32_t m_integerBytes;
        union {
            const char* m_utf8;
            const BXChar* m_wide;
            const BXString* m_string;
            int64_t m_integer;
            double m_double;
        };
    };

    // --- Construction and assignment -------------------------------------
    BXString() noexcept;
    BXString(const BXChar* text);
    // Exactly count units (they may contain 0 units); a negative count means up to the terminator.
    BXString(const BXChar* text, int32_t count);
    explicit BXString(BXChar c);
    BXString(const BXString& other);
    BXString(BXString&& other) noexcept;
    ~BXString();

    BXString& operator=(const BXString& other);
    BXString& operator=(BXString&& other) noexcept;
    BXString& operator=(const BXChar* text);

    void Assign(const BXChar* text, int32_t count = -1);
    // With honourBOM, a leading 0xFFFE is dropped and the rest byte-swapped, a
    // leading 0xFEFF is dropped; otherwise the text is copied as it is.
    void AssignWithBOM(const BXChar* text, int32_t length, bool honourBOM);
    // The same for text in 32-bit units, each truncated to 16 bits.
    void AssignWithBOM(const char32_t* text, int32_t length, bool honourBOM);
    // UTF-8 decoding; stops at a 0 byte or after byteCount bytes (-1: only at the 0 byte).
    void AssignUtf8(const char* bytes, int32_t byteCount = -1);
    static BXString FromUtf8(const char* bytes, int32_t byteCount = -1);
    // Each byte becomes the unit of the same value.
    static BXString FromNarrow(const char* bytes);
    // ANSI code page text (Windows-1252 outside Windows).
    static BXString FromAnsi(const char* text, int32_t byteCount = -1);

    // --- Buffer access ----------------------------------------------------
    int32_t GetLength() const { return Header()->m_length; }
    bool IsEmpty() const { return Header()->m_length == 0; }
    const BXChar* GetString() const { return m_chars; }
    std::u16string_view View() const { return std::u16string_view(m_chars, size_t(GetLength())); }
    // The unit at index, 0 for an index outside the string.
    BXChar GetAt(int32_t index) const { return index >= 0 && index < GetLength() ? m_chars[index] : BXChar(0); }
    BXChar operator[](int32_t index) const { return GetAt(index); }

    // Writable characters with room for at least `room` units (-1: the current
    // length) plus the terminator; the buffer stays exclusive until ReleaseBuffer.
    BXChar* GetBuffer(int32_t room = -1, bool exact = false, bool keepContents = true);
    // Writes the terminator at length (-1: measure up to the first 0 unit) and ends the exclusive state.
    void ReleaseBuffer(int32_t length = -1);
    void Empty();

    int32_t GetCapacity() const { return Header()->m_capacity; }
    int32_t GetRefCount() const { return Header()->m_refCount; }

    // --- Comparison -------------------------------------------------------
    int Compare(const BXChar* text) const;
    int Compare(const BXString& other) const;
    int CompareNoCase(const BXChar* text) const;
    int CompareNoCase(const BXString& other) const { return CompareNoCase(other.GetString()); }
    bool operator==(const BXString& other) const;
    bool operator==(const BXChar* text) const;
    bool operator<(const BXString& other) const { return Compare(other) < 0; }

    // --- Append and edit --------------------------------------------------
    void Append(const BXChar* text, int32_t count = -1);
    void Append(const BXString& text);
    void Append(BXChar c);
    // Up to four pieces with one growth.
    void AppendMany(const BXString& a, const BXString& b, const BXString& c = BXString(),
                    const BXString& d = BXString());
    BXString& operator+=(const BXString& text)
    {
        Append(text);
        return *this;
    }
    BXString& operator+=(const BXChar* text)
    {
        Append(text);
        return *this;
    }
    BXString& operator+=(BXChar c)
    {
        Append(c);
        return *this;
    }

    // An index of GetLength() appends; a larger or negative one does nothing.
    void Insert(int32_t index, BXChar c);
    void Insert(int32_t index, const BXChar* text, int32_t count = -1);
    void Insert(int32_t index, const BXString& text) { Insert(index, text.GetString(), text.GetLength()); }
    // Deletes count units from index; both clamped to the string.
    void Delete(int32_t index, int32_t count);
    void DeleteLeft(int32_t count);
    void DeleteRight(int32_t count);
    void DeleteLeftRight(int32_t left, int32_t right);
    // Deletes everything up to and including index.
    void DeleteUpTo(int32_t index);
    // An index outside the string does nothing; a 0 unit truncates the string there.
    void SetAt(int32_t index, BXChar c);
    // Removes every occurrence; returns how many.
    int32_t Remove(BXChar c);
    // Replaces every occurrence; returns how many. Copies nothing when there is none.
    int32_t ReplaceChar(BXChar from, BXChar to);

    // --- Extraction -------------------------------------------------------
    BXString Mid(int32_t start) const;
    BXString Mid(int32_t start, int32_t count) const;
    BXString Left(int32_t count) const;
    BXString Right(int32_t count) const;
    // Text before the first unit of set (the whole string when none occurs).
    BXString LeftOfFirst(const BXChar* set) const;
    // Text after the last unit of set (the whole string when none occurs).
    BXString RightOfLast(const BXChar* set) const;

    // --- Search (indexes; -1 when absent) -----------------------------------
    int32_t Find(const BXChar* text, int32_t start = 0) const;
    int32_t Find(BXChar c, int32_t start = 0) const;
    int32_t Find(const BXString& text, int32_t start = 0) const { return Find(text.GetString(), start); }
    // Case-insensitive through the installed text service (case-sensitive without one).
    // With returnEnd, the index after the match. -1 when start is outside the string.
    int32_t FindNoCase(const BXChar* text, int32_t start = 0, bool returnEnd = false) const;
    int32_t FindNoCase(const BXString& text, int32_t start = 0, bool returnEnd = false) const
    {
        return FindNoCase(text.GetString(), start, returnEnd);
    }
    bool ContainsNoCase(const BXChar* text) const;
    bool ContainsNoCase(const BXString& text) const { return ContainsNoCase(text.GetString()); }
    int32_t ReverseFind(BXChar c) const;
    // First unit that belongs to set at or after start (by default a carriage return or line feed).
    int32_t FindOneOf(const BXChar* set = u"\r\n", int32_t start = 0) const;
    // Last unit of set at or before start; a start outside the string searches from the end.
    int32_t ReverseFindOneOf(int32_t start = -1, const BXChar* set = u"\\/") const;
    // NOTE: a comparison result: 0 when the string ends with text, nonzero otherwise.
    int EndsWith(const BXChar* text, bool caseSensitive = true) const;
    // The first begin...end pair at or after startPos; see the implementation for the rules.
    bool FindEnclosed(const BXChar* begin, const BXChar* end, int32_t startPos, bool inclusive, bool nesting,
                      bool allowUnterminated, int32_t& outStart, int32_t& outEnd) const;
    // Text strictly inside the first begin...end pair (empty when there is none).
    BXString Between(const BXChar* begin, const BXChar* end, bool allowUnterminated = false) const;
    // Removes every <!-- ... --> (nested) range; returns the number of ranges.
    int32_t RemoveComments();

    // --- Trim -------------------------------------------------------------
    void TrimLeft();
    void TrimRight();
    void Trim();
    void TrimLeft(const BXChar* set);
    void TrimRight(const BXChar* set);
    // Leading slashes and backslashes.
    void TrimLeadingSlashes();
    void TrimTrailingBackslashes();

    // --- Paths ------------------------------------------------------------
    // Cuts after the last backslash (kept); false and unchanged when there is none.
    bool StripFileName();
    // Exactly one backslash between the string and name; name's own trailing backslash is dropped.
    void AppendPath(const BXChar* name);
    void AppendPath(const BXString& name) { AppendPath(name.GetString()); }
    bool HasTrailingBackslash() const;
    // Whether the string ends with pattern, where a 0 unit matches any unit and a 1 unit any hex digit.
    bool EndsWithPattern(const BXChar* pattern, int32_t patternLength) const;

    // --- Case -------------------------------------------------------------
    // Copies the buffer only when some unit changes.
    void MakeLower();

    // --- Replace ----------------------------------------------------------
    // Replaces every non-overlapping occurrence of any pattern (leftmost first,
    // the earlier pattern on a tie) by prefix + replacement (or the matched
    // text with keepMatched) + suffix. Returns the number of hits; 0 and no
    // change when count < 1 or a pattern is null or empty.
    int32_t Replace(const BXChar* const* patterns, const BXChar* const* replacements, int32_t count, bool caseSensitive,
                    bool keepMatched = false, const BXChar* prefix = nullptr, const BXChar* suffix = nullptr);
    int32_t Replace(const BXChar* pattern, const BXChar* replacement, bool caseSensitive = true);

    // --- Formatting -------------------------------------------------------
    // "%[ ][width][.precision][l|I64]conv" with conv one of % c d i u x X p h f s.
    // A missing argument, or one whose type the conversion does not take,
    // formats as nothing. Without arguments the format is copied as it is.
    void Format(const BXChar* format, const FormatArg* args, int32_t count);
    void Format(const BXChar* format, FormatArg* args, int32_t count)
    {
        Format(format, static_cast<const FormatArg*>(args), count);
    }
    template <typename... Args> void Format(const BXChar* format, const Args&... args)
    {
        if constexpr (sizeof...(Args) == 0) {
            Format(format, static_cast<const FormatArg*>(nullptr), 0);
        } else {
            const FormatArg list[] = {MakeFormatArg(args)...};
            Format(format, list, int32_t(sizeof...(Args)));
        }
    }
    template <typename... Args> void AppendFormat(const BXChar* format, const Args&... args)
    {
        BXString piece;
        piece.Format(format, args...);
        Append(piece);
    }
    template <typename... Args> static BXString Formatted(const BXChar* format, const Args&... args)
    {
        BXString result;
        result.Format(format, args...);
        return result;
    }

    static FormatArg MakeFormatArg(const char* v)
    {
        FormatArg arg{};
        arg.m_type = FormatArg::kUtf8;
        arg.m_utf8 = v;
        return arg;
    }
    static FormatArg MakeFormatArg(const BXChar* v)
    {
        FormatArg arg{};
        arg.m_type = FormatArg::kWide;
        arg.m_wide = v;
        return arg;
    }
    static FormatArg MakeFormatArg(const BXString& v)
    {
        FormatArg arg{};
        arg.m_type = FormatArg::kString;
        arg.m_string = &v;
        return arg;
    }
    static FormatArg MakeFormatArg(std::nullptr_t) { return MakeFormatArg(static_cast<const BXChar*>(nullptr)); }
    static FormatArg MakeFormatArg(const void* v) { return MakeFormatArg(int64_t(reinterpret_cast<uintptr_t>(v))); }
    static FormatArg MakeFormatArg(const FormatArg*) = delete; // use Format(format, args, count)
    template <typename T>
    requires(std::is_integral_v<T> || std::is_enum_v<T>) static FormatArg MakeFormatArg(T v)
    {
        FormatArg arg{};
        arg.m_type = FormatArg::kInteger;
        arg.m_integerBytes = int32_t(sizeof(T));
        arg.m_integer = int64_t(v);
        return arg;
    }
    template <typename T>
    requires std::is_floating_point_v<T>
    static FormatArg MakeFormatArg(T v)
    {
        FormatArg arg{};
        arg.m_type = FormatArg::kDouble;
        arg.m_double = double(v);
        return arg;
    }
#if defined(_WIN32)
    static FormatArg MakeFormatArg(const wchar_t* v)
    {
        return MakeFormatArg(reinterpret_cast<const BXChar*>(v));
    }
#endif

    // --- Numbers ----------------------------------------------------------
    int32_t ToInt() const;
    double ToDouble(int32_t* consumed = nullptr) const;
    uint32_t FromHex() const;
    static BXString FromInt(int64_t value, int32_t radix = 10);
    static BXString FromUInt(uint64_t value, int32_t radix = 10);
    static BXChar GetDecimalSeparator();

    // --- Narrow text and copies -------------------------------------------
    BXTextHolder<char> ToAnsi() const;
    BXTextHolder<char> ToUtf8() const;
    BXTextHolder<BXChar> ToWideCopy() const;

    // --- Encodings --------------------------------------------------------
    static BXString Base64Encode(const void* bytes, int32_t count);
    std::vector<uint8_t> Base64Decode() const;
    // Appends "(" length ":" text ")".
    void AppendToken(const BXChar* text, int32_t count = -1);
    void AppendToken(const BXString& text)
    {
        AppendToken(text.GetString(), text.GetLength());
    }
    // Reads the token at position and moves position past it; false (output
    // emptied, position unchanged) for a malformed token.
    bool ReadToken(int32_t& position, BXString& out) const;
    bool ReadToken(int32_t& position, int32_t& outValue) const;
    bool IsToken() const;
    static BXString NewGuidString();

#if defined(_WIN32)
    explicit BXString(const wchar_t* text);
    // The characters as wchar_t for the W functions of Windows.
    const wchar_t* W() const;
#endif

private:
    BXStringHeader* Header() const
    {
        return BXStringHeader::FromChars(m_chars);
    }
    static void Release(BXChar* chars);
    static BXChar* EmptyChars();
    void AppendPieces(const BXChar* const* pieces, const int32_t* lengths, int32_t count);
    void SetPrivateCopy(const BXChar* text, int32_t length);

    BXChar* m_chars;
};

static_assert(sizeof(BXString) == sizeof(void*), "a BXString is one pointer");

// Prints the text as UTF-8 (GoogleTest finds it for failure messages).
void PrintTo(const BXString& text, std::ostream* out);

BXString operator+(const BXString& a, const BXString& b);
BXString operator+(const BXString& a, const BXChar* b);
BXString operator+(const BXChar* a, const BXString& b);

#if defined(_WIN32)
static_assert(sizeof(wchar_t) == sizeof(BXChar), "Windows wide characters are UTF-16 units");
// The one view through which strings reach the W functions of Windows.
inline const wchar_t* BXWide(const BXString& text)
{
    return reinterpret_cast<const wchar_t*>(text.GetString());
}
inline const wchar_t* BXWide(const BXChar* text)
{
    return reinterpret_cast<const wchar_t*>(text);
}
inline wchar_t* BXWide(BXChar* text)
{
    return reinterpret_cast<wchar_t*>(text);
}
inline const BXChar* BXFromWide(const wchar_t* text)
{
    return reinterpret_cast<const BXChar*>(text);
}
inline BXChar* BXFromWide(wchar_t* text)
{
    return reinterpret_cast<BXChar*>(text);
}
inline const wchar_t* BXString::W() const
{
    return BXWide(*this);
}
#endif
