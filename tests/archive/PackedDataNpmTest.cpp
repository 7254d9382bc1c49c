// Our codec against the public npm codec qfs-compression 0.2.3: data/npm/
// holds the streams it made once from the inputs below (make_npm_streams.sh
// makes them again). Every input must pack to exactly those bytes, and
// every stream must unpack to its input.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "archive/PackedData.h"
#include "tests/archive/ArchiveTestSupport.h"

namespace {

using namespace archive_test;

// Deterministic inputs: text like the
// database's, noise, runs and zeros.
class CorpusMaker {
public:
    Bytes Text(std::size_t size)
    {
        static const char* const words[] = {"%INDEX%CLUB", "Name=", "Stadium", "1.FC", "Country", "\r\n",
                                            "Capital=250000", "%INDEXEND%CLUB", "Trellan", "0", "17", "=-1"};
        std::string out;
        while (out.size() < size) {
            out += words[random_() % 12];
            if (random_() % 7 == 0) out += std::to_string(random_() % 100000);
            out += random_() % 3 == 0 ? "\r\n" : " ";
        }
        out.resize(size);
        return Bytes(out.begin(), out.end());
    }

    Bytes Noise(std::size_t size)
    {
        Bytes out(size);
        for (auto& b : out) b = static_cast<std::uint8_t>(random_());
        return out;
    }

    Bytes Runs(std::size_t size)
    {
        Bytes out;
        while (out.size() < size) out.insert(out.end(), 1 + random_() % 2000, static_cast<std::uint8_t>(random_()));
        out.resize(size);
        return out;
    }

    Bytes ZeroTail(std::size_t size)
    {
        Bytes out = Text(size - std::min<std::size_t>(size / 3, 3000));
        out.resize(size, 0);
        return out;
    }

    Bytes Mixed(std::size_t size)
    {
        Bytes out = Text(size);
        for (std::size_t k = 0; k < size / 50; ++k) out[random_() % size] = static_cast<std::uint8_t>(random_());
        return out;
    }

private:
    std::mt19937 random_{20070703};
};

std::vector<Bytes> Corpus()
{
    CorpusMaker make;
    std::vector<Bytes> corpus;
    for (std::size_t size = 1; size <= 12; ++size) corpus.push_back(make.Text(size));
    for (std::size_t size : {20u, 100u, 1000u, 4095u, 65536u, 300000u}) corpus.push_back(make.Text(size));
    for (std::size_t size : {1u, 3u, 5u, 100u, 300u, 4096u, 20000u}) corpus.push_back(make.Noise(size));
    for (std::size_t size : {2u, 10u, 1000u, 100000u, 2000000u}) corpus.push_back(make.Runs(size));
    for (std::size_t size : {4u, 50u, 5000u, 200000u}) corpus.push_back(make.ZeroTail(size));
    for (std::size_t size : {100u, 5000u, 1000000u}) corpus.push_back(Bytes(size, 0));
    for (std::size_t k = 0; k < 10; ++k) corpus.push_back(make.Mixed(7 + k * k * 1500));
    for (Bytes& input : corpus) {
        if (IsPacked(input)) input[0] = 0;
    }
    return corpus;
}

std::u16string Name(std::size_t index, const char16_t* suffix)
{
    return std::u16string{static_cast<char16_t>(u'0' + index / 10), static_cast<char16_t>(u'0' + index % 10)} + suffix;
}

TEST(PackedDataNpm, EveryInputPacksToTheNpmCodecsBytesAndBack)
{
    const std::vector<Bytes> corpus = Corpus();
    for (std::size_t k = 0; k < corpus.size(); ++k) {
        SCOPED_TRACE("input " + std::to_string(k) + " of " + std::to_string(corpus[k].size()) + " bytes");
        const Bytes theirs = testing_support::ReadBytes(testing_support::SourcePath(u"tests\\archive\\data\\npm\\" + Name(k, u".qfs")));
        Bytes ours;
        ASSERT_TRUE(Pack(corpus[k], ours));
        EXPECT_TRUE(ours == theirs) << "packed sizes " << ours.size() << " and " << theirs.size();
        Bytes unpacked;
        ASSERT_TRUE(Unpack(theirs, unpacked));
        EXPECT_TRUE(unpacked == corpus[k]);
    }
}

// Run by make_npm_streams.sh only: the inputs into the folder TR_NPM_INPUTS.
TEST(PackedDataNpm, DISABLED_WriteInputs)
{
    const char* folder = std::getenv("TR_NPM_INPUTS");
    ASSERT_NE(folder, nullptr);
    const std::vector<Bytes> corpus = Corpus();
    for (std::size_t k = 0; k < corpus.size(); ++k) {
        testing_support::WriteBytes(platform::JoinPath(platform::SystemCodePageToUtf16(folder), Name(k, u".raw")), corpus[k]);
    }
}

}  // namespace
