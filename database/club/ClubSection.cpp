#include "database/club/ClubSection.h"

#include <algorithm>
#include <atomic>

#include "archive/BadgeLookup.h"
#include "core/AppMessage.h"
#include "core/text/Format.h"
#include "core/files/IndexTextFile.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/club/Club.h"
#include "database/club/ClubBadge.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/DatabaseVersion.h"
#include "database/world/FileDamage.h"
#include "database/world/GameIdMaps.h"
#include "database/person/Person.h"
#include "database/person/PreparedPersons.h"
#include "database/world/RecordText.h"
#include "core/files/FileMessages.h"

namespace {

constexpr std::u16string_view HistorySection = u"HIST";
constexpr std::u16string_view PlayerSection = u"PLAYER";
constexpr std::u16string_view StaffSection = u"STAFF";
constexpr std::uint32_t NationalTeamSectionNumber = 65535;
// A repaired badge path keeps at most this many characters.
constexpr std::size_t NormalisedBadgePathLength = 38;
// The history texts in the order of the file.
constexpr int HistoryFileOrder[TClub::HistoryTextCount] = {0, 1, 2, 3, 5, 4, 6, 7};
std::atomic<bool> nameWarning{true};

template <std::size_t N>
void CopySix(const char16_t (&from)[TClub::LanguageCount][N], char16_t (&to)[TClub::LanguageCount][N])
{
    std::copy_n(&from[0][0], TClub::LanguageCount * N, &to[0][0]);
}

std::u16string ClubKey(std::uint32_t index)
{
    return Format(u"CLUB%d", index);
}

bool AtLeast(std::uint32_t major, std::uint32_t minor)
{
    return TDatabaseVersion::IsVersionAtLeast(major, minor);
}

std::u16string Text(TextKey key)
{
    return CTextManager::Instance()->GetText(key);
}

bool StartsWithDigit(const char16_t* text)
{
    return text[0] >= u'0' && text[0] <= u'9';
}

}  // namespace

bool CClubSection::IsNameWarningOn()
{
    return nameWarning;
}

void CClubSection::SetNameWarning(bool on)
{
    nameWarning = on;
}

class CClubSection::Reader {
public:
    Reader(TClub& club, CIndexTextFile& file, std::uint32_t index, std::vector<TPendingPerson>* pending)
        : c_(club), file_(file), index_(index), pending_(pending)
    {
    }

    bool Read()
    {
        const std::u16string key = ClubKey(index_);
        if (!file_.FindNestedSection(key)) return false;
        if (!ReadVersion(file_)) return false;
        ReadUniqueId();
        ReadNames();
        CheckNames();
        ReadContacts();
        ReadFinances();
        ReadGround();
        ReadHistory();
        ReadLocationAndMore();
        if (!ReadSquad()) return false;
        c_.kit_.ReadKit(file_);
        ReadLowestLeagues();
        if (file_.FindSectionEnd(key)) return true;
        file_.SetError(ReplaceTokens(Text(u"Database.Error.SectionNotClosed"_tk), {{u"_SECTION", key}}).c_str());
        return false;
    }

private:
    std::uint32_t Major() const { return TDatabaseVersion::GetFileMajor(); }

    void Skip(int lines)
    {
        std::u16string ignored;
        for (int i = 0; i < lines; ++i) file_.ReadCString(ignored);
    }

    void ReadUniqueId()
    {
        if (AtLeast(0x2007, 18)) {
            file_.ReadInt32(c_.uniqueId_);
        } else if (index_ == NationalTeamSectionNumber) {
            c_.uniqueId_ = (static_cast<std::uint32_t>(c_.GetCountryId()) << 16) | 0xFFFF;
        } else {
            TCountry* country = c_.GetCountry();
            c_.uniqueId_ = country ? country->TakeNextUniqueClubId() : 0;
        }
    }

    void ReadNames()
    {
        const bool second = AtLeast(0x2006, 3);
        file_.ReadQuotedStrings(&c_.names_[0][0], TClub::NameCapacity);
        if (second) file_.ReadQuotedStrings(&c_.secondNames_[0][0], TClub::NameCapacity);
        file_.ReadQuotedStrings(&c_.shortNames_[0][0], TClub::ShortNameCapacity);
        if (second) file_.ReadQuotedStrings(&c_.secondShortNames_[0][0], TClub::ShortNameCapacity);
        if (Major() < 0x2006) Skip(1);
        for (int form = 0; form < TClubFields::NameForms; ++form) {
            file_.ReadInt8List(c_.nameArticles_ + form * TClub::LanguageCount, TClub::LanguageCount);
        }
        file_.ReadQuotedStrings(&c_.abbreviations_[0][0], TClub::AbbreviationCapacity);
        file_.ReadInt8List(c_.phraseUsage_, TClub::LanguageCount);
        if (second) file_.ReadInt8List(c_.secondPhraseUsage_, TClub::LanguageCount);
        file_.ReadQuotedStrings(&c_.towns_[0][0], TClub::TownCapacity);
        if (second) return;
        CopySix(c_.names_, c_.secondNames_);
        CopySix(c_.shortNames_, c_.secondShortNames_);
        std::copy(c_.phraseUsage_, c_.phraseUsage_ + TClub::LanguageCount, c_.secondPhraseUsage_);
    }

    bool NamePasses(int language) const
    {
        const char16_t* name = c_.names_[language];
        const char16_t* second = c_.secondNames_[language];
        if (TextLength(name) >= 2 && TextLength(second) >= 2) return true;
        if (language == 5 && !AtLeast(0x2007, 26)) return true;
        return name[0] != 0 && second[0] != 0 && !StartsWithDigit(name) && !StartsWithDigit(second);
    }

    void CheckNames()
    {
        for (int language = 0; language < TClub::LanguageCount && nameWarning; ++language) {
            if (NamePasses(language)) continue;
            const std::u16string text = ReplaceTokens(Text(u"Database.ErrorCorruptClubName"_tk),
                                                      {{u"_FILE_NAME", file_.GetFileName()},
                                                       {u"_CLUB_NAME", FirstName()}});
            const int answer = ShowAppMessageBox(text.c_str(), AppMessage::YesNo | AppMessage::IconError);
            if (answer == AppMessage::IdNo) nameWarning = false;
            return;
        }
    }

    const char16_t* FirstName() const
    {
        for (const auto& name : c_.names_) {
            if (name[0] != 0) return name;
        }
        return u"";
    }

    void ReadContacts()
    {
        file_.ReadString(c_.fanName1_, TClubFields::FanNameCapacity);
        file_.ReadString(c_.fanName2_, TClubFields::FanNameCapacity);
        file_.ReadInt32(c_.partnerClub_);
        const int rivals = AtLeast(0x2006, 3) ? 4 : AtLeast(0x2006, 1) ? 3 : 2;
        for (int rival = 0; rival < TClub::RivalCount; ++rival) {
            c_.rivals_[rival] = 0;
            if (rival < rivals) file_.ReadInt32(c_.rivals_[rival]);
        }
        file_.ReadInt16(c_.foundationYear_);
        file_.ReadString(c_.address_, TClubFields::AddressCapacity);
        file_.ReadString(c_.telephone_, TClubFields::TelephoneCapacity);
        file_.ReadString(c_.website_, TClubFields::WebsiteCapacity);
        file_.ReadString(c_.fansites_, TClubFields::FansitesCapacity);
        file_.ReadString(c_.extraText_, TClubFields::ExtraTextCapacity);
        file_.ReadString(c_.mascot_, TClubFields::MascotCapacity);
    }

    void ReadFinances()
    {
        file_.ReadInt32(c_.initialCapital_);
        if (AtLeast(0x2006, 1)) {
            file_.ReadInt32(c_.capitalHalf_);
        } else {
            c_.capitalHalf_ = c_.initialCapital_ < 1 ? 0 : c_.initialCapital_ / 2;
        }
        file_.ReadInt8(c_.jointStockCompany_);
        if (AtLeast(0x2005, 4)) file_.ReadInt8(c_.extraByte_);
        file_.ReadInt8(c_.gameStartFlags_);
        if (AtLeast(0x2007, 9)) {
            file_.ReadInt8(c_.gameStartPoints_);
        } else {
            // Older files kept the points, negated, in the low four bits.
            c_.gameStartPoints_ = static_cast<std::int8_t>(-(c_.gameStartFlags_ & 0x0F));
            c_.gameStartFlags_ = static_cast<std::uint8_t>((c_.gameStartFlags_ & 0xF0) | (c_.gameStartPoints_ != 0 ? 3 : 0));
        }
        if (Major() < 0x2005) Skip(2);
        file_.ReadInt32Array(c_.clubValues_, TClubFields::ClubValueCount);
        ReadLeagueStats();
    }

    void ReadLeagueStats()
    {
        if (AtLeast(0x2007, 20)) {
            file_.ReadInt16Array(c_.leagueStats_, TClubFields::LeagueStatCount);
            return;
        }
        // One line per pair, into its first value.
        file_.ReadInt16(c_.leagueStats_[0]);
        if (AtLeast(0x2007, 6)) {
            for (int pair = 1; pair <= 3; ++pair) file_.ReadInt16(c_.leagueStats_[pair * 2]);
        } else {
            Skip(1);
            for (int pair = 1; pair <= 3; ++pair) c_.leagueStats_[pair * 2] = 0;
        }
        for (int pair = 4; pair <= 6; ++pair) file_.ReadInt16(c_.leagueStats_[pair * 2]);
    }

    void ReadGround()
    {
        file_.ReadInt32(c_.extraNumber_);
        if (c_.extraNumber_ > TClub::MaxExtraNumber) c_.extraNumber_ = 0;
        file_.ReadInt32(c_.stadiumCapacity_);
        c_.stadiumCapacity_ = std::min(c_.stadiumCapacity_, TClub::MaxStadiumCapacity);
        file_.ReadQuotedStrings(&c_.stadiumNames_[0][0], TClub::NameCapacity);
        file_.ReadInt8(c_.stadiumType_);
        file_.ReadInt8(c_.groundFlags_);
        file_.ReadInt8Array(c_.facilities_, TClub::FacilityCount);
        c_.mediaPressure_ = 0;
        c_.flags_ = 0;
        if (AtLeast(0x2007, 14)) {
            file_.ReadInt8(c_.mediaPressure_);
            file_.ReadInt32(c_.flags_);
        }
        if (!AtLeast(0x2007, 24)) c_.mediaPressure_ = 1;
        file_.ReadInt16(c_.seasonFlags_);
        file_.ReadString(c_.badgePath_, TClub::BadgePathCapacity);
        const bool allParams = AtLeast(0x2007, 2);
        file_.ReadInt8Array(c_.badgeParams_, allParams ? TClub::BadgeParamCount : 3);
        if (allParams && !AtLeast(0x2007, 14)) {
            c_.badgeParams_[3] = c_.badgeParams_[4] = TClub::GetColourGroup(c_.badgeParams_[3]);
        }
        TakeGenericForUnwritableBadgePath();
    }

    // A path of nothing but line marks ("%") cannot stand on a line of its
    // own: a save writes it as an empty line, which the next import turns
    // into the generic badge. The generic badge is taken now, so that the
    // first save already writes what every later one does; the game export
    // gave that badge for such a path all along, since no file is found.
    void TakeGenericForUnwritableBadgePath()
    {
        if (c_.badgePath_[0] == 0 || !MakeRecordText(c_.badgePath_).empty()) return;
        CopyText(c_.badgePath_, GetGenericBadgePath(c_.badgeParams_[0]));
    }

    void ReadHistory()
    {
        if (!file_.FindNestedSection(HistorySection)) return;
        for (int index : HistoryFileOrder) file_.ReadCString(c_.historyTexts_[index]);
        for (TClubRecord& record : c_.records_) record.ReadClubRecord(file_);
        file_.FindSectionEnd(HistorySection);
    }

    void ReadLocationAndMore()
    {
        file_.ReadInt32(c_.latitude_);
        file_.ReadInt32(c_.longitude_);
        file_.ReadInt8(c_.prestigeNational_);
        if (AtLeast(0x2006, 2)) file_.ReadInt8(c_.prestigeInternational_);
        file_.ReadCString(c_.extraString_);
        file_.ReadInt8Array(c_.transferSettings_, TClubFields::TransferSettingCount);
        file_.ReadInt8(c_.youthNationality_);
        file_.ReadInt32(c_.qaroId_);
    }

    enum class Person { Read, Missing, Failed };

    bool ReadSquad()
    {
        c_.ClearSquad();
        std::int32_t players = 0;
        file_.ReadInt32(players);
        for (std::int32_t n = 0; n < players; ++n) {
            const Person result = ReadPerson(PlayerSection);
            if (result == Person::Failed) return false;
            if (result == Person::Missing) return true;
        }
        if (!AtLeast(0x2006, 1)) return true;
        std::int32_t staff = 0;
        file_.ReadInt32(staff);
        for (std::int32_t n = 0; n < staff; ++n) {
            const Person result = ReadPerson(StaffSection);
            if (result == Person::Failed) return false;
            if (result == Person::Missing) return true;
        }
        return true;
    }

    // A person beyond the squad's capacity is read into a scratch record
    // and never reaches the world.
    Person ReadPerson(std::u16string_view key)
    {
        std::uint32_t id = 0;
        if (!CPreparedPersons::TakeId(file_, id)) file_.ReadInt32(id);
        TCompleteWorld* world = c_.world_;
        const int count = pending_ ? static_cast<int>(pending_->size()) : c_.squadCount_;
        const bool full = count >= TClub::SquadCapacity;
        const bool inWorld = !full && pending_ == nullptr && world != nullptr;
        std::unique_ptr<TPerson> detached = inWorld ? nullptr : std::make_unique<TPerson>(world, id);
        TPerson* person = inWorld ? world->CreatePerson(id, true) : detached.get();
        const bool staff = key == StaffSection;
        const bool prepared = inWorld && CPreparedPersons::TakeInto(file_, staff, *person);
        const TSectionRead result = prepared ? TSectionRead::Read
                                    : staff  ? person->ReadStaff(file_)
                                             : person->ReadPlayer(file_);
        if (result != TSectionRead::Read) {
            if (inWorld) world->DeletePerson(person);
            // A club file stands alone: a person missing from it fails
            // the import, which then reports the file once.
            if (result == TSectionRead::Missing && pending_ == nullptr) {
                ReportMissing(key);
                return Person::Missing;
            }
            const TextKey error = result == TSectionRead::Missing ? u"Database.Error.SectionMissing"_tk
                                                                                  : u"Database.Error.SectionNotClosed"_tk;
            file_.SetError(ReplaceTokens(Text(error), {{u"_SECTION", key}, {u"_FILE_NAME", file_.GetFileName()}}).c_str());
            return Person::Failed;
        }
        // A club writes a person to the section his type decides (a player
        // is type 0): read from the other one, his names are taken as that
        // section's reader will give them, so that the next save writes
        // what the first one wrote.
        const bool writtenAsStaff = person->GetType() != 0;
        if (writtenAsStaff != staff) person->TakeNamesAsSectionReads(writtenAsStaff);
        if (full) {
            ReportOverflowOnce();
        } else if (inWorld) {
            c_.AddPlayer(person);
        } else if (pending_ != nullptr) {
            pending_->push_back({id, std::move(detached)});
        }
        return Person::Read;
    }

    void ReportMissing(std::u16string_view key)
    {
        const std::u16string text = ReplaceTokens(Text(u"Database.Error.SectionMissing"_tk),
                                                  {{u"_SECTION", key}, {u"_FILE_NAME", file_.GetFileName()}});
        ShowAppMessageBox(text.c_str(), AppMessage::IconWarning);
    }

    void ReportOverflowOnce()
    {
        if (overflowReported_) return;
        overflowReported_ = true;
        const std::u16string text = ReplaceTokens(Text(u"Database.Error.SquadOverflow"_tk),
                                                  {{u"_CLUB_NAME", FirstName()}, {u"_FILE_NAME", file_.GetFileName()}});
        ShowAppMessageBox(text.c_str(), AppMessage::IconWarning);
    }

    void ReadLowestLeagues()
    {
        if (AtLeast(0x2007, 2)) {
            file_.ReadInt32Array(c_.lowestLeagues_, TClubFields::LowestLeagueCount);
        } else if (AtLeast(0x2007, 1)) {
            file_.ReadInt32(c_.lowestLeagues_[0]);
        }
    }

    TClub& c_;
    CIndexTextFile& file_;
    std::uint32_t index_;
    std::vector<TPendingPerson>* pending_;
    bool overflowReported_ = false;
};

class CClubSection::Writer {
public:
    Writer(const TClub& club, CIndexTextFile& file) : c_(club), file_(file) {}

    bool Write(std::uint32_t index)
    {
        const std::u16string key = ClubKey(index);
        if (!file_.WriteSectionBegin(key)) return false;
        bool ok = WriteVersion(file_);
        ok &= file_.WriteInt32(c_.uniqueId_);
        ok &= WriteNames();
        ok &= WriteContacts();
        ok &= WriteFinances();
        ok &= WriteGround();
        ok &= WriteHistory();
        ok &= WriteLocationAndMore();
        ok &= WriteSquad();
        ok &= c_.kit_.WriteKit(file_);
        ok &= file_.WriteInt32Array(c_.lowestLeagues_, TClubFields::LowestLeagueCount);
        return ok && file_.WriteSectionEnd(key);
    }

private:
    template <std::size_t N>
    bool WriteSix(const char16_t (&texts)[TClub::LanguageCount][N])
    {
        return file_.WriteQuotedStrings(&texts[0][0], TClub::LanguageCount, N);
    }

    bool WriteNames()
    {
        bool ok = WriteSix(c_.names_);
        ok &= WriteSix(c_.secondNames_);
        ok &= WriteSix(c_.shortNames_);
        ok &= WriteSix(c_.secondShortNames_);
        for (int form = 0; form < TClubFields::NameForms; ++form) {
            ok &= file_.WriteUInt8List(c_.nameArticles_ + form * TClub::LanguageCount, TClub::LanguageCount);
        }
        ok &= WriteSix(c_.abbreviations_);
        ok &= file_.WriteUInt8List(c_.phraseUsage_, TClub::LanguageCount);
        ok &= file_.WriteUInt8List(c_.secondPhraseUsage_, TClub::LanguageCount);
        // The towns file separates its fields with '|'.
        char16_t towns[TClub::LanguageCount][TClub::TownCapacity];
        CopySix(c_.towns_, towns);
        for (auto& town : towns) std::replace(std::begin(town), std::end(town), u'|', u'/');
        return ok && WriteSix(towns);
    }

    bool WriteContacts()
    {
        const TGameIdMaps& maps = GetGameIdMaps();
        bool ok = WriteRecordText(file_, c_.fanName1_);
        ok &= WriteRecordText(file_, c_.fanName2_);
        ok &= file_.WriteInt32(maps.GetSaveClubId(c_.partnerClub_));
        for (TTeamId rival : c_.rivals_) ok &= file_.WriteInt32(maps.GetSaveClubId(rival));
        ok &= file_.WriteUInt16(c_.foundationYear_);
        for (const char16_t* text : {c_.address_, c_.telephone_, c_.website_, c_.fansites_, c_.extraText_, c_.mascot_}) {
            ok &= WriteRecordText(file_, text);
        }
        return ok;
    }

    bool WriteFinances()
    {
        bool ok = file_.WriteInt32(c_.initialCapital_);
        ok &= file_.WriteInt32(c_.capitalHalf_);
        ok &= file_.WriteUInt8(c_.jointStockCompany_);
        ok &= file_.WriteUInt8(c_.extraByte_);
        ok &= file_.WriteUInt8(c_.gameStartFlags_);
        ok &= file_.WriteInt8(c_.gameStartPoints_);
        ok &= file_.WriteInt32Array(c_.clubValues_, TClubFields::ClubValueCount);
        return ok && file_.WriteUInt16Array(c_.leagueStats_, TClubFields::LeagueStatCount);
    }

    bool WriteGround()
    {
        bool ok = file_.WriteInt32(c_.extraNumber_);
        ok &= file_.WriteInt32(c_.stadiumCapacity_);
        ok &= WriteSix(c_.stadiumNames_);
        ok &= file_.WriteUInt8(c_.stadiumType_);
        ok &= file_.WriteUInt8(c_.groundFlags_);
        ok &= file_.WriteUInt8Array(c_.facilities_, TClub::FacilityCount);
        ok &= file_.WriteUInt8(c_.mediaPressure_);
        ok &= file_.WriteInt32(c_.flags_);
        ok &= file_.WriteUInt16(c_.seasonFlags_);
        ok &= WriteRecordText(file_, c_.badgePath_);
        return ok && file_.WriteUInt8Array(c_.badgeParams_, TClub::BadgeParamCount);
    }

    bool WriteHistory()
    {
        bool ok = file_.WriteSectionBegin(HistorySection);
        for (int index : HistoryFileOrder) ok &= WriteRecordText(file_, c_.historyTexts_[index]);
        for (const TClubRecord& record : c_.records_) ok &= record.WriteClubRecord(file_);
        return ok && file_.WriteSectionEnd(HistorySection);
    }

    bool WriteLocationAndMore()
    {
        bool ok = file_.WriteInt32(c_.latitude_);
        ok &= file_.WriteInt32(c_.longitude_);
        ok &= file_.WriteUInt8(c_.prestigeNational_);
        ok &= file_.WriteUInt8(c_.prestigeInternational_);
        ok &= WriteRecordText(file_, c_.extraString_);
        ok &= file_.WriteUInt8Array(c_.transferSettings_, TClubFields::TransferSettingCount);
        ok &= file_.WriteUInt8(c_.youthNationality_);
        return ok && file_.WriteInt32(c_.qaroId_);
    }

    // Players (type 0) in squad order, then the staff in squad order.
    bool WriteSquad()
    {
        bool ok = true;
        for (const bool players : {true, false}) {
            const int count = c_.GetPlayerCount();
            ok &= file_.WriteInt32(players ? count : CountStaff());
            for (int slot = 0; slot < c_.GetSquadCount(); ++slot) {
                const TPerson* person = c_.GetSquadPerson(slot);
                if (person == nullptr || (person->GetType() == 0) != players) continue;
                ok &= file_.WriteInt32(person->GetId());
                ok &= players ? person->WritePlayer(file_) : person->WriteStaff(file_);
            }
        }
        return ok;
    }

    int CountStaff() const
    {
        int count = 0;
        for (int slot = 0; slot < c_.GetSquadCount(); ++slot) {
            const TPerson* person = c_.GetSquadPerson(slot);
            if (person != nullptr && person->GetType() != 0) ++count;
        }
        return count;
    }

    const TClub& c_;
    CIndexTextFile& file_;
};

bool CClubSection::Read(TClub& club, CIndexTextFile& file, std::uint32_t index,
                        std::vector<TPendingPerson>* pending)
{
    return Reader(club, file, index, pending).Read();
}

bool CClubSection::Write(const TClub& club, CIndexTextFile& file, std::uint32_t index)
{
    return Writer(club, file).Write(index);
}

bool TClub::ReadClubSection(CIndexTextFile& file, std::uint32_t index)
{
    return CClubSection::Read(*this, file, index, nullptr);
}

bool TClub::WriteClubSection(CIndexTextFile& file, std::uint32_t index) const
{
    return CClubSection::Write(*this, file, index);
}

bool TClub::ExportClubFile(std::u16string_view path) const
{
    BuildGameIdMaps(GetGameIdMaps());
    CIndexTextFile file;
    const bool written = file.OpenWrite(path) && WriteClubSection(file, 0) && file.Close();
    if (!written) ShowFileNotFound(std::u16string(path).c_str());
    return written;
}

bool TClub::ImportClubFile(std::u16string_view path)
{
    CIndexTextFile file;
    if (!file.OpenRead(path)) {
        ShowFileNotFound(std::u16string(path).c_str());
        return false;
    }
    // The file is read apart; the club and the world change only once all
    // of it was read, and the new persons then take the ids of the file
    // that the old ones free.
    TClub imported(uniqueId_);
    imported.SetWorld(world_);
    imported.SetId(id_);
    std::vector<TPendingPerson> persons;
    const bool read = CClubSection::Read(imported, file, 0, &persons);
    // A broken section line shifts what was read after it: nothing is
    // taken, and the line is named.
    if (read && file.GetBrokenSectionLine() != 0) {
        TFileDamage damage;
        damage.ReportBrokenSection(file);
        file.SetError(damage.GetDescription().c_str());
    }
    if (!read || file.GetBrokenSectionLine() != 0) {
        if (file.GetError() == nullptr) {
            file.SetError(ReplaceTokens(Text(u"Database.Error.ClubSectionMissing"_tk), {{u"_SECTION", ClubKey(0)}}).c_str());
        }
        ShowFileFormatError(file);
        return false;
    }
    DeleteSquadPersons();
    const TClub* holder = world_ ? world_->FindClubByUniqueId(imported.uniqueId_) : nullptr;
    if (holder == nullptr || holder == this) uniqueId_ = imported.uniqueId_;
    static_cast<TClubFields&>(*this) = static_cast<const TClubFields&>(imported);
    for (TPendingPerson& entry : persons) {
        if (world_ == nullptr) break;
        TPerson* person = world_->CreatePerson(entry.id, true);
        person->CopyFrom(*entry.person);
        AddPlayer(person);
    }
    // The file names clubs by their save ids.
    TGameIdMaps& maps = GetGameIdMaps();
    BuildGameIdMaps(maps);
    partnerClub_ = maps.GetClubIdFromSaveId(partnerClub_);
    for (TTeamId& rival : rivals_) rival = maps.GetClubIdFromSaveId(rival);
    Normalise();
    return true;
}

std::array<TTeamId, 1 + TClub::RivalCount> TClub::GetHomeCountryReferences() const
{
    const int country = GetCountryId();
    const auto home = [country](TTeamId club) { return TeamCountry(club) == country ? club : 0; };
    std::array<TTeamId, 1 + RivalCount> references = {home(partnerClub_)};
    std::transform(rivals_, rivals_ + RivalCount, references.begin() + 1, home);
    return references;
}

void TClub::Normalise()
{
    for (int language = 1; language < LanguageCount; ++language) {
        if (shortNames_[language][0] == 0) CopyText(shortNames_[language], names_[language], ShortNameCapacity);
        if (secondShortNames_[language][0] == 0) {
            CopyText(secondShortNames_[language], secondNames_[language], ShortNameCapacity);
        }
    }
    for (std::uint8_t* country : {&transferSettings_[0], &transferSettings_[1], &youthNationality_}) {
        if (*country > 206) *country = 14;
    }
    badgeParams_[0] = std::min<std::uint8_t>(badgeParams_[0], 23);
    badgeParams_[1] = std::min<std::uint8_t>(badgeParams_[1], 23);
    badgeParams_[2] = std::min<std::uint8_t>(badgeParams_[2], 4);
    if (badgePath_[0] == 0) {
        CopyText(badgePath_, GetGenericBadgePath(badgeParams_[0]));
    } else {
        const std::u16string path(badgePath_);
        NormaliseBadgePath(path.c_str(), badgePath_, NormalisedBadgePathLength + 1);
    }
    for (std::uint8_t& level : facilities_) level = std::min<std::uint8_t>(level, 5);
    kit_.ClampKit();
    const std::array<TTeamId, 1 + RivalCount> references = GetHomeCountryReferences();
    partnerClub_ = references[0];
    std::copy(references.begin() + 1, references.end(), rivals_);
    for (int rival = 0; rival + 1 < RivalCount; ++rival) {
        if (TeamCountry(rivals_[rival]) != 0) continue;
        rivals_[rival] = rivals_[rival + 1];
        rivals_[rival + 1] = 0;
    }
    if (GetLongitudeDegrees() > 180 || GetLongitudeMinutes() > 59) {
        SetLongitude(IsLongitudeWest(), GetLongitudeDegrees(), GetLongitudeMinutes());
    }
    if (GetLatitudeDegrees() > 90 || GetLatitudeMinutes() > 59) {
        SetLatitude(IsLatitudeSouth(), GetLatitudeDegrees(), GetLatitudeMinutes());
    }
    const bool nationalTeam = IsNationalTeamId(id_);
    if (stadiumCapacity_ <= 10) {
        if (nationalTeam) {
            stadiumCapacity_ = 8000;
        } else {
            const TCountry* home = GetCountry();
            const int clubs = home ? home->GetClubCountWithoutNationalTeam() : 0;
            stadiumCapacity_ = clubs < 8 ? 25000 : clubs < 12 ? 35000 : clubs < 40 ? 55000 : 75000;
            FillGenericStadiumNames(false);
        }
    }
    if (nationalTeam) std::fill(std::begin(leagueStats_), std::end(leagueStats_), std::uint16_t{0});
    const int country = GetCountryId();
    if (country == 14 && qaroId_ != 13) SetNotInITCup(true);
    for (int slot = 0; slot < squadCount_; ++slot) {
        if (TPerson* person = GetSquadPerson(slot)) person->Repair(country);
    }
}
