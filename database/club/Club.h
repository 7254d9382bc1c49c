#pragma once
// A club or national team of a country: names in six database languages,
// town, contacts, finances, facilities, ground, history, kit, location and
// squad. The country owns it; the world's person map owns the persons of
// its squad, which it holds by id.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "database/club/ClubRecord.h"
#include "database/club/Kit.h"

class CIndexTextFile;
class TCompleteWorld;
class TCountry;
class TPerson;

// Country id in bits 16..23, the club's index in the low 16 bits (0xFFFF
// the national team), bit 24 the club's reserve team.
using TTeamId = std::uint32_t;
inline constexpr TTeamId ReserveTeamBit = 0x01000000;
inline constexpr TTeamId NationalTeamIndex = 0xFFFF;
inline constexpr TTeamId WithoutReserveBit(TTeamId id)
{
    return id & ~ReserveTeamBit;
}
inline constexpr int TeamCountry(TTeamId id)
{
    return static_cast<int>((id >> 16) & 0xFF);
}
inline constexpr bool IsNationalTeamId(TTeamId id)
{
    return (id & 0xFFFF) == NationalTeamIndex;
}

// The plain values of a club, kept apart so that copying a club is one
// assignment.
struct TClubFields {
    static constexpr int LanguageCount = 6;
    static constexpr int NameCapacity = 30;
    static constexpr int ShortNameCapacity = 11;
    static constexpr int AbbreviationCapacity = 5;
    static constexpr int TownCapacity = 30;
    static constexpr int NameForms = 3;
    static constexpr int FanNameCapacity = 20;
    static constexpr int MascotCapacity = 19;
    static constexpr int AddressCapacity = 119;
    static constexpr int TelephoneCapacity = 19;
    static constexpr int WebsiteCapacity = 64;
    static constexpr int FansitesCapacity = 256;
    static constexpr int ExtraTextCapacity = 30;
    static constexpr int BadgePathCapacity = 41;
    static constexpr int RivalCount = 4;
    static constexpr int ClubValueCount = 3;
    static constexpr int LeagueStatCount = 14;
    static constexpr int HistoryTextCount = 8;
    static constexpr int RecordCount = 5;
    static constexpr int BadgeParamCount = 5;
    static constexpr int FacilityCount = 7;
    static constexpr int TransferSettingCount = 2;
    static constexpr int LowestLeagueCount = 4;

    std::uint32_t qaroId_ = 0;
    char16_t names_[LanguageCount][NameCapacity] = {};
    char16_t secondNames_[LanguageCount][NameCapacity] = {};
    char16_t shortNames_[LanguageCount][ShortNameCapacity] = {};
    char16_t secondShortNames_[LanguageCount][ShortNameCapacity] = {};
    std::uint8_t nameArticles_[NameForms * LanguageCount] = {};
    std::uint8_t phraseUsage_[LanguageCount] = {};
    std::uint8_t secondPhraseUsage_[LanguageCount] = {};
    char16_t abbreviations_[LanguageCount][AbbreviationCapacity] = {};
    char16_t towns_[LanguageCount][TownCapacity] = {};
    char16_t fanName1_[FanNameCapacity] = {};
    char16_t fanName2_[FanNameCapacity] = {};
    char16_t mascot_[MascotCapacity] = {};
    std::uint32_t partnerClub_ = 0;
    std::uint32_t rivals_[RivalCount] = {};
    std::uint16_t foundationYear_ = 1900;
    std::uint16_t seasonFlags_ = 0;
    std::int32_t initialCapital_ = 0;
    std::int32_t capitalHalf_ = 0;
    std::uint8_t jointStockCompany_ = 0;
    std::uint8_t extraByte_ = 0;
    std::uint8_t gameStartFlags_ = 0;
    std::int8_t gameStartPoints_ = 0;
    char16_t address_[AddressCapacity] = {};
    char16_t telephone_[TelephoneCapacity] = {};
    char16_t website_[WebsiteCapacity] = {};
    char16_t fansites_[FansitesCapacity] = {};
    char16_t extraText_[ExtraTextCapacity] = {};
    std::uint32_t clubValues_[ClubValueCount] = {25000, 3000, 500};
    std::uint16_t leagueStats_[LeagueStatCount] = {};
    std::u16string historyTexts_[HistoryTextCount];
    TClubRecord records_[RecordCount];
    char16_t badgePath_[BadgePathCapacity] = u"color\\Badge256\\bl_sw.tga";
    std::uint8_t badgeParams_[BadgeParamCount] = {};
    std::uint32_t extraNumber_ = 0;
    std::uint32_t stadiumCapacity_ = 0;
    char16_t stadiumNames_[LanguageCount][NameCapacity] = {};
    std::uint8_t stadiumType_ = 1;
    std::uint8_t groundFlags_ = 0;
    std::uint8_t facilities_[FacilityCount] = {};
    std::uint8_t mediaPressure_ = 1;
    std::uint32_t flags_ = 0;
    std::int32_t latitude_ = 0;
    std::int32_t longitude_ = 0;
    TKit kit_;
    std::uint8_t prestigeNational_ = 0;
    std::uint8_t prestigeInternational_ = 0;
    std::u16string extraString_;
    std::uint8_t transferSettings_[TransferSettingCount] = {};
    std::uint8_t youthNationality_ = 0;
    std::uint32_t lowestLeagues_[LowestLeagueCount] = {};
};

class TClub : private TClubFields {
public:
    using TClubFields::LanguageCount;
    using TClubFields::NameCapacity;
    using TClubFields::ShortNameCapacity;
    using TClubFields::AbbreviationCapacity;
    using TClubFields::TownCapacity;
    using TClubFields::RivalCount;
    using TClubFields::HistoryTextCount;
    using TClubFields::RecordCount;
    using TClubFields::BadgeParamCount;
    using TClubFields::FacilityCount;
    using TClubFields::BadgePathCapacity;
    using TClubFields::NameForms;
    using TClubFields::AddressCapacity;
    using TClubFields::FansitesCapacity;
    using TClubFields::FanNameCapacity;
    using TClubFields::MascotCapacity;
    using TClubFields::TelephoneCapacity;
    using TClubFields::WebsiteCapacity;
    static constexpr int ReserveNameCapacity = 60;
    static constexpr int SquadCapacity = 60;
    static constexpr std::uint32_t MaxExtraNumber = 9999;
    static constexpr std::uint32_t MaxStadiumCapacity = 200000;
    static constexpr std::uint32_t RichGuyControlled = 0x400000;
    static constexpr std::uint32_t YouthAreBasque = 0x1000000;

    // The facilities in the order the club section stores them.
    enum Facility { Office, Medical, Merchandise, Youthcamp, Training, Media, Research };

    explicit TClub(std::uint32_t uniqueId) : uniqueId_(uniqueId) {}

    TCompleteWorld* GetWorld() const { return world_; }
    void SetWorld(TCompleteWorld* world) { world_ = world; }
    TTeamId GetId() const { return id_; }
    void SetId(TTeamId id) { id_ = id; }
    int GetCountryId() const { return TeamCountry(id_); }
    // The world's country of the club's id; null without world or country.
    TCountry* GetCountry() const;
    std::uint32_t GetUniqueId() const { return uniqueId_; }
    void SetUniqueId(std::uint32_t uniqueId) { uniqueId_ = uniqueId; }
    std::uint32_t GetQaroId() const { return qaroId_; }
    void SetQaroId(std::uint32_t id) { qaroId_ = id; }

    // A new club of the editor: every name "Club N" with a running number,
    // the id (countryId << 16) | N and the country's youth.
    void InitNewClub(int countryId);
    // Everything but world, id and unique id; the squad becomes copies of
    // the source's persons under new ids, and this club's old persons are
    // deleted from the world.
    void CopyFrom(const TClub& source);

    // Texts: the forms without a language use the world's database
    // language; languages outside 0..5 read "" and are ignored.
    const char16_t* GetName() const;
    const char16_t* GetNameForLanguage(int language) const;
    const char16_t* GetSecondNameForLanguage(int language) const;
    // Name and second name together.
    void SetName(const char16_t* text);
    void SetNameForLanguage(int language, const char16_t* text);
    void SetNameForAllLanguages(const char16_t* text);
    const char16_t* GetShortName() const;
    const char16_t* GetShortNameForLanguage(int language) const;
    const char16_t* GetSecondShortNameForLanguage(int language) const;
    // Short and second short name; also fills every language whose short
    // or second short name is still empty.
    void SetShortName(const char16_t* text);
    void SetShortNameForLanguage(int language, const char16_t* text);
    const char16_t* GetAbbreviation() const;
    const char16_t* GetAbbreviationForLanguage(int language) const;
    // Also fills every language whose abbreviation is empty.
    void SetAbbreviation(const char16_t* text);
    void SetAbbreviationForLanguage(int language, const char16_t* text);
    const char16_t* GetTown() const;
    const char16_t* GetTownForLanguage(int language) const;
    void SetTownForLanguage(int language, const char16_t* text);
    // Fills every empty town too; a club without stadium capacity gets
    // generic stadium names in its empty ones and a capacity of 1000.
    void SetTown(const char16_t* text);
    const char16_t* GetStadiumName() const;
    const char16_t* GetStadiumNameForLanguage(int language) const;
    void SetStadiumNameForLanguage(int language, const char16_t* text);
    // "Club.GenericStadium" of the language's text language with the town,
    // as a stadium name keeps it; empty for another language.
    static std::u16string GenericStadiumName(int language, std::u16string_view town);
    // False when the localisation file lacks the generic name's text, so
    // that GenericStadiumName would give its key.
    static bool HasGenericStadiumText(int language);
    // Copies every per-language name text of one language into another.
    void CopyNamesOfLanguage(int from, int to);

    const char16_t* GetAddress() const { return address_; }
    // Line breaks become ", ": the address travels on one line.
    void SetAddress(const char16_t* text);
    const char16_t* GetTelephone() const { return telephone_; }
    void SetTelephone(const char16_t* text);
    const char16_t* GetWebsite() const { return website_; }
    void SetWebsite(const char16_t* text);
    const char16_t* GetFansites() const { return fansites_; }
    void SetFansites(const char16_t* text);
    const char16_t* GetFanName1() const { return fanName1_; }
    void SetFanName1(const char16_t* text);
    const char16_t* GetFanName2() const { return fanName2_; }
    void SetFanName2(const char16_t* text);
    const char16_t* GetMascot() const { return mascot_; }
    void SetMascot(const char16_t* text);
    const char16_t* GetExtraText() const { return extraText_; }
    void SetExtraText(const char16_t* text);
    const std::u16string& GetExtraString() const { return extraString_; }
    void SetExtraString(std::u16string_view text);
    // A comma-separated list of years; index 0..7.
    const std::u16string& GetHistoryText(int index) const;
    void SetHistoryText(int index, std::u16string_view text);

    std::uint8_t GetArticle(int language, int form) const;
    void SetArticle(int language, int form, std::uint8_t value);
    std::uint8_t GetPhraseUsage() const { return GetPhraseUsageForLanguage(CurrentLanguage()); }
    std::uint8_t GetPhraseUsageForLanguage(int language) const;
    std::uint8_t GetSecondPhraseUsageForLanguage(int language) const;
    // Also stores the copy.
    void SetPhraseUsage(int language, std::uint8_t value);

    std::int32_t GetInitialCapital() const { return initialCapital_; }
    std::int32_t GetCapitalHalf() const { return capitalHalf_; }
    // Also sets the half (0 for a capital below 1).
    void SetInitialCapital(std::int32_t capital);
    bool IsJointStockCompany() const { return jointStockCompany_ == 1; }
    void SetJointStockCompany(bool on) { jointStockCompany_ = on ? 1 : 0; }
    std::uint8_t GetExtraByte() const { return extraByte_; }
    void SetExtraByte(std::uint8_t value) { extraByte_ = value; }
    std::int8_t GetGameStartPoints() const { return gameStartPoints_; }
    // Sets the low two start flags for a value other than 0, else clears them.
    void SetGameStartPoints(std::int8_t points);
    std::uint8_t GetGameStartFlags() const { return gameStartFlags_; }
    std::uint32_t GetClubValue(int index) const;
    void SetClubValue(int index, std::uint32_t value);
    // One of the 14 values; index outside 0..13 reads 0 and is ignored.
    std::uint16_t GetLeagueStat(int index) const;
    void SetLeagueStat(int index, std::uint16_t value);
    // The three statistics of set 0 or 1: half `set` of pairs 2, 3 and 4.
    void GetLeagueStats(int set, std::uint16_t& a, std::uint16_t& b, std::uint16_t& c) const;
    void SetLeagueStats(int set, std::uint16_t a, std::uint16_t b, std::uint16_t c);
    const TClubRecord& GetRecord(int index) const;
    TClubRecord& GetRecord(int index);
    std::uint16_t GetFoundationYear() const { return foundationYear_; }
    void SetFoundationYear(std::uint16_t year) { foundationYear_ = year; }
    std::uint8_t GetPrestigeNational() const { return prestigeNational_; }
    void SetPrestigeNational(std::uint8_t value) { prestigeNational_ = value; }
    std::uint8_t GetPrestigeInternational() const { return prestigeInternational_; }
    void SetPrestigeInternational(std::uint8_t value) { prestigeInternational_ = value; }
    std::uint8_t GetTransferSetting(int index) const;
    void SetTransferSetting(int index, std::uint8_t value);
    std::uint8_t GetYouthNationality() const { return youthNationality_; }
    void SetYouthNationality(std::uint8_t id) { youthNationality_ = id; }
    std::uint32_t GetLowestLeague(int index) const;
    void SetLowestLeague(int index, std::uint32_t value);

    // Ground.
    const char16_t* GetBadgePath() const { return badgePath_; }
    void SetBadgePath(const char16_t* text);
    std::uint8_t GetBadgeParam(int index) const;
    void SetBadgeParam(int index, std::uint8_t value);
    // The generic stadium id, 0..9999.
    std::uint32_t GetExtraNumber() const { return extraNumber_; }
    void SetExtraNumber(std::uint32_t value) { extraNumber_ = value; }
    std::uint32_t GetStadiumCapacity() const { return stadiumCapacity_; }
    void SetStadiumCapacity(std::uint32_t capacity) { stadiumCapacity_ = capacity; }
    std::uint8_t GetStadiumType() const { return stadiumType_; }
    void SetStadiumType(std::uint8_t type) { stadiumType_ = type; }
    bool HasBigStand() const { return groundFlags_ & 0x01; }
    void SetBigStand(bool on) { SetGroundFlag(0x01, on); }
    bool IsNationalTeamStadium() const { return groundFlags_ & 0x02; }
    void SetNationalTeamStadium(bool on) { SetGroundFlag(0x02, on); }
    // Only clubs created in the editor may be deleted from the main window.
    bool IsCreatedInEditor() const { return groundFlags_ & 0x80; }
    void SetCreatedInEditor(bool on) { SetGroundFlag(0x80, on); }
    std::uint8_t GetFacilityLevel(Facility facility) const { return facilities_[facility]; }
    void SetFacilityLevel(Facility facility, std::uint8_t level) { facilities_[facility] = level; }
    std::uint8_t GetMediaPressure() const { return mediaPressure_; }
    void SetMediaPressure(std::uint8_t value) { mediaPressure_ = value; }
    bool HasFlags(std::uint32_t mask) const { return (flags_ & mask) == mask; }
    void SetFlags(std::uint32_t mask, bool on) { flags_ = on ? flags_ | mask : flags_ & ~mask; }
    const TKit* GetKit() const { return &kit_; }
    TKit* GetKit() { return &kit_; }

    // Location: degrees << 16 | minutes, negated for west and south.
    std::int32_t GetLongitude() const { return longitude_; }
    std::int32_t GetLatitude() const { return latitude_; }
    // Degrees to 0..180 (a west 180 becomes 179), minutes to 0..59, and 0
    // at 180 degrees.
    void SetLongitude(bool west, int degrees, int minutes);
    // Degrees to 0..90, minutes to 0..59, and 0 at 90 degrees.
    void SetLatitude(bool south, int degrees, int minutes);
    bool IsLongitudeWest() const { return longitude_ <= 0; }
    bool IsLatitudeSouth() const { return latitude_ <= 0; }
    int GetLongitudeDegrees() const { return Degrees(longitude_); }
    int GetLongitudeMinutes() const { return Minutes(longitude_); }
    int GetLatitudeDegrees() const { return Degrees(latitude_); }
    int GetLatitudeMinutes() const { return Minutes(latitude_); }

    // The reserve team's name: one of four rotating per-thread buffers.
    const char16_t* GetReserveName() const;
    const char16_t* GetReserveNameForLanguage(int language) const;

    // Season flags; first = true for the first team, false for the reserve.
    bool IsPromoted(bool first) const { return HasSeasonFlag(first ? 0 : 1); }
    bool IsRelegated(bool first) const { return HasSeasonFlag(first ? 2 : 3); }
    bool IsCupWinner(bool first) const { return HasSeasonFlag(first ? 4 : 5); }
    bool IsCupFinalist(bool first) const { return HasSeasonFlag(first ? 6 : 7); }
    bool IsNotInITCup() const { return HasSeasonFlag(8); }
    // Setting a flag clears its opposite (promoted and relegated; winner and
    // finalist, of both teams for the cup); clearing touches its bit only.
    void SetPromoted(bool first, bool on);
    void SetRelegated(bool first, bool on);
    void SetCupWinner(bool first, bool on);
    void SetCupFinalist(bool first, bool on);
    void SetNotInITCup(bool on) { SetSeasonFlag(8, on); }
    std::uint16_t GetSeasonFlags() const { return seasonFlags_; }

    TTeamId GetPartnerClub() const { return partnerClub_; }
    void SetPartnerClub(TTeamId id) { partnerClub_ = id; }
    // Outside 0..3: 0, or ignored.
    TTeamId GetRival(int index) const;
    void SetRival(int index, TTeamId id);
    // The partner club, then rivals 0..3, as the game may hold them: a club
    // of another country becomes 0.
    std::array<TTeamId, 1 + RivalCount> GetHomeCountryReferences() const;

    // The squad holds person ids; the world's person map owns the persons.
    int GetSquadCount() const { return squadCount_; }
    // Null outside 0..count-1 and for an id the world does not hold.
    TPerson* GetSquadPerson(int slot) const;
    // The person when that id is in the squad, else null.
    TPerson* FindPlayer(std::uint32_t personId) const;
    // False for null, a full squad or a person already in it.
    bool AddPlayer(const TPerson* person);
    // Later slots move down; false when the person is not in the squad.
    bool RemovePlayer(const TPerson* person);
    // Empties the squad; the persons stay in the world.
    void ClearSquad();
    // Deletes the squad's persons from the world and empties the squad.
    void DeleteSquadPersons();
    int GetPlayerCount() const { return CountPersonsOfType(0); }
    int CountPersonsOfType(int type) const;
    bool HasPersonOfType(int type) const { return CountPersonsOfType(type) > 0; }

    // The squad editor's rules as error bits: 0x1 fewer than 14 first-team
    // players, 0x4/0x8 several Managers in the first/reserve team,
    // 0x10/0x20 several Chairmen, 0x40 several first-team Presidents,
    // 0x80 a reserve-team President, 0x100 a person without a name.
    int CheckSquad() const;
    // The staff rules: none is enforced.
    int CountSquadByPersonType() const;
    // Shirt numbers of one team, the first or the reserve team: each player
    // of that team wears his number of that team; staff wear none.
    // Wearers per number 0..99; number 0 counts once more.
    void CountShirtNumbers(int (&counts)[100], bool reserveTeam = false) const;
    bool IsShirtNumberUsed(int number, bool reserveTeam = false) const;
    // Another player of the team wears the person's number of that team;
    // false for a null person.
    bool IsShirtNumberUsedBy(const TPerson* person, bool reserveTeam = false) const;
    // The lowest unworn number of the team suiting the position's group;
    // else 99.
    int GetFreeShirtNumber(int position, bool reserveTeam = false) const;
    int GetFreeShirtNumberFor(const TPerson* person, bool reserveTeam = false) const;
    // Puts the person, a squad member or one about to join, into the first
    // or the reserve team. One who changes team keeps his number of that
    // team when it is a number no other player there wears, else he gets
    // a free one.
    void PlaceInTeam(TPerson& person, bool reserveTeam) const;
    // Gives the person a free number of his team for his main position;
    // the number he wears there himself does not count.
    void GiveFreeShirtNumber(TPerson& person) const;
    // Team 0 first, 1 reserve: mean level of the strongest eleven of one
    // goalkeeper, four defenders, four midfielders and two forwards; 0
    // below eleven players.
    double GetTeamStrength(int team) const;
    double GetAverageLevel(int team) const;
    // Players (persons of type 0) of team 0 or 1.
    int GetPlayerCountInTeam(int team) const;
    double GetAverageAge(int team) const;
    // Replaces the first or the reserve team's players by twenty generated
    // ones, a goalkeeper to a striker, around the level and the age, then
    // scales the new players so that their mean level meets the level. A
    // player finding the squad full is deleted again.
    void GenerateTeam(bool firstTeam, int level, int age);

    // The club section "CLUB%d" of a country file or a club file. Reading
    // fails for a missing section or a refused version.
    bool ReadClubSection(CIndexTextFile& file, std::uint32_t index);
    bool WriteClubSection(CIndexTextFile& file, std::uint32_t index) const;
    // A club file ("clb"): the section with index 0. The export rebuilds the
    // game-id maps and reports a file it cannot write. The import reads
    // into a scratch club and changes nothing unless the whole file reads.
    bool ExportClubFile(std::u16string_view path) const;
    bool ImportClubFile(std::u16string_view path);
    // The repair pass before the game export and after an import.
    void Normalise();
    // The fan sites text emptied, every squad person made a real person
    // without a nickname.
    void ClearLegalData();
    // The colour group 0..11 of a kit palette colour; 255 for none.
    static std::uint8_t GetColourGroup(int colour);
    // "user\kits\%08X_%c.tga" of the unique id, 'h' or 'a'; nothing for a
    // null buffer or a size below 1.
    void GetKitFileName(bool home, char* buffer, std::size_t size) const;

private:
    friend class CClubSection;
    friend class CClubChunkWriter;
    static int Degrees(std::int32_t value);
    static int Minutes(std::int32_t value);
    bool HasSeasonFlag(int bit) const { return (seasonFlags_ >> bit) & 1; }
    void SetSeasonFlag(int bit, bool on);
    void SetGroundFlag(std::uint8_t mask, bool on);
    int CurrentLanguage() const;
    void FillGenericStadiumNames(bool onlyEmpty);

    TCompleteWorld* world_ = nullptr;
    TTeamId id_ = 0;
    std::uint32_t uniqueId_;
    int squadCount_ = 0;

    std::vector<const TPerson*> GetTeamPlayers(int team) const;
    // The squad's player at the slot when he plays in that team, else null.
    const TPerson* ShirtWearerAt(int slot, bool reserveTeam) const;
    bool IsShirtNumberWornBesides(int number, bool reserveTeam, const TPerson* wearer) const;
    std::uint32_t squad_[SquadCapacity] = {};
};

// The club's name in the world's database language, the reserve team's for
// an id with bit 24; the text of "Common.NotAvailable" for id 0 and "" for
// an id the world does not hold.
std::u16string GetClubDisplayName(TTeamId id);
