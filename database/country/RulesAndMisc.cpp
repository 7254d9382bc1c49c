#include "database/country/RulesAndMisc.h"

#include <algorithm>

#include "core/files/FileMessages.h"
#include "core/files/IndexTextFile.h"
#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"
#include "database/world/DatabaseVersion.h"
#include "database/world/GameIdMaps.h"
#include "database/export/MasterWriter.h"
#include "platform/Platform.h"

namespace {

constexpr std::u16string_view Section = u"RULES_AND_MISC";

void SkipLines(CIndexTextFile& file, int count)
{
    for (int i = 0; i < count; ++i) file.NextLine();
}

}  // namespace

void TRulesAndMisc::Reset()
{
    std::fill(&titles_[0][0][0][0], &titles_[0][0][0][0] + sizeof titles_ / sizeof(char16_t), u'\0');
    std::fill(&defenders_[0][0], &defenders_[0][0] + Continents * Cups, 0u);
    std::fill(&hosts_[0][0], &hosts_[0][0] + Continents * Cups, 0u);
    std::fill(std::begin(furtherClubs_), std::end(furtherClubs_), 0u);
    std::fill(std::begin(fairness_), std::end(fairness_), 0u);
    std::fill(std::begin(further_), std::end(further_), 0);
    further_[5] = 6;
}

const char16_t* TRulesAndMisc::GetCupTitle(int continent, int cup, int language) const
{
    return Valid(continent, cup) && language >= 0 && language < Languages ? titles_[continent][cup][language] : u"";
}

void TRulesAndMisc::SetCupTitle(int continent, int cup, int language, const char16_t* text)
{
    if (!Valid(continent, cup) || language < 0 || language >= Languages) return;
    CopyText(titles_[continent][cup][language], text != nullptr ? std::u16string_view(text) : std::u16string_view(),
             TitleCapacity);
}

std::uint32_t TRulesAndMisc::GetCupDefender(int continent, int cup) const
{
    return Valid(continent, cup) ? defenders_[continent][cup] : 0;
}

void TRulesAndMisc::SetCupDefender(int continent, int cup, std::uint32_t id)
{
    if (Valid(continent, cup)) defenders_[continent][cup] = id;
}

std::uint32_t TRulesAndMisc::GetCupStadium(int continent, int cup) const
{
    return Valid(continent, cup) ? hosts_[continent][cup] : 0;
}

void TRulesAndMisc::SetCupStadium(int continent, int cup, std::uint32_t id)
{
    if (Valid(continent, cup)) hosts_[continent][cup] = id;
}

bool TRulesAndMisc::IsTitleDefender(std::uint32_t team) const
{
    const std::uint32_t club = WithoutReserveBit(team);
    return club != 0 && std::any_of(&defenders_[0][0], &defenders_[0][0] + Continents * Cups,
                                    [club](std::uint32_t id) { return WithoutReserveBit(id) == club; });
}

void TRulesAndMisc::LoadRules(std::u16string_view path)
{
    fileRefused_ = false;
    CIndexTextFile file;
    if (!file.OpenRead(path)) {
        ShowFileNotFound(platform::MakeAbsolute(path).c_str());
        return;
    }
    if (!file.FindSection(Section)) return;
    if (!ReadVersion(file)) {
        fileRefused_ = true;
        ShowFileFormatError(file);
        return;
    }
    if (TDatabaseVersion::IsVersionAtLeast(0x2005, 5)) {
        for (int continent = 0; continent < Continents; ++continent) {
            for (int cup = 0; cup < 2; ++cup) file.ReadQuotedStrings(&titles_[continent][cup][0][0], TitleCapacity);
        }
        file.ReadQuotedStrings(&titles_[0][2][0][0], TitleCapacity);
        SkipLines(file, 13);
        for (int continent = 0; continent < Continents; ++continent) {
            for (int cup = 0; cup < Cups; ++cup) {
                file.ReadInt32(defenders_[continent][cup]);
                file.ReadInt32(hosts_[continent][cup]);
            }
        }
    } else {
        for (auto* titles : {&titles_[0][0], &titles_[0][1], &titles_[1][0], &titles_[0][2]}) {
            file.ReadQuotedStrings(&(*titles)[0][0], TitleCapacity);
        }
        SkipLines(file, 4);
        for (std::uint32_t (*ids)[Cups] : {&defenders_[0], &hosts_[0]}) {
            for (std::uint32_t& id : *ids) file.ReadInt32(id);
        }
    }
    for (std::uint32_t& id : furtherClubs_) file.ReadInt32(id);
    for (std::int32_t& value : further_) file.ReadInt32(value);
    if (TDatabaseVersion::IsVersionAtLeast(0x2007, 15)) {
        for (std::uint32_t& id : fairness_) file.ReadInt32(id);
    }
    if (!TDatabaseVersion::IsVersionAtLeast(0x2007, 26)) {
        for (auto& continent : titles_) {
            for (auto& cup : continent) CopyText(cup[5], std::u16string_view(cup[1]), TitleCapacity);
        }
    }
}

bool TRulesAndMisc::SaveRules(std::u16string_view path) const
{
    CIndexTextFile file;
    return file.OpenWrite(path) && WriteRules(file) && file.Close();
}

bool TRulesAndMisc::WriteRules(CIndexTextFile& file) const
{
    const TGameIdMaps& maps = GetGameIdMaps();
    if (!file.WriteSectionBegin(Section)) return false;
    bool ok = WriteVersion(file);
    for (int copy = 0; copy < 2; ++copy) {
        for (int continent = 0; continent < Continents; ++continent) {
            for (int cup = 0; cup < 2; ++cup) ok &= file.WriteQuotedStrings(&titles_[continent][cup][0][0], Languages, TitleCapacity);
        }
        ok &= file.WriteQuotedStrings(&titles_[0][2][0][0], Languages, TitleCapacity);
    }
    for (int continent = 0; continent < Continents; ++continent) {
        for (int cup = 0; cup < Cups; ++cup) {
            ok &= file.WriteInt32(maps.GetSaveClubId(defenders_[continent][cup]));
            ok &= file.WriteInt32(maps.GetSaveClubId(hosts_[continent][cup]));
        }
    }
    for (std::uint32_t id : furtherClubs_) ok &= file.WriteInt32(maps.GetSaveClubId(id));
    for (std::int32_t value : further_) ok &= file.WriteInt32(value);
    for (std::uint32_t id : fairness_) ok &= file.WriteInt32(maps.GetSaveClubId(id));
    return ok && file.WriteSectionEnd(Section);
}

void TRulesAndMisc::CheckRules(const TCompleteWorld& world)
{
    const auto check = [&world](std::uint32_t& id) {
        if (id != 0 && world.GetClubConst(id) == nullptr && !world.MayHoldUnreadClub(id)) id = 0;
    };
    std::for_each(&defenders_[0][0], &defenders_[0][0] + Continents * Cups, check);
    std::for_each(&hosts_[0][0], &hosts_[0][0] + Continents * Cups, check);
    std::for_each(std::begin(furtherClubs_), std::end(furtherClubs_), check);
    // Fairness clubs go into the game database too.
    std::for_each(std::begin(fairness_), std::end(fairness_), check);
    further_[5] = std::clamp(further_[5], 0, 7);
}

void TRulesAndMisc::WriteRulesBlock(CMasterWriter& writer) const
{
    const TGameIdMaps& maps = GetGameIdMaps();
    for (int language = 0; language < Languages; ++language) {
        for (int continent = 0; continent < Continents; ++continent) {
            writer.WriteString(titles_[continent][0][language]);
            writer.WriteString(titles_[continent][1][language]);
        }
    }
    for (int continent = 0; continent < Continents; ++continent) {
        for (int cup = 0; cup < 2; ++cup) {
            writer.WriteU32(maps.GetExportClubId(defenders_[continent][cup]));
            writer.WriteU32(maps.GetExportClubId(hosts_[continent][cup]));
        }
    }
    for (int language = 0; language < Languages; ++language) {
        writer.WriteString(titles_[0][2][language]);
        writer.WriteString(titles_[0][2][language]);
    }
    writer.WriteU32(maps.GetExportClubId(defenders_[0][2]));
    writer.WriteU32(maps.GetExportClubId(hosts_[0][2]));
    for (int i = 0; i < 6; ++i) writer.WriteU32(static_cast<std::uint32_t>(further_[i]));
    for (std::uint32_t id : fairness_) writer.WriteU32(maps.GetExportClubId(id));
}
