#include "database/country/CompetitionRegistry.h"

#include <string>

#include "core/AppMessage.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "core/text/WorldLanguageHook.h"
#include "platform/Platform.h"

namespace {

TCompetitionReader& InstalledReader()
{
    static TCompetitionReader reader;
    return reader;
}

}  // namespace

const char16_t* CDBCompetitionBase::GetName() const
{
    const int language = GetWorldDatabaseLanguage();
    return GetNameInLanguage(language < 0 ? 0 : language);
}

bool TCompetitionRegistry::Register(std::unique_ptr<CDBCompetitionBase> competition)
{
    const std::uint32_t id = competition->GetId();
    return competitions_.try_emplace(id, std::move(competition)).second;
}

CDBCompetitionBase* TCompetitionRegistry::Get(std::uint32_t id) const
{
    const auto found = competitions_.find(id);
    return found == competitions_.end() ? nullptr : found->second.get();
}

std::unique_ptr<CDBCompetitionBase> TCompetitionRegistry::Take(const CDBCompetitionBase* competition)
{
    if (competition == nullptr) return nullptr;
    const auto found = competitions_.find(competition->GetId());
    if (found == competitions_.end() || found->second.get() != competition) return nullptr;
    std::unique_ptr<CDBCompetitionBase> taken = std::move(found->second);
    competitions_.erase(found);
    return taken;
}

void TCompetitionRegistry::EraseCountry(std::uint32_t country)
{
    const auto first = competitions_.lower_bound(country << 24);
    const auto last = country >= 255 ? competitions_.end() : competitions_.lower_bound((country + 1) << 24);
    competitions_.erase(first, last);
}

std::vector<std::uint32_t> TCompetitionRegistry::IdsOf(std::uint32_t country, std::uint32_t type) const
{
    std::vector<std::uint32_t> ids;
    const std::uint32_t base = (country << 24) | (type << 16);
    for (auto it = competitions_.lower_bound(base); it != competitions_.end() && (it->first >> 16) == (base >> 16); ++it) {
        ids.push_back(it->first);
    }
    return ids;
}

std::u16string CompetitionRecordName(std::u16string_view name, std::u16string_view reference)
{
    return std::u16string(name.empty() ? reference : name);
}

void ReportRepairedRecords(const std::vector<std::u16string>& records, std::u16string_view fileName)
{
    if (records.empty()) return;
    std::u16string list;
    for (const std::u16string& record : records) list += (list.empty() ? u"" : u", ") + record;
    const std::u16string text =
        ReplaceTokens(CTextManager::Instance()->GetText(u"Database.Error.RepairedCompetitions"_tk),
                      {{u"_FILE_NAME", platform::MakeAbsolute(fileName)}, {u"_RECORDS", list}});
    ShowAppMessageBox(text.c_str(), AppMessage::IconWarning);
}

void SetCompetitionReader(const TCompetitionReader& reader) { InstalledReader() = reader; }

const TCompetitionReader& GetCompetitionReader() { return InstalledReader(); }
