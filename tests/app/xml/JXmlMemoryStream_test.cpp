#include "AppTestSupport.h"
#include "app/xml/JXmlMemoryStream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::string Text(const JXmlMemoryStream& stream)
{
    return std::string(stream.GetBytes().begin(), stream.GetBytes().end());
}

HRESULT SeekTo(IStream* pStream, LONGLONG nOffset, DWORD dwOrigin, ULONGLONG* pnPosition)
{
    LARGE_INTEGER move;
    move.QuadPart = nOffset;
    ULARGE_INTEGER position = {};
    const HRESULT hr = pStream->Seek(move, dwOrigin, &position);
    *pnPosition = position.QuadPart;
    return hr;
}
} // namespace

// The DOM appends; a stream must still behave as one when it is sought, overwritten and read.
TEST(JXmlMemoryStream, WritesSeeksOverwritesAndReadsLikeAStream)
{
    Microsoft::WRL::ComPtr<JXmlMemoryStream> stream = JXmlMemoryStream::Create(4);
    ASSERT_TRUE(stream);
    ULONG n = 0;
    ASSERT_EQ(S_OK, stream->Write("hello world", 11, &n));
    EXPECT_EQ(11u, n) << "past the room made at creation";
    ULONGLONG position = 0;
    ASSERT_EQ(S_OK, SeekTo(stream.Get(), 6, STREAM_SEEK_SET, &position));
    ASSERT_EQ(S_OK, stream->Write("there!", 6, &n));
    EXPECT_EQ("hello there!", Text(*stream.Get())) << "overwrites, then appends";
    ASSERT_EQ(S_OK, SeekTo(stream.Get(), 2, STREAM_SEEK_END, &position));
    EXPECT_EQ(14u, position);
    ASSERT_EQ(S_OK, stream->Write("!", 1, &n));
    EXPECT_EQ(std::string("hello there!\0\0!", 15), Text(*stream.Get())) << "a gap reads as zeros";
    EXPECT_EQ(STG_E_INVALIDFUNCTION, SeekTo(stream.Get(), -16, STREAM_SEEK_CUR, &position))
        << "before the start";

    ASSERT_EQ(S_OK, SeekTo(stream.Get(), -9, STREAM_SEEK_CUR, &position));
    char buffer[16] = {};
    EXPECT_EQ(S_OK, stream->Read(buffer, 5, &n));
    EXPECT_EQ(std::string("there"), std::string(buffer, n));
    EXPECT_EQ(S_FALSE, stream->Read(buffer, 16, &n)) << "fewer bytes than asked at the end";
    EXPECT_EQ(4u, n);

    STATSTG stat;
    ASSERT_EQ(S_OK, stream->Stat(&stat, STATFLAG_NONAME));
    EXPECT_EQ(15u, stat.cbSize.QuadPart);
    ULARGE_INTEGER size;
    size.QuadPart = 5;
    ASSERT_EQ(S_OK, stream->SetSize(size));
    EXPECT_EQ("hello", Text(*stream.Get()));
    EXPECT_FALSE(stream->Failed());

    Microsoft::WRL::ComPtr<IStream> asStream;
    EXPECT_EQ(S_OK, stream->QueryInterface(IID_IStream, &asStream));
    Microsoft::WRL::ComPtr<IUnknown> other;
    EXPECT_EQ(E_NOINTERFACE, stream->QueryInterface(IID_IStorage, &other));
}

TEST(JXmlMemoryStream, ComparingStreamTellsWhetherTheWritesEqualTheExpectedBytes)
{
    const BYTE kExpected[] = {'<', 'r', '/', '>'};
    struct Case
    {
        std::vector<std::string> writes;
        bool matches;
    } cases[] = {
        {{"<r", "/>"}, true},    {{"<r/>"}, true},  {{"<r", "/"}, false},
        {{"<r/>", "\n"}, false}, {{"<x/>"}, false}, {{}, false},
    };
    for (const Case& c : cases)
    {
        Microsoft::WRL::ComPtr<JXmlMemoryStream> stream =
            JXmlMemoryStream::CreateComparing(kExpected, sizeof kExpected);
        ASSERT_TRUE(stream);
        std::string all;
        for (const std::string& write : c.writes)
        {
            ULONG n = 0;
            EXPECT_EQ(S_OK, stream->Write(write.data(), ULONG(write.size()), &n));
            EXPECT_EQ(write.size(), n);
            all += write;
        }
        EXPECT_EQ(c.matches, stream->MatchesExpected()) << all;
        EXPECT_TRUE(stream->GetBytes().empty()) << "keeps nothing: " << all;
    }
}
