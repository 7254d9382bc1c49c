#pragma once
// The whole loaded database: 208 country slots (slot 0 the fallback for an
// unknown id), the persons by id and the settings the editor keeps per
// database. It is built from "Database\Countries.sav", filled from the
// country files and saved back to them.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "database/club/Club.h"
#include "database/country/CompetitionRegistry.h"
#include "database/country/Country.h"
#include "database/country/LeagueMaster.h"
#include "database/country/RulesAndMisc.h"
#include "database/person/Person.h"
#include "database/person/PlayersWithoutClub.h"
#include "database/world/PersonPlaces.h"
#include "platform/Platform.h"

class CIndexTextFile;
// One country of Countries.sav as read.
struct TCountryListEntry;

// One entry of TCompleteWorld::CollectPersons; what the mode does not
// collect is null.
struct TCountryClubPerson {
    TCountry* country = nullptr;
    TClub* club = nullptr;
    TPerson* person = nullptr;
};

class TCompleteWorld {
public:
    static constexpr int CountrySlots = 208;
    static constexpr int LastCountryId = 207;
    static constexpr int DefaultCountryId = 14;

    // The database language a new or reset world takes (set by start-up).
    static void SetApplicationDatabaseLanguage(std::uint8_t language);

    TCompleteWorld();
    virtual ~TCompleteWorld();
    TCompleteWorld(const TCompleteWorld&) = delete;
    TCompleteWorld& operator=(const TCompleteWorld&) = delete;

    bool IsInitialised() const { return countries_ != nullptr; }
    // Builds the 208 countries from "Database\Countries.sav" below the base
    // folder. A missing or damaged file is reported and leaves countries
    // that have only their ids and national teams; LoadWorld then refuses.
    void LoadCountriesFile();
    // The same from a stream already open; a damaged one is reported.
    void LoadCountriesFrom(CIndexTextFile& file);
    // Reads every "Country%d.sav" of the folder (relative to the base
    // folder). False, so that nothing can be saved over the database, when
    // the country list could not be read or a country file cannot be read
    // at all (reported). A missing country file is reported and skipped; a
    // damaged one is reported, loaded as far as it could be read and
    // marked. Removes what a killed save or archive edit left behind first.
    bool LoadWorld(std::u16string_view folder);
    // Called per country with the text of the progress line.
    using SaveProgress = std::function<void(int countryId, std::u16string_view line)>;
    // What a save does with the files of countries marked damaged: ask the
    // user once (default No) whether to replace them with what was read, or
    // keep them without asking when there is no user to ask.
    enum class DamagedFiles { Ask, Keep };
    struct SaveResult {
        bool saved = false;
        // Countries whose damaged files were kept as they are.
        std::vector<int> keptDamaged;
        // Without.sav was damaged and kept as it is.
        bool keptDamagedFreeAgents = false;
        // Rules.sav, written by a newer program, was kept as it is: a save
        // never writes it, and says so when it may ask.
        bool keptRefusedRules = false;
    };
    // Writes every country file, the rules, the players without club and
    // the assessment, all or none: each goes
    // to a temporary file flushed to the disk, and only when all were
    // written are they renamed over the old files. A failure leaves every
    // old file as it was, with one message. A person moved into or out of a
    // file kept as it is goes back where the files hold him, his record as
    // they hold it; one made since the load whom a kept file would have to
    // take joins the players without club instead. When it may ask, the
    // save names each of them.
    SaveResult SaveWorld(const SaveProgress& progress = {}, DamagedFiles damaged = DamagedFiles::Ask);

    // Takes out of the country's leagues every team that names no club of
    // the world, marks its file damaged and says so; false when none.
    // LoadWorld does it for every country once all are read.
    bool TakeOutLeagueTeamsWithoutClub(int id);

    // Countries: an id outside 1..207 gives slot 0; null before the table
    // exists.
    TCountry* GetCountry(int id) const;
    // The club with that id, bit 24 ignored; null when absent.
    TClub* GetClub(TTeamId id) const;
    const TClub* GetClubConst(TTeamId id) const;
    // Whether a club the world does not hold may still stand in its
    // country's file: a damaged one, whose reader stopped early. References
    // to it are kept, since a save may keep that file as it is.
    bool MayHoldUnreadClub(TTeamId id) const;
    // "-" for no club; the reserve name when bit 24 is set.
    std::u16string GetClubName(TTeamId id) const;
    // The first of the club's country's leagues that holds it; null for none.
    const CDBCompetitionBase* GetLeagueOfClub(const TClub& club) const;
    TClub* FindClubByUniqueId(std::uint32_t uniqueId) const;

    // Persons. With keepWantedId clear a taken id gives null; with it set a
    // taken id or 0 is replaced by a free one and the pair recorded.
    TPerson* CreatePerson(std::uint32_t id, bool keepWantedId);
    // Adopts a person read without an id under the next free id.
    TPerson* AdoptPerson(std::unique_ptr<TPerson> person);
    // The first id from the person count on (never 0) that is free.
    std::uint32_t GetFreePersonId() const;
    TPerson* GetPerson(std::uint32_t id) const;
    // Also takes the person off the list of players without club.
    void DeletePerson(TPerson* person);
    int GetPersonCount() const { return static_cast<int>(persons_.size()); }
    const std::map<std::uint32_t, std::uint32_t>& GetIdRemap() const { return idRemap_; }
    // Over countries 1..206: mode 0 one entry per country, mode 1 one per
    // club, mode 2 one per squad person of every club but the national
    // teams, in country, club and slot order. Other modes collect nothing.
    void CollectPersons(std::vector<TCountryClubPerson>& list, int mode) const;
    // The first club of countries 1..206 whose squad holds the person.
    TClub* FindClubOfPerson(const TPerson* person) const;

    std::uint8_t GetDatabaseLanguage() const { return databaseLanguage_; }
    void SetDatabaseLanguage(std::uint8_t language);
    std::uint16_t GetCurrentContinent() const { return currentContinent_; }
    void SetCurrentContinent(std::uint16_t continent) { currentContinent_ = continent; }
    std::uint16_t GetCurrentCountryId() const { return currentCountryId_; }
    void SetCurrentCountryId(std::uint16_t id) { currentCountryId_ = id; }
    const std::u16string& GetDatabaseFolder() const { return databaseFolder_; }
    std::uint8_t GetExportClubCountry() const { return exportClubCountry_; }
    void SetExportClubCountry(std::uint8_t id) { exportClubCountry_ = id; }
    std::u16string GetCountryFilePath(int countryId) const;
    std::u16string GetRulesFilePath() const;
    // Every competition of every country and the international ones, by id.
    TCompetitionRegistry& GetCompetitions() { return competitions_; }
    TLeagueMaster& GetLeagueMaster() { return leagueMaster_; }
    TRulesAndMisc& GetRulesAndMisc() { return rules_; }
    TPlayersWithoutClub& GetFreeAgents() { return freeAgents_; }
    const TPlayersWithoutClub& GetFreeAgents() const { return freeAgents_; }
    const TRulesAndMisc& GetRulesAndMisc() const { return rules_; }

    // The five-year assessment of the European countries, a table file with
    // one row per country and the columns "Year -6" .. "Year -1". Values are
    // read as exact decimals in hundredths (0.29 is 29). A file that cannot
    // be loaded gives false and changes nothing.
    bool ReadAssessment(std::u16string_view path);
    bool WriteAssessment(std::u16string_view path) const;
    // The assessment file's contents; needs the country table.
    std::vector<std::uint8_t> AssessmentBytes() const;

private:
    void Reset();
    void Destroy();
    void BuildBareCountry(int id);
    // Null entries: countries with only their ids and national teams.
    void BuildCountries(const std::vector<TCountryListEntry>* entries, int version);
    void AssignPendingPersonIds();
    void LoadAssessment();
    void ReportDamage(int id, CIndexTextFile& file) const;
    // Fills the countries and whether Without.sav and Rules.sav are to be kept.
    void DamagedFilesToKeep(DamagedFiles damaged, SaveResult& result) const;
    // Tells the user that Rules.sav of a newer program was kept as it is.
    void ShowKeptRefusedRules() const;
    // Names the persons whose moves a kept file could not take.
    void ShowReturnedPersons(const std::vector<TReturnedPerson>& returned) const;
    std::u16string PlaceName(const TReturnedPerson& returned) const;
    // Every file to its temporary, then all renamed; a failure is shown.
    bool WriteAndCommit(const SaveProgress& progress, const SaveResult& keep);
    // Every file to its temporary; the caller commits them.
    bool WriteAllFiles(const SaveProgress& progress, const SaveResult& keep, platform::AtomicFileSet& files);
    // After a save the world holds what the files hold, but in the files
    // kept as they are.
    void TakeOverWhatWasSaved(const TKeptFiles& kept);
    void ForgetClubsSavedAsNone();
    // While a damaged file may be kept, where the files hold each person.
    void NotePersonPlaces();
    void RemoveStaleScratchFiles() const;

    // Before the countries, so that it outlives them.
    TCompetitionRegistry competitions_;
    TLeagueMaster leagueMaster_{&competitions_};
    TRulesAndMisc rules_;
    std::unique_ptr<TCountry[]> countries_;
    std::map<std::uint32_t, std::unique_ptr<TPerson>> persons_;
    // After the persons it points to, so that it never holds a dead one.
    TPlayersWithoutClub freeAgents_{this};
    std::map<std::uint32_t, std::uint32_t> idRemap_;
    TPersonPlaces personPlaces_;
    std::uint16_t currentContinent_ = 0;
    std::uint16_t currentCountryId_ = DefaultCountryId;
    std::uint8_t databaseLanguage_ = 0;
    std::uint8_t exportClubCountry_ = 0;
    std::u16string databaseFolder_ = u"Database";
    // Countries.sav was read: without it a save would write nameless files.
    bool countryListRead_ = false;
};

// Order of two country ids by their names in the database language.
bool CompareCountriesByName(int a, int b);
