#include "database/CountryFile.h"

#include "core/AppMessage.h"
#include "core/Format.h"
#include "core/IndexTextFile.h"
#include "core/TextManager.h"
#include "core/TextTools.h"
#include "database/CompleteWorld.h"
#include "database/Country.h"
#include "database/DatabaseVersion.h"
#include "database/RecordText.h"

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
    Reader(TCountry& country, CIndexTextFile& file) : c_(country), file_(file) {}

    bool Read()
    {
        if (!file_.FindSection(CountrySection)) return true;
        if (!ReadVersion(file_)) return false;
        // Nested readers change the stream's version; the country's gates
        // use the version of its own section.
        version_ = TDatabaseVersion::GetFileVersion();
        writtenVersion_ = TDatabaseVersion::GetFileVersionAsWritten();
        ReadHead();
        ResetCompetitions();
        if (!Stage(c_.staged_.competitionPart, CompetitionPartSection)) return false;
        if (!ReadCompetitions() || !ReadClubs() || !ReadCountryRecords() || !ReadAdditionalManagers() ||
            !ReadPool() || !ReadSettings()) {
            return false;
        }
        file_.FindSectionEnd(CountrySection);
        ConvertOldRatings();
        return true;
    }

private:
    bool AtLeast(std::uint32_t major, std::uint32_t minor) const { return version_ >= MakeDatabaseVersion(major, minor); }
    std::uint32_t Major() const { return version_ >> 16; }

    bool Fail(TextKey key, std::u16string_view section, std::int32_t count = 0)
    {
        const std::u16string text = ReplaceTokens(CTextManager::Instance()->GetText(key),
                                                  {{u"_SECTION", section}, {u"_COUNT", Format(u"%d", count)}});
        file_.SetError(text.c_str());
        return false;
    }

    bool NotClosed(std::u16string_view section) { return Fail(u"Database.Error.SectionNotClosed"_tk, section); }

    bool BadCount(std::u16string_view section, std::int32_t count)
    {
        return Fail(u"Database.Error.BadCount"_tk, section, count);
    }

    // One message per list: the sections after a missing one are not read.
    void ReportMissing(std::u16string_view key)
    {
        const std::u16string text =
            ReplaceTokens(CTextManager::Instance()->GetText(u"Database.Error.SectionMissing"_tk),
                          {{u"_SECTION", key}, {u"_FILE_NAME", file_.GetFileName()}});
        ShowAppMessageBox(text.c_str(), AppMessage::IconWarning);
    }

    // False only for a section without its end line; a missing one leaves
    // the target empty.
    bool Stage(TStagedSection& target, std::u16string_view key)
    {
        if (target.Read(file_, key) == TStagedSection::ReadResult::Unterminated) {
            return Fail(u"Database.Error.SectionNotClosed"_tk, key);
        }
        return true;
    }

    enum class Listed { Read, Missing, Failed };
    Listed CheckListed(TSectionRead read, std::u16string_view key)
    {
        if (read == TSectionRead::Read) return Listed::Read;
        if (read == TSectionRead::Missing) {
            ReportMissing(key);
            return Listed::Missing;
        }
        Fail(u"Database.Error.SectionNotClosed"_tk, key);
        return Listed::Failed;
    }
    Listed StageListed(TStagedSection& target, std::u16string_view key)
    {
        switch (target.Read(file_, key)) {
        case TStagedSection::ReadResult::Read: return Listed::Read;
        case TStagedSection::ReadResult::Missing: ReportMissing(key); return Listed::Missing;
        case TStagedSection::ReadResult::Unterminated: break;
        }
        Fail(u"Database.Error.SectionNotClosed"_tk, key);
        return Listed::Failed;
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
        // The completeness line precedes the first nested section; a read
        // must never swallow that section's begin line (a comment line in
        // between hides what follows, so the value is then left unread).
        const std::u16string_view next = file_.PeekLine() ? file_.PeekLine() : u"";
        if (!next.empty() && !next.starts_with(CIndexTextFile::SectionBeginPrefix) && !next.starts_with(u";")) {
            c_.staged_.completeness = ReadInt();
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
    }

    bool ReadCompetitions()
    {
        if (!file_.FindSection(CompetitionSection)) return true;
        const std::int32_t count = ReadInt();
        if (count < 0) return BadCount(CompetitionSection, count);
        for (std::int32_t n = 0; n < count; ++n) {
            TStagedSection competition;
            const Listed result = StageListed(competition, Format(u"COMP%d", n));
            if (result == Listed::Failed) return false;
            if (result == Listed::Missing) break;
            c_.staged_.competitions.push_back(std::move(competition));
        }
        const std::int32_t levels = ReadInt();
        if (levels < 0 || levels > TCountry::LevelCount) return BadCount(CompetitionSection, levels);
        c_.staged_.levelCount = levels;
        for (std::int32_t level = 0; level < levels; ++level) {
            file_.ReadQuotedStrings(&c_.levelNames_[level][0][0], TCountry::LevelNameCapacity);
        }
        file_.FindSectionEnd(CompetitionSection);
        return true;
    }

    bool ReadClubs()
    {
        if (!file_.FindSection(ClubsSection)) return true;
        const std::int32_t count = ReadInt();
        if (count < 0 || count > TCountry::MaxClubs) return BadCount(ClubsSection, count);
        for (std::int32_t n = 1; n <= count; ++n) {
            const auto index = static_cast<std::uint32_t>(n);
            TClub* club = c_.GetClubByUniqueId(c_.AddClubWithIndex(std::make_unique<TClub>(0), index));
            // A club of that index already there keeps its place; the
            // section is read past all the same.
            if (club == nullptr) {
                if (ReadIntoScratch(index)) continue;
            } else if (club->ReadClubSection(file_, index)) {
                continue;
            } else {
                c_.RemoveClub(club, false, true);
            }
            if (file_.GetError() != nullptr) return false;
            ReportMissing(Format(u"CLUB%d", n));
            break;
        }
        if (!ReadNationalTeam()) return false;
        // Each club section carries its own version; the sections after the
        // clubs are gated by the country's.
        TDatabaseVersion::SetFileVersion(version_);
        // Older files held no Polish texts of their own.
        if (!AtLeast(0x2007, 26)) {
            for (TClub* club : c_.clubOrder_) club->CopyNamesOfLanguage(1, 5);
        }
        file_.FindSectionEnd(ClubsSection);
        return true;
    }

    bool ReadIntoScratch(std::uint32_t index)
    {
        TClub scratch(0);
        scratch.SetId((static_cast<TTeamId>(c_.id_) << 16) | (index & 0xFFFF));
        return scratch.ReadClubSection(file_, index);
    }

    bool ReadNationalTeam()
    {
        TClub* team = c_.GetNationalTeam();
        if (team == nullptr) return ReadIntoScratch(NationalTeamSectionNumber) || file_.GetError() == nullptr;
        const bool read = team->ReadClubSection(file_, NationalTeamSectionNumber);
        if (!read && file_.GetError() != nullptr) return false;
        for (int language = 0; language < TClub::LanguageCount - 1; ++language) {
            team->SetNameForLanguage(language, c_.names_[language]);
            team->SetAbbreviationForLanguage(language, c_.abbreviations_[language]);
        }
        return true;
    }

    // readRecord: (record, stream) -> TSectionRead, one section per record.
    template <typename Map, typename ReadRecord>
    bool ReadRecordList(std::u16string_view section, std::u16string_view key, Map& records, ReadRecord readRecord)
    {
        if (!file_.FindSection(section)) return true;
        const std::int32_t count = ReadInt();
        if (count < 0) return BadCount(section, count);
        for (std::int32_t n = 0; n < count; ++n) {
            typename Map::Record record;
            const TSectionRead result = readRecord(record, file_);
            if (result == TSectionRead::Unterminated) return NotClosed(key);
            if (result == TSectionRead::Missing) {
                ReportMissing(key);
                break;
            }
            records.Add(std::move(record));
        }
        file_.FindSectionEnd(section);
        return true;
    }

    bool ReadCountryRecords()
    {
        const std::uint32_t version = writtenVersion_;
        return ReadRecordList(RefereesSection, u"REFEREE", c_.referees_,
                              [](TReferee& referee, CIndexTextFile& file) { return referee.ReadReferee(file); }) &&
               SkipStaffs() &&
               ReadRecordList(SponsorsSection, u"SPONSOR", c_.sponsors_,
                              [](TSponsor& sponsor, CIndexTextFile& file) { return sponsor.ReadSponsor(file); }) &&
               ReadRecordList(StadiumsSection, u"STADIUM", c_.stadiums_,
                              [version](TStadium& stadium, CIndexTextFile& file) {
                                  return stadium.ReadStadium(file, version);
                              });
    }

    bool SkipStaffs()
    {
        TStagedSection ignored;
        return Stage(ignored, StaffsSection);
    }

    bool ReadAdditionalManagers()
    {
        if (!file_.FindSection(AddManagerSection)) return true;
        const std::int32_t count = ReadInt();
        if (count < 0) return BadCount(AddManagerSection, count);
        for (std::int32_t n = 0; n < count; ++n) {
            auto person = std::make_unique<TPerson>(c_.world_, 0);
            const Listed result = CheckListed(person->ReadPlayer(file_), u"PLAYER");
            if (result == Listed::Failed) return false;
            if (result == Listed::Missing) break;
            c_.pendingManagers_.push_back(std::move(person));
        }
        file_.FindSectionEnd(AddManagerSection);
        return true;
    }

    bool ReadPool()
    {
        c_.ResizePoolToDefault();
        if (!file_.FindSection(PlayerPoolSection)) return true;
        const std::int32_t count = ReadInt();
        if (count < 0 || count > TCountry::MaxPoolEntries) return BadCount(PlayerPoolSection, count);
        c_.ResizePool(count);
        for (std::int32_t n = 0; n < count; ++n) {
            const Listed result = CheckListed(c_.pool_[static_cast<std::size_t>(n)].ReadPoolPlayer(file_), u"PL_POOL");
            if (result == Listed::Failed) return false;
            if (result == Listed::Missing) break;
        }
        file_.FindSectionEnd(PlayerPoolSection);
        return true;
    }

    bool ReadSettings()
    {
        if (!file_.FindSection(SettingsSection)) return true;
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
        if (c_.manager_.ReadManager(file_) == TSectionRead::Unterminated) return NotClosed(ManagerSection);
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
        file_.FindSectionEnd(SettingsSection);
        return true;
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
    std::uint32_t version_ = 1;
    std::uint32_t writtenVersion_ = 1;
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
        ok &= file_.WriteInt32(c_.staged_.completeness);
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

    bool WriteCompetitions()
    {
        bool ok = file_.WriteSectionBegin(CompetitionSection);
        ok &= file_.WriteInt32(static_cast<std::int32_t>(c_.staged_.competitions.size()));
        int number = 0;
        for (const TStagedSection& competition : c_.staged_.competitions) {
            ok &= competition.Write(file_, Format(u"COMP%d", number++));
        }
        ok &= file_.WriteInt32(c_.staged_.levelCount);
        for (int level = 0; level < c_.staged_.levelCount; ++level) {
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
