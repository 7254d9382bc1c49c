#include "competition/CompetitionFactory.h"

#include <algorithm>
#include <memory>

#include "competition/CompetitionId.h"
#include "competition/Cup.h"
#include "competition/CupAlloc.h"
#include "competition/Keywords.h"
#include "competition/League.h"
#include "competition/LeagueStructure.h"
#include "competition/Pool.h"
#include "core/files/FileMessages.h"
#include "core/text/Format.h"
#include "core/files/IndexTextFile.h"
#include "core/text/WorldLanguageHook.h"
#include "database/world/DatabaseVersion.h"
#include "database/world/StagedSection.h"
#include "platform/TextCodec.h"
#include "platform/Platform.h"

namespace {

constexpr std::int32_t MaxSections = 4096;

enum class Made { League, Cup, Round, Pool, DiscardedCup, DiscardedSwiss, Nothing };

constexpr TKeywordEntry FactoryClasses[] = {
    {u"DB_LEAGUE", false, static_cast<std::uint32_t>(Made::League)},
    {u"DB_CUP", false, static_cast<std::uint32_t>(Made::Cup)},
    {u"DB_ROUND", false, static_cast<std::uint32_t>(Made::Round)},
    {u"DB_POOL", false, static_cast<std::uint32_t>(Made::Pool)},
    {u"DB_REL1", false, static_cast<std::uint32_t>(Made::DiscardedCup)},
    {u"DB_REL2", false, static_cast<std::uint32_t>(Made::DiscardedCup)},
    {u"DB_REL3", false, static_cast<std::uint32_t>(Made::DiscardedCup)},
    {u"DB_SCOTLAND1", false, static_cast<std::uint32_t>(Made::DiscardedCup)},
    {u"DB_SCOTLAND2", false, static_cast<std::uint32_t>(Made::DiscardedCup)},
    {u"DB_SWITZERLAND", false, static_cast<std::uint32_t>(Made::DiscardedSwiss)}};

Made ClassOfLine(std::u16string_view line)
{
    std::size_t best = 0;
    Made made = Made::Nothing;
    for (const TKeywordEntry& row : FactoryClasses) {
        const std::u16string_view name = row.name;
        if (name.size() > best && line.starts_with(name)) {
            best = name.size();
            made = static_cast<Made>(row.value);
        }
    }
    return made;
}

std::unique_ptr<CDBCompetition> MakeCompetition(Made made, std::uint32_t id, std::uint32_t ownerId,
                                                TCompetitionRegistry& registry)
{
    switch (made) {
    case Made::League: return std::make_unique<CDBLeague>(id, ownerId, registry);
    case Made::Cup: case Made::DiscardedCup: return std::make_unique<CDBCup>(id, ownerId, registry);
    case Made::Round: return std::make_unique<CDBRound>(id, ownerId, registry);
    case Made::Pool: return std::make_unique<CDBPool>(id, ownerId, registry);
    case Made::DiscardedSwiss: return std::make_unique<CDBRelSwitzerland>(id, ownerId, registry);
    case Made::Nothing: break;
    }
    return nullptr;
}

bool EqualsNoCase(std::u16string_view a, std::u16string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) {
               const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
               return lower(x) == lower(y);
           });
}

SeasonDayCodes& ContinentCodes(int continent)
{
    static SeasonDayCodes codes[2] = {};
    return codes[continent];
}

// The name the names line after the reference gives in the database
// language, read ahead: for a record that is not read.
std::u16string NameAhead(CIndexTextFile& file)
{
    const std::size_t at = file.GetLinePosition();
    char16_t names[6][CDBCompetition::NameCapacity] = {};
    file.ReadQuotedStrings(&names[0][0], CDBCompetition::NameCapacity);
    file.SetLinePosition(at);
    const int language = GetWorldDatabaseLanguage();
    return names[language < 0 || language > 5 ? 0 : language];
}

TRecordRead ReadOneRecord(CIndexTextFile& file, std::u16string_view prefix, SeasonDayCodes& dayCodes,
                          std::uint32_t ownerId, TCompetitionRegistry& registry, std::vector<std::u16string>& problems)
{
    const Made made = ClassOfLine(ReadValueText(file));
    const std::u16string reference = ReadValueText(file).substr(0, 99);
    const TCompetitionRef ref = ParseCompetitionRef(reference);
    std::uint32_t country = static_cast<std::uint32_t>(ref.country);
    if (ref.country < 0 || EqualsNoCase(prefix, u"LG")) country = CountryOfId(ownerId);
    const bool discarded = made == Made::DiscardedCup || made == Made::DiscardedSwiss;
    // A class this program does not know, or a country or an index that an
    // id cannot hold (which would make the record another competition's):
    // the record is named and not read.
    TRecordRead read;
    if (made == Made::Nothing || (!discarded && (country > 0xFF || ref.index < 0 || ref.index > 0xFFFF))) {
        read.name = CompetitionRecordName(NameAhead(file), reference);
        problems.push_back(read.name);
        return read;
    }
    const std::uint32_t id = MakeCompetitionId(country, ref.type, static_cast<std::uint32_t>(ref.index));
    std::unique_ptr<CDBCompetition> competition = MakeCompetition(made, id, ownerId, registry);
    auto* league = dynamic_cast<CDBLeague*>(competition.get());
    if (league != nullptr) league->SetFillEmptyTeams(EqualsNoCase(prefix, u"LG"));
    competition->Read(file);
    // A section line the reader left behind is out of place: the values
    // were shifted by it. Values alone it leaves are a newer writer's.
    file.NoteSectionLineLeft();
    read.brokenLine = file.GetBrokenSectionLine();
    read.brokenSection = file.GetBrokenSectionKey();
    read.brokenKind = file.GetBrokenSectionKind();
    if (!TDatabaseVersion::IsVersionAtLeast(0x2007, 26)) {
        competition->SetName(5, competition->GetNameInLanguage(1));
    }
    read.name = CompetitionRecordName(competition->GetName(), reference);
    if (discarded) return read;
    if (competition->WasRepaired()) problems.push_back(read.name);
    if (made != Made::Pool) {
        competition->FillDayCodes(0, dayCodes[0]);
        competition->FillDayCodes(1, dayCodes[1]);
    }
    // A second record of an id already read is consumed and dropped.
    const CDBCompetition* registered = competition.get();
    if (registry.Register(std::move(competition))) {
        read.competition = registered;
    } else {
        problems.push_back(read.name);
    }
    return read;
}

// Each record is read from its own lines, so that a damaged one cannot
// read into the next.
TRecordRead ReadStagedRecord(const TStagedSection& section, std::u16string_view prefix, std::u16string_view key,
                             SeasonDayCodes& dayCodes, std::uint32_t ownerId, TCompetitionRegistry& registry,
                             std::vector<std::u16string>& problems)
{
    const std::string bytes = "\xEF\xBB\xBF" + section.GetFileForm();
    CIndexTextFile record;
    record.OpenFromBytes(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), key);
    return ReadOneRecord(record, prefix, dayCodes, ownerId, registry, problems);
}

}  // namespace

void ReadCompetitions(CIndexTextFile& file, std::u16string_view prefix, SeasonDayCodes& dayCodes, std::uint32_t ownerId,
                      TCompetitionRegistry& registry, std::vector<std::u16string>& problems)
{
    std::int32_t count = 0;
    file.ReadInt32(count);
    for (std::int32_t i = 0; i < std::min(count, MaxSections); ++i) {
        const std::u16string key = Format(u"%s%d", prefix, i);
        TStagedSection section;
        const TStagedSection::ReadResult result = section.Read(file, key);
        if (result == TStagedSection::ReadResult::Missing) continue;
        if (result == TStagedSection::ReadResult::Unterminated) {
            problems.push_back(key);
            return;
        }
        // Outside a country file a broken nested section, an end line that
        // closed none or a section left open has no file damage to name it:
        // the record is named.
        const TRecordRead read = ReadStagedRecord(section, prefix, key, dayCodes, ownerId, registry, problems);
        const bool named = !problems.empty() && problems.back() == read.name;
        if ((read.brokenLine != 0 || section.IsRepaired()) && !named) problems.push_back(read.name);
    }
}

bool LoadCompetitionFile(std::u16string_view path, std::u16string_view prefix, std::uint32_t ownerId,
                         TCompetitionRegistry& registry, std::vector<std::u16string>& problems)
{
    CIndexTextFile file;
    if (!file.OpenRead(path)) {
        ShowFileNotFound(platform::MakeAbsolute(path).c_str());
        return false;
    }
    SeasonDayCodes scratch{};
    ReadCompetitions(file, prefix, scratch, ownerId, registry, problems);
    return true;
}

void LoadContinentalCompetitions(TCompetitionRegistry& registry, std::u16string_view scriptFolder)
{
    const std::uint32_t version = TDatabaseVersion::GetFileVersion();
    TDatabaseVersion::SetFileVersion(0);
    ContinentCodes(0) = {};
    ContinentCodes(1) = {};
    registry.Register(std::make_unique<CDBRoot>(InternationalRootId, 0, registry));
    const std::pair<std::u16string_view, std::u16string_view> files[2] = {
        {u"Continental - Europe.txt", u"EURO"}, {u"Continental - South America.txt", u"SOUTHAM"}};
    for (int continent = 0; continent < 2; ++continent) {
        const std::u16string path = platform::JoinPath(scriptFolder, files[continent].first);
        CIndexTextFile file;
        if (!file.OpenRead(path)) {
            ShowFileNotFound(platform::MakeAbsolute(path).c_str());
            continue;
        }
        std::vector<std::u16string> problems;
        ReadCompetitions(file, files[continent].second, ContinentCodes(continent), InternationalRootId, registry,
                         problems);
        ReportRepairedRecords(problems, path);
    }
    TDatabaseVersion::SetFileVersion(version);
}

DayCodes MergeContinentalDayCodes(int kind, int season)
{
    DayCodes out{};
    if (season < 0 || season > 1 || kind < 0 || kind > 2) return out;
    const DayCodes& codes = ContinentCodes(kind == 0 ? 0 : 1)[season];
    const int days = kind == 0 ? 360 : SeasonDays;
    for (int d = 0; d < days; ++d) {
        if (codes[d] != 0) out[d] = codes[d];
    }
    return out;
}

void CollectCompetitionChain(const CDBCompetition* competition, std::vector<std::uint32_t>& ids, bool sameTypeOnly)
{
    if (competition == nullptr || std::find(ids.begin(), ids.end(), competition->GetId()) != ids.end()) return;
    ids.push_back(competition->GetId());
    const CDBCompetition* next = competition->GetNext();
    if (next != nullptr && next->GetType() == competition->GetType()) CollectCompetitionChain(next, ids, sameTypeOnly);
    for (int i = 0; i < LinkSlots; ++i) {
        const CDBCompetition* follower = competition->GetFollower(i);
        if (follower == nullptr || (sameTypeOnly && follower->GetType() != competition->GetType())) continue;
        CollectCompetitionChain(follower, ids, sameTypeOnly);
    }
}

void DeleteLeagueSystem(TCompetitionRegistry& registry, std::uint32_t country)
{
    std::vector<std::uint32_t> ids;
    for (std::uint32_t index = 0; index < 32; ++index) {
        for (std::uint32_t type : {TypeLeague, TypeRelegation, TypePool}) {
            const auto* competition = dynamic_cast<const CDBCompetition*>(registry.Get(MakeCompetitionId(country, type, index)));
            CollectCompetitionChain(competition, ids, true);
        }
    }
    for (std::uint32_t id : ids) {
        DeleteCompetition(dynamic_cast<CDBCompetition*>(registry.Get(id)));
    }
}

void InstallCompetitionFactory()
{
    TCompetitionReader reader;
    reader.readRecord = [](const TStagedSection& section, std::u16string_view key, std::uint32_t ownerId,
                           TCompetitionRegistry& registry, std::vector<std::u16string>& problems) {
        SeasonDayCodes scratch{};
        return ReadStagedRecord(section, u"COMP", key, scratch, ownerId, registry, problems);
    };
    reader.makeRoot = [](std::uint32_t id, TCompetitionRegistry& registry) -> std::unique_ptr<CDBCompetitionBase> {
        return std::make_unique<CDBRoot>(id, 0, registry);
    };
    reader.loadWorldScripts = [](TCompetitionRegistry& registry, std::u16string_view scriptFolder) {
        LoadCupAllocation(GetCupAllocTable(), scriptFolder);
        registry.EraseCountry(InternationalCountry);
        LoadContinentalCompetitions(registry, scriptFolder);
    };
    reader.setLeagueSystem = SetLeagueSystem;
    reader.rebuildLeagues = RebuildLeagues;
    reader.buildLeaguePools = BuildLeaguePools;
    reader.continentalDayCodes = MergeContinentalDayCodes;
    reader.writeCupAllocation = [](CMasterWriter& writer) {
        const TCupAllocTable& table = GetCupAllocTable();
        if (!table.HasEntries()) return false;
        table.WriteBlock(writer);
        return true;
    };
    SetCompetitionReader(reader);
}
