// Opens the input as a BIG archive (raw or packed whole) and reads every
// entry; then edits a writable copy (one import, one delete), closes it and
// checks that every untouched entry reads back unchanged.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "archive/MireloBig.h"
#include "platform/Platform.h"

namespace {

struct StoredEntry {
    std::string name;
    std::vector<std::uint8_t> data;
};

void Check(bool condition)
{
    if (!condition) std::abort();
}

std::vector<StoredEntry> ReadAll(CMireloBig& big, bool unpack)
{
    std::vector<StoredEntry> entries;
    for (int k = 0; k < big.GetCount(); ++k) {
        StoredEntry e{big.GetEntry(k).name, {}};
        const bool ok = big.ReadEntry(k, e.data, unpack);
        Check(ok || unpack);
        entries.push_back(std::move(e));
    }
    return entries;
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (std::tolower(static_cast<unsigned char>(a[k])) != std::tolower(static_cast<unsigned char>(b[k]))) {
            return false;
        }
    }
    return true;
}

void EditCopy(const std::u16string& path)
{
    CMireloBig big;
    big.silent = true;
    if (!big.Open(path, false) || big.IsReadOnly()) return;
    const std::vector<StoredEntry> before = ReadAll(big, false);
    const std::string added = "fuzz-added.bin";
    const std::vector<std::uint8_t> payload(77, 0x5A);
    Check(big.ImportData(u"fuzz-added.bin", payload, true));
    const int removed = big.GetCount() > 1 && !SameNameIgnoringCase(big.GetEntry(0).name, added) ? 0 : -1;
    if (removed == 0) Check(big.DeleteEntry(0));
    Check(big.Close());

    Check(big.Open(path, true));
    const std::vector<StoredEntry> after = ReadAll(big, false);
    std::size_t j = 0;
    for (std::size_t k = 0; k < before.size(); ++k) {
        if (static_cast<int>(k) == removed) continue;
        Check(j < after.size() && after[j].name == before[k].name);
        if (!SameNameIgnoringCase(before[k].name, added)) Check(after[j].data == before[k].data);
        ++j;
    }
    std::vector<std::uint8_t> content;
    Check(big.Read(u"fuzz-added.bin", content, true) && content == payload);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::u16string folder = platform::TemporaryFolder();
    const std::u16string path = platform::CreateUniqueFile(folder, u"fuzzbig");
    if (path.empty()) return 0;
    Check(platform::WriteFileAtomic(path, std::span<const std::uint8_t>(data, size)));
    {
        CMireloBig big;
        big.silent = true;
        if (big.Open(path, true)) ReadAll(big, true);
    }
    EditCopy(path);
    platform::RemoveFile(path);
    return 0;
}
