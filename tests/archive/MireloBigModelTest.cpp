// Random edit sequences against a model of the archive: after every step the
// archive is closed, re-opened and compared with the model entry by entry,
// and its layout is checked by rules of its own.

#include <gtest/gtest.h>

#include <random>

#include "archive/MireloBig.h"
#include "archive/PackedData.h"
#include "tests/archive/ArchiveTestSupport.h"

namespace {

using namespace archive_test;

struct ModelEntry {
    std::string name;
    Bytes content;
    bool packed;
};

std::string Lower(std::string s)
{
    for (auto& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return s;
}

class Model {
public:
    int Find(const std::string& name) const
    {
        for (std::size_t k = 0; k < entries.size(); ++k) {
            if (Lower(entries[k].name) == Lower(name)) return static_cast<int>(k);
        }
        return -1;
    }

    std::vector<ModelEntry> entries;
};

class Sequence {
public:
    Sequence(unsigned seed, bool wholePacked, const std::u16string& path)
        : random_(seed), wholePacked_(wholePacked), path_(path)
    {
    }

    void Run(int steps)
    {
        ASSERT_TRUE(big_.Create(path_));
        ASSERT_TRUE(big_.Close());
        if (wholePacked_) RepackFile();
        for (int step = 0; step < steps; ++step) {
            ASSERT_TRUE(big_.Open(path_, false));
            ASSERT_FALSE(big_.IsReadOnly());
            // Several edits per session, so that what the archive keeps
            // between edits is used, not only what it finds on opening.
            std::string done;
            for (unsigned edit = Pick(4); edit < 4; ++edit) done += ApplyRandomStep() + "; ";
            SCOPED_TRACE("step " + std::to_string(step) + ": " + done);
            ASSERT_TRUE(big_.Close());
            CheckAgainstModel();
            if (HasFatalFailure()) return;
        }
    }

private:
    static bool HasFatalFailure() { return ::testing::Test::HasFatalFailure(); }

    void RepackFile()
    {
        Bytes file = testing_support::ReadBytes(path_);
        ASSERT_TRUE(Pack(file));
        testing_support::WriteBytes(path_, file);
    }

    unsigned Pick(unsigned n) { return random_() % n; }

    Bytes RandomContent()
    {
        const unsigned kind = Pick(4);
        const std::size_t size = kind == 0 ? 0 : kind == 1 ? 1 + Pick(16) : kind == 2 ? Pick(600) : Pick(5000);
        Bytes data(size);
        const unsigned alphabet = 1 + Pick(20);
        for (auto& b : data) b = static_cast<std::uint8_t>('a' + Pick(alphabet));
        return data;
    }

    std::string RandomName()
    {
        static const char* const names[] = {"Country1.sav", "country1.SAV", "script\\Lg14.txt", "SCRIPT\\lg14.txt",
                                            "a", "B", "badges\\x.tga", "zz", "Master.dat", "Rules.sav"};
        // Many names make the directory grow past the blocks behind it.
        if (Pick(3) == 0) return "entry" + std::to_string(Pick(40));
        return names[Pick(10)];
    }

    std::u16string Wide(const std::string& s) { return std::u16string(s.begin(), s.end()); }

    std::string ApplyRandomStep()
    {
        const int count = static_cast<int>(model_.entries.size());
        const unsigned op = count == 0 ? 0 : Pick(8);
        switch (op) {
        case 0:
        case 1: return Import();
        case 2: return Delete(Pick(count));
        case 3: return Rename(Pick(count));
        case 4: return PackOne(Pick(count));
        case 5: return UnpackOne(Pick(count));
        case 6: return Rebuild();
        default: return Import();
        }
    }

    std::string Import()
    {
        const std::string name = RandomName();
        const Bytes content = RandomContent();
        const bool pack = Pick(2) == 1;
        const bool expected = !(pack && content.empty());
        EXPECT_EQ(big_.ImportData(Wide(name), content, pack), expected);
        if (expected) {
            const int at = model_.Find(name);
            if (at < 0) model_.entries.push_back({name, content, pack});
            else model_.entries[at] = {model_.entries[at].name, content, pack};
        }
        return "import " + name + " (" + std::to_string(content.size()) + (pack ? " packed)" : " raw)");
    }

    std::string Delete(int index)
    {
        EXPECT_TRUE(big_.DeleteEntry(index));
        model_.entries.erase(model_.entries.begin() + index);
        return "delete " + std::to_string(index);
    }

    std::string Rename(int index)
    {
        const std::string name = RandomName();
        const bool expected = model_.Find(name) < 0;
        testing_support::MessageCapture quiet;
        EXPECT_EQ(big_.RenameEntry(index, Wide(name)), expected);
        if (expected) model_.entries[index].name = name;
        return "rename " + std::to_string(index) + " to " + name;
    }

    std::string PackOne(int index)
    {
        ModelEntry& e = model_.entries[index];
        const bool expected = !e.packed && !e.content.empty();
        EXPECT_EQ(big_.PackEntry(index), expected);
        if (expected) e.packed = true;
        return "pack " + std::to_string(index);
    }

    std::string UnpackOne(int index)
    {
        ModelEntry& e = model_.entries[index];
        EXPECT_EQ(big_.UnpackEntry(index), e.packed);
        e.packed = false;
        return "unpack " + std::to_string(index);
    }

    std::string Rebuild()
    {
        EXPECT_TRUE(big_.Rebuild());
        std::stable_sort(model_.entries.begin(), model_.entries.end(),
                         [](const ModelEntry& a, const ModelEntry& b) { return Lower(a.name) < Lower(b.name); });
        return "rebuild";
    }

    void CheckAgainstModel()
    {
        Bytes file = testing_support::ReadBytes(path_);
        ASSERT_EQ(IsPacked(file), wholePacked_);
        if (wholePacked_) {
            ASSERT_TRUE(Unpack(file));
        }
        const auto stored = CheckLayout(file);
        ASSERT_EQ(stored.size(), model_.entries.size());
        ASSERT_TRUE(big_.Open(path_, true));
        ASSERT_EQ(big_.GetCount(), static_cast<int>(model_.entries.size()));
        for (std::size_t k = 0; k < stored.size(); ++k) {
            const ModelEntry& expected = model_.entries[k];
            EXPECT_EQ(stored[k].name, expected.name);
            const Bytes block = BlockOf(file, stored[k]);
            EXPECT_EQ(IsPacked(block), expected.packed) << expected.name;
            Bytes content;
            ASSERT_TRUE(big_.ReadEntry(static_cast<int>(k), content, true));
            EXPECT_EQ(content, expected.content) << expected.name;
        }
        ASSERT_TRUE(big_.Close());
    }

    std::mt19937 random_;
    bool wholePacked_;
    std::u16string path_;
    CMireloBig big_;
    Model model_;
};

TEST(MireloBigModel, RandomEditSequencesMatchTheModel)
{
    LoadTexts();
    testing_support::MessageCapture messages;
    for (unsigned seed = 1; seed <= 120; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        testing_support::TempFolder folder;
        Sequence(seed, seed % 3 == 0, folder.File(u"model.big")).Run(10);
        if (::testing::Test::HasFatalFailure()) return;
        EXPECT_EQ(OtherFiles(folder.Path(), {u"model.big"}), std::vector<std::u16string>{});
    }
    EXPECT_TRUE(messages.Messages().empty());
}

}  // namespace
