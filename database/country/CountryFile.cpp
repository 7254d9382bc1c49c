#include "database/country/CountryFile.h"

#include "core/AppMessage.h"
#include <algorithm>
#include <optional>

#include "core/text/Format.h"
#include "core/files/IndexTextFile.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"
#include "database/export/CountryExport.h"
#include "database/country/Country.h"
#include "database/country/CountryCompetitions.h"
#include "database/world/GameIdMaps.h"
#include "database/world/DatabaseVersion.h"
#include "database/world/RecordText.h"

namespace {

constexpr std::u16string_view CountrySection = u"COUNTRY";
constexpr std::u16string_view CompetitionPartSection = u"COMPETITIONPART";
constexpr std::u16string_view CompetitionSection = u"COMPETITION";
constexpr std::u16string_view ClubsSection = u"CLUBS";
constexpr std::u16string_view RefereesSection = u"REFEREES";
constexpr std::u16string_view StaffsSection = u"STAFFS";
constexpr std::u16string_view SponsorsSection = u"SPONSORS";
constexpr std::u16string_view StadiumsSection = u"STADIUMS";
constexpr std::u16string_view AddManagerSection = u"ADDMANAGER";
constexpr std::u16string_view PlayerPoolSection = u"PLAYERPOOL";
constexpr std::u16string_view SettingsSection = u"COUNTRY_MIST";
constexpr std::u16string_view ManagerSection = u"MANAGER";
constexpr std::uint32_t NationalTeamSectionNumber = 65535;
constexpr int CompetitionPartClubs = 8;
// Most entries a count may announce in a list without a limit of its own.
constexpr std::int32_t MaxListEntries = 0x7FFFFFFF;

std::u16string Text(TextKey key)
{
    return CTextManager::Instance()->GetText(key);
}

}  // namespace

bool ReadCountrySections(TCountry& country, CIndexTextFile& file)
{
    return CCountryFile::Read(country, file);
}

bool WriteCountrySections(TCountry& country, CIndexTextFile& file)
{
    return CCountryFile::Write(country, file);
}

class CCountryFile::Reader {
public:
    Reader(TCountry& country, CIndexTextFile& file) : c_(country), file_(file), damage_(country.fileDamage_) {}

    // False only for a file newer than the program. Damage stops the read
    // where the file can no longer be followed; what was read stays.
    bool Read()
    {
        const bool read = ReadSections();
        // A file the program wrote numbers its clubs up to the most a country
        // holds, in sections that a damaged stream may hide.
        c_.highestFileClubNumber_ = damage_.IsDamaged() ? std::max<std::uint32_t>(HighestClubNumberInFile(), TCountry::MaxClubs)
                                                        : highestClubRead_;
        return read;
    }

private:
    bool ReadSections()
    {
        damage_.Clear();
        CheckStart();
        if (!file_.FindSection(CountrySection)) {
            damage_.ReportMissingSection(file_, CountrySection);
            return true;
        }
        if (!ReadVersion(file_, &damage_)) return false;
        // Nested readers change the stream's version; the country's gates
        // use the version of its own section.
        version_ = TDatabaseVersion::GetFileVersion();
        writtenVersion_ = TDatabaseVersion::GetFileVersionAsWritten();
        ReadHead();
        ResetCompetitions();
        const bool followed = ReadCompetitionPart() && ReadCompetitions() && ReadClubs() && ReadCountryRecords() &&
                              ReadAdditionalManagers() && ReadPool() && ReadSettings();
        if (followed) CloseSection(CountrySection);
        damage_.ReportBrokenSection(file_);
        ConvertOldRatings();
        // Looks are drawn once the country's appearance masks are read.
        for (TPoolPlayer& entry : c_.pool_) entry.CompleteDefaults(c_);
        // Files before 0x2006 hold no pools between the levels.
        if (Major() < 0x2006) c_.BuildLeaguePools();
        return !refused_;
    }

    bool AtLeast(std::uint32_t major, std::uint32_t minor) const { return version_ >= MakeDatabaseVersion(major, minor); }
    std::uint32_t Major() const { return version_ >> 16; }

    // A country file starts with its section line; a second byte-order
    // mark or a zero byte in front of it hides the whole file.
    void CheckStart()
    {
        const char16_t* first = file_.PeekLine();
        const std::u16string_view line = first ? first : u"";
        if (line.starts_with(u";")) return;
        if (line.substr(0, CIndexTextFile::SectionBeginPrefix.size()) != CIndexTextFile::SectionBeginPrefix ||
            line.substr(CIndexTextFile::SectionBeginPrefix.size()) != CountrySection) {
            damage_.ReportMissingSection(file_, CountrySection);
        }
    }

    // False, with the damage noted, for a section without its end line.
    bool CloseSection(std::u16string_view key)
    {
        damage_.ReportBrokenSection(file_);
        if (file_.FindSectionEnd(key)) return true;
        damage_.ReportNotClosed(file_, key);
        return false;
    }

    // An optional section: only one without its end line is damage, and
    // its broken rest is dropped so that a save writes whole sections.
    bool Stage(TStagedSection& target, std::u16string_view key)
    {
        if (target.Read(file_, key) != TStagedSection::ReadResult::Unterminated) return true;
        target.Clear();
        damage_.ReportNotClosed(file_, key);
        return false;
    }

    // Finds a section every country file holds; a missing one is damage,
    // after which the reading goes on with the next section.
    bool FindRequired(std::u16string_view key)
    {
        if (file_.FindNestedSection(key)) return true;
        damage_.ReportMissingSection(file_, key);
        return false;
    }

    // Reads the entries key(0), key(1), ... of a list section: as many as
    // counted, and any further ones the count left out (damage), so that
    // nothing present is lost. readEntry(n, key) gives a TSectionRead. False
    // when an entry cannot be followed to its end.
    template <typename KeyOf, typename ReadEntry>
    bool ReadEntries(std::u16string_view section, std::int32_t count, KeyOf keyOf, ReadEntry readEntry)
    {
        for (std::int32_t n = 0;; ++n) {
            const std::u16string key = keyOf(n);
            switch (readEntry(n, key)) {
            case TSectionRead::Read:
                if (n >= count) damage_.ReportUncounted(file_, section, count);
                break;
            case TSectionRead::Missing:
                if (n < count) damage_.ReportMissingSection(file_, key);
                return true;
            case TSectionRead::Unterminated:
                damage_.ReportNotClosed(file_, key);
                return false;
            }
        }
    }

    // ReadEntries for entries kept as their raw lines; take(n, section)
    // receives each one read whole.
    template <typename KeyOf, typename Take>
    bool ReadStagedEntries(std::u16string_view section, std::int32_t count, KeyOf keyOf, Take take)
    {
        return ReadEntries(section, count, keyOf, [&](std::int32_t n, const std::u16string& key) {
            TStagedSection entry;
            switch (entry.Read(file_, key)) {
            case TStagedSection::ReadResult::Read: take(n, std::move(entry)); return TSectionRead::Read;
            case TStagedSection::ReadResult::Missing: return TSectionRead::Missing;
            case TStagedSection::ReadResult::Unterminated: break;
            }
            return TSectionRead::Unterminated;
        });
    }

    std::int32_t ReadCount(std::u16string_view section, std::int32_t most)
    {
        return damage_.ReadCount(file_, section, most).value_or(0);
    }

    std::int32_t ReadInt()
    {
        std::int32_t value = 0;
        file_.ReadInt32(value);
        return value;
    }

    std::uint8_t ReadU8()
    {
        std::uint8_t value = 0;
        file_.ReadInt8(value);
        return value;
    }

    void Ignore(int lines)
    {
        std::u16string ignored;
        for (int i = 0; i < lines; ++i) file_.ReadCString(ignored);
    }

    void ReadHead()
    {
        if (AtLeast(0x2007, 18)) {
            file_.ReadInt32(c_.nextUniqueClubId_);
        } else {
            c_.nextUniqueClubId_ = (static_cast<std::uint32_t>(c_.id_) << 16) | 1;
        }
        c_.flags_ = 0;
        if (AtLeast(0x2007, 23)) file_.ReadInt32(c_.flags_);
        // The completeness line, written for the game's tools and not read
        // back, precedes the first nested section; a read
        // must never swallow that section's begin line (a comment line in
        // between hides what follows, so the value is then left unread).
        const std::u16string_view next = file_.PeekLine() ? file_.PeekLine() : u"";
        if (!next.empty() && !next.starts_with(CIndexTextFile::SectionBeginPrefix) && !next.starts_with(u";")) {
            ReadInt();
        }
    }

    void ResetCompetitions()
    {
        c_.staged_.competitions.clear();
        c_.staged_.levelCount = 0;
        for (auto& level : c_.levelNames_) {
            for (auto& name : level) name[0] = 0;
        }
        c_.leagueSystemId_ = 0;
        const TCompetitionReader& reader = GetCompetitionReader();
        if (reader.makeRoot == nullptr) return;
        TCompetitionRegistry& registry = c_.GetCompetitionRegistry();
        registry.EraseCountry(static_cast<std::uint32_t>(c_.id_));
        registry.Register(reader.makeRoot(static_cast<std::uint32_t>(c_.id_) << 24, registry));
    }

    // Written from the first league; read past when the competitions are
    // read as records.
    bool ReadCompetitionPart()
    {
        TStagedSection ignored;
        const bool records = GetCompetitionReader().readRecord != nullptr;
        return Stage(records ? ignored : c_.staged_.competitionPart, CompetitionPartSection);
    }

    bool ReadCompetitions()
    {
        if (!FindRequired(CompetitionSection)) return true;
        const std::int32_t count = ReadCount(CompetitionSection, MaxListEntries);
        const auto readRecord = GetCompetitionReader().readRecord;
        std::vector<std::u16string> repaired;
        const bool followed = ReadStagedEntries(
            CompetitionSection, count, [](std::int32_t n) { return Format(u"COMP%d", n); },
            [&](std::int32_t n, TStagedSection entry) {
                if (readRecord == nullptr) {
                    c_.staged_.competitions.push_back(std::move(entry));
                    return;
                }
                ReadCompetitionRecord(std::move(entry), Format(u"COMP%d", n), repaired);
            });
        ReportRepairedRecords(repaired, file_.GetFileName());
        if (!followed) return false;
        const std::int32_t levels = ReadCount(CompetitionSection, TCountry::LevelCount);
        c_.staged_.levelCount = levels;
        for (std::int32_t level = 0; level < levels; ++level) {
            file_.ReadQuotedStrings(&c_.levelNames_[level][0][0], TCountry::LevelNameCapacity);
        }
        return CloseSection(CompetitionSection);
    }

    // A record whose reference names a competition that the file does not
    // hold (another country's, an index or a type beyond those of a
    // country), and one the factory named and could not register or read
    // (an unknown class), would be left out of the next save: its lines are
    // kept as they stand, written after the others, and the record is
    // named. A broken nested section in a record read is damage of this
    // file. A record kept as its lines is written as it stood and reads
    // the same again: it is named only, so that a save that replaces the
    // file leaves no damage behind.
    void ReadCompetitionRecord(TStagedSection entry, const std::u16string& key, std::vector<std::u16string>& repaired)
    {
        TCompetitionRegistry& registry = c_.GetCompetitionRegistry();
        const auto country = static_cast<std::uint32_t>(c_.id_);
        const std::size_t named = repaired.size();
        const TRecordRead read = GetCompetitionReader().readRecord(entry, key, country << 24, registry, repaired);
        const CDBCompetitionBase* competition = read.competition;
        if (competition != nullptr ? IsInFileOrder(competition->GetId(), country) : repaired.size() == named) {
            ReportBrokenSection(entry, read);
            return;
        }
        registry.Take(competition);
        c_.staged_.competitions.push_back(std::move(entry));
        if (repaired.size() == named) repaired.push_back(read.name);
    }

    // The broken line the record's reader found, or an end line that
    // closed no section in the record's lines, whichever comes first.
    void ReportBrokenSection(const TStagedSection& entry, const TRecordRead& read)
    {
        if (read.brokenLine != 0) {
            const std::string& lines = entry.GetFileForm();
            const auto recordLines = static_cast<std::size_t>(std::count(lines.begin(), lines.end(), '\n'));
            // The stream stands on the record's end line.
            const std::size_t line = file_.GetLineNumber() - recordLines - 1 + read.brokenLine;
            const std::size_t stray = file_.GetBrokenSectionLine();
            if (stray == 0 || line < stray) damage_.ReportBrokenSection(line, read.brokenSection, read.brokenKind);
        }
        damage_.ReportBrokenSection(file_);
    }

    bool ReadClubs()
    {
        if (!FindRequired(ClubsSection)) return true;
        const std::int32_t count = ReadCount(ClubsSection, TCountry::MaxClubs);
        const bool followed =
            ReadEntries(ClubsSection, count, [](std::int32_t n) { return Format(u"CLUB%d", n + 1); },
                        [this](std::int32_t n, const std::u16string&) { return ReadClub(static_cast<std::uint32_t>(n + 1)); });
        const bool teamFollowed = followed && ReadNationalTeam();
        TakeNationalTeamNames();
        // Each club section carries its own version; the sections after the
        // clubs are gated by the country's.
        TDatabaseVersion::SetFileVersion(version_);
        // Older files held no Polish texts of their own.
        if (!AtLeast(0x2007, 26)) {
            for (TClub* club : c_.clubOrder_) club->CopyNamesOfLanguage(1, 5);
        }
        return teamFollowed && CloseSection(ClubsSection);
    }

    // Where the reading stopped, a club section line may stand anywhere
    // after it, and one before it may have been given up on; one of a file
    // written by hand may number more clubs than a country holds.
    std::uint32_t HighestClubNumberInFile()
    {
        const std::u16string prefix = std::u16string(CIndexTextFile::SectionBeginPrefix) + u"CLUB";
        std::uint32_t highest = 0;
        file_.SetLinePosition(0);
        while (file_.NextLine()) {
            const std::u16string_view line = file_.GetCurrentLineView();
            if (!line.starts_with(prefix)) continue;
            highest = std::max(highest, ParseStrictDecimal(line.substr(prefix.size()), NationalTeamIndex - 1).value_or(0));
        }
        return highest;
    }

    // A club of an index already taken keeps its place; its section is read
    // past into a scratch record all the same.
    TSectionRead ReadClub(std::uint32_t index)
    {
        TClub* club = c_.GetClubByUniqueId(c_.AddClubWithIndex(std::make_unique<TClub>(0), index));
        const bool read = club != nullptr ? club->ReadClubSection(file_, index) : ReadIntoScratch(index);
        if (read) {
            highestClubRead_ = index;
            return TSectionRead::Read;
        }
        if (club != nullptr) c_.RemoveClub(club, false, true);
        return ClubReadFailure();
    }

    // A club section the club reader gave up on: missing when it left no
    // error; a club version newer than the program's refuses the whole file;
    // anything else cannot be followed further.
    TSectionRead ClubReadFailure()
    {
        if (file_.GetError() == nullptr) return TSectionRead::Missing;
        if (TDatabaseVersion::GetFileVersion() > TDatabaseVersion::ProgramVersion + 1) refused_ = true;
        return TSectionRead::Unterminated;
    }

    bool ReadIntoScratch(std::uint32_t index)
    {
        TClub scratch(0);
        scratch.SetId((static_cast<TTeamId>(c_.id_) << 16) | (index & 0xFFFF));
        return scratch.ReadClubSection(file_, index);
    }

    // Every country file holds its national team: without it a save would
    // write an empty one.
    bool ReadNationalTeam()
    {
        TClub* team = c_.GetNationalTeam();
        const std::u16string key = Format(u"CLUB%d", NationalTeamSectionNumber);
        const bool read = team != nullptr ? team->ReadClubSection(file_, NationalTeamSectionNumber)
                                          : ReadIntoScratch(NationalTeamSectionNumber);
        if (!read) {
            if (ClubReadFailure() != TSectionRead::Missing) {
                damage_.ReportNotClosed(file_, key);
                return false;
            }
            damage_.ReportMissingSection(file_, key);
        }
        return true;
    }

    // The national team is named after its country, whatever its section
    // held and whether or not it could be read to its end.
    void TakeNationalTeamNames()
    {
        TClub* team = c_.GetNationalTeam();
        for (int language = 0; team != nullptr && language < TClub::LanguageCount - 1; ++language) {
            team->SetNameForLanguage(language, c_.names_[language]);
            team->SetAbbreviationForLanguage(language, c_.abbreviations_[language]);
        }
    }

    // readRecord: (record, stream) -> TSectionRead, one section per record.
    template <typename Map, typename ReadRecord>
    bool ReadRecordList(std::u16string_view section, std::u16string_view key, Map& records, ReadRecord readRecord)
    {
        if (!FindRequired(section)) return true;
        const std::int32_t count = ReadCount(section, MaxListEntries);
        const bool followed = ReadEntries(
            section, count, [key](std::int32_t) { return std::u16string(key); },
            [&](std::int32_t, const std::u16string&) {
                typename Map::Record record;
                const TSectionRead result = readRecord(record, file_);
                if (result == TSectionRead::Read) records.Add(std::move(record));
                return result;
            });
        return followed && CloseSection(section);
    }

    bool ReadCountryRecords()
    {
        const std::uint32_t version = writtenVersion_;
        return ReadRecordList(RefereesSection, u"REFEREE", c_.referees_,
                              [](TReferee& referee, CIndexTextFile& file) { return referee.ReadReferee(file); }) &&
               Stage(ignoredStaffs_, StaffsSection) &&
               ReadRecordList(SponsorsSection, u"SPONSOR", c_.sponsors_,
                              [](TSponsor& sponsor, CIndexTextFile& file) { return sponsor.ReadSponsor(file); }) &&
               ReadRecordList(StadiumsSection, u"STADIUM", c_.stadiums_,
                              [version](TStadium& stadium, CIndexTextFile& file) {
                                  return stadium.ReadStadium(file, version);
                              });
    }

    bool ReadAdditionalManagers()
    {
        if (!FindRequired(AddManagerSection)) return true;
        const std::int32_t count = ReadCount(AddManagerSection, MaxListEntries);
        const bool followed = ReadEntries(
            AddManagerSection, count, [](std::int32_t) { return std::u16string(u"PLAYER"); },
            [this](std::int32_t, const std::u16string&) {
                auto person = std::make_unique<TPerson>(c_.world_, 0);
                const TSectionRead result = person->ReadPlayer(file_);
                if (result == TSectionRead::Read) c_.pendingManagers_.push_back(std::move(person));
                return result;
            });
        return followed && CloseSection(AddManagerSection);
    }

    bool ReadPool()
    {
        c_.ResizePoolToDefault();
        if (!FindRequired(PlayerPoolSection)) return true;
        const std::int32_t count = ReadCount(PlayerPoolSection, TCountry::MaxPoolEntries);
        c_.ResizePool(count);
        const bool followed = ReadEntries(
            PlayerPoolSection, count, [](std::int32_t) { return std::u16string(u"PL_POOL"); },
            [this](std::int32_t n, const std::u16string&) {
                const auto slot = static_cast<std::size_t>(n);
                if (n < c_.GetPoolPlayerCount()) return c_.pool_[slot].ReadPoolPlayer(file_);
                // Entries the count left out are kept while the pool has room.
                TPoolPlayer extra;
                const TSectionRead result = extra.ReadPoolPlayer(file_);
                if (result == TSectionRead::Read && n < TCountry::MaxPoolEntries) {
                    c_.ResizePool(n + 1);
                    c_.pool_[slot] = std::move(extra);
                }
                return result;
            });
        return followed && CloseSection(PlayerPoolSection);
    }

    bool ReadSettings()
    {
        if (!FindRequired(SettingsSection)) return true;
        Ignore(2);
        ReadU8();
        if (Major() < 0x2006) {
            Ignore(2);
        } else {
            file_.ReadInt16(c_.leagueSystemId_);
        }
        file_.ReadString(c_.federationName_, TCountry::FederationNameCapacity);
        file_.ReadInt8List(c_.languages_, TCountry::LanguageSlots);
        file_.ReadInt8List(c_.languageShares_, TCountry::LanguageSlots);
        file_.ReadInt8(c_.firstReserveTeamLevel_);
        file_.ReadInt8(c_.countryByte1_);
        file_.ReadString(c_.personFirstName_, TCountry::PersonFirstNameCapacity);
        file_.ReadString(c_.personLastName_, TCountry::PersonLastNameCapacity);
        c_.personBirth_.ReadDate(file_);
        if (!AtLeast(0x2007, 23)) Ignore(6);
        for (std::uint8_t* card : {&c_.leagueYellowRule_, &c_.cupYellowRule_, &c_.redCardBan_, &c_.redCardRule_,
                                   &c_.banScope_, &c_.yellowRedBanLeagues_}) {
            file_.ReadInt8(*card);
        }
        ReadLevelRows();
        file_.ReadInt32(c_.nationalCupType_);
        file_.ReadInt8(c_.cupOptions_);
        file_.ReadInt32(c_.cupFinalStadium_);
        file_.ReadInt32(c_.superCupType_);
        file_.ReadInt32(c_.leagueCupTypes_);
        if (AtLeast(0x2005, 2)) {
            file_.ReadInt8(c_.naturalisationPeriod_);
            file_.ReadInt8Array(c_.ruleBytes_, 2);
            file_.ReadInt8Array(c_.ruleBytes_ + 2, 4);
        }
        file_.ReadInt8(c_.optionBits_);
        if (Major() < 0x2005) ReadU8();
        file_.ReadInt8(c_.invertedOption_);
        if (!AtLeast(0x2007, 18) && c_.invertedOption_ == 205) c_.invertedOption_ = 0;
        file_.ReadInt8(c_.amateurRule_);
        file_.ReadInt8(c_.climate_);
        file_.ReadInt16Array(c_.yearCoefficients_, TCountry::YearCount);
        file_.ReadInt8(c_.foreignTransferProbability_);
        file_.ReadInt32Array(c_.countryValues_, 2);
        if (c_.manager_.ReadManager(file_) == TSectionRead::Unterminated) {
            damage_.ReportNotClosed(file_, ManagerSection);
            return false;
        }
        ReadAverageRating();
        ReadMasks();
        file_.ReadInt8(c_.averageHeight_);
        file_.ReadInt8(c_.averageWeight_);
        if (AtLeast(0x2007, 14)) {
            file_.ReadInt8(c_.preferredTerritory_);
            file_.ReadInt16(c_.worldRanking_);
        }
        file_.ReadString(c_.longText_, TCountry::LongTextCapacity);
        for (std::uint16_t* honour : {&c_.continentalTitles_, &c_.worldCupTitles_, &c_.continentalFinals_,
                                      &c_.worldCupFinals_}) {
            file_.ReadInt16(*honour);
        }
        std::u16string notes;
        file_.ReadCString(notes);
        c_.notes_ = LineToNotes(notes);
        return CloseSection(SettingsSection);
    }

    void ReadLevelRows()
    {
        const int rows = AtLeast(0x2007, 19) ? TCountry::LevelCount : 5;
        for (int level = 0; level < rows; ++level) {
            if (Major() < 0x2006) Ignore(4);
            file_.ReadInt8(c_.tieBreakRules_[level]);
            file_.ReadInt8(c_.foreignerRules_[level]);
            file_.ReadInt8(c_.relegationRules_[level]);
            if (AtLeast(0x2007, 0)) file_.ReadInt8(c_.leagueRatings_[level]);
            if (!AtLeast(0x2007, 15) && c_.tieBreakRules_[level] == 1) c_.tieBreakRules_[level] = 4;
        }
    }

    void ReadAverageRating()
    {
        const std::uint8_t stored = ReadU8();
        // Files before 0x2006 stored a third of the rating.
        c_.averageRating_ = Major() < 0x2006 ? static_cast<std::uint8_t>(std::min(stored * 3, 100)) : stored;
    }

    void ReadMasks()
    {
        file_.ReadInt32(c_.extraAppearanceMask_);
        file_.ReadInt32(c_.hairColourMask_);
        const bool arrays = AtLeast(0x2007, 4);
        file_.ReadInt32Array(c_.hairstyleMask_, arrays ? 2 : 1);
        file_.ReadInt32(c_.facialHairMask_);
        file_.ReadInt32Array(c_.faceMask_, arrays ? 4 : 1);
    }

    void ConvertOldRatings()
    {
        if (AtLeast(0x2007, 0)) return;
        static constexpr int Percent[] = {100, 90, 82, 75, 68, 57, 46, 30, 20, 10};
        for (int level = 0; level < static_cast<int>(std::size(Percent)); ++level) {
            c_.leagueRatings_[level] = static_cast<std::uint8_t>(c_.averageRating_ * Percent[level] / 100);
        }
    }

    TCountry& c_;
    CIndexTextFile& file_;
    TFileDamage& damage_;
    TStagedSection ignoredStaffs_;
    std::uint32_t version_ = 1;
    std::uint32_t writtenVersion_ = 1;
    std::uint32_t highestClubRead_ = 0;
    bool refused_ = false;
};

class CCountryFile::Writer {
public:
    Writer(TCountry& country, CIndexTextFile& file) : c_(country), file_(file) {}

    bool Write()
    {
        if (!file_.WriteSectionBegin(CountrySection)) return false;
        bool ok = WriteVersion(file_);
        ok &= file_.WriteInt32(static_cast<std::int32_t>(c_.nextUniqueClubId_));
        ok &= file_.WriteInt32(static_cast<std::int32_t>(c_.flags_));
        ok &= file_.WriteInt32(IsComplete(c_) ? 1 : 0);
        if (c_.GetClubCountWithoutNationalTeam() >= CompetitionPartClubs) ok &= WriteCompetitionPart();
        ok &= WriteCompetitions();
        ok &= WriteClubs();
        ok &= WriteCountryRecords();
        ok &= WriteAdditionalManagers();
        ok &= WritePool();
        ok &= WriteSettings();
        ok &= file_.WriteSectionEnd(CountrySection);
        return ok;
    }

private:
    bool WriteCompetitionPart()
    {
        const TCompetitionRegistry& registry = c_.GetCompetitionRegistry();
        const auto own = static_cast<std::uint32_t>(c_.id_) << 24;
        if (const CDBCompetitionBase* league = registry.Get(own | 0x10000)) {
            const CDBCompetitionBase* cup = registry.Get(own | 0x30000);
            char16_t names[2][TCountry::LanguageCount][64] = {};
            for (int language = 0; language < TCountry::LanguageCount; ++language) {
                CopyText(names[0][language], league->GetNameInLanguage(language), 64);
                if (cup != nullptr) CopyText(names[1][language], cup->GetNameInLanguage(language), 64);
            }
            bool ok = file_.WriteSectionBegin(CompetitionPartSection);
            for (const auto& six : names) ok &= file_.WriteQuotedStrings(&six[0][0], TCountry::LanguageCount, 64);
            for (int slot = 0; slot < CompetitionPartClubs; ++slot) {
                ok &= file_.WriteHex32(GetGameIdMaps().GetSaveClubId(league->GetTeamSlot(slot)));
            }
            return ok && file_.WriteSectionEnd(CompetitionPartSection);
        }
        if (!c_.staged_.competitionPart.IsEmpty()) return c_.staged_.competitionPart.Write(file_, CompetitionPartSection);
        // The form of a country without a first league.
        bool ok = file_.WriteSectionBegin(CompetitionPartSection);
        ok &= WriteRecordText(file_, Text(u"Database.Division.01"_tk));
        ok &= WriteRecordText(file_, Text(u"Database.NationalCup"_tk));
        for (std::uint32_t n = 1; n <= CompetitionPartClubs; ++n) {
            ok &= file_.WriteHex32((static_cast<std::uint32_t>(c_.id_) << 16) | n);
        }
        return ok && file_.WriteSectionEnd(CompetitionPartSection);
    }

    // A league kept as its lines stood is not among the registered ones, so
    // the level names the file held stay while such a record is kept.
    int LevelsToWrite(const TCompetitionRegistry& registry, std::uint32_t country) const
    {
        if (GetCompetitionReader().readRecord == nullptr) return c_.staged_.levelCount;
        const int registered = CountLeagueLevels(registry, country);
        return c_.staged_.competitions.empty() ? registered : std::max(registered, c_.staged_.levelCount);
    }

    bool WriteCompetitions()
    {
        const TCompetitionRegistry& registry = c_.GetCompetitionRegistry();
        const auto country = static_cast<std::uint32_t>(c_.id_);
        const std::vector<const CDBCompetitionBase*> competitions = CompetitionsInFileOrder(registry, country);
        bool ok = file_.WriteSectionBegin(CompetitionSection);
        ok &= file_.WriteInt32(static_cast<std::int64_t>(competitions.size() + c_.staged_.competitions.size()));
        int number = 0;
        for (const CDBCompetitionBase* competition : competitions) {
            const std::u16string key = Format(u"COMP%d", number++);
            ok &= file_.WriteSectionBegin(key) && competition->Write(file_, -1) && file_.WriteSectionEnd(key);
        }
        for (const TStagedSection& competition : c_.staged_.competitions) {
            ok &= competition.Write(file_, Format(u"COMP%d", number++));
        }
        const int levels = LevelsToWrite(registry, country);
        ok &= file_.WriteInt32(levels);
        for (int level = 0; level < levels; ++level) {
            ok &= file_.WriteQuotedStrings(&c_.levelNames_[level][0][0], TCountry::LanguageCount,
                                           TCountry::LevelNameCapacity);
        }
        return ok && file_.WriteSectionEnd(CompetitionSection);
    }

    bool WriteClubs()
    {
        bool ok = file_.WriteSectionBegin(ClubsSection);
        ok &= file_.WriteInt32(c_.GetClubCountWithoutNationalTeam());
        std::uint32_t number = 1;
        for (const auto& [id, club] : c_.clubs_) {
            if (!IsNationalTeamId(id)) ok &= club->WriteClubSection(file_, number++);
        }
        if (const TClub* team = c_.GetNationalTeam()) ok &= team->WriteClubSection(file_, NationalTeamSectionNumber);
        return ok && file_.WriteSectionEnd(ClubsSection);
    }

    template <typename Map, typename WriteRecord>
    bool WriteRecordList(std::u16string_view section, const Map& records, WriteRecord writeRecord)
    {
        bool ok = file_.WriteSectionBegin(section);
        ok &= file_.WriteInt32(records.GetCount());
        for (const auto& entry : records) ok &= writeRecord(entry.second, file_);
        return ok && file_.WriteSectionEnd(section);
    }

    bool WriteCountryRecords()
    {
        bool ok = WriteRecordList(RefereesSection, c_.referees_, [](const TReferee& referee, CIndexTextFile& file) {
            return referee.WriteReferee(file);
        });
        ok &= WriteRecordList(SponsorsSection, c_.sponsors_, [](const TSponsor& sponsor, CIndexTextFile& file) {
            return sponsor.WriteSponsor(file);
        });
        ok &= WriteRecordList(StadiumsSection, c_.stadiums_, [](const TStadium& stadium, CIndexTextFile& file) {
            return stadium.WriteStadium(file);
        });
        return ok;
    }

    bool WriteAdditionalManagers()
    {
        // Managers still waiting for their ids are written too: a country
        // read on its own and saved must not lose them.
        bool ok = file_.WriteSectionBegin(AddManagerSection);
        ok &= file_.WriteInt32(static_cast<std::int32_t>(c_.additionalManagers_.size() + c_.pendingManagers_.size()));
        for (const auto& entry : c_.additionalManagers_) ok &= entry.second->WritePlayer(file_);
        for (const auto& pending : c_.pendingManagers_) ok &= pending->WritePlayer(file_);
        return ok && file_.WriteSectionEnd(AddManagerSection);
    }

    bool WritePool()
    {
        std::int32_t used = 0;
        for (const TPoolPlayer& entry : c_.pool_) used += entry.IsUsed() ? 1 : 0;
        bool ok = file_.WriteSectionBegin(PlayerPoolSection);
        ok &= file_.WriteInt32(used);
        for (const TPoolPlayer& entry : c_.pool_) {
            if (entry.IsUsed()) ok &= entry.WritePoolPlayer(file_);
        }
        return ok && file_.WriteSectionEnd(PlayerPoolSection);
    }

    bool WriteSettings()
    {
        bool ok = file_.WriteSectionBegin(SettingsSection);
        ok &= WriteRecordText(file_, c_.names_[0]);
        ok &= WriteRecordText(file_, c_.abbreviations_[0]);
        ok &= file_.WriteUInt8(c_.continentByte_);
        ok &= file_.WriteInt16(c_.leagueSystemId_);
        ok &= WriteRecordText(file_, c_.federationName_);
        ok &= file_.WriteUInt8List(c_.languages_, TCountry::LanguageSlots);
        ok &= file_.WriteUInt8List(c_.languageShares_, TCountry::LanguageSlots);
        ok &= file_.WriteUInt8(c_.firstReserveTeamLevel_);
        ok &= file_.WriteUInt8(c_.countryByte1_);
        ok &= WriteRecordText(file_, c_.personFirstName_);
        ok &= WriteRecordText(file_, c_.personLastName_);
        ok &= c_.personBirth_.WriteDate(file_);
        for (std::uint8_t card : {c_.leagueYellowRule_, c_.cupYellowRule_, c_.redCardBan_, c_.redCardRule_,
                                  c_.banScope_, c_.yellowRedBanLeagues_}) {
            ok &= file_.WriteUInt8(card);
        }
        for (int level = 0; level < TCountry::LevelCount; ++level) {
            ok &= file_.WriteUInt8(c_.tieBreakRules_[level]);
            ok &= file_.WriteUInt8(c_.foreignerRules_[level]);
            ok &= file_.WriteUInt8(c_.relegationRules_[level]);
            ok &= file_.WriteUInt8(c_.leagueRatings_[level]);
        }
        ok &= file_.WriteInt32(c_.nationalCupType_);
        ok &= file_.WriteUInt8(c_.cupOptions_);
        ok &= file_.WriteInt32(c_.cupFinalStadium_);
        ok &= file_.WriteInt32(c_.superCupType_);
        ok &= file_.WriteInt32(static_cast<std::int32_t>(c_.leagueCupTypes_));
        ok &= file_.WriteUInt8(c_.naturalisationPeriod_);
        ok &= file_.WriteUInt8Array(c_.ruleBytes_, 2);
        ok &= file_.WriteUInt8Array(c_.ruleBytes_ + 2, 4);
        ok &= file_.WriteUInt8(c_.optionBits_);
        ok &= file_.WriteUInt8(c_.invertedOption_);
        ok &= file_.WriteUInt8(c_.amateurRule_);
        ok &= file_.WriteUInt8(c_.climate_);
        ok &= file_.WriteUInt16Array(c_.yearCoefficients_, TCountry::YearCount);
        ok &= file_.WriteUInt8(c_.foreignTransferProbability_);
        ok &= file_.WriteInt32Array(c_.countryValues_, 2);
        ok &= c_.manager_.WriteManager(file_);
        ok &= file_.WriteUInt8(c_.averageRating_);
        ok &= file_.WriteInt32(static_cast<std::int32_t>(c_.extraAppearanceMask_));
        ok &= file_.WriteInt32(static_cast<std::int32_t>(c_.hairColourMask_));
        ok &= file_.WriteInt32Array(c_.hairstyleMask_, 2);
        ok &= file_.WriteInt32(static_cast<std::int32_t>(c_.facialHairMask_));
        ok &= file_.WriteInt32Array(c_.faceMask_, 4);
        ok &= file_.WriteUInt8(c_.averageHeight_);
        ok &= file_.WriteUInt8(c_.averageWeight_);
        ok &= file_.WriteUInt8(c_.preferredTerritory_);
        ok &= file_.WriteInt16(c_.worldRanking_);
        ok &= WriteRecordText(file_, c_.longText_);
        for (std::uint16_t honour : {c_.continentalTitles_, c_.worldCupTitles_, c_.continentalFinals_,
                                     c_.worldCupFinals_}) {
            ok &= file_.WriteUInt16(honour);
        }
        ok &= file_.WriteLine(NotesToLine(c_.notes_));
        return ok && file_.WriteSectionEnd(SettingsSection);
    }

    TCountry& c_;
    CIndexTextFile& file_;
};

bool CCountryFile::Read(TCountry& country, CIndexTextFile& file)
{
    return Reader(country, file).Read();
}

bool CCountryFile::Write(TCountry& country, CIndexTextFile& file)
{
    return Writer(country, file).Write();
}
