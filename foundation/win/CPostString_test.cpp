#include "CPostString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

uint32_t U32(const uint8_t* at)
{
    uint32_t value;
    std::memcpy(&value, at, 4);
    return value;
}

void SetIndexes(BXSharedMemory& view, uint32_t read, uint32_t write)
{
    std::memcpy(view.Data() + 4, &read, 4);
    std::memcpy(view.Data() + 8, &write, 4);
}

class PostStringTest : public ::testing::Test {
protected:
    PostStringTest()
        : m_name(BXString::Formatted(u"BX Test Channel %u-%u", ::GetCurrentProcessId(), ++s_counter)),
          m_receiver(m_name, true), m_view(m_name, CPostString::kHeaderSize + CPostString::kRingSize)
    {
        m_window = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    }
    ~PostStringTest() override { ::DestroyWindow(m_window); }

    // The posted message's wParam and lParam, taken from the queue.
    bool TakeMessage(uint32_t& wParam, uint32_t& lParam)
    {
        MSG message;
        if (!::PeekMessageW(&message, m_window, CPostString::kMessage, CPostString::kMessage, PM_REMOVE))
            return false;
        wParam = uint32_t(message.wParam);
        lParam = uint32_t(message.lParam);
        return true;
    }
    std::vector<uint8_t> Snapshot() const
    {
        return std::vector<uint8_t>(m_view.Data(), m_view.Data() + m_view.GetSize());
    }

    static inline uint32_t s_counter = 0;
    BXString m_name;
    CPostString m_receiver;
    BXSharedMemory m_view;
    HWND m_window = nullptr;
};

} // namespace

TEST_F(PostStringTest, CreatorWritesTheHeader)
{
    ASSERT_TRUE(m_view.IsValid());
    EXPECT_EQ(std::memcmp(m_view.Data(), "BXPS", 4), 0);
    EXPECT_EQ(U32(m_view.Data() + 4), 0u);
    EXPECT_EQ(U32(m_view.Data() + 8), 0u);
    EXPECT_EQ(m_receiver.GetLockName(), BXString(u"Post String Lock - ") + m_name);
}

TEST_F(PostStringTest, UpTo128CharactersTravelInTheRingLongerOnesInAFile)
{
    struct Case {
        int32_t length;
        uint32_t kind;
    };
    for (const Case& c : {Case{0, 0}, Case{128, 0}, Case{129, 1}, Case{5000, 1}}) {
        SCOPED_TRACE(c.length);
        SetIndexes(m_view, 0, 0);
        BXString text;
        for (int32_t i = 0; i < c.length; ++i)
            text += BXChar(u'a' + i % 26);
        CPostString sender(m_name, false);
        ASSERT_TRUE(sender.Post(m_window, text));
        uint32_t wParam = 0;
        uint32_t lParam = 0;
        ASSERT_TRUE(TakeMessage(wParam, lParam));
        const uint8_t* entry = m_view.Data() + CPostString::kHeaderSize;
        EXPECT_EQ(entry[0], c.kind);
        EXPECT_EQ(U32(entry + 4), 0x87D0u);
        EXPECT_EQ(U32(entry + 8), wParam);
        EXPECT_EQ(U32(entry + 12), lParam);
        EXPECT_EQ(wParam, ((::GetCurrentThreadId() & 0xFF) << 16) | (::GetCurrentProcessId() & 0xFF));
        const uint32_t length = U32(entry + 16);
        EXPECT_EQ(U32(m_view.Data() + 8), CPostString::kEntryHeaderSize + length);
        const BXString payload(reinterpret_cast<const BXChar*>(entry + 20));
        EXPECT_EQ(length, 2 * uint32_t(payload.GetLength() + 1));
        if (c.kind == 0) {
            EXPECT_EQ(payload, text);
        } else {
            EXPECT_EQ(payload.EndsWith(u".pmd"), 0);
            EXPECT_GE(payload.Find(u"PostMessage"), 0);
            EXPECT_NE(::GetFileAttributesW(payload.W()), INVALID_FILE_ATTRIBUTES);
        }
        BXString received;
        uint32_t tag = 0;
        uint32_t nonce = 0;
        ASSERT_TRUE(m_receiver.Receive(received, tag, nonce));
        EXPECT_EQ(received, text);
        EXPECT_EQ(tag, wParam);
        EXPECT_EQ(nonce, lParam);
        if (c.kind == 1) {
            EXPECT_EQ(::GetFileAttributesW(payload.W()), INVALID_FILE_ATTRIBUTES); // the receiver removed it
        }
        EXPECT_FALSE(m_receiver.Receive(received, tag, nonce));
    }
}

TEST_F(PostStringTest, AWrongMagicRefusesWithoutTouchingTheRing)
{
    std::memcpy(m_view.Data(), "BXPT", 4);
    SetIndexes(m_view, 7, 7);
    const std::vector<uint8_t> before = Snapshot();
    CPostString sender(m_name, false);
    EXPECT_FALSE(sender.IsValid());
    EXPECT_FALSE(sender.Post(m_window, u"hello"));
    EXPECT_EQ(Snapshot(), before);
    uint32_t wParam = 0;
    uint32_t lParam = 0;
    EXPECT_FALSE(TakeMessage(wParam, lParam));
}

TEST_F(PostStringTest, IndexesOutsideTheRingMakeTheChannelInvalid)
{
    SetIndexes(m_view, 0, CPostString::kRingSize);
    const std::vector<uint8_t> before = Snapshot();
    CPostString sender(m_name, false);
    EXPECT_FALSE(sender.Post(m_window, u"hello"));
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(PostStringTest, AFullRingFallsBackToAFileAndFailsWhenEvenThatDoesNotFit)
{
    CPostString sender(m_name, false);
    // 150 bytes free: a 3-character entry (28 bytes) fits, a 100-character one (222) does not.
    SetIndexes(m_view, 1000 + 151, 1000);
    ASSERT_TRUE(sender.Post(m_window, u"abc"));
    EXPECT_EQ(U32(m_view.Data() + 8), 1028u);
    BXString hundred;
    for (int32_t i = 0; i < 100; ++i)
        hundred += u'x';
    ASSERT_TRUE(sender.Post(m_window, hundred));
    EXPECT_EQ(m_view.Data()[CPostString::kHeaderSize + 1028], 1); // a file entry

    // No room at all: nothing is written and no file is left behind.
    SetIndexes(m_view, 501, 500);
    const std::vector<uint8_t> before = Snapshot();
    EXPECT_FALSE(sender.Post(m_window, u"abc"));
    EXPECT_EQ(Snapshot(), before);
    wchar_t temp[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const BXString leftover =
        BXString(BXFromWide(temp)) + BXString::Formatted(u"PostMessage%u (1).pmd", ::GetCurrentThreadId());
    EXPECT_EQ(::GetFileAttributesW(leftover.W()), INVALID_FILE_ATTRIBUTES);
    ::DeleteFileW((BXString(BXFromWide(temp)) + BXString::Formatted(u"PostMessage%u.pmd", ::GetCurrentThreadId())).W());
}

TEST_F(PostStringTest, EntriesWrapAroundTheEndOfTheRing)
{
    SetIndexes(m_view, 16380, 16380);
    CPostString sender(m_name, false);
    ASSERT_TRUE(sender.Post(m_window, u"wrapped around"));
    ASSERT_TRUE(sender.Post(m_window, u"second"));
    BXString received;
    uint32_t tag = 0;
    uint32_t nonce = 0;
    ASSERT_TRUE(m_receiver.Receive(received, tag, nonce));
    EXPECT_EQ(received, BXString(u"wrapped around"));
    ASSERT_TRUE(m_receiver.Receive(received, tag, nonce));
    EXPECT_EQ(received, BXString(u"second"));
}

TEST_F(PostStringTest, NoWindowNoPost)
{
    CPostString sender(m_name, false);
    EXPECT_FALSE(sender.Post(nullptr, u"hello"));
    EXPECT_EQ(U32(m_view.Data() + 8), 0u);
}
