#include "tools/admin/ClubNameFile.h"

#include "core/text/Format.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "tools/admin/ByteReader.h"

namespace {

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

}  // namespace

std::vector<std::uint8_t> CClubNameFile::Export(const TCountry& country)
{
    std::vector<std::uint8_t> out{static_cast<std::uint8_t>(country.GetId())};
    for (int index = 0; index < country.GetClubCount(); ++index) {
        const TClub* club = country.GetClubByIndex(index);
        if (club == nullptr) continue;
        PutU32(out, club->GetUniqueId());
        for (int language = 0; language < Languages; ++language) {
            const std::u16string_view name = club->GetNameForLanguage(language);
            const std::size_t length = std::min<std::size_t>(name.size(), MaxNameLength);
            PutU32(out, static_cast<std::uint32_t>(length));
            for (std::size_t i = 0; i < length; ++i) {
                out.push_back(static_cast<std::uint8_t>(name[i]));
                out.push_back(static_cast<std::uint8_t>(name[i] >> 8));
            }
        }
    }
    return out;
}

bool CClubNameFile::Read(std::span<const std::uint8_t> bytes, const TCompleteWorld& world, int country,
                         std::u16string& error)
{
    records_.clear();
    CByteReader reader(bytes);
    std::uint8_t fileCountry = 0;
    if (!reader.ReadU8(fileCountry)) {
        error = u"The club names file is empty.";
        return false;
    }
    if (fileCountry != country) {
        error = Format(u"Countries from file does not match, it should be country with id: %d", int{fileCountry});
        return false;
    }
    while (error.empty() && !reader.AtEnd()) {
        Record record;
        std::uint32_t uniqueId = 0;
        reader.ReadU32(uniqueId);
        for (std::u16string& name : record.names) {
            std::uint32_t length = 0;
            if (!reader.ReadU32(length)) break;
            if (length > MaxNameLength) {
                error = u"Invalid team name size";
                break;
            }
            name.resize(length);
            for (char16_t& c : name) {
                std::uint8_t low = 0;
                std::uint8_t high = 0;
                reader.ReadU8(low);
                reader.ReadU8(high);
                c = static_cast<char16_t>(low | (high << 8));
            }
        }
        if (!error.empty()) break;
        if (reader.Failed()) {
            error = u"The club names file ends inside a club's record.";
            break;
        }
        record.club = world.FindClubByUniqueId(uniqueId);
        if (record.club == nullptr) error = Format(u"Club with Unique team id %08X is missing", uniqueId);
        records_.push_back(std::move(record));
    }
    if (!error.empty()) records_.clear();
    return error.empty();
}

void CClubNameFile::Apply() const
{
    for (const Record& record : records_)
        for (int language = 0; language < Languages; ++language)
            record.club->SetNameForLanguage(language, record.names[language].c_str());
}
