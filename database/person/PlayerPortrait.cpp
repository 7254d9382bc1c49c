#include "database/person/PlayerPortrait.h"

#include <algorithm>
#include <cstring>

#include "archive/MireloBig.h"
#include "core/text/Format.h"
#include "database/club/Club.h"
#include "database/person/Person.h"
#include "platform/Platform.h"

namespace {

constexpr std::u16string_view ArchiveFolder = u"art\\picture\\";
constexpr char16_t ArchiveName[] = u"art_02.big";

// Folds of 192..255 (the Latin-1 letters); below 192 other rules apply.
constexpr char16_t HighFolds[] = u"AAAAAAAAEEEEIIIIENOOOOOXOUUUUYTsaaaaaaaceeeeiiiienooooooouuuuyty";
static_assert(sizeof HighFolds / sizeof HighFolds[0] == 64 + 1);

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool LessNoCase(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
}

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix)
{
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char16_t a = text[i] >= u'A' && text[i] <= u'Z' ? text[i] - u'A' + u'a' : text[i];
        if (a != prefix[i]) return false;
    }
    return true;
}

std::u16string WithoutBlanks(std::u16string_view text)
{
    std::u16string result(text);
    std::erase(result, u' ');
    return result;
}

void ToBackslashes(std::u16string& path)
{
    std::replace(path.begin(), path.end(), u'/', u'\\');
}

}  // namespace

TPortraitPerson PortraitOf(const TPerson& person)
{
    TPortraitPerson portrait;
    portrait.pseudonym = person.GetPseudonym();
    portrait.lastName = person.GetLastName();
    portrait.firstName = person.GetFirstName();
    portrait.birthDate = person.GetBirthDate();
    portrait.pictureId = person.GetEmpicsId();
    return portrait;
}

char16_t FoldPortraitChar(char16_t c)
{
    const unsigned low = c & 0xFFu;
    if (low == 0) return 0;
    if (low < 32) return u' ';
    if (low < 192) return static_cast<char16_t>(low);
    return HighFolds[low - 192];
}

bool CPortraitArchiveIndex::Build(std::u16string_view path)
{
    names_.clear();
    CMireloBig archive;
    archive.silent = true;
    if (!archive.Open(path, true)) return false;
    std::size_t pool = 0;
    for (int i = 0; i < archive.GetCount() && names_.size() < MaxNames && pool < PoolLimit; ++i) {
        const std::string& name = archive.GetEntry(i).name;
        if (name.size() < ArchiveFolder.size()) continue;
        bool inFolder = true;
        for (std::size_t k = 0; k < ArchiveFolder.size() && inFolder; ++k)
            inFolder = LowerAscii(name[k]) == static_cast<char>(ArchiveFolder[k]);
        if (!inFolder) continue;
        names_.push_back(name.substr(ArchiveFolder.size()));
        pool += names_.back().size() + 1;
    }
    std::stable_sort(names_.begin(), names_.end(), LessNoCase);
    return true;
}

bool CPortraitArchiveIndex::Contains(std::string_view fileName) const
{
    const auto found = std::lower_bound(names_.begin(), names_.end(), fileName,
                                        [](const std::string& a, std::string_view b) { return LessNoCase(a, b); });
    return found != names_.end() && !LessNoCase(fileName, *found);
}

const CPortraitArchiveIndex& CPortraitArchiveIndex::Shared()
{
    static CPortraitArchiveIndex index;
    static std::once_flag built;
    std::call_once(built, [] { index.Build(ArchiveName); });
    return index;
}

bool PortraitFileExists(std::u16string& path, const CPortraitArchiveIndex& index)
{
    std::u16string native = path;
    ToBackslashes(native);
    if (platform::FileExists(native)) return true;
    if (!StartsWithNoCase(path, u"art")) return false;
    const std::size_t slash = path.find_last_of(u"/\\");
    const auto name = platform::Utf16ToSystemCodePage(slash == std::u16string::npos ? path : path.substr(slash + 1));
    if (!name || !index.Contains(*name)) return false;
    ToBackslashes(path);
    return true;
}

bool PortraitFileExists(std::u16string& path)
{
    return PortraitFileExists(path, CPortraitArchiveIndex::Shared());
}

std::u16string GetPlayerPortraitPath(const TPortraitPerson& person, bool check, const CPortraitArchiveIndex& index)
{
    const std::u16string name = WithoutBlanks(
        !person.pseudonym.empty() ? person.pseudonym : person.lastName + person.firstName.substr(0, 2));
    std::u16string born;
    if (person.birthDate.IsSet()) {
        born = Format(u"%02d%02d%04d", static_cast<int>(person.birthDate.GetDay()),
                      static_cast<int>(person.birthDate.GetMonth()), static_cast<int>(person.birthDate.GetYear()));
    }
    std::u16string candidate = u"user/picture/" + name + born + u".tga";
    if (check && PortraitFileExists(candidate, index)) return candidate;

    std::u16string folded = name;
    std::transform(folded.begin(), folded.end(), folded.begin(), FoldPortraitChar);
    if (!check) return folded + born + u".tga";

    std::vector<std::u16string> candidates = {u"user/picture/" + folded + born + u".tga"};
    if (!born.empty()) candidates.push_back(u"user/picture/" + folded + u".tga");
    if (person.pictureId != 0) {
        const std::u16string stem = Format(u"art/picture/emp-%d", static_cast<int>(person.pictureId));
        candidates.push_back(stem + u".tpi");
        candidates.push_back(stem + u".tga");
    }
    candidates.push_back(u"art/picture/" + folded + born + u".tpi");
    // Found on disk, this one is named with backslashes all the same.
    const std::size_t datedGamePicture = candidates.size();
    candidates.push_back(u"art/picture/" + folded + born + u".tga");
    if (!born.empty()) {
        candidates.push_back(u"art/picture/" + folded + u".tpi");
        candidates.push_back(u"art/picture/" + folded + u".tga");
    }
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        std::u16string& path = candidates[i];
        if (!PortraitFileExists(path, index)) continue;
        if (i == datedGamePicture) ToBackslashes(path);
        return path;
    }
    return {};
}

std::u16string GetPlayerPortraitPath(const TPortraitPerson& person, bool check)
{
    return GetPlayerPortraitPath(person, check, CPortraitArchiveIndex::Shared());
}

std::size_t PortraitBufferBytes(std::int64_t width, std::int64_t height)
{
    if (width < 1 || height < 1 || width > MaxPortraitSide || height > MaxPortraitSide) return 0;
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4u;
}

void PremultiplyAlpha(std::uint8_t* pixels, std::size_t pixelCount)
{
    for (std::size_t i = 0; i < pixelCount; ++i) {
        std::uint8_t* pixel = pixels + 4 * i;
        for (int channel = 0; channel < 3; ++channel) pixel[channel] = static_cast<std::uint8_t>(pixel[channel] * pixel[3] / 255);
    }
}

namespace {

std::string HomeKitTexture(const TClub& club)
{
    char path[KitBlockPathBytes] = {};
    club.GetKitFileName(true, path, sizeof path);
    return std::string(path, strnlen(path, sizeof path));
}

}  // namespace

THeadOptions BuildHeadOptions(const TPortraitHead& head, const TClub* club)
{
    THeadOptions options{};
    if (head.faceId != 0) {
        options[0] = head.faceId;
    } else {
        options[1] = head.hairstyle;
        options[2] = head.hairColour;
        options[3] = head.facialHair;
        options[4] = head.face;
    }
    if (club != nullptr) {
        options[7] = club->GetQaroId();
        options[8] = platform::FileExists(platform::SystemCodePageToUtf16(HomeKitTexture(*club))) ? 1 : 0;
    }
    return options;
}

TKitBlock BuildHeadKitBlock(const TClub* club)
{
    if (club == nullptr) return TKitBlock{};
    return BuildKitBlock(GetKitLook(*club->GetKit(), 0), HomeKitTexture(*club));
}
