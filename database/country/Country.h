#pragma once
// One country of the database: its names, languages, league and card rules,
// appearance masks for generated players and its clubs, referees,
// sponsors, stadiums, additional managers and player pool. It keeps the
// competition sections of its file staged as they were read, with the
// league-level names.

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "database/country/CompetitionRegistry.h"
#include "database/country/CountryCompetitions.h"
#include "database/club/Club.h"
#include "database/world/Date.h"
#include "database/person/Manager.h"
#include "database/world/FileDamage.h"
#include "database/person/Person.h"
#include "database/person/PoolPlayer.h"
#include "database/club/Referee.h"
#include "database/club/Sponsor.h"
#include "database/club/Stadium.h"
#include "database/world/StagedSection.h"

class TCompleteWorld;

// The country's plain settings, kept apart so that a reset is one
// assignment of their defaults.
struct TCountryFields {
    static constexpr int LanguageCount = 6;
    static constexpr int NameCapacity = 30;
    static constexpr int AbbreviationCapacity = 4;
    static constexpr int LanguageSlots = 4;
    static constexpr int LevelCount = 16;
    static constexpr int LevelNameCapacity = 29;
    static constexpr int FederationNameCapacity = 10;
    static constexpr int PersonFirstNameCapacity = 16;
    static constexpr int PersonLastNameCapacity = 20;
    static constexpr int LongTextCapacity = 28;
    static constexpr int YearCount = 6;
    static constexpr int RuleByteCount = 6;
    static constexpr int DefaultAverageRating = 75;

    char16_t names_[LanguageCount][NameCapacity] = {};
    char16_t abbreviations_[LanguageCount][AbbreviationCapacity] = {};
    std::uint8_t languageBytes_[LanguageCount] = {};
    std::uint8_t languages_[LanguageSlots] = {};
    std::uint8_t mainLanguage_ = 0;
    std::uint8_t languageShares_[LanguageSlots] = {};
    std::uint8_t firstReserveTeamLevel_ = 0;
    std::uint8_t countryByte1_ = 0;
    std::int16_t leagueSystemId_ = 0;
    std::uint8_t naturalisationPeriod_ = 5;
    std::uint8_t ruleBytes_[RuleByteCount] = {0, 0, 0, 0, 0, 1};
    std::uint32_t flags_ = 0;
    char16_t federationName_[FederationNameCapacity] = {};
    char16_t personFirstName_[PersonFirstNameCapacity] = {};
    char16_t personLastName_[PersonLastNameCapacity] = {};
    TDate personBirth_;
    std::uint8_t climate_ = 0;
    std::uint8_t tieBreakRules_[LevelCount] = {};
    std::uint8_t foreignerRules_[LevelCount] = {};
    std::uint8_t leagueRatings_[LevelCount] = {};
    std::uint8_t continentByte_ = 0;
    std::uint8_t relegationRules_[LevelCount] = {};
    std::uint8_t leagueYellowRule_ = 0;
    std::uint8_t cupYellowRule_ = 0;
    std::uint8_t redCardBan_ = 0;
    std::uint8_t redCardRule_ = 0;
    std::uint8_t banScope_ = 0;
    std::uint8_t yellowRedBanLeagues_ = 0;
    std::uint8_t optionBits_ = 0;
    std::uint8_t invertedOption_ = 0;
    std::uint8_t cupOptions_ = 0;
    std::uint8_t foreignTransferProbability_ = 0;
    std::int32_t cupFinalStadium_ = 0;
    std::uint16_t yearCoefficients_[YearCount] = {};
    char16_t levelNames_[LevelCount][LanguageCount][LevelNameCapacity] = {};
    std::int32_t nationalCupType_ = 0;
    std::uint32_t leagueCupTypes_ = 0;
    std::int32_t superCupType_ = 0;
    std::uint8_t amateurRule_ = 0;
    std::int32_t countryValues_[2] = {};
    std::uint8_t averageRating_ = DefaultAverageRating;
    char16_t longText_[LongTextCapacity] = {};
    std::u16string notes_;
    std::uint16_t continentalTitles_ = 0;
    std::uint16_t continentalFinals_ = 0;
    std::uint16_t worldCupTitles_ = 0;
    std::uint16_t worldCupFinals_ = 0;
    std::uint32_t extraAppearanceMask_ = 15;
    std::uint32_t hairColourMask_ = 15;
    std::uint32_t hairstyleMask_[2] = {15, 0};
    std::uint32_t facialHairMask_ = 15;
    std::uint32_t faceMask_[4] = {15, 0, 0, 0};
    std::uint8_t averageHeight_ = 180;
    std::uint8_t averageWeight_ = 75;
    std::uint8_t preferredTerritory_ = 0;
    std::int16_t worldRanking_ = 0;
    std::uint32_t nextUniqueClubId_ = 0;
};

// The national team's figures for the club list.
struct TNationalSquadStats {
    float strength = 0;
    float level = 0;
    float age = 0;
    std::int32_t count = 0;
};

class TCountry : private TCountryFields {
public:
    using TCountryFields::LanguageCount;
    using TCountryFields::NameCapacity;
    using TCountryFields::AbbreviationCapacity;
    using TCountryFields::LanguageSlots;
    using TCountryFields::LevelCount;
    using TCountryFields::LevelNameCapacity;
    using TCountryFields::FederationNameCapacity;
    using TCountryFields::LongTextCapacity;
    using TCountryFields::YearCount;
    using TCountryFields::RuleByteCount;
    using TCountryFields::DefaultAverageRating;
    static constexpr int MaxClubs = 511;
    static constexpr int PoolEntriesPerClub = 22;
    static constexpr int MaxPoolEntries = 512 * PoolEntriesPerClub;

    TCountry();
    ~TCountry();
    TCountry(const TCountry&) = delete;
    TCountry& operator=(const TCountry&) = delete;

    // Every field to its default; its clubs are deleted.
    void Reset();
    TCompleteWorld* GetWorld() const { return world_; }
    // The national squad: players of this nationality marked as members,
    // from the clubs of countries 1..206, at most 60; strength of the best
    // eleven, mean level and age of all.
    TNationalSquadStats GetNationalSquadStats() const;
    // Before a release build: every pool entry reset, the referees deleted,
    // each club's fan sites text emptied and its persons made real persons
    // without nicknames.
    void ClearLegalData();
    // Looks of a generated person drawn from the masks below (facial hair
    // for a third of them, else value 1), a shoe from the shoe list.
    void RandomiseAppearance(TPerson& person) const;
    // A pool entry's face, hair colour, hairstyle and shoe drawn as for a
    // scratch person of the entry's nationality.
    void RandomiseAppearance(TPoolPlayer& entry) const;
    void SetWorld(TCompleteWorld* world) { world_ = world; }
    std::int32_t GetId() const { return id_; }
    // Also restarts the unique club ids at (id << 16) + 1.
    void SetId(std::int32_t id);

    // Names and abbreviations: language 0..5 (database order); others give "".
    const char16_t* GetName() const;
    const char16_t* GetAbbreviation() const;
    const char16_t* GetNameInLanguage(int language) const;
    const char16_t* GetAbbreviationInLanguage(int language) const;
    void SetNameInLanguage(int language, const char16_t* text);
    void SetAbbreviationInLanguage(int language, const char16_t* text);
    std::uint8_t GetLanguageByte(int language) const;
    void SetLanguageByte(int language, std::uint8_t value);

    // Continent byte: low 3 bits the continent 0..5, high 5 bits a value
    // kept with it.
    int GetContinent() const { return continentByte_ & 7; }
    std::uint8_t GetContinentByte() const { return continentByte_; }
    void SetContinentByte(std::uint8_t value) { continentByte_ = value; }

    // Languages: four slots of a language id with its share in per cent.
    std::uint8_t GetLanguage(int slot) const;
    void SetLanguage(int slot, std::uint8_t language);
    std::uint8_t GetLanguageShare(int slot) const;
    void SetLanguageShare(int slot, std::uint8_t share);
    std::uint8_t GetMainLanguage() const { return mainLanguage_; }
    void SetMainLanguage(std::uint8_t language) { mainLanguage_ = language; }
    void NormaliseLanguages();

    // League levels.
    std::uint8_t GetAverageRating() const { return averageRating_; }
    void SetAverageRating(std::uint8_t rating);
    std::uint8_t GetLeagueRating(int level) const;
    void SetLeagueRating(int level, std::uint8_t rating);
    // Every level from firstLevel on gets 85 per cent of the level above.
    void FillLeagueRatingsFrom(int firstLevel);
    std::uint8_t GetLevelSortRule(int level) const;
    void SetLevelSortRule(int level, std::uint8_t rule);
    std::uint8_t GetLevelForeignerRule(int level) const;
    void SetLevelForeignerRule(int level, std::uint8_t rule);
    std::uint8_t GetLevelRelegationRule(int level) const;
    void SetLevelRelegationRule(int level, std::uint8_t rule);
    const char16_t* GetLeagueLevelName(int level) const;
    const char16_t* GetLeagueLevelNameInLanguage(int language, int level) const;
    void SetLeagueLevelName(int language, int level, const char16_t* text);
    std::uint8_t GetFirstReserveTeamLevel() const { return firstReserveTeamLevel_; }
    void SetFirstReserveTeamLevel(std::uint8_t level) { firstReserveTeamLevel_ = level; }
    bool AreReserveTeamsAllowed(int level) const { return firstReserveTeamLevel_ <= level; }
    void SetReserveTeamsAllowed(int level, bool allowed);
    std::int16_t GetLeagueSystemId() const { return leagueSystemId_; }
    void SetLeagueSystemId(std::int16_t id) { leagueSystemId_ = id; }

    // League structure. A script id of 1 or more loads "Script\Lg%d.txt";
    // below 1 the leagues are rebuilt when the leagues per level differ.
    void SetLeagueSystem(int scriptId, const TLevelBytes& leagues, const TLevelBytes& rules);
    void RebuildLeagues(const TLevelBytes& leagues, const TLevelBytes& rules);
    // The pools joining each level to the next, made again from the leagues.
    void BuildLeaguePools();
    // Levels from 0 up to the first without leagues.
    std::vector<TLeagueLevel> GetLeagueLevels();
    int GetLeagueCount();
    std::uint32_t GetLeagueId(int index) const;
    // Each level with leagues is named after its first league in languages
    // 0..4; a level of several leagues takes the name's shared part.
    void RefreshLevelNames();
    void ClearLevelNames();
    // After loading: empty languages of a named level take language 0's
    // name; an unnamed level takes its only league's names, or the
    // division's default text when it holds several.
    void FillDefaultLevelNames();
    // Day codes of the continent's international dates; with the indoor
    // season, 26 on every day an international indoor competition plays.
    void GetSeasonCalendar(int season, TSeasonDayCodes& days);

    // Cards and cups.
    int GetYellowCardLeagueRule() const { return leagueYellowRule_ & 0x7F; }
    void SetYellowCardLeagueRule(int rule) { leagueYellowRule_ = static_cast<std::uint8_t>((leagueYellowRule_ & 0x80) | (rule & 0x7F)); }
    int GetYellowCardCupRule() const { return cupYellowRule_ & 0x7F; }
    void SetYellowCardCupRule(int rule) { cupYellowRule_ = static_cast<std::uint8_t>((cupYellowRule_ & 0x80) | (rule & 0x7F)); }
    bool GetYellowAfterYellowRedLeague() const { return (leagueYellowRule_ & 0x80) != 0; }
    void SetYellowAfterYellowRedLeague(bool on) { SetBit(leagueYellowRule_, 7, on); }
    bool GetYellowAfterYellowRedCup() const { return (cupYellowRule_ & 0x80) != 0; }
    void SetYellowAfterYellowRedCup(bool on) { SetBit(cupYellowRule_, 7, on); }
    bool GetYellowRedBanLeague(int league) const { return league >= 0 && league < 5 && ((yellowRedBanLeagues_ >> league) & 1); }
    void SetYellowRedBanLeague(int league, bool on) { if (league >= 0 && league < 5) SetBit(yellowRedBanLeagues_, league, on); }
    bool GetBanForAllCompetitions(int kind) const { return kind >= 0 && kind < 3 && ((banScope_ >> kind) & 1); }
    void SetBanForAllCompetitions(int kind, bool on) { if (kind >= 0 && kind < 3) SetBit(banScope_, kind, on); }
    std::uint8_t GetRedCardRule() const { return redCardRule_; }
    void SetRedCardRule(std::uint8_t rule) { redCardRule_ = rule; }
    std::uint8_t GetCardFlags() const { return redCardBan_; }
    void SetCardFlags(std::uint8_t flags) { redCardBan_ = flags; }
    bool GetHomeAdvantageLowerLeague() const { return (cupOptions_ & 1) != 0; }
    void SetHomeAdvantageLowerLeague(bool on) { SetBit(cupOptions_, 0, on); }
    bool GetPlayerCupTied() const { return (cupOptions_ & 2) != 0; }
    void SetPlayerCupTied(bool on) { SetBit(cupOptions_, 1, on); }
    std::int32_t GetNationalCupType() const { return nationalCupType_; }
    void SetNationalCupType(std::int32_t type) { nationalCupType_ = type; }
    std::uint8_t GetLeagueCupType(int index) const;
    // Byte index 0..3 of the packed league-cup types.
    void SetLeagueCupType(int index, std::uint8_t type);
    std::int32_t GetSuperCupType() const { return superCupType_; }
    void SetSuperCupType(std::int32_t type) { superCupType_ = type; }
    std::int32_t GetCupFinalStadium() const { return cupFinalStadium_; }
    void SetCupFinalStadium(std::int32_t key) { cupFinalStadium_ = key; }

    // Other settings of the country editor.
    const char16_t* GetFederationName() const { return federationName_; }
    void SetFederationName(const char16_t* text);
    const char16_t* GetLongText() const { return longText_; }
    void SetLongText(const char16_t* text);
    const std::u16string& GetNotes() const { return notes_; }
    void SetNotes(std::u16string notes) { notes_ = std::move(notes); }
    const char16_t* GetPersonFirstName() const { return personFirstName_; }
    void SetPersonFirstName(const char16_t* text);
    const char16_t* GetPersonLastName() const { return personLastName_; }
    void SetPersonLastName(const char16_t* text);
    TDate GetPersonBirth() const { return personBirth_; }
    void SetPersonBirth(TDate date) { personBirth_ = date; }
    std::uint8_t GetClimate() const { return climate_; }
    void SetClimate(std::uint8_t value) { climate_ = value; }
    std::uint8_t GetAmateurRule() const { return amateurRule_; }
    void SetAmateurRule(std::uint8_t value) { amateurRule_ = value; }
    std::uint8_t GetForeignTransferProbability() const { return foreignTransferProbability_; }
    void SetForeignTransferProbability(std::uint8_t value) { foreignTransferProbability_ = value; }
    std::uint8_t GetPreferredTerritory() const { return preferredTerritory_; }
    void SetPreferredTerritory(std::uint8_t value) { preferredTerritory_ = value; }
    std::uint8_t GetNaturalisationYears() const { return naturalisationPeriod_; }
    void SetNaturalisationYears(std::uint8_t value) { naturalisationPeriod_ = value; }
    std::int16_t GetQaroRanking() const { return worldRanking_; }
    void SetQaroRanking(std::int16_t value) { worldRanking_ = value; }
    std::uint8_t GetAverageHeight() const { return averageHeight_; }
    void SetAverageHeight(std::uint8_t value) { averageHeight_ = value; }
    std::uint8_t GetAverageWeight() const { return averageWeight_; }
    void SetAverageWeight(std::uint8_t value) { averageWeight_ = value; }
    bool GetGenerateNames() const { return (optionBits_ & 2) != 0; }
    void SetGenerateNames(bool on) { SetBit(optionBits_, 1, on); }
    bool HasNoTerraces() const { return (optionBits_ & 4) != 0; }
    void SetNoTerraces(bool on) { SetBit(optionBits_, 2, on); }
    bool HasIndoorSeason() const { return (optionBits_ & 1) != 0; }
    void SetIndoorSeason(bool on) { SetBit(optionBits_, 0, on); }
    // Stored inverted: the byte holds the negation of the option.
    bool GetInvertedOption() const { return invertedOption_ == 0; }
    void SetInvertedOption(bool on) { invertedOption_ = on ? 0 : 1; }
    // The stored bytes as the game database takes them: league and cup
    // yellow-card rules, red-card ban, red-card rule, ban scope, yellow-red
    // ban leagues; the cup options, the option bits and the inverted option.
    std::array<std::uint8_t, 6> GetCardRuleBytes() const
    {
        return {leagueYellowRule_, cupYellowRule_, redCardBan_, redCardRule_, banScope_, yellowRedBanLeagues_};
    }
    std::uint8_t GetCupOptionsByte() const { return cupOptions_; }
    std::uint8_t GetOptionBitsByte() const { return optionBits_; }
    std::uint8_t GetInvertedOptionByte() const { return invertedOption_; }
    // 21 bytes from the league ratings to the transfer probability in
    // record order, whole: league ratings of levels 0 to 4, continent byte,
    // relegation rules of levels 0 to 4, the six card-rule bytes, option
    // bits, inverted option, cup options, transfer probability. Level 0's
    // rating is set as SetLeagueRating sets it.
    static constexpr int RatingBlockLevels = 5;
    static constexpr int RatingBlockSize = 21;
    using TRatingBlock = std::array<std::uint8_t, RatingBlockSize>;
    TRatingBlock GetRatingBlock() const;
    void SetRatingBlock(const TRatingBlock& bytes);
    // Stored and exported for the editors, which give them their meaning.
    std::uint8_t GetRuleByte(int index) const { return index >= 0 && index < RuleByteCount ? ruleBytes_[index] : 0; }
    void SetRuleByte(int index, std::uint8_t value) { if (index >= 0 && index < RuleByteCount) ruleBytes_[index] = value; }
    std::uint8_t GetCountryByte1() const { return countryByte1_; }
    void SetCountryByte1(std::uint8_t value) { countryByte1_ = value; }
    std::int32_t GetCountryValue(int index) const { return index == 0 || index == 1 ? countryValues_[index] : 0; }
    void SetCountryValue(int index, std::int32_t value) { if (index == 0 || index == 1) countryValues_[index] = value; }
    std::uint32_t GetFlags() const { return flags_; }
    bool HasFlag(int index) const { return index >= 0 && index < 32 && ((flags_ >> index) & 1); }
    void SetFlag(int index, bool on);
    // Year k (1..6) is the season k years back; outside gives 0 or is
    // ignored. Stored from the oldest year on.
    std::uint16_t GetYearCoefficient(int year) const;
    void SetYearCoefficient(int year, std::uint16_t value);
    std::uint16_t GetContinentalTitles() const { return continentalTitles_; }
    void SetContinentalTitles(std::uint16_t value) { continentalTitles_ = value; }
    std::uint16_t GetContinentalFinals() const { return continentalFinals_; }
    void SetContinentalFinals(std::uint16_t value) { continentalFinals_ = value; }
    std::uint16_t GetWorldCupTitles() const { return worldCupTitles_; }
    void SetWorldCupTitles(std::uint16_t value) { worldCupTitles_ = value; }
    std::uint16_t GetWorldCupFinals() const { return worldCupFinals_; }
    void SetWorldCupFinals(std::uint16_t value) { worldCupFinals_ = value; }

    // Appearance masks for generated players: bit v allows value v.
    std::uint32_t GetHairColourMask() const { return hairColourMask_; }
    void SetHairColourMask(std::uint32_t mask) { hairColourMask_ = mask; }
    const std::uint32_t* GetHairstyleMask() const { return hairstyleMask_; }
    void SetHairstyleMask(const std::uint32_t mask[2]);
    std::uint32_t GetFacialHairMask() const { return facialHairMask_; }
    void SetFacialHairMask(std::uint32_t mask) { facialHairMask_ = mask; }
    const std::uint32_t* GetFaceMask() const { return faceMask_; }
    void SetFaceMask(const std::uint32_t mask[4]);
    std::uint32_t GetExtraAppearanceMask() const { return extraAppearanceMask_; }
    void SetExtraAppearanceMask(std::uint32_t mask) { extraAppearanceMask_ = mask; }

    // Clubs, the national team included, in the order they were added.
    int GetClubCount() const { return static_cast<int>(clubOrder_.size()); }
    int GetClubCountWithoutNationalTeam() const;
    TClub* GetClubByIndex(int index) const;
    // Bit 24 of the id is ignored; null when absent.
    TClub* GetClubByUniqueId(TTeamId id) const;
    TClub* GetNationalTeam() const { return GetClubByUniqueId((static_cast<TTeamId>(id_) << 16) | NationalTeamIndex); }
    // The club's name, or its reserve team's when bit 24 is set; "(n/a)"
    // for an unknown club of some country, "" for an id without country.
    std::u16string GetTeamNameByUniqueId(TTeamId id) const;
    const std::map<TTeamId, std::unique_ptr<TClub>>& GetClubs() const { return clubs_; }
    // Takes the first free index from 1, or while the file is damaged from
    // above every club number it holds; returns the team id, 0 when no
    // index is free.
    TTeamId AddClub(std::unique_ptr<TClub> club);
    // 0 (the club is dropped) when the index is taken.
    TTeamId AddClubWithIndex(std::unique_ptr<TClub> club, std::uint32_t index);
    // A new club named text in every language; the returned id has no
    // country part when the country already holds its most clubs.
    TTeamId CreateClub(const char16_t* name);
    void CreateNationalTeam();
    // Removes and deletes the club; with clearReferences every partner and
    // rival reference to it is cleared first, with deletePersons the persons
    // of its squad are deleted from the world too.
    bool RemoveClub(TClub* club, bool clearReferences, bool deletePersons = false);
    void ClearClubReferences(TTeamId id);
    void SetCupWinner(TTeamId id);
    void SetCupFinalist(TTeamId id);
    std::uint32_t GetNextUniqueClubId() const { return nextUniqueClubId_; }
    void SetNextUniqueClubId(std::uint32_t id) { nextUniqueClubId_ = id; }
    std::uint32_t TakeNextUniqueClubId() { return nextUniqueClubId_++; }

    TRefereeMap& GetReferees() { return referees_; }
    TSponsorMap& GetSponsors() { return sponsors_; }
    TStadiumMap& GetStadiums() { return stadiums_; }
    int AddSponsor(TSponsor sponsor) { return sponsors_.Add(std::move(sponsor)); }
    int AddStadium(TStadium stadium) { return stadiums_.Add(std::move(stadium)); }
    TManager& GetManager() { return manager_; }
    // Additional managers by person id; the world owns the persons.
    std::map<std::uint32_t, TPerson*>& GetAdditionalManagers() { return additionalManagers_; }
    // Managers read from the file that wait for their person ids, which the
    // world gives after every club member of every file has taken his.
    std::vector<std::unique_ptr<TPerson>>& GetPendingManagers() { return pendingManagers_; }

    // Hands every club its clubs and its pool entries name to visit to
    // read or change.
    template <typename Visit>
    void ForEachClubReference(Visit&& visit)
    {
        for (TClub* club : clubOrder_) club->ForEachClubReference(visit);
        for (TPoolPlayer& entry : pool_) {
            std::uint32_t club = entry.GetPreferredClub();
            visit(club);
            entry.SetPreferredClub(club);
        }
    }

    int GetPoolPlayerCount() const { return static_cast<int>(pool_.size()); }
    // Null out of range.
    TPoolPlayer* GetPoolPlayer(int index);
    // Grows the pool to n entries; never shrinks it.
    void ResizePool(int count);
    void ResizePoolToDefault() { ResizePool(GetClubCount() * PoolEntriesPerClub); }

    // Competition sections as the country file read them, written back unchanged.
    struct TStagedCompetitions {
        TStagedSection competitionPart;
        std::vector<TStagedSection> competitions;
        std::int32_t levelCount = 0;
    };
    TStagedCompetitions& GetStagedCompetitions() { return staged_; }
    // Where the country's competitions are registered: the world's registry,
    // or the country's own while it belongs to no world.
    TCompetitionRegistry& GetCompetitionRegistry();

    // Damage found when the country's file was read: the readers of its
    // sections report there, and a save keeps a damaged country's file
    // unless the user agrees to replace it.
    TFileDamage& GetFileDamage() { return fileDamage_; }
    const TFileDamage& GetFileDamage() const { return fileDamage_; }
    bool IsDamaged() const { return fileDamage_.IsDamaged(); }

private:
    friend class CCountryFile;
    static void SetBit(std::uint8_t& byte, int bit, bool on);
    void DeleteSquadPersons(const TClub& club);
    void FillLevelNamesFromKeys();
    // The default text of a division 0..4 in a database language; null for
    // deeper levels.
    static const char16_t* DivisionDefaultName(int level, int language);
    int CurrentLanguage() const;

    TCompleteWorld* world_ = nullptr;
    std::int32_t id_ = 0;
    TRefereeMap referees_;
    TSponsorMap sponsors_;
    TManager manager_;
    std::map<std::uint32_t, TPerson*> additionalManagers_;
    std::vector<std::unique_ptr<TPerson>> pendingManagers_;
    std::vector<TPoolPlayer> pool_;
    std::map<TTeamId, std::unique_ptr<TClub>> clubs_;
    std::vector<TClub*> clubOrder_;
    TStadiumMap stadiums_;
    TStagedCompetitions staged_;
    TFileDamage fileDamage_;
    // The highest club number the country's file holds, read or not: a
    // save may keep a damaged file as it is, and a new club must not take
    // a number by which that file names another.
    std::uint32_t highestFileClubNumber_ = 0;
    std::unique_ptr<TCompetitionRegistry> ownCompetitions_;
};

// A random set bit of a mask, drawn with the runtime's rand; 0 for an
// empty mask.
int RandomMaskBit(std::uint32_t mask);
int RandomMaskBitMulti(const std::uint32_t* words, int wordCount);
