#include "archive/PackedData.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes FromText(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 generator(seed);
    Bytes bytes(size);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(generator());
    return bytes;
}

Bytes PackOrFail(const Bytes& input)
{
    Bytes output;
    EXPECT_TRUE(Pack(input, output));
    return output;
}

struct KnownStream {
    const char* name;
    Bytes raw;
    Bytes packed;
};

Bytes FiveThousandX()
{
    Bytes packed = {0x10, 0xFB, 0x00, 0x13, 0x88, 0xCD, 0x00, 0x00, 0xFF, 0x78};
    for (int k = 0; k < 3; ++k) packed.insert(packed.end(), {0xCC, 0x00, 0x00, 0xFF});
    packed.insert(packed.end(), {0xCC, 0x00, 0x00, 0x72, 0xFC});
    return packed;
}

TEST(PackedData, EncoderProducesTheKnownStreamsAndDecodesThemBack)
{
    const KnownStream streams[] = {
        {"abcabcab", FromText("abcabcab"), {0x10, 0xFB, 0, 0, 8, 0x0B, 0x02, 'a', 'b', 'c', 0xFC}},
        {"a", FromText("a"), {0x10, 0xFB, 0, 0, 1, 0xFD, 'a'}},
        {"hello", FromText("hello"), {0x10, 0xFB, 0, 0, 5, 0xE0, 'h', 'e', 'l', 'l', 0xFD, 'o'}},
        {"abcd x3", FromText("abcdabcdabcd"), {0x10, 0xFB, 0, 0, 12, 0xE0, 'a', 'b', 'c', 'd', 0x14, 0x03, 0xFC}},
        {"100 zeros", Bytes(100, 0), {0x10, 0xFB, 0, 0, 0x64, 0xC1, 0, 0, 0x5E, 0, 0xFC}},
        {"5000 x", Bytes(5000, 'x'), FiveThousandX()},
    };
    for (const auto& s : streams) {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(PackOrFail(s.raw), s.packed);
        Bytes unpacked;
        ASSERT_TRUE(Unpack(s.packed, unpacked));
        EXPECT_EQ(unpacked, s.raw);
        // The in-place forms replace the buffer on success.
        Bytes buffer = s.raw;
        ASSERT_TRUE(Pack(buffer));
        EXPECT_EQ(buffer, s.packed);
        ASSERT_TRUE(Unpack(buffer));
        EXPECT_EQ(buffer, s.raw);
    }
    EXPECT_EQ(FiveThousandX().size(), 27u);
}

TEST(PackedData, IncompressibleDataGrowsByHeaderRunBytesAndEndCode)
{
    EXPECT_EQ(PackOrFail(RandomBytes(300, 1)).size(), 309u);
    for (std::size_t n : {1u, 2u, 3u}) {
        const Bytes packed = PackOrFail(Bytes(n, 0x41));
        ASSERT_EQ(packed.size(), 6 + n);
        EXPECT_EQ(packed[5], 0xFC + n);
    }
}

TEST(PackedData, RoundTripsAcrossSizesAndShapes)
{
    std::mt19937 generator(7);
    for (int round = 0; round < 60; ++round) {
        const std::size_t size = 1 + generator() % (round < 40 ? 3000 : 300000);
        Bytes raw(size);
        // Mix of runs, repeated phrases and noise so every operation form and
        // distances past 0x10000 occur.
        for (std::size_t i = 0; i < size; ++i) {
            const unsigned pick = generator() % 8;
            if (pick < 3 && i > 0) raw[i] = raw[i - 1];
            else if (pick < 6 && i >= 70000) raw[i] = raw[i - 70000 + generator() % 3];
            else if (pick < 7 && i >= 40) raw[i] = raw[i - 40];
            else raw[i] = static_cast<std::uint8_t>(generator() % 16);
        }
        if (IsPacked(raw)) raw[0] = 0;
        Bytes packed = PackOrFail(raw);
        Bytes unpacked;
        ASSERT_TRUE(Unpack(packed, unpacked)) << "size " << size;
        ASSERT_EQ(unpacked, raw) << "size " << size;
    }
}

TEST(PackedData, HeaderTestsNeedTheLengthAndTheExactMagic)
{
    const Bytes header = {0x10, 0xFB, 0x01, 0x02, 0x03};
    EXPECT_TRUE(IsPacked(header));
    EXPECT_EQ(GetUnpackedSize(header), 0x010203u);
    EXPECT_FALSE(IsPacked(header.data(), 4));
    EXPECT_EQ(GetUnpackedSize(header.data(), 4), 0u);
    EXPECT_FALSE(IsPacked(nullptr, 5));
    EXPECT_FALSE(IsPacked(Bytes{0x11, 0xFB, 0, 0, 1}));
    EXPECT_EQ(GetUnpackedSize(Bytes{0x11, 0xFB, 0, 0, 1}), 0u);
}

TEST(PackedData, MalformedStreamsAreRefusedAndLeaveTheBufferUnchanged)
{
    const Bytes bad[] = {
        {0x11, 0xFB, 0, 0, 1, 0xFD, 'a'},           // not our magic
        {0x10, 0xFB, 0, 0},                         // shorter than a header
        {0x10, 0xFB, 0, 0, 0, 0xFC},                // nothing to produce
        {0x10, 0xFB, 0, 0, 3, 0x00, 0x00, 0xFC},    // reference before the start
        {0x10, 0xFB, 0, 0, 5, 0xFD, 'a'},           // short
        {0x10, 0xFB, 0, 0, 1, 0xFE, 'a', 'b'},      // end-code literals past the size
        {0x10, 0xFB, 0, 0, 2, 0xFE, 'a'},           // end-code literals past the input
        {0x10, 0xFB, 0, 0, 8, 0xE1, 'a', 'b'},      // literal run past the input
        {0x10, 0xFB, 0, 0, 4, 0xE0, 1, 2, 3, 4, 0x00, 0x00, 0xFC},  // reference past the size
        {0x10, 0xFB, 0, 0, 9, 0xE0, 1, 2, 3, 4, 0xC0, 0x00},        // operation cut off
    };
    for (const auto& stream : bad) {
        Bytes buffer = stream;
        EXPECT_FALSE(Unpack(buffer)) << ::testing::PrintToString(stream);
        EXPECT_EQ(buffer, stream);
    }
}

TEST(PackedData, DecoderAcceptsWhatTheFormatAllows)
{
    Bytes out;
    // A run of one value through a distance-1 reference, no end code.
    ASSERT_TRUE(Unpack(Bytes{0x10, 0xFB, 0, 0, 11, 0x01, 0x00, 'z', 0xC0, 0x00, 0x00, 0x02}, out));
    EXPECT_EQ(out, Bytes(11, 'z'));
    // End-code literals are dropped once the output is full; bytes after the
    // end code are ignored.
    ASSERT_TRUE(Unpack(Bytes{0x10, 0xFB, 0, 0, 4, 0xE0, 1, 2, 3, 4, 0xFF, 9, 9, 9, 0x77}, out));
    EXPECT_EQ(out, (Bytes{1, 2, 3, 4}));
    // Three-byte form and a four-byte form reaching back more than 0x10000.
    Bytes raw = RandomBytes(0x10010, 3);
    raw.insert(raw.end(), raw.begin(), raw.begin() + 600);
    raw[0] = 0;
    ASSERT_TRUE(Unpack(PackOrFail(raw), out));
    EXPECT_EQ(out, raw);
}

TEST(PackedData, PackRefusesWhatItCannotDescribe)
{
    for (const Bytes& input : {Bytes{}, Bytes{0x10, 0xFB, 0, 0, 1, 0xFD, 'a'}, Bytes(0x1000000, 0)}) {
        Bytes buffer = input;
        EXPECT_FALSE(Pack(buffer));
        EXPECT_EQ(buffer.size(), input.size());
        EXPECT_TRUE(buffer == input);
    }
    Bytes largest(0xFFFFFF, 0x20);
    ASSERT_TRUE(Pack(largest));
    EXPECT_EQ(GetUnpackedSize(largest), 0xFFFFFFu);
}

}  // namespace

namespace {

TEST(PackedData, StreamEndIsWhereDecodingStopsWithoutProducingAnything)
{
    // "abcabcab", then bytes behind the end code that decoding never reads.
    Bytes stream = {0x10, 0xFB, 0x00, 0x00, 0x08, 0x0B, 0x02, 0x61, 0x62, 0x63, 0xFC};
    const std::size_t end = stream.size();
    stream.insert(stream.end(), {0xE0, 1, 2, 3, 4});
    EXPECT_EQ(packed_data::StreamEnd(stream, packed_data::HeaderSize, 8), end);
    Bytes out(8);
    const packed_data::Decoded decoded = packed_data::DecodeOperations(stream, packed_data::HeaderSize, out);
    EXPECT_EQ(decoded.written, 8u);
    EXPECT_EQ(decoded.read, end);
    EXPECT_TRUE(decoded.wellFormed);
    EXPECT_EQ(out, FromText("abcabcab"));

    // A reference before the output's start stops both at the same place.
    const Bytes bad = {0x10, 0xFB, 0x00, 0x00, 0x08, 0xE0, 1, 2, 3, 4, 0x1C, 0x09, 0xFC};
    out.assign(8, 0);
    const packed_data::Decoded stopped = packed_data::DecodeOperations(bad, packed_data::HeaderSize, out);
    EXPECT_FALSE(stopped.wellFormed);
    EXPECT_EQ(stopped.written, 4u);
    EXPECT_EQ(packed_data::StreamEnd(bad, packed_data::HeaderSize, 8), stopped.read);
    EXPECT_EQ(packed_data::StreamEnd(bad, 64, 8), bad.size());
}

}  // namespace
