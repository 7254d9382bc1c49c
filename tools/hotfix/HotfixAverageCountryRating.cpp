#include "tools/hotfix/HotfixAverageCountryRating.h"

#include <vector>

#include "core/text/Format.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "tools/hotfix/HotfixFile.h"
#include "tools/report/ReportModel.h"

namespace {
constexpr char16_t FixName[] = u"Fix average rating buffer overflow";
constexpr std::uint32_t FixVersion = 2;
constexpr std::uint32_t FixFlags = CBaseHotfix::FlagDeveloperOnly | CBaseHotfix::FlagNeedsFile;
constexpr std::size_t RecordSize = TCountry::RatingBlockSize;
static_assert(RecordSize * CHotfixAverageCountryRating::RecordCount == CHotfixAverageCountryRating::DataSize);

// The names the report gives the bytes of a record.
constexpr const char16_t* ByteNames[RecordSize] = {
    u"m_au8AveragePlayerRating[0]", u"m_au8AveragePlayerRating[1]", u"m_au8AveragePlayerRating[2]",
    u"m_au8AveragePlayerRating[3]", u"m_au8AveragePlayerRating[4]", u"m_u8Continent",
    u"m_u8Relegation[0]", u"m_u8Relegation[1]", u"m_u8Relegation[2]", u"m_u8Relegation[3]",
    u"m_u8Relegation[4]", u"m_uBanYellowCard", u"m_uBanYellowCardCup", u"m_uRedMode", u"m_uRedRule",
    u"m_uCardsAllCompetition", u"m_uBanAfterYR", u"m_u8CountryFlags", u"m_u8StartSeason", u"m_u8FACupMisc",
    u"m_u8ProbTransfer",
};

TCountry::TRatingBlock RecordAt(const std::vector<std::uint8_t>& data, int slot)
{
    TCountry::TRatingBlock record{};
    std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(slot * RecordSize), RecordSize, record.begin());
    return record;
}

void Restore(TCountry& country, const TCountry::TRatingBlock& stored, CReportModel& report)
{
    const TCountry::TRatingBlock current = country.GetRatingBlock();
    const ReportEntryHandle category = report.AddCategory(0, country.GetName());
    for (std::size_t i = 0; i < RecordSize; ++i) {
        if (current[i] == stored[i]) continue;
        report.AddEntry(category, ReportType::Success,
                        Format(u"Restored %s - Changed value from %d to %d", ByteNames[i], current[i], stored[i]));
    }
    country.SetRatingBlock(stored);
}
}  // namespace

CHotfixAverageCountryRating::CHotfixAverageCountryRating() : CBaseHotfix(FixName, FixVersion, FixFlags) {}

CHotfixAverageCountryRating::CHotfixAverageCountryRating(CHotfixManager& manager)
    : CBaseHotfix(FixName, FixVersion, FixFlags, manager)
{
}

void CHotfixAverageCountryRating::Apply(TCompleteWorld* world, CHotfixFile* file, CReportModel& report)
{
    if (world == nullptr || !RequireFile(file, report)) return;
    std::vector<std::uint8_t> data(DataSize);
    if (file->GetRemainingBytes() != DataSize || !file->ReadBytes(data.data(), DataSize)) {
        report.AddEntry(0, ReportType::Error, u"Invalid hotfix file",
                        Format(u"The file holds %d data bytes instead of %d; nothing was changed.",
                               file->GetRemainingBytes(), DataSize));
        return;
    }
    for (int id = 1; id <= LastCountryId; ++id) {
        if (TCountry* country = world->GetCountry(id)) Restore(*country, RecordAt(data, id), report);
    }
    report.RemoveEmptyCategories();
}

void CHotfixAverageCountryRating::Create(TCompleteWorld* world, CHotfixFile* file, CReportModel& report)
{
    if (world == nullptr || !RequireFile(file, report)) return;
    std::vector<std::uint8_t> data(DataSize, 0);
    for (int id = 1; id <= LastCountryId; ++id) {
        const TCountry* country = world->GetCountry(id);
        if (country == nullptr) continue;
        const TCountry::TRatingBlock record = country->GetRatingBlock();
        std::copy(record.begin(), record.end(), data.begin() + static_cast<std::ptrdiff_t>(id * RecordSize));
    }
    file->WriteBytes(data.data(), data.size());
    if (!CommitFile(*file, report)) return;
    report.AddEntry(0, ReportType::Info, u"Countries written", u"All countries have been written");
}
