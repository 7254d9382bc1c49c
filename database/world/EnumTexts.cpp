#include "database/world/EnumTexts.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "core/text/Format.h"
#include "core/text/TextKey.h"
#include "core/text/TextManager.h"

namespace {

constexpr TextKey PositionKeys[] = {
    u"Player.Position.Invalid"_tk, u"Player.Position.Goalkeeper"_tk, u"Player.Position.RightBack"_tk,
    u"Player.Position.LeftBack"_tk, u"Player.Position.CentralDef"_tk, u"Player.Position.Sweeper"_tk,
    u"Player.Position.RightWingBack"_tk, u"Player.Position.LeftWingBack"_tk, u"Player.Position.Anchor"_tk,
    u"Player.Position.DefMidfield"_tk, u"Player.Position.RightMidfield"_tk, u"Player.Position.LeftMidfield"_tk,
    u"Player.Position.CentralMidfield"_tk, u"Player.Position.RightWing"_tk, u"Player.Position.LeftWing"_tk,
    u"Player.Position.AttMidfield"_tk, u"Player.Position.CentralForward"_tk, u"Player.Position.Striker"_tk,
};

// The narrow list columns' forms of the same positions.
constexpr TextKey ShortPositionKeys[] = {
    u"Player.ShortPosition.Invalid"_tk, u"Player.ShortPosition.Goalkeeper"_tk,
    u"Player.ShortPosition.RightBack"_tk, u"Player.ShortPosition.LeftBack"_tk,
    u"Player.ShortPosition.CentralDef"_tk, u"Player.ShortPosition.Sweeper"_tk,
    u"Player.ShortPosition.RightWingBack"_tk, u"Player.ShortPosition.LeftWingBack"_tk,
    u"Player.ShortPosition.Anchor"_tk, u"Player.ShortPosition.DefMidfield"_tk,
    u"Player.ShortPosition.RightMidfield"_tk, u"Player.ShortPosition.LeftMidfield"_tk,
    u"Player.ShortPosition.CentralMidfield"_tk, u"Player.ShortPosition.RightWing"_tk,
    u"Player.ShortPosition.LeftWing"_tk, u"Player.ShortPosition.AttMidfield"_tk,
    u"Player.ShortPosition.CentralForward"_tk, u"Player.ShortPosition.Striker"_tk,
};
static_assert(std::size(ShortPositionKeys) == std::size(PositionKeys));

constexpr TextKey PersonTypeKeys[] = {
    u"Player.Type.Player"_tk, u"Player.Type.Manager"_tk, u"Player.Type.Chairman"_tk, u"Player.Type.President"_tk,
    u"Player.Type.Assistantcoach"_tk, u"Player.Type.Goalkeepercoach"_tk, u"Player.Type.Amateurcoach"_tk,
    u"Player.Type.Youthcoach"_tk, u"Player.Type.Scout"_tk, u"Player.Type.Teamdoctor"_tk,
    u"Player.Type.SpecialistKnee"_tk, u"Player.Type.SpecialistAnkle"_tk, u"Player.Type.SpecialistMuscle"_tk,
    u"Player.Type.Masseur"_tk, u"Player.Type.Psychologist"_tk, u"Player.Type.ManagingDirector"_tk,
    u"Player.Type.Marketingguy"_tk, u"Player.Type.Stadiummanager"_tk, u"Player.Type.Fanrepresentative"_tk,
};

constexpr TextKey LanguageKeys[] = {
    u"Country.Language.00"_tk, u"Country.Language.01"_tk, u"Country.Language.02"_tk, u"Country.Language.03"_tk,
    u"Country.Language.04"_tk, u"Country.Language.05"_tk, u"Country.Language.06"_tk, u"Country.Language.07"_tk,
    u"Country.Language.08"_tk, u"Country.Language.09"_tk, u"Country.Language.10"_tk, u"Country.Language.11"_tk,
    u"Country.Language.12"_tk, u"Country.Language.13"_tk, u"Country.Language.14"_tk, u"Country.Language.15"_tk,
    u"Country.Language.16"_tk, u"Country.Language.17"_tk, u"Country.Language.18"_tk, u"Country.Language.19"_tk,
    u"Country.Language.20"_tk, u"Country.Language.21"_tk, u"Country.Language.22"_tk, u"Country.Language.23"_tk,
    u"Country.Language.24"_tk, u"Country.Language.25"_tk, u"Country.Language.26"_tk, u"Country.Language.27"_tk,
    u"Country.Language.28"_tk, u"Country.Language.29"_tk, u"Country.Language.30"_tk, u"Country.Language.31"_tk,
    u"Country.Language.32"_tk, u"Country.Language.33"_tk, u"Country.Language.34"_tk, u"Country.Language.35"_tk,
    u"Country.Language.36"_tk, u"Country.Language.37"_tk, u"Country.Language.38"_tk, u"Country.Language.39"_tk,
    u"Country.Language.40"_tk, u"Country.Language.41"_tk, u"Country.Language.42"_tk, u"Country.Language.43"_tk,
    u"Country.Language.44"_tk, u"Country.Language.45"_tk, u"Country.Language.46"_tk, u"Country.Language.47"_tk,
    u"Country.Language.48"_tk, u"Country.Language.49"_tk, u"Country.Language.50"_tk, u"Country.Language.51"_tk,
    u"Country.Language.52"_tk, u"Country.Language.53"_tk, u"Country.Language.54"_tk, u"Country.Language.55"_tk,
    u"Country.Language.56"_tk, u"Country.Language.57"_tk, u"Country.Language.58"_tk, u"Country.Language.59"_tk,
    u"Country.Language.60"_tk, u"Country.Language.61"_tk, u"Country.Language.62"_tk,
};

constexpr TextKey ManagerCharacterKeys[] = {
    u"Manager.Character.None"_tk, u"Manager.Character.Offensive"_tk, u"Manager.Character.Defensive"_tk,
    u"Manager.Character.Discipline"_tk, u"Manager.Character.PlayerCharacter"_tk, u"Manager.Character.Fitness"_tk,
    u"Manager.Character.TacticalEducation"_tk, u"Manager.Character.Language"_tk,
    u"Manager.Character.LongContracts"_tk, u"Manager.Character.YoungPlayers"_tk,
    u"Manager.Character.ExperiencedPlayers"_tk, u"Manager.Character.KeepsTeamTogether"_tk,
};

constexpr TextKey RoundKeys[] = {
    u"Competition.Round.Qualification"_tk, u"Competition.Round.Qualification"_tk,
    u"Competition.Round.Qualification"_tk, u"Competition.Round.Qualification"_tk, u"Competition.Round.Preliminary"_tk,
    u"Competition.Round.Round1"_tk, u"Competition.Round.Round2"_tk, u"Competition.Round.Round3"_tk,
    u"Competition.Round.Round4"_tk, u"Competition.Round.Round4"_tk, u"Competition.Round.Group1"_tk,
    u"Competition.Round.Group2"_tk, u"Competition.Round.Last16"_tk, u"Competition.Round.Quaterfinal"_tk,
    u"Competition.Round.Semifinal"_tk, u"Competition.Round.Final"_tk, u"Competition.Round.Indoor"_tk,
    u"Competition.Round.GroupA"_tk, u"Competition.Round.GroupB"_tk, u"Competition.Round.GroupC"_tk,
    u"Competition.Round.GroupD"_tk, u"Competition.Round.GroupE"_tk, u"Competition.Round.GroupF"_tk,
    u"Competition.Round.GroupG"_tk, u"Competition.Round.GroupH"_tk, u"Competition.Round.Group1"_tk,
    u"Competition.Round.Group2"_tk, u"Competition.Round.Group3"_tk, u"Competition.Round.Group4"_tk,
    u"Competition.Round.NationalTeam"_tk, u"Competition.Round.EuroSupercup"_tk, u"Competition.Round.FinalChamp"_tk,
    u"Competition.Round.FinalEuroCup"_tk, u"Competition.Round.FinalWorldClub"_tk, u"Competition.Round.ITCup"_tk,
    u"Competition.Round.Indoor"_tk,
};

constexpr TextKey RelegationRuleKeys[] = {
    u"Competition.Relegation.0"_tk, u"Competition.Relegation.1"_tk, u"Competition.Relegation.2"_tk,
    u"Competition.Relegation.3"_tk, u"Competition.Relegation.4"_tk, u"Competition.Relegation.5"_tk,
};

constexpr TextKey TalentKeys[] = {
    u"Player.Talent.00"_tk, u"Player.Talent.01"_tk, u"Player.Talent.02"_tk, u"Player.Talent.03"_tk,
    u"Player.Talent.04"_tk,
};

constexpr TextKey RefereeTypeKeys[] = {
    u"Referee.Type.00"_tk, u"Referee.Type.01"_tk, u"Referee.Type.02"_tk, u"Referee.Type.03"_tk, u"Referee.Type.04"_tk,
    u"Referee.Type.05"_tk, u"Referee.Type.06"_tk,
};

constexpr TextKey PlayerCharacterKeys[] = {
    u"Player.Character.AttitudeToWin"_tk, u"Player.Character.Complacency"_tk, u"Player.Character.StrongNerves"_tk,
    u"Player.Character.WeakNerves"_tk, u"Player.Character.Fairness"_tk, u"Player.Character.HardMan"_tk,
    u"Player.Character.Introvert"_tk, u"Player.Character.IdentificationHigh"_tk,
    u"Player.Character.IdentificationLow"_tk, u"Player.Character.LanguageGenius"_tk,
    u"Player.Character.MediaDarling"_tk, u"Player.Character.ScandalProne"_tk, u"Player.Character.Flexibility"_tk,
    u"Player.Character.Inflexibility"_tk, u"Player.Character.Ambition"_tk,
    u"Player.Character.HighTrainingWorkRate"_tk, u"Player.Character.LazyInTraining"_tk,
    u"Player.Character.Temperament"_tk, u"Player.Character.FansFavorite"_tk, u"Player.Character.Adaptability"_tk,
    u"Player.Character.Professionalism"_tk, u"Player.Character.LongThrows"_tk, u"Player.Character.DrivenFreeKicks"_tk,
};

constexpr TextKey AbilityKeys[] = {
    u"Player.Ability.ShotPower"_tk, u"Player.Ability.LongShots"_tk, u"Player.Ability.Dribbling"_tk,
    u"Player.Ability.Technique"_tk, u"Player.Ability.Crossing"_tk, u"Player.Ability.Creativity"_tk,
    u"Player.Ability.Finishing"_tk, u"Player.Ability.FreeKicks"_tk, u"Player.Ability.Corners"_tk,
    u"Player.Ability.PenaltyShot"_tk, u"Player.Ability.Passing"_tk, u"Player.Ability.LongPassing"_tk,
    u"Player.Ability.Flair"_tk, u"Player.Ability.Tackling"_tk, u"Player.Ability.ManMarking"_tk,
    u"Player.Ability.Header"_tk, u"Player.Ability.Touch"_tk, u"Player.Ability.ForwardRuns"_tk,
    u"Player.Ability.Acceleration"_tk, u"Player.Ability.Pace"_tk, u"Player.Ability.WorkRate"_tk,
    u"Player.Ability.Strength"_tk, u"Player.Ability.Agility"_tk, u"Player.Ability.Jumping"_tk,
    u"Player.Ability.Stamina"_tk, u"Player.Ability.Anticipation"_tk, u"Player.Ability.Aggression"_tk,
    u"Player.Ability.Composure"_tk, u"Player.Ability.Concentration"_tk, u"Player.Ability.Decision"_tk,
    u"Player.Ability.Determination"_tk, u"Player.Ability.TeamWork"_tk, u"Player.Ability.Consistency"_tk,
    u"Player.Ability.Intimidation"_tk, u"Player.Ability.Leadership"_tk, u"Player.Ability.Crosses"_tk,
    u"Player.Ability.Handling"_tk, u"Player.Ability.GoalKicks"_tk, u"Player.Ability.OneOnOne"_tk,
    u"Player.Ability.Positioning"_tk, u"Player.Ability.Punching"_tk, u"Player.Ability.ShotStopping"_tk,
    u"Player.Ability.Throwing"_tk,
};

constexpr TextKey TeamPartKeys[] = {
    u"Player.TeamPart.0"_tk, u"Player.TeamPart.1"_tk, u"Player.TeamPart.2"_tk, u"Player.TeamPart.3"_tk,
    u"Player.TeamPart.4"_tk,
};

constexpr TextKey HeroKeys[] = {
    u"Player.Hero.00"_tk, u"Player.Hero.01"_tk, u"Player.Hero.02"_tk, u"Player.Hero.03"_tk, u"Player.Hero.04"_tk,
    u"Player.Hero.05"_tk, u"Player.Hero.06"_tk, u"Player.Hero.07"_tk, u"Player.Hero.08"_tk, u"Player.Hero.09"_tk,
    u"Player.Hero.10"_tk,
};

constexpr TextKey ChairmanStabilityKeys[] = {
    u"Player.Chairman.Stabilitiy.00"_tk, u"Player.Chairman.Stabilitiy.01"_tk, u"Player.Chairman.Stabilitiy.02"_tk,
    u"Player.Chairman.Stabilitiy.03"_tk, u"Player.Chairman.Stabilitiy.04"_tk,
};

constexpr TextKey NationalExperienceKeys[] = {
    u"Player.Experience.National.00"_tk, u"Player.Experience.National.01"_tk, u"Player.Experience.National.02"_tk,
    u"Player.Experience.National.03"_tk, u"Player.Experience.National.04"_tk, u"Player.Experience.National.05"_tk,
    u"Player.Experience.National.06"_tk,
};

constexpr TextKey InternationalExperienceKeys[] = {
    u"Player.Experience.International.00"_tk, u"Player.Experience.International.01"_tk,
    u"Player.Experience.International.02"_tk, u"Player.Experience.International.03"_tk,
    u"Player.Experience.International.04"_tk,
};

constexpr TextKey FootKeys[] = {
    u"Player.Foot.Right"_tk, u"Player.Foot.Left"_tk, u"Player.Foot.BothRight"_tk, u"Player.Foot.BothLeft"_tk,
};

constexpr TextKey MediaPressureKeys[] = {
    u"Club.MediaPressure.00"_tk, u"Club.MediaPressure.01"_tk, u"Club.MediaPressure.02"_tk,
    u"Club.MediaPressure.03"_tk,
};

constexpr TextKey ContinentKeys[] = {
    u"Common.Continent.Europe"_tk, u"Common.Continent.SouthAmerica"_tk, u"Common.Continent.NorthAmerica"_tk,
    u"Common.Continent.Africa"_tk, u"Common.Continent.Asia"_tk, u"Common.Continent.Oceania"_tk,
};

constexpr TextKey TerritoryKeys[] = {
    u"Country.Territory.00"_tk, u"Country.Territory.01"_tk, u"Country.Territory.02"_tk, u"Country.Territory.03"_tk,
    u"Country.Territory.04"_tk, u"Country.Territory.05"_tk, u"Country.Territory.06"_tk, u"Country.Territory.07"_tk,
    u"Country.Territory.08"_tk, u"Country.Territory.09"_tk, u"Country.Territory.19"_tk, u"Country.Territory.11"_tk,
    u"Country.Territory.12"_tk,
};

constexpr TextKey FacilityLevelKeys[][6] = {
    {u"Club.Ground.Office.00"_tk, u"Club.Ground.Office.01"_tk, u"Club.Ground.Office.02"_tk, u"Club.Ground.Office.03"_tk, u"Club.Ground.Office.04"_tk, u"Club.Ground.Office.05"_tk},
    {u"Club.Ground.Medical.00"_tk, u"Club.Ground.Medical.01"_tk, u"Club.Ground.Medical.02"_tk, u"Club.Ground.Medical.03"_tk, u"Club.Ground.Medical.04"_tk, u"Club.Ground.Medical.05"_tk},
    {u"Club.Ground.Merchandise.00"_tk, u"Club.Ground.Merchandise.01"_tk, u"Club.Ground.Merchandise.02"_tk, u"Club.Ground.Merchandise.03"_tk, u"Club.Ground.Merchandise.04"_tk, u"Club.Ground.Merchandise.05"_tk},
    {u"Club.Ground.Youthcamp.00"_tk, u"Club.Ground.Youthcamp.01"_tk, u"Club.Ground.Youthcamp.02"_tk, u"Club.Ground.Youthcamp.03"_tk, u"Club.Ground.Youthcamp.04"_tk, u"Club.Ground.Youthcamp.05"_tk},
    {u"Club.Ground.Training.00"_tk, u"Club.Ground.Training.01"_tk, u"Club.Ground.Training.02"_tk, u"Club.Ground.Training.03"_tk, u"Club.Ground.Training.04"_tk, u"Club.Ground.Training.05"_tk},
    {u"Club.Ground.Media.00"_tk, u"Club.Ground.Media.01"_tk, u"Club.Ground.Media.02"_tk, u"Club.Ground.Media.03"_tk, u"Club.Ground.Media.04"_tk, u"Club.Ground.Media.05"_tk},
    {u"Club.Ground.Research.00"_tk, u"Club.Ground.Research.01"_tk, u"Club.Ground.Research.02"_tk, u"Club.Ground.Research.03"_tk, u"Club.Ground.Research.04"_tk, u"Club.Ground.Research.05"_tk},
};

constexpr TextKey HairstyleKey = u"Player.Appearance.Hairstyle"_tk;

struct TValueRow {
    TextKey key;
    int value;
};

constexpr TValueRow HairColourRows[] = {
    {u"Player.Appearance.Haircolor.Black"_tk, 1},  {u"Player.Appearance.Haircolor.Blonde"_tk, 4},
    {u"Player.Appearance.Haircolor.Brown"_tk, 2},  {u"Player.Appearance.Haircolor.MediumBlond"_tk, 3},
    {u"Player.Appearance.Haircolor.Red"_tk, 5},
};

constexpr TValueRow FacialHairRows[] = {
    {u"Player.Appearance.Facial.None"_tk, 1},   {u"Player.Appearance.Facial.Goatee"_tk, 2},
    {u"Player.Appearance.Facial.Fullgoatee"_tk, 5}, {u"Player.Appearance.Facial.Moustash"_tk, 3},
    {u"Player.Appearance.Facial.Shadow"_tk, 4}, {u"Player.Appearance.Facial.Full"_tk, 6},
};

enum FaceGroup { Caucasian, Asian, Latin, African, EasternEuropean, Arabic };

constexpr TextKey FaceGroupKeys[] = {
    u"Player.Appearance.Face.Caucasian"_tk, u"Player.Appearance.Face.Asian"_tk,
    u"Player.Appearance.Face.Latin"_tk,     u"Player.Appearance.Face.African"_tk,
    u"Player.Appearance.Face.EasternEuropean"_tk, u"Player.Appearance.Face.Arabic"_tk,
};

// Runs of the face list: first index, ethnic group, stored value of the
// first index (the values of a run count up with the index).
struct TFaceRun {
    int firstIndex;
    FaceGroup group;
    int firstValue;
};

constexpr TFaceRun FaceRuns[] = {
    {0, Caucasian, 1},  {7, Asian, 8},          {13, Latin, 20},  {19, African, 14},
    {25, Caucasian, 26}, {34, Latin, 35},       {46, EasternEuropean, 47}, {58, African, 59},
    {68, Asian, 69},    {79, Arabic, 80},      {85, Caucasian, 86},
};

constexpr int FaceCount = 90;

const TFaceRun& FaceRunOf(int index)
{
    const TFaceRun* run = std::begin(FaceRuns);
    for (const TFaceRun& candidate : FaceRuns) {
        if (candidate.firstIndex <= index) run = &candidate;
    }
    return *run;
}

// Each face's running number within its group, in list order.
std::array<int, FaceCount> BuildFaceNumbers()
{
    std::array<int, FaceCount> numbers{};
    int counts[std::size(FaceGroupKeys)] = {};
    for (int index = 0; index < FaceCount; ++index) numbers[index] = ++counts[FaceRunOf(index).group];
    return numbers;
}

int ClampIndex(int index, int count)
{
    return std::clamp(index, 0, count - 1);
}

// Out of range on either side: entry 0.
template <std::size_t N>
const char16_t* FirstOnError(const TextKey (&keys)[N], int index)
{
    const bool inRange = index >= 0 && index < static_cast<int>(N);
    return CTextManager::Instance()->GetText(keys[inRange ? index : 0]);
}

template <std::size_t N>
const char16_t* Clamped(const TextKey (&keys)[N], int index)
{
    return CTextManager::Instance()->GetText(keys[ClampIndex(index, static_cast<int>(N))]);
}

const char16_t* NumberedName(const char16_t* text, int number)
{
    thread_local char16_t buffers[CEnumTexts::NumberedNameBuffers][CEnumTexts::NumberedNameCapacity];
    thread_local int last = 0;
    last = (last + 1) % CEnumTexts::NumberedNameBuffers;
    FormatInto(buffers[last], CEnumTexts::NumberedNameCapacity, u"%s %02d", text, number);
    return buffers[last];
}

}  // namespace

CEnumTexts& GetEnumTexts()
{
    static CEnumTexts texts;
    return texts;
}

const char16_t* CEnumTexts::GetPositionName(int index) const { return FirstOnError(PositionKeys, index); }
const char16_t* CEnumTexts::GetPositionShortName(int index) const
{
    return FirstOnError(ShortPositionKeys, index);
}
const char16_t* CEnumTexts::GetPersonTypeName(int index) const { return FirstOnError(PersonTypeKeys, index); }
const char16_t* CEnumTexts::GetLanguageName(int index) const { return FirstOnError(LanguageKeys, index); }
const char16_t* CEnumTexts::GetManagerCharacterName(int index) const { return Clamped(ManagerCharacterKeys, index); }
const char16_t* CEnumTexts::GetRoundName(int index) const { return FirstOnError(RoundKeys, index); }
const char16_t* CEnumTexts::GetRelegationRuleName(int index) const { return Clamped(RelegationRuleKeys, index); }
const char16_t* CEnumTexts::GetTalentName(int index) const { return Clamped(TalentKeys, index); }
const char16_t* CEnumTexts::GetRefereeTypeName(int index) const { return Clamped(RefereeTypeKeys, index); }
const char16_t* CEnumTexts::GetPlayerCharacterName(int index) const { return Clamped(PlayerCharacterKeys, index); }
const char16_t* CEnumTexts::GetAbilityName(int index) const { return Clamped(AbilityKeys, index); }
const char16_t* CEnumTexts::GetTeamPartName(int index) const { return Clamped(TeamPartKeys, index); }
const char16_t* CEnumTexts::GetHeroName(int index) const { return Clamped(HeroKeys, index); }
const char16_t* CEnumTexts::GetChairmanStabilityName(int index) const { return Clamped(ChairmanStabilityKeys, index); }
const char16_t* CEnumTexts::GetPlayerNationalExperienceName(int index) const
{
    return Clamped(NationalExperienceKeys, index);
}
const char16_t* CEnumTexts::GetPlayerInternationalExperienceName(int index) const
{
    return Clamped(InternationalExperienceKeys, index);
}
const char16_t* CEnumTexts::GetFootName(int index) const { return Clamped(FootKeys, index); }
const char16_t* CEnumTexts::GetMediaPressureName(int index) const { return Clamped(MediaPressureKeys, index); }
const char16_t* CEnumTexts::GetContinentName(int index) const { return Clamped(ContinentKeys, index); }
const char16_t* CEnumTexts::GetTerritoryName(int index) const { return Clamped(TerritoryKeys, index); }

const char16_t* CEnumTexts::GetGroundFacilityName(int facility, int level) const
{
    const auto& levels = FacilityLevelKeys[ClampIndex(facility, static_cast<int>(std::size(FacilityLevelKeys)))];
    return CTextManager::Instance()->GetText(levels[ClampIndex(level, static_cast<int>(std::size(levels)))]);
}

const char16_t* CEnumTexts::GetHairstyleName(int index) const
{
    return NumberedName(CTextManager::Instance()->GetText(HairstyleKey), GetHairstyleValue(index));
}

const char16_t* CEnumTexts::GetHairColourName(int index) const
{
    return CTextManager::Instance()->GetText(HairColourRows[ClampIndex(index, GetHairColourCount())].key);
}

const char16_t* CEnumTexts::GetFacialHairName(int index) const
{
    return CTextManager::Instance()->GetText(FacialHairRows[ClampIndex(index, GetFacialHairCount())].key);
}

const char16_t* CEnumTexts::GetFaceName(int index) const
{
    static const std::array<int, FaceCount> numbers = BuildFaceNumbers();
    const int clamped = ClampIndex(index, FaceCount);
    const char16_t* group = CTextManager::Instance()->GetText(FaceGroupKeys[FaceRunOf(clamped).group]);
    return NumberedName(group, numbers[clamped]);
}

int CEnumTexts::GetHairstyleValue(int index)
{
    return std::clamp(index + 1, 1, GetHairstyleCount());
}

int CEnumTexts::GetHairColourValue(int index)
{
    return HairColourRows[ClampIndex(index, GetHairColourCount())].value;
}

int CEnumTexts::GetFacialHairValue(int index)
{
    return FacialHairRows[ClampIndex(index, GetFacialHairCount())].value;
}

int CEnumTexts::GetFaceValue(int index)
{
    if (index < 0) return 1;
    const int clamped = ClampIndex(index, FaceCount);
    const TFaceRun& run = FaceRunOf(clamped);
    return run.firstValue + (clamped - run.firstIndex);
}
