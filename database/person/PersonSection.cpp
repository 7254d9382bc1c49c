// The PLAYER, HIST and STAFF sections of a person. A damaged file may end a
// section early: no reader takes a section line as a value, so a missing
// line leaves its field as it was instead of shifting every later one.

#include <algorithm>
#include <iterator>
#include <string>

#include "core/files/IndexTextFile.h"
#include "core/Random.h"
#include "core/text/TextTools.h"
#include "database/person/CaricatureGroups.h"
#include "database/world/DatabaseVersion.h"
#include "database/world/GameIdMaps.h"
#include "database/person/Person.h"
#include "database/world/RecordText.h"
#include "database/world/StagedSection.h"

namespace {
constexpr std::u16string_view PlayerKey = u"PLAYER";
constexpr std::u16string_view HistoryKey = u"HIST";
constexpr std::u16string_view StaffKey = u"STAFF";
constexpr std::uint8_t InjuryBit = TPerson::InjuryStateBit;

bool AtLeast(std::uint32_t major, std::uint32_t minor)
{
    return TDatabaseVersion::IsVersionAtLeast(major, minor);
}

bool MajorBelow(std::uint32_t major)
{
    return TDatabaseVersion::GetFileMajor() < major;
}

std::uint32_t SaveId(std::uint32_t club)
{
    return GetGameIdMaps().GetSaveClubId(club);
}

// Values a reader of this thread looked for and did not find since
// ReadSectionNoting last began.
thread_local std::size_t missedValues = 0;

// Reads value lines of the current section, never a section line.
class CValueReader {
public:
    explicit CValueReader(CIndexTextFile& file) : file_(file) {}

    bool HasValue() const
    {
        const char16_t* next = file_.PeekLine();
        return next != nullptr && next[0] != u'%';
    }
    void Number(std::uint8_t& value)
    {
        if (HasValue()) {
            file_.ReadInt8(value);
        } else {
            ++missedValues;
        }
    }
    void Number(std::uint16_t& value)
    {
        if (HasValue()) {
            file_.ReadInt16(value);
        } else {
            ++missedValues;
        }
    }
    void Number(std::uint32_t& value)
    {
        if (HasValue()) {
            file_.ReadInt32(value);
        } else {
            ++missedValues;
        }
    }
    void Number(std::int32_t& value)
    {
        if (HasValue()) {
            file_.ReadInt32(value);
        } else {
            ++missedValues;
        }
    }
    void Numbers(std::uint8_t* values, int count)
    {
        for (int n = 0; n < count; ++n) Number(values[n]);
    }
    void Skip(int lines = 1)
    {
        for (int n = 0; n < lines && HasValue(); ++n) file_.NextLine();
    }
    void Line(std::u16string& text)
    {
        if (HasValue()) {
            file_.ReadCString(text);
        } else {
            ++missedValues;
        }
    }
    template <std::size_t N>
    void Name(char16_t (&dest)[N])
    {
        NameOf(dest, N);
    }

    // A name the section does not hold is empty: the names drawn for a new
    // person are no part of the file.
    void NameOf(char16_t* dest, std::size_t capacity)
    {
        if (HasValue()) {
            file_.ReadString(dest, capacity);
        } else {
            dest[0] = 0;
        }
    }

private:
    CIndexTextFile& file_;
};

// Old files list 28 abilities in their own order (and two more, dropped).
constexpr int OldAbilityOrder[28] = {10, 15, 0, 1, 18, 19, 13, 2, 3, 4, 16, 25, 20, 21,
                                     5, 14, 6, 7, 8, 9, 41, 35, 38, 37, 42, 36, 39, 40};
enum Ability {
    ShotPower, LongShots, Dribbling, Technique, Crossing, Creativity, Finishing, FreeKicks, Corners, PenaltyShot,
    Passing, LongPassing, Flair, Tackling, ManMarking, Header, Touch, ForwardRuns, Acceleration, Pace, WorkRate,
    Strength, Agility, Jumping, Stamina, Anticipation, Aggression, Composure, Concentration, Decision,
    Determination, TeamWork, Consistency, Intimidation, Leadership,
};

// Caricatures an old file's player gets, by the group of his main position.
constexpr std::uint8_t PositionGroup[18] = {1, 1, 2, 2, 1, 1, 2, 2, 1, 4, 3, 3, 4, 5, 5, 4, 5, 5};

std::uint8_t DrawOldCaricature(std::uint8_t mainPosition)
{
    const int group = (mainPosition < 18 ? PositionGroup[mainPosition] : 1) - 1;
    return GroupCaricatures[group][CrtRand() % GroupCaricatureCounts[group]];
}

// Every day number from 1 January of year 1 on names a calendar day.
constexpr std::uint32_t FirstDayOfYearOne = static_cast<std::uint32_t>(ToDayNumber(1, 1, 1));

// History dates are read without clamps; a day number that names no
// calendar day (far before year 1) could not be written back as it was
// read, so it reads as no date.
void ReadHistoryDate(TDate& date, CIndexTextFile& file)
{
    if (date.ReadPlain(file) >= FirstDayOfYearOne) return;
    int year = 0;
    int month = 0;
    int day = 0;
    FromDayNumber(date.GetDayNumber(), year, month, day);
    if (date.IsSet() && (year < 0 || month < 1 || day < 1 || ToDayNumber(year, month, day) != date.GetDayNumber())) {
        date.Clear();
    }
}

std::uint8_t Max(std::uint8_t a, std::uint8_t b)
{
    return std::max(a, b);
}
}  // namespace

class CPersonSection {
public:
    // What each section's reader makes of the names it reads.
    static void TakePlayerNames(TPerson& p)
    {
        for (char16_t* name : {p.firstName, p.lastName, p.nickname, p.pseudonym}) NormaliseWhitespace(name);
    }
    static void TakeStaffNames(TPerson& p)
    {
        TrimText(p.firstName);
        TrimText(p.lastName);
    }

    static void ReadOldAbilities(TPerson& p, CValueReader& in)
    {
        in.Skip(4);
        std::uint8_t* a = p.abilities;
        std::uint8_t old[30] = {};
        for (int n = 0; n < 28; ++n) old[n] = a[OldAbilityOrder[n]];
        in.Numbers(old, 30);
        for (int n = 0; n < 28; ++n) a[OldAbilityOrder[n]] = old[n];
        a[LongPassing] = a[Passing];
        a[Flair] = static_cast<std::uint8_t>((a[Creativity] + a[Dribbling]) / 2);
        a[ForwardRuns] = Max(a[LongShots], a[Crossing]);
        a[Jumping] = a[Header];
        a[Agility] = a[Dribbling];
        a[Aggression] = static_cast<std::uint8_t>((a[Tackling] + a[WorkRate]) / 2);
        a[Stamina] = a[WorkRate];
        a[Composure] = Max(a[Passing], a[Finishing]);
        a[Concentration] = a[ManMarking];
        a[Decision] = Max(Max(a[Passing], a[Finishing]), a[Tackling]);
        a[Determination] = a[WorkRate];
        a[TeamWork] = a[WorkRate];
        a[Consistency] = 75;
        a[Intimidation] = a[Aggression];
        a[Leadership] = static_cast<std::uint8_t>((p.GetAge() + 5) * 2);
        p.carriedValueB = 0;
    }

    static void ReadPlayerBits(TPerson& p, CValueReader& in)
    {
        in.Number(p.playerBits);
        if (MajorBelow(0x2006)) {
            const int old = (p.playerBits >> 3) & 7;
            const int foot = old == 1 ? 0 : old == 2 ? 1 : 2;
            p.playerBits = static_cast<std::uint8_t>((p.playerBits & ~0x38) | (foot << 3));
        }
        if (p.GetPreferredFoot() > 3 || p.GetTalent() > 4) p.playerBits = static_cast<std::uint8_t>((p.playerBits & ~0x3F) | 3);
    }

    static void ReadClub(CValueReader& in, std::uint32_t& club)
    {
        in.Skip();
        in.Number(club);
    }

    static void ReadState(TPerson& p, CValueReader& in)
    {
        in.Number(p.nationalBits);
        if (AtLeast(0x2007, 1)) {
            in.Number(p.startOfSeasonState);
            return;
        }
        p.startOfSeasonState = static_cast<std::uint8_t>((p.nationalBits >> 2) & 0x0F);
        p.nationalBits &= 0xC3;
    }

    static void ReadHistory(TPerson& p, CIndexTextFile& file)
    {
        if (!file.FindNestedSection(HistoryKey)) return;
        CValueReader in(file);
        // The count is not trusted: the entries run to the end line. It
        // only sizes the storage, within the most a person keeps.
        std::uint32_t count = 0;
        in.Number(count);
        const std::size_t first = p.history.size();
        p.history.reserve(first + std::min<std::uint32_t>(count, TPerson::MaxHistoryEntries));
        while (in.HasValue()) {
            const std::size_t missed = missedValues;
            p.history.emplace_back().ReadHistoryEntry(file);
            // An entry cut short by a section line: a line of the section
            // stands out of place, and the entries' values are shifted.
            if (missedValues != missed) file.NoteLineOutOfPlace(file.GetLinePosition());
        }
        file.FindSectionEnd(HistoryKey);
        // Files keep their entries in order, which then needs no sort and
        // no sort's buffer.
        const auto byStart = [](const THistoryEntry& a, const THistoryEntry& b) { return a.start < b.start; };
        const auto entries = p.history.begin() + static_cast<std::ptrdiff_t>(first);
        if (!std::is_sorted(entries, p.history.end(), byStart)) std::stable_sort(entries, p.history.end(), byStart);
    }

    static TSectionRead ReadPlayer(TPerson& p, CIndexTextFile& file)
    {
        p.MarkRatingsStale();
        if (!file.FindNestedSection(PlayerKey)) return TSectionRead::Missing;
        CValueReader in(file);
        for (char16_t* name : {p.firstName, p.lastName, p.nickname, p.pseudonym}) {
            const std::size_t capacity = name == p.firstName ? TPerson::FirstNameCapacity : TPerson::LastNameCapacity;
            in.NameOf(name, capacity);
        }
        TakePlayerNames(p);
        for (std::uint8_t* value : {&p.type, &p.reserveTeam, &p.nationality, &p.secondNationality, &p.personFlags}) {
            in.Number(*value);
        }
        p.birthDate.ReadDate(file);
        ReadPlayerBits(p, in);
        in.Number(p.summaryChoice);
        in.Numbers(p.positions, TPerson::PositionSlots);
        const bool old = MajorBelow(0x2006);
        if (old) {
            ReadOldAbilities(p, in);
        } else {
            in.Numbers(p.abilities, TPerson::AbilityCount);
            in.Number(p.caricature);
            in.Number(p.carriedValueA);
        }
        in.Number(p.characterWord);
        in.Number(p.hairColour);
        if (old) in.Skip();
        for (std::uint8_t* value : {&p.face, &p.hairstyle, &p.facialHair, &p.heightCm, &p.weightKg,
                                    &p.nationalExperience, &p.internationalExperience, &p.shirtNumber,
                                    &p.reserveShirtNumber}) {
            in.Number(*value);
        }
        in.Number(p.faceId);
        if (old) {
            p.caricature = DrawOldCaricature(p.positions[0]);
        } else {
            in.Number(p.empicsId);
        }
        if (!AtLeast(0x2007, 22)) in.Skip(4);
        in.Number(p.yearJoined);
        in.Number(p.contractUntil);
        in.Number(p.salary);
        in.Number(p.transferValue);
        in.Number(p.moneyValue3);
        in.Number(p.nationalAppearances);
        in.Number(p.nationalGoals);
        in.Numbers(p.staffAbilities, TPerson::StaffAbilityCount);
        in.Numbers(p.languages, TPerson::LanguageSlots);
        ReadClub(in, p.favouriteClub);
        ReadClub(in, p.secondClub);
        in.Number(p.linkedPersonId);
        in.Number(p.favouriteTactic);
        in.Number(p.stabilityBits);
        in.Number(p.tacticalEducation);
        p.tacticalEducation = std::min<std::uint8_t>(p.tacticalEducation, 7);
        ReadState(p, in);
        ReadClub(in, p.transferClub);
        p.transferStart.ReadDate(file);
        p.transferEnd.ReadDate(file);
        in.Number(p.banLength);
        in.Number(p.injuryKind);
        if (p.injuryKind != 0) p.startOfSeasonState |= InjuryBit;
        p.injuryStart.ReadDate(file);
        p.injuryEnd.ReadDate(file);
        if (AtLeast(0x2007, 0)) in.Number(p.transferFee);
        if (AtLeast(0x2007, 16)) in.Number(p.callOption);
        in.Number(p.shoe);
        if (p.shoe == 0) p.shoe = 2;
        in.Number(p.appearanceBits);
        p.history.clear();
        if (!MajorBelow(0x2005)) ReadHistory(p, file);
        if (!MajorBelow(0x2004)) {
            std::u16string line;
            in.Line(line);
            p.notes = LineToNotes(line);
        }
        if (!old) in.Number(p.carriedValueB);
        // Values older files had no line for, present only when set.
        if (in.HasValue()) {
            in.Number(p.dislikedClub);
            in.Number(p.favouriteCountry);
        }
        if (p.caricature == 21) p.caricature = 0;
        p.MarkRatingsStale();
        return Finish(file, PlayerKey);
    }

    // The kind a text file gets: an injured person keeps a known kind; a
    // missing or unknown one follows the injury's length.
    static std::uint8_t SavedInjuryKind(const TPerson& p)
    {
        if ((p.startOfSeasonState & InjuryBit) == 0) return 0;
        if (p.injuryKind >= 1 && p.injuryKind <= 41) return p.injuryKind;
        return TPerson::InjuryKindForLength(p.injuryEnd - p.injuryStart);
    }

    static bool WriteClub(CIndexTextFile& file, std::uint32_t club)
    {
        const std::uint32_t id = SaveId(club);
        return file.WriteUInt8(static_cast<std::int32_t>((id >> 16) & 0xFF)) && file.WriteInt32(id);
    }

    static bool WritePlayer(const TPerson& p, CIndexTextFile& file)
    {
        bool ok = file.WriteSectionBegin(PlayerKey);
        for (const char16_t* name : {p.firstName, p.lastName, p.nickname, p.pseudonym}) ok &= WriteRecordText(file, name);
        ok &= file.WriteUInt8(p.type) && file.WriteInt8(p.reserveTeam) && file.WriteUInt8(p.nationality);
        ok &= file.WriteUInt8(p.secondNationality) && file.WriteUInt8(p.personFlags);
        ok &= p.birthDate.WriteDate(file);
        ok &= file.WriteUInt8(p.playerBits) && file.WriteUInt8(p.summaryChoice);
        ok &= file.WriteUInt8Array(p.positions, TPerson::PositionSlots);
        ok &= file.WriteUInt8Array(p.abilities, TPerson::AbilityCount);
        ok &= file.WriteUInt8(p.caricature) && file.WriteUInt8(p.carriedValueA);
        ok &= file.WriteInt32(p.characterWord);
        for (std::uint8_t value : {p.hairColour, p.face, p.hairstyle, p.facialHair, p.heightCm, p.weightKg}) {
            ok &= file.WriteUInt8(value);
        }
        ok &= file.WriteInt8(p.nationalExperience) && file.WriteInt8(p.internationalExperience);
        ok &= file.WriteUInt8(p.shirtNumber) && file.WriteUInt8(p.reserveShirtNumber);
        ok &= file.WriteInt32(p.faceId) && file.WriteInt32(p.empicsId);
        ok &= file.WriteInt32(p.yearJoined) && file.WriteInt32(p.contractUntil);
        ok &= file.WriteInt32(p.salary) && file.WriteInt32(p.transferValue) && file.WriteInt32(p.moneyValue3);
        ok &= file.WriteUInt8(p.nationalAppearances) && file.WriteUInt8(p.nationalGoals);
        ok &= file.WriteUInt8Array(p.staffAbilities, TPerson::StaffAbilityCount);
        ok &= file.WriteUInt8Array(p.languages, TPerson::LanguageSlots);
        ok &= WriteClub(file, p.favouriteClub) && WriteClub(file, p.secondClub);
        ok &= file.WriteInt32(p.linkedPersonId);
        for (std::uint8_t value : {p.favouriteTactic, p.stabilityBits, p.tacticalEducation, p.nationalBits,
                                   p.startOfSeasonState}) {
            ok &= file.WriteUInt8(value);
        }
        ok &= WriteClub(file, p.transferClub);
        ok &= p.transferStart.WriteDate(file) && p.transferEnd.WriteDate(file);
        ok &= file.WriteUInt8(p.banLength) && file.WriteUInt8(SavedInjuryKind(p));
        ok &= p.injuryStart.WriteDate(file) && p.injuryEnd.WriteDate(file);
        ok &= file.WriteInt32(p.transferFee) && file.WriteInt32(p.callOption);
        ok &= file.WriteUInt8(p.shoe) && file.WriteUInt8(p.appearanceBits);
        ok &= WriteHistory(p, file);
        ok &= WriteRecordText(file, NotesToLine(p.notes));
        ok &= file.WriteUInt8(p.carriedValueB);
        // Decided on what is written, so that a saved file saves the same.
        const std::uint32_t dislikedClub = SaveId(p.dislikedClub);
        if (dislikedClub != 0 || p.favouriteCountry != 0) {
            ok &= file.WriteInt32(dislikedClub) && file.WriteUInt8(p.favouriteCountry);
        }
        return file.WriteSectionEnd(PlayerKey) && ok;
    }

    static bool WriteHistory(const TPerson& p, CIndexTextFile& file)
    {
        bool ok = file.WriteSectionBegin(HistoryKey) && file.WriteInt32(p.GetHistoryCount());
        for (const THistoryEntry& entry : p.history) ok &= entry.WriteHistoryEntry(file);
        return file.WriteSectionEnd(HistoryKey) && ok;
    }

    // A section an older or newer writer nested here is passed over whole.
    static TSectionRead Finish(CIndexTextFile& file, std::u16string_view key)
    {
        constexpr std::u16string_view BeginPrefix = u"%INDEX%";
        for (const char16_t* next = file.PeekLine(); next != nullptr; next = file.PeekLine()) {
            const std::u16string_view line(next);
            if (!line.starts_with(BeginPrefix)) break;
            TStagedSection nested;
            if (nested.Read(file, line.substr(BeginPrefix.size())) != TStagedSection::ReadResult::Read) {
                return TSectionRead::Unterminated;
            }
        }
        return file.FindSectionEnd(key) ? TSectionRead::Read : TSectionRead::Unterminated;
    }

    static TSectionRead ReadStaff(TPerson& p, CIndexTextFile& file)
    {
        if (!file.FindNestedSection(StaffKey)) return TSectionRead::Missing;
        CValueReader in(file);
        in.Name(p.firstName);
        in.Name(p.lastName);
        TakeStaffNames(p);
        in.Number(p.type);
        p.birthDate.ReadDate(file);
        in.Number(p.nationality);
        in.Number(p.staffExtraA);
        in.Number(p.staffLevel);
        in.Numbers(p.staffAbilities, TPerson::StaffAbilityCount);
        if (AtLeast(0x2007, 5)) in.Number(p.characterWord);
        in.Numbers(p.languages, TPerson::LanguageSlots);
        in.Number(p.favouriteTactic);
        in.Number(p.staffExtraB);
        in.Number(p.stabilityBits);
        if (static_cast<std::int8_t>(p.stabilityBits) < 0) p.personFlags |= TPerson::RealPersonFlag;
        if (in.HasValue()) {
            for (std::uint32_t* value : {&p.favouriteClub, &p.secondClub, &p.dislikedClub, &p.linkedPersonId}) {
                in.Number(*value);
            }
        }
        p.MarkRatingsStale();
        return Finish(file, StaffKey);
    }

    static bool WriteStaff(const TPerson& p, CIndexTextFile& file)
    {
        bool ok = file.WriteSectionBegin(StaffKey);
        ok &= WriteRecordText(file, p.firstName) && WriteRecordText(file, p.lastName);
        ok &= file.WriteUInt8(p.type) && p.birthDate.WriteDate(file);
        ok &= file.WriteUInt8(p.nationality) && file.WriteUInt8(p.staffExtraA) && file.WriteUInt8(p.staffLevel);
        ok &= file.WriteUInt8Array(p.staffAbilities, TPerson::StaffAbilityCount);
        ok &= file.WriteInt32(p.characterWord);
        ok &= file.WriteUInt8Array(p.languages, TPerson::LanguageSlots);
        ok &= file.WriteUInt8(p.favouriteTactic) && file.WriteUInt8(p.staffExtraB) && file.WriteUInt8(p.stabilityBits);
        // Decided on what is written, so that a saved file saves the same.
        const std::uint32_t clubs[] = {SaveId(p.favouriteClub), SaveId(p.secondClub), SaveId(p.dislikedClub)};
        if (clubs[0] != 0 || clubs[1] != 0 || clubs[2] != 0 || p.linkedPersonId != 0) {
            for (std::uint32_t club : clubs) ok &= file.WriteInt32(club);
            ok &= file.WriteInt32(p.linkedPersonId);
        }
        return file.WriteSectionEnd(StaffKey) && ok;
    }
};

TSectionRead TPerson::ReadPlayer(CIndexTextFile& file)
{
    return CPersonSection::ReadPlayer(*this, file);
}

bool TPerson::WritePlayer(CIndexTextFile& file) const
{
    return CPersonSection::WritePlayer(*this, file);
}

TSectionRead TPerson::ReadStaff(CIndexTextFile& file)
{
    return CPersonSection::ReadStaff(*this, file);
}

bool TPerson::WriteStaff(CIndexTextFile& file) const
{
    return CPersonSection::WriteStaff(*this, file);
}

void TPerson::TakeNamesAsSectionReads(bool staff)
{
    if (staff) {
        CPersonSection::TakeStaffNames(*this);
    } else {
        CPersonSection::TakePlayerNames(*this);
    }
}

TSectionRead TPerson::ReadSectionNoting(CIndexTextFile& file, bool staff, bool& complete)
{
    missedValues = 0;
    const TSectionRead result = staff ? ReadStaff(file) : ReadPlayer(file);
    complete = missedValues == 0;
    return result;
}

bool THistoryEntry::WriteHistoryEntry(CIndexTextFile& file) const
{
    bool ok = file.WriteUInt8(entryFlags0) && file.WriteInt32(SaveId(clubId));
    ok &= start.WriteDate(file) && end.WriteDate(file);
    for (std::uint16_t value : {matches, reserveMatches, goals, reserveGoals}) ok &= file.WriteInt32(value);
    return ok && file.WriteInt32(fee) && file.WriteUInt8(entryFlags);
}

void THistoryEntry::ReadHistoryEntry(CIndexTextFile& file)
{
    CValueReader in(file);
    in.Number(entryFlags0);
    const bool old = !AtLeast(0x2007, 13);
    if (old) in.Skip();
    in.Number(clubId);
    ReadHistoryDate(start, file);
    ReadHistoryDate(end, file);
    if (old) {
        in.Number(matches);
        in.Number(goals);
    } else {
        for (std::uint16_t* value : {&matches, &reserveMatches, &goals, &reserveGoals}) in.Number(*value);
        in.Number(fee);
    }
    in.Number(entryFlags);
}
