#pragma once
// A player or staff member, owned by the world's person map; clubs hold
// only person ids. Players and staff share the record, told apart by the
// type; staff leave the player fields at their defaults.

#include <cstdint>
#include <string>
#include <vector>

#include "database/world/Date.h"
#include "database/person/HistoryEntry.h"
#include "database/world/RecordSection.h"

class CIndexTextFile;
class TClub;
class TCompleteWorld;

enum TPersonType : std::uint8_t {
    PersonPlayer = 0,
    PersonManager = 1,
    PersonChairman = 2,
    PersonPresident = 3,
    PersonLastStaffType = 18,
};

struct TPersonFields {
    static constexpr int FirstNameCapacity = 16;
    static constexpr int LastNameCapacity = 20;
    static constexpr int AbilityCount = 43;
    static constexpr int PositionSlots = 6;
    static constexpr int RatingCount = 18;
    static constexpr int StaffAbilityCount = 4;
    static constexpr int LanguageSlots = 4;

    std::uint32_t faceId = 0;
    std::uint32_t empicsId = 0;
    std::uint8_t type = 0;
    std::uint8_t reserveTeam = 0;
    std::uint8_t nationality = 0;
    std::uint8_t secondNationality = 0;
    std::uint8_t personFlags = 0;
    char16_t firstName[FirstNameCapacity] = {};
    char16_t lastName[LastNameCapacity] = {};
    char16_t nickname[LastNameCapacity] = {};
    char16_t pseudonym[LastNameCapacity] = {};
    TDate birthDate{1980, 1, 1};
    std::uint8_t playerBits = 2;
    std::uint8_t caricature = 0;
    std::uint8_t carriedValueA = 100;
    std::uint8_t abilities[AbilityCount];
    std::uint32_t characterWord = 0;
    std::uint8_t nationalExperience = 0;
    std::uint8_t internationalExperience = 0;
    std::uint8_t shirtNumber = 0;
    std::uint8_t reserveShirtNumber = 0;
    std::uint8_t positions[PositionSlots] = {};
    std::uint8_t hairColour = 2;
    std::uint8_t face = 1;
    std::uint8_t hairstyle = 5;
    std::uint8_t facialHair = 1;
    std::uint8_t heightCm = 180;
    std::uint8_t weightKg = 75;
    std::uint16_t yearJoined = 2006;
    std::uint16_t contractUntil = 2008;
    std::uint32_t salary = 0;
    std::uint32_t transferValue = 0;
    std::uint32_t moneyValue3 = 0;
    std::uint8_t nationalAppearances = 0;
    std::uint8_t nationalGoals = 0;
    std::uint8_t staffAbilities[StaffAbilityCount] = {};
    std::uint8_t languages[LanguageSlots] = {};
    std::uint32_t favouriteClub = 0;
    std::uint32_t secondClub = 0;
    std::uint32_t linkedPersonId = 0;
    std::uint8_t favouriteTactic = 0;
    std::uint8_t staffLevel = 0;
    std::uint8_t staffExtraA = 0;
    std::uint8_t staffExtraB = 0;
    std::uint8_t stabilityBits = 2;
    std::uint8_t tacticalEducation = 3;
    std::uint8_t nationalBits = 0;
    std::uint8_t startOfSeasonState = 0;
    std::uint32_t transferClub = 0;
    TDate transferStart{2007, 7, 1};
    TDate transferEnd{2008, 6, 30};
    std::uint8_t banLength = 0;
    std::uint8_t injuryKind = 0;
    TDate injuryStart{2007, 7, 1};
    TDate injuryEnd{2007, 7, 1};
    std::int32_t transferFee = 0;
    std::int32_t callOption = 0;
    std::uint32_t dislikedClub = 0;
    std::uint8_t favouriteCountry = 0;
    std::uint8_t shoe = 2;
    std::uint8_t appearanceBits = 0;
    std::uint8_t summaryChoice = 0;
    std::uint8_t carriedValueB = 0;
    std::vector<THistoryEntry> history;
    std::u16string notes;

    TPersonFields();
};

// What a move into a club writes into a person's record besides his place:
// the team he plays in, his shirt numbers, joined year, contract and
// history.
struct TMoveFields {
    std::vector<THistoryEntry> history;
    std::uint16_t yearJoined = 0;
    std::uint16_t contractUntil = 0;
    std::uint8_t shirtNumber = 0;
    std::uint8_t reserveShirtNumber = 0;
    std::uint8_t reserveTeam = 0;
    bool youth = false;
};

class CMasterWriter;

class TPerson : private TPersonFields {
public:
    using TPersonFields::AbilityCount;
    using TPersonFields::FirstNameCapacity;
    using TPersonFields::LanguageSlots;
    using TPersonFields::LastNameCapacity;
    using TPersonFields::PositionSlots;
    using TPersonFields::RatingCount;
    using TPersonFields::StaffAbilityCount;
    static constexpr int MaxHistoryEntries = 30;
    static constexpr std::uint8_t NaturalisedFlag = 0x01;
    static constexpr std::uint8_t BasqueFlag = 0x02;
    static constexpr std::uint8_t RealPersonFlag = 0x04;
    static constexpr std::uint8_t NationalExclusionBit = 0x01;
    static constexpr std::uint8_t NationalSquadBit = 0x02;
    static constexpr std::uint8_t ClubOptionBit = 0x40;
    static constexpr std::uint8_t PlayerOptionBit = 0x80;
    static constexpr std::uint8_t YouthBit = 0x40;
    static constexpr std::uint8_t InjuryStateBit = 0x01;

    TPerson(TCompleteWorld* world, std::uint32_t id);

    // Every default, with the type and nationality given, and for a person
    // of a world a random male first name and a surname of the language of
    // the nationality's country; the cache stale.
    void Init(std::uint8_t type, std::uint8_t nationality);

    std::uint32_t GetId() const { return id_; }
    void SetId(std::uint32_t id) { id_ = id; }
    TCompleteWorld* GetWorld() const { return world_; }

    std::uint32_t GetFaceId() const { return faceId; }
    void SetFaceId(std::uint32_t value) { faceId = value; }
    std::uint32_t GetEmpicsId() const { return empicsId; }
    void SetEmpicsId(std::uint32_t value) { empicsId = value; }
    std::uint8_t GetType() const { return type; }
    void SetType(std::uint8_t value) { type = value; }
    bool IsPlayer() const { return type == PersonPlayer; }
    std::uint8_t GetNationality() const { return nationality; }
    void SetNationality(std::uint8_t value) { nationality = value; }
    std::uint8_t GetSecondNationality() const { return secondNationality; }
    void SetSecondNationality(std::uint8_t value) { secondNationality = value; }
    std::uint8_t GetPersonFlags() const { return personFlags; }
    void SetPersonFlags(std::uint8_t value) { personFlags = value; }
    bool IsRealPerson() const { return (personFlags & RealPersonFlag) != 0; }
    void SetRealPerson(bool on) { SetBit(personFlags, RealPersonFlag, on); }
    bool IsNaturalised() const { return (personFlags & NaturalisedFlag) != 0; }
    void SetNaturalised(bool on) { SetBit(personFlags, NaturalisedFlag, on); }
    bool IsBasque() const { return (personFlags & BasqueFlag) != 0; }
    void SetBasque(bool on) { SetBit(personFlags, BasqueFlag, on); }
    bool IsExcludedFromNationalTeam() const { return (nationalBits & NationalExclusionBit) != 0; }
    void SetExcludedFromNationalTeam(bool on) { SetBit(nationalBits, NationalExclusionBit, on); }
    bool IsInNationalTeam() const { return (nationalBits & NationalSquadBit) != 0; }
    void SetInNationalTeam(bool on) { SetBit(nationalBits, NationalSquadBit, on); }
    bool HasClubOneYearOption() const { return (nationalBits & ClubOptionBit) != 0; }
    void SetClubOneYearOption(bool on) { SetBit(nationalBits, ClubOptionBit, on); }
    bool HasPlayerOneYearOption() const { return (nationalBits & PlayerOptionBit) != 0; }
    void SetPlayerOneYearOption(bool on) { SetBit(nationalBits, PlayerOptionBit, on); }
    // Traits are bits 0..22 of the character word.
    bool HasCharacterTrait(int bit) const { return bit >= 0 && bit < 32 && (characterWord & (1u << bit)) != 0; }
    void SetCharacterTrait(int bit, bool on);

    // Names are kept as a save and a reload give them back (SetKeptName):
    // at most the capacity minus one character, blanks collapsed and
    // trimmed, no leading mark; null clears.
    const char16_t* GetFirstName() const { return firstName; }
    const char16_t* GetLastName() const { return lastName; }
    const char16_t* GetNickname() const { return nickname; }
    const char16_t* GetPseudonym() const { return pseudonym; }
    void SetFirstName(const char16_t* text);
    void SetLastName(const char16_t* text);
    void SetNickname(const char16_t* text);
    void SetPseudonym(const char16_t* text);

    TDate GetBirthDate() const { return birthDate; }
    void SetBirthDate(TDate date) { birthDate = date; }
    int GetAge() const { return GetAgeToday(birthDate); }

    std::uint8_t GetPlayerBits() const { return playerBits; }
    int GetTalent() const { return playerBits & 7; }
    void SetTalent(int talent);
    int GetPreferredFoot() const { return (playerBits >> 3) & 7; }
    void SetPreferredFoot(int foot);
    bool IsYouthPlayer() const { return (playerBits & YouthBit) != 0; }
    void SetYouthPlayer(bool youth);
    std::uint8_t GetCaricature() const { return caricature; }
    void SetCaricature(std::uint8_t value) { caricature = value; }
    std::uint8_t GetCarriedValueA() const { return carriedValueA; }
    void SetCarriedValueA(std::uint8_t value) { carriedValueA = value; }
    // Out-of-range indices read 0 and write nothing.
    std::uint8_t GetAbility(int index) const;
    void SetAbility(int index, std::uint8_t value);
    std::uint32_t GetCharacterWord() const { return characterWord; }
    void SetCharacterWord(std::uint32_t value) { characterWord = value; }
    std::uint8_t GetNationalExperience() const { return nationalExperience; }
    void SetNationalExperience(std::uint8_t value) { nationalExperience = value; }
    std::uint8_t GetInternationalExperience() const { return internationalExperience; }
    void SetInternationalExperience(std::uint8_t value) { internationalExperience = value; }
    std::uint8_t GetShirtNumber() const { return shirtNumber; }
    void SetShirtNumber(std::uint8_t value) { shirtNumber = value; }
    std::uint8_t GetReserveShirtNumber() const { return reserveShirtNumber; }
    void SetReserveShirtNumber(std::uint8_t value) { reserveShirtNumber = value; }
    // The number the person wears in the first or in the reserve team.
    std::uint8_t GetShirtNumberIn(bool reserveTeam) const { return reserveTeam ? reserveShirtNumber : shirtNumber; }
    void SetShirtNumberIn(bool reserveTeam, std::uint8_t value)
    {
        (reserveTeam ? reserveShirtNumber : shirtNumber) = value;
    }
    // The number of the team the person plays in, the one the game gets:
    // a reserve-team player wears his reserve number.
    std::uint8_t GetTeamShirtNumber() const { return GetShirtNumberIn(IsReserveTeam()); }
    void SetTeamShirtNumber(std::uint8_t value) { SetShirtNumberIn(IsReserveTeam(), value); }
    std::uint8_t GetPosition(int slot) const;
    void SetPosition(int slot, std::uint8_t position);

    std::uint8_t GetHairColour() const { return hairColour; }
    std::uint8_t GetFace() const { return face; }
    std::uint8_t GetHairstyle() const { return hairstyle; }
    std::uint8_t GetFacialHair() const { return facialHair; }
    std::uint8_t GetShoe() const { return shoe; }
    void SetAppearance(std::uint8_t hair, std::uint8_t faceValue, std::uint8_t style, std::uint8_t facial,
                       std::uint8_t shoeValue);
    std::uint8_t GetAppearanceBits() const { return appearanceBits; }
    void SetAppearanceBits(std::uint8_t value) { appearanceBits = value; }
    std::uint8_t GetHeight() const { return heightCm; }
    std::uint8_t GetWeight() const { return weightKg; }
    int GetHeightClamped() const;
    int GetWeightClamped() const;
    void SetHeightWeight(std::uint8_t height, std::uint8_t weight);

    std::uint16_t GetYearJoined() const { return yearJoined; }
    void SetYearJoined(std::uint16_t value) { yearJoined = value; }
    std::uint16_t GetContractUntil() const { return contractUntil; }
    void SetContractUntil(std::uint16_t value) { contractUntil = value; }
    std::uint32_t GetSalary() const { return salary; }
    void SetSalary(std::uint32_t value) { salary = value; }
    std::uint32_t GetTransferValue() const { return transferValue; }
    void SetTransferValue(std::uint32_t value) { transferValue = value; }
    std::uint32_t GetMoneyValue3() const { return moneyValue3; }
    void SetMoneyValue3(std::uint32_t value) { moneyValue3 = value; }
    std::uint8_t GetNationalAppearances() const { return nationalAppearances; }
    std::uint8_t GetNationalGoals() const { return nationalGoals; }
    void SetNationalTeamRecord(std::uint8_t appearances, std::uint8_t goals);

    std::uint8_t GetStaffAbility(int index) const;
    void SetStaffAbility(int index, std::uint8_t value);
    std::uint8_t GetLanguage(int slot) const;
    // Nothing for a language outside 0..62, a slot outside 0..3, or a
    // language a lower slot holds already.
    void SetLanguage(int slot, int language);
    void CompactLanguages();
    // All four slots as given, zeros and repeats included: the editors
    // compact them first.
    void SetLanguageSlots(const std::uint8_t (&slots)[LanguageSlots]);

    std::uint32_t GetFavouriteClub() const { return favouriteClub; }
    void SetFavouriteClub(std::uint32_t value) { favouriteClub = value; }
    std::uint32_t GetSecondClub() const { return secondClub; }
    void SetSecondClub(std::uint32_t value) { secondClub = value; }
    std::uint32_t GetLinkedPersonId() const { return linkedPersonId; }
    void SetLinkedPersonId(std::uint32_t value) { linkedPersonId = value; }
    std::uint32_t GetDislikedClub() const { return dislikedClub; }
    void SetDislikedClub(std::uint32_t value) { dislikedClub = value; }
    std::uint8_t GetFavouriteCountry() const { return favouriteCountry; }
    void SetFavouriteCountry(std::uint8_t value) { favouriteCountry = value; }
    std::uint8_t GetFavouriteTactic() const { return favouriteTactic; }
    void SetFavouriteTactic(std::uint8_t value) { favouriteTactic = value; }
    std::uint8_t GetStaffLevel() const { return staffLevel; }
    void SetStaffLevel(std::uint8_t value) { staffLevel = value; }
    std::uint8_t GetStaffExtraA() const { return staffExtraA; }
    void SetStaffExtraA(std::uint8_t value) { staffExtraA = value; }
    std::uint8_t GetStaffExtraB() const { return staffExtraB; }
    void SetStaffExtraB(std::uint8_t value) { staffExtraB = value; }
    int GetStability() const { return stabilityBits & 7; }
    void SetStability(int stability);
    std::uint8_t GetTacticalEducation() const { return tacticalEducation; }
    void SetTacticalEducation(std::uint8_t value) { tacticalEducation = value; }
    std::uint8_t GetNationalBits() const { return nationalBits; }
    void SetNationalBits(std::uint8_t value) { nationalBits = value; }
    std::uint8_t GetSummaryChoice() const { return summaryChoice; }
    void SetSummaryChoice(std::uint8_t value) { summaryChoice = value; }
    std::uint8_t GetCarriedValueB() const { return carriedValueB; }
    void SetCarriedValueB(std::uint8_t value) { carriedValueB = value; }

    // Start-of-season state: the lowest set bit of the state byte wins.
    int GetTransferState() const;
    void SetTransferState(int state);
    std::uint8_t GetStateBits() const { return startOfSeasonState; }
    void SetStateBits(std::uint8_t bits) { startOfSeasonState = bits; }
    std::uint32_t GetTransferClub() const { return transferClub; }
    void SetTransferClub(std::uint32_t value) { transferClub = value; }
    TDate GetTransferStartDate() const { return transferStart; }
    void SetTransferStartDate(TDate date) { transferStart = date; }
    TDate GetTransferEndDate() const { return transferEnd; }
    void SetTransferEndDate(TDate date) { transferEnd = date; }
    std::uint8_t GetBanLength() const { return banLength; }
    void SetBanLength(std::uint8_t value) { banLength = value; }
    std::uint8_t GetInjuryKind() const { return injuryKind; }
    void SetInjuryKind(std::uint8_t value) { injuryKind = value; }
    TDate GetInjuryStartDate() const { return injuryStart; }
    void SetInjuryStartDate(TDate date) { injuryStart = date; }
    TDate GetInjuryEndDate() const { return injuryEnd; }
    void SetInjuryEndDate(TDate date) { injuryEnd = date; }
    std::int32_t GetTransferFee() const { return transferFee; }
    // A negative fee other than -1 ("left to the game") is stored as 0.
    void SetTransferFee(std::int32_t fee) { transferFee = fee < -1 ? 0 : fee; }
    std::int32_t GetCallOption() const { return callOption; }
    void SetCallOption(std::int32_t value) { callOption = value; }

    int GetHistoryCount() const { return static_cast<int>(history.size()); }
    // Out of range gives a shared default entry.
    const THistoryEntry& GetHistoryEntry(int index) const;
    // Refused at 30 entries; an end before the start becomes the start.
    void AddHistoryEntry(const THistoryEntry& entry);
    // Out of range changes nothing.
    void SetHistoryEntry(int index, const THistoryEntry& entry);
    void RemoveHistoryEntry(int index);
    // A person who leaves the club for none: each spell running there ends
    // on the last day of the season, as a move would end it.
    void EndRunningSpellsAt(std::uint32_t club);
    const std::u16string& GetNotes() const { return notes; }
    void SetNotes(std::u16string_view text) { notes = text; }
    // Hands every club the person names, his history's included, to visit
    // to read or change.
    template <typename Visit>
    void ForEachClubReference(Visit&& visit)
    {
        for (std::uint32_t* club : {&favouriteClub, &secondClub, &transferClub, &dislikedClub}) visit(*club);
        for (THistoryEntry& entry : history) visit(entry.clubId);
    }

    bool IsFirstTeam() const { return reserveTeam == 0; }
    bool IsReserveTeam() const { return reserveTeam != 0; }
    void ClearReserveTeam() { reserveTeam = 0; }
    void SetReserveTeam() { reserveTeam = 1; }
    // 2 youth, 1 reserve team, 0 first team.
    int GetTeamPart() const;
    // Into the club's team part (0 first, 1 reserve, 2 youth) from the club
    // whose squad holds the person or from the players without club, with
    // a free shirt number, a new contract and the history closed and begun.
    // False, and nothing changed, when the club is null or full, is the old
    // club, or does not take the person.
    bool MoveToClub(TClub* club, int teamPart);
    TMoveFields GetMoveFields() const;
    // Puts back what a move changed; every other field stays.
    void SetMoveFields(const TMoveFields& fields);

    // Rating 0..99 at a position from the abilities, weighted per position
    // and corrected for the foot on one side; cached until an input
    // changes. A position outside 0..17 rates 0.
    int GetPositionRating(int position) const;
    // The rating of the main position.
    int GetLevel() const;
    void FillPositionRatings(std::int32_t (&out)[RatingCount]) const;
    // The same with negative values as 0.
    void GetPositionRatings(std::int32_t (&out)[RatingCount]) const;
    int GetBestPositionRating() const;
    // Column 43 is the row's divisor.
    static float GetPositionWeight(int position, int column);
    // 1 goalkeeper, 2 defence, 3 midfield, 4 attack; 0 outside the table.
    int GetPositionGroup() const;
    int GetSecondaryPositionGroup(int index) const;
    // Mean level of the strongest eleven (one goalkeeper, four defenders,
    // four midfielders, two forwards, by level); 0 for nobody.
    static double GetBestElevenLevel(std::vector<const TPerson*> players);
    // Repeated positions cleared, then each group's gaps closed.
    void NormalisePositions();
    bool IsCaricatureAllowed(int caricature) const;
    // True when no rating is cached.
    bool IsRatingStale() const;
    void MarkRatingsStale();

    // The consistency repair of a squad member of a club of countryId:
    // every value back into its range, one start-of-season state (an
    // injury still running may stand beside it), unknown clubs and
    // persons cleared. Draws rand for a missing shirt number.
    void Repair(int countryId);

    // "Last, F."; the one name when the other is empty; "(null)" for null.
    static std::u16string GetShortName(const TPerson* person);
    // Every trait bit minus those a set trait excludes.
    std::uint32_t GetAllowedTraitMask() const;
    // A real person: no nickname, the real-person bit set.
    void FinalCheck();
    // The person lists' sort orders: 0 first then last name, 1 last then
    // first, 2 short name, 3 nickname, 4 pseudonym, 5 level, 6 type (staff
    // after players, players by main position), 7 birth date; null last.
    static int Compare(const TPerson* a, const TPerson* b, int mode);

    // Everything but the world and the id; the cache stale.
    void CopyFrom(const TPerson& source);
    void CopyFrom(TPerson&& source);

    // The PLAYER section with its HIST section. A missing section leaves
    // the person as it was but for a stale rating cache.
    bool WritePlayer(CIndexTextFile& file) const;
    TSectionRead ReadPlayer(CIndexTextFile& file);
    // The STAFF section.
    bool WriteStaff(CIndexTextFile& file) const;
    TSectionRead ReadStaff(CIndexTextFile& file);
    // ReadStaff or ReadPlayer; complete is false when a value the reader
    // looked for was missing, so that its field kept the value it had.
    TSectionRead ReadSectionNoting(CIndexTextFile& file, bool staff, bool& complete);
    // The names as the STAFF (or PLAYER) reader gives them, for a person
    // read from the other section and written to that one.
    void TakeNamesAsSectionReads(bool staff);

    // The person's blocks of the game export, the same bytes in the sizing
    // and the writing pass. Names go into the program's name lists
    // (GetNameList) under the block language, counted on every call; club
    // ids through the program's game-id maps; the country languages and
    // the export-variant byte (GetExportClubCountry) come from the
    // person's world (none: language 0, variant 0). What the blocks repair
    // stays in the record: a caricature of 22 or more, national bit 0 of
    // nationality 34, language slots of 63 or more; the staff block also
    // stores its random byte.
    void WritePlayerBlock(CMasterWriter& writer);
    void WriteStaffBlock(CMasterWriter& writer);
    // The first language of the nationality's country (0 when outside
    // 0..62), replaced by language slot 0 when that is non-zero.
    int GetBlockLanguage() const;
    // The injury kind a length in days stands for: 19 over 120 days, 21
    // over 60, else 20.
    static std::uint8_t InjuryKindForLength(std::int64_t days);

    // Invented players; r(n) below is CrtRand() * n / 32768, RandomInt the
    // program's own generator.
    // A whole random player for the club (nothing without one): a null or
    // empty name, or -1 for a number, is drawn; a drawn position is
    // 1 + r(17). The person is not added to the club.
    void GenerateRandomPlayer(TClub* club, const char16_t* firstName, const char16_t* lastName, int age,
                              int position, int shirtNumber, int targetLevel, int talent, int nationality);
    // A new set of abilities for the position,
    // from the age curve, the position's rating weights and a caricature
    // drawn for it (none for a goalkeeper), times factor; then the mental
    // abilities.
    void GenerateAbilities(int position, double factor);
    // The mental abilities still 0, from talent, traits, body and other
    // abilities.
    void GenerateMentalAbilities(int position);
    // Every ability times target / rating at the position (a rating of 0
    // counting as 1), rounded, at least 1, 85 or more drawn as 80 + r(5);
    // at most five times, until the rating is within 2.5 of the target.
    // Nothing for a position outside 0..17.
    void ScaleAbilitiesToRating(double target, int position);
    // Talent 0..4 by r(1000): about 10, 34, 48, 7 and 0.5 per cent.
    static int DrawTalent();
    static int TalentForDraw(int thousandths);
    // The age curve in per cent at ages 15, 20, ..., 40 (point 0..5).
    static int GetAgeCurve(int ability, int point);
    // 0 leaves the ability alone; 3 raises it, 2 and 1 cut it.
    static int GetCaricatureEmphasis(int ability, int caricature);
    static bool IsCaricatureAllowedAt(int position, int caricature);
    // 1 goalkeeper, 2 defence, 3 midfield, 4 attack; 0 outside 0..17.
    static int PositionGroupOf(int position);
    // 1 right, 2 left, 0 neither or outside 0..17.
    static int PositionSideOf(int position);

private:
    friend class CPersonSection;

    static void SetBit(std::uint8_t& bits, std::uint8_t bit, bool on)
    {
        bits = static_cast<std::uint8_t>(on ? bits | bit : bits & ~bit);
    }

    // Init's work once the fields hold their defaults.
    void InitOverDefaults(std::uint8_t type, std::uint8_t nationality);
    // A club of countries 1..206 that the world holds, or that the damaged
    // file of its country may hold unread.
    bool IsKnownClub(std::uint32_t club) const;
    // Every ability times k, rounded, at least 1; 85 or more drawn as
    // 80 + r(5).
    void ScaleAbilities(double k);
    // The random player's steps between the names and the abilities.
    void DrawBirthDate(int age);
    void DrawFurtherPositions(int position);
    void DrawPreferredFoot(int position);
    void CloseHistoryAt(std::uint32_t oldClub);

    TCompleteWorld* world_;
    std::uint32_t id_;
    mutable std::int32_t ratingCache_[RatingCount];

    // The export blocks.
    int GetCountryLanguage() const;
    // Slots of 63 or more: every slot cleared and slot 0 set to the
    // country's language.
    void RepairBlockLanguages();
    std::uint8_t GetExportInjuryKind() const;
    void WriteBlockNames(CMasterWriter& writer, int language, bool allFour) const;
    void WriteStatePart(CMasterWriter& writer) const;
    void WriteHistoryBlock(CMasterWriter& writer) const;
};
