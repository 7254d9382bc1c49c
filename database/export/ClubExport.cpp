#include "database/export/ClubExport.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "archive/BadgeLookup.h"
#include "core/files/TabbedConfig.h"
#include "database/club/Club.h"
#include "database/club/ClubBadge.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/country/CountryCompetitions.h"
#include "database/world/GameIdMaps.h"
#include "database/export/MasterWriter.h"
#include "database/person/NameList.h"
#include "database/person/Person.h"
#include "database/club/ReferenceLists.h"
#include "database/club/Referee.h"
#include "database/club/Sponsor.h"
#include "database/club/Stadium.h"

namespace {

constexpr std::uint32_t ClubTag = 0x42554C43;  // "CLUB"
constexpr std::size_t ExportShortNameLength = 10;
constexpr std::size_t AddressLength = 255;
constexpr std::uint16_t FirstHistoryYear = 1800;
// The history texts in the order of the block.
constexpr int HistoryExportOrder[TClub::HistoryTextCount] = {0, 1, 2, 3, 5, 4, 6, 7};
// Records 0 and 2 are wins (the larger count first), the others defeats.
constexpr bool RecordLargerFirst[TClub::RecordCount] = {true, false, true, false, false};
constexpr std::int32_t MinimumClubValues[] = {1000, 100, 100};
constexpr std::uint8_t LeagueFlagsBase = 0x60;
// A stadium capacity of this or less stands for none.
constexpr std::uint32_t NoCapacity = 10;
constexpr std::uint32_t ClubDefaultCapacity = 8000;

constexpr std::uint8_t ColourListCount = 3;
constexpr std::int32_t MaxColourEntries = 255;
constexpr std::uint32_t OpaqueColour = 0xFF000000;
constexpr std::uint8_t GuiColourRows = 64;
constexpr int GuiColourColumns = 4;

constexpr int StadiumStandOrder[TStadium::StandCount] = {0, 4, 2, 6, 1, 7, 3, 5};

std::u16string_view Prefix(std::u16string_view text, std::size_t length)
{
    return text.substr(0, std::min(text.size(), length));
}

// A short name of fewer than two characters is replaced by the name.
std::u16string_view ExportShortName(const char16_t* shortName, const char16_t* name)
{
    const std::u16string_view shortText(shortName);
    return Prefix(shortText.size() < 2 ? std::u16string_view(name) : shortText, ExportShortNameLength);
}

void ReplaceAll(std::u16string& text, std::u16string_view from, char16_t to)
{
    for (std::size_t at = text.find(from); at != std::u16string::npos; at = text.find(from, at + 1)) {
        text.replace(at, from.size(), 1, to);
    }
}

// Degrees * 60 + minutes, negative for west and south.
std::int32_t ExportCoordinate(bool negative, int degrees, int minutes)
{
    const std::int32_t value = degrees * 60 + minutes;
    return negative ? -value : value;
}

// The integer a list item begins with, blanks and a sign allowed before
// its digits; a value beyond 65535 reads as 65536, which no u16 holds.
std::int32_t LeadingYear(std::u16string_view item)
{
    std::size_t at = item.find_first_not_of(u" \t");
    if (at == std::u16string_view::npos) return 0;
    bool negative = false;
    if (item[at] == u'-' || item[at] == u'+') negative = item[at++] == u'-';
    std::int32_t value = 0;
    for (; at < item.size() && item[at] >= u'0' && item[at] <= u'9'; ++at) {
        value = std::min(value * 10 + (item[at] - u'0'), 0x10000);
    }
    return negative ? -value : value;
}

// A national team's ground grows with the number of its country's clubs.
std::uint32_t NationalTeamDefaultCapacity(int clubs)
{
    return clubs < 8 ? 25000 : clubs < 12 ? 35000 : clubs < 40 ? 55000 : 75000;
}

}  // namespace

TClubExportCache::TClubExportCache(const CBadgeSources& badges) : badges_(badges)
{
}

const TClubExportCache::TEntry* TClubExportCache::Find(const TClub& club) const
{
    const auto found = entries_.find(&club);
    return found != entries_.end() ? &found->second : nullptr;
}

void TClubExportCache::Settle(const TClub& club, std::uint32_t blockSize, std::u16string badgeFile)
{
    entries_[&club] = TEntry{blockSize, std::move(badgeFile)};
}

// A year that does not fit its u16 ends the list as well.
void ExportYearList(CMasterWriter& writer, std::u16string_view text)
{
    if (!text.empty() && text.front() == u'"') text.remove_prefix(1);
    const bool startsWithDigit = !text.empty() && text.front() >= u'0' && text.front() <= u'9';
    while (startsWithDigit) {
        const std::size_t comma = text.find(u',');
        const std::int32_t year = LeadingYear(text.substr(0, comma));
        if (year < FirstHistoryYear || year > 0xFFFF) break;
        writer.WriteU16(static_cast<std::uint16_t>(year));
        if (comma == std::u16string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    writer.WriteU16(0);
}

std::u16string GetExportAddress(std::u16string_view address)
{
    std::u16string lines(address);
    ReplaceAll(lines, u"  ", u'\n');
    ReplaceAll(lines, u", ", u'\n');
    lines.resize(std::min(lines.size(), AddressLength));
    return lines;
}

void ExportClubValues(const TClub& club, CMasterWriter& writer)
{
    for (int index = 0; index < static_cast<int>(std::size(MinimumClubValues)); ++index) {
        writer.WriteI32(std::max(static_cast<std::int32_t>(club.GetClubValue(index)), MinimumClubValues[index]));
    }
}

std::u16string GetNormalisedBadgePath(std::u16string_view path)
{
    std::u16string upper(path);
    for (char16_t& c : upper) {
        const bool latin1Lower = (c >= 0xE0 && c <= 0xFE && c != 0xF7);
        if ((c >= u'a' && c <= u'z') || latin1Lower) c = static_cast<char16_t>(c - 0x20);
        if (c == u'\\') c = u'/';
    }
    for (std::u16string_view folder : {u"BADGE256", u"BADGE%D"}) {
        for (std::size_t at = upper.find(folder); at != std::u16string::npos; at = upper.find(folder, at + 1)) {
            upper.replace(at, folder.size(), u"Badge%d");
        }
    }
    return upper;
}

class CClubChunkWriter {
public:
    CClubChunkWriter(TClub& club, CMasterWriter& writer) : c_(club), w_(writer) {}

    // The club's own badge path when all its sizes lie on disk or in the
    // archive, else the generic badge of its colours.
    std::u16string ChooseBadgeFile(const CBadgeSources& badges) const
    {
        if (c_.badgePath_[0] != 0 && CheckClubBadgeFiles(c_.badgePath_, AllBadgeSizes, badges) != 0) {
            return GetNormalisedBadgePath(c_.badgePath_);
        }
        return GetGenericBadgePath(c_.badgeParams_[0]);
    }

    void WriteBody(std::u16string_view badgeFile)
    {
        w_.WriteU32(ClubTag);
        w_.WriteU32(c_.uniqueId_);
        WriteNames();
        WriteContacts();
        WriteClubIds();
        w_.WriteU16(c_.foundationYear_);
        w_.WriteI32(ExportCoordinate(c_.IsLatitudeSouth(), c_.GetLatitudeDegrees(), c_.GetLatitudeMinutes()));
        w_.WriteI32(ExportCoordinate(c_.IsLongitudeWest(), c_.GetLongitudeDegrees(), c_.GetLongitudeMinutes()));
        w_.WriteString(badgeFile);
        w_.WriteU32(c_.qaroId_);
        c_.badgeParams_[3] = c_.badgeParams_[4];
        w_.WriteBytes(c_.badgeParams_, sizeof c_.badgeParams_);
        w_.WriteU8(LeagueLevelAndStartFlags());
        WriteFinances();
        WriteHistory();
        w_.WriteU8(c_.prestigeNational_);
        w_.WriteU8(c_.prestigeInternational_);
        WriteSquad();
        w_.WriteU32(0);
        WriteValuesAndExtras();
        WriteGround();
        c_.kit_.ExportKit(w_);
        w_.WriteU32Array(c_.lowestLeagues_, TClub::LowestLeagueCount);
    }

private:
    void WriteNames()
    {
        for (int language = 0; language < TClub::LanguageCount; ++language) {
            w_.WriteString(c_.names_[language]);
            w_.WriteString(ExportShortName(c_.shortNames_[language], c_.names_[language]));
            w_.WriteString(c_.secondNames_[language]);
            w_.WriteString(ExportShortName(c_.secondShortNames_[language], c_.secondNames_[language]));
        }
        w_.WriteBlock(c_.nameArticles_, sizeof c_.nameArticles_);
        w_.WriteBytes(c_.phraseUsage_, sizeof c_.phraseUsage_);
        w_.WriteBytes(c_.secondPhraseUsage_, sizeof c_.secondPhraseUsage_);
        for (int language = 0; language < TClub::LanguageCount; ++language) {
            w_.WriteString(c_.abbreviations_[language]);
            w_.WriteString(c_.towns_[language]);
        }
    }

    void WriteContacts()
    {
        w_.WriteString(c_.fanName1_);
        w_.WriteString(c_.fanName2_);
        w_.WriteString(c_.mascot_);
        w_.WriteString(GetExportAddress(c_.address_));
        w_.WriteString(c_.telephone_);
        w_.WriteString(c_.website_);
        w_.WriteString(c_.fansites_);
    }

    void WriteClubIds()
    {
        const TGameIdMaps& maps = GetGameIdMaps();
        // The database keeps another country's clubs; the game holds none.
        for (TTeamId club : c_.GetHomeCountryReferences()) w_.WriteU32(maps.GetExportClubId(club));
    }

    // The start flags with two bits set, the level of the club's league in
    // the high four bits.
    std::uint8_t LeagueLevelAndStartFlags() const
    {
        std::uint8_t value = c_.gameStartFlags_ | LeagueFlagsBase;
        TCountry* country = c_.GetCountry();
        const CDBCompetitionBase* league =
            country != nullptr ? GetLeagueOfTeamUpToGap(country->GetCompetitionRegistry(), c_.id_) : nullptr;
        if (league != nullptr) value = static_cast<std::uint8_t>(league->GetLevel() << 4 | (value & 0x0F));
        return value;
    }

    void WriteFinances()
    {
        w_.WriteI8(c_.gameStartPoints_);
        w_.WriteI32(c_.initialCapital_);
        w_.WriteI32(c_.capitalHalf_);
        w_.WriteU8(c_.jointStockCompany_);
        w_.WriteU8(c_.extraByte_);
        w_.WriteBytes(c_.facilities_, sizeof c_.facilities_);
        w_.WriteU8(c_.mediaPressure_);
        w_.WriteU32(c_.flags_);
        w_.WriteU16(c_.seasonFlags_);
        w_.WriteU16Array(c_.leagueStats_, TClub::LeagueStatCount);
    }

    void WriteHistory()
    {
        for (int index : HistoryExportOrder) ExportYearList(w_, c_.historyTexts_[index]);
        for (int index = 0; index < TClub::RecordCount; ++index) {
            c_.records_[index].ExportClubRecord(w_, RecordLargerFirst[index]);
        }
    }

    // Players with their ids, then the staff without; persons the world
    // does not hold are left out of both counts.
    void WriteSquad()
    {
        std::vector<TPerson*> players;
        std::vector<TPerson*> staff;
        for (int slot = 0; slot < c_.squadCount_; ++slot) {
            if (TPerson* person = c_.GetSquadPerson(slot)) (person->GetType() == 0 ? players : staff).push_back(person);
        }
        w_.WriteU32(static_cast<std::uint32_t>(players.size()));
        // The person blocks choose their forms by the club's country.
        if (TCompleteWorld* world = c_.GetWorld()) world->SetExportClubCountry(static_cast<std::uint8_t>(c_.GetCountryId()));
        for (TPerson* player : players) {
            w_.WriteU32(player->GetId());
            player->WritePlayerBlock(w_);
        }
        w_.WriteU32(static_cast<std::uint32_t>(staff.size()));
        for (TPerson* person : staff) person->WriteStaffBlock(w_);
    }

    void WriteValuesAndExtras()
    {
        ExportClubValues(c_, w_);
        w_.WriteBytes(c_.transferSettings_, sizeof c_.transferSettings_);
        w_.WriteU8(c_.youthNationality_);
        w_.WriteString(c_.extraString_);
        w_.WriteU32(c_.extraNumber_);
    }

    void WriteGround()
    {
        if (c_.stadiumCapacity_ <= NoCapacity) c_.stadiumCapacity_ = DefaultCapacity();
        w_.WriteU32(c_.stadiumCapacity_);
        w_.WriteU8(c_.stadiumType_);
        w_.WriteU8(c_.groundFlags_);
        for (int language = 0; language < TClub::LanguageCount; ++language) {
            w_.WriteString(c_.stadiumNames_[language]);
            w_.WriteString(c_.towns_[language]);
        }
    }

    std::uint32_t DefaultCapacity() const
    {
        if (!IsNationalTeamId(c_.id_)) return ClubDefaultCapacity;
        const TCountry* country = c_.GetCountry();
        return NationalTeamDefaultCapacity(country != nullptr ? country->GetClubCountWithoutNationalTeam() : 0);
    }

    TClub& c_;
    CMasterWriter& w_;
};

bool WriteClubChunk(TClub& club, CMasterWriter& writer, TClubExportCache& cache)
{
    CClubChunkWriter chunk(club, writer);
    if (const TClubExportCache::TEntry* entry = cache.Find(club)) {
        writer.WriteU32(entry->blockSize);
        chunk.WriteBody(entry->badgeFile);
        return true;
    }
    std::u16string badgeFile = chunk.ChooseBadgeFile(cache.badges_);
    const std::uint32_t before = writer.GetSize();
    writer.WriteU32(0);
    chunk.WriteBody(badgeFile);
    const std::uint32_t after = writer.GetSize();
    // The size stands still once the writing pass has begun: a club its
    // sizing pass did not see cannot state its size.
    if (after == before) return false;
    cache.Settle(club, after - before - 4, std::move(badgeFile));
    return true;
}

namespace {

void WriteColourList(CMasterWriter& writer, const CTeamColourTextFile& list, int colour)
{
    const std::int32_t count = std::clamp(list.GetCount(), 0, MaxColourEntries);
    writer.WriteU8(static_cast<std::uint8_t>(count));
    for (std::int32_t index = 0; index < count; ++index) {
        writer.WriteU32(index == 0 ? 0 : list.GetColour(index, colour) | OpaqueColour);
    }
}

bool IsCompleteColourRow(const TTabbedConfigRecord* row)
{
    if (row == nullptr) return false;
    for (int column = 0; column < GuiColourColumns; ++column) {
        const char16_t* text = row->GetColumn(column);
        if (text == nullptr || text[0] == 0) return false;
    }
    return true;
}

void WriteGuiColourRow(CMasterWriter& writer, const TTabbedConfigRecord* row)
{
    const bool complete = IsCompleteColourRow(row);
    for (int column = 0; column < GuiColourColumns; ++column) {
        const std::uint32_t value = complete ? static_cast<std::uint32_t>(row->GetColumnInt(column, 16)) : 0;
        writer.WriteU32(value | OpaqueColour);
    }
}

}  // namespace

void WriteClubColours(CMasterWriter& writer, const CTabbedConfig& guiColours, const CTeamColourTextFile& teamColours,
                      const CTeamColourTextFile& merchandiseColours)
{
    writer.WriteU8(ColourListCount);
    WriteColourList(writer, teamColours, 0);
    WriteColourList(writer, teamColours, 1);
    WriteColourList(writer, merchandiseColours, 0);
    writer.WriteU8(GuiColourRows);
    for (std::int32_t id = 0; id < GuiColourRows; ++id) WriteGuiColourRow(writer, guiColours.FindById(id));
}

bool ExportReferee(const TReferee& referee, CMasterWriter& writer, CNameList& names)
{
    // The game keeps referees' names in the lists of language 0.
    constexpr int RefereeNameKey = 0;
    writer.WriteU8(0);
    writer.WriteU16(static_cast<std::uint16_t>(names.AddName(RefereeNameKey, NameKindMale, referee.GetFirstName(), true)));
    writer.WriteU16(static_cast<std::uint16_t>(names.AddName(RefereeNameKey, NameKindSurname, referee.GetLastName(), true)));
    writer.WriteU8(referee.GetType());
    return !names.HasIndexOverflow();
}

void ExportSponsor(const TSponsor& sponsor, CMasterWriter& writer)
{
    writer.WriteString(sponsor.GetName());
    writer.WriteI32(sponsor.GetValue());
    writer.WriteString(sponsor.GetText1());
    writer.WriteString(sponsor.GetText2());
}

void ExportStadium(const TStadium& stadium, CMasterWriter& writer)
{
    writer.WriteU8(static_cast<std::uint8_t>(stadium.GetCode() | (stadium.GetCodeFlag() ? 0x80 : 0)));
    writer.WriteString(stadium.GetName());
    writer.WriteString(stadium.GetSecondName());
    writer.WriteU8(stadium.GetKind());
    for (int stand : StadiumStandOrder) writer.WriteI32(stadium.GetStandValueA(stand));
    for (int stand : StadiumStandOrder) writer.WriteI32(stadium.GetStandValueB(stand));
    for (int stand : StadiumStandOrder) writer.WriteI32(stadium.GetStandValueC(stand));
    std::uint8_t maskA = 0;
    std::uint8_t maskB = 0;
    for (int bit = 0; bit < TStadium::StandCount; ++bit) {
        if (stadium.HasStandA(StadiumStandOrder[bit])) maskA |= static_cast<std::uint8_t>(1 << bit);
        if (stadium.HasStandB(StadiumStandOrder[bit])) maskB |= static_cast<std::uint8_t>(1 << bit);
    }
    writer.WriteU8(maskA);
    writer.WriteU8(maskB);
}
