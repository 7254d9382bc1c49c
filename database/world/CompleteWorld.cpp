#include "database/world/CompleteWorld.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <set>

#include "core/AppMessage.h"
#include "core/files/FileSetCloser.h"
#include "core/text/Format.h"
#include "core/files/IndexTextFile.h"
#include "core/files/TextFilePrefetcher.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/country/CountryCompetitions.h"
#include "database/country/CountryFile.h"
#include "database/world/GameIdMaps.h"
#include "database/person/PreparedPersons.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"
#include "core/files/FileMessages.h"

namespace {

std::uint8_t applicationDatabaseLanguage = 0;

// A load creates persons mostly in ascending id order; a key above every
// other one goes in at the end without a search.
template <typename Map>
bool IsAboveLastKey(const Map& map, std::uint32_t key)
{
    return map.empty() || std::prev(map.end())->first < key;
}

template <typename Map>
typename Map::iterator SlotFor(Map& map, std::uint32_t key)
{
    if (IsAboveLastKey(map, key)) return map.emplace_hint(map.end(), key, typename Map::mapped_type{});
    return map.try_emplace(key).first;
}

std::u16string NormaliseFolder(std::u16string_view folder)
{
    std::u16string normalised(folder);
    for (char16_t& c : normalised) {
        if (c == u'/') c = u'\\';
    }
    while (normalised.size() > 1 && normalised.back() == u'\\') normalised.pop_back();
    return normalised;
}

// A slot whose id the world no longer holds is left out.
void AppendSquadPersons(std::vector<TCountryClubPerson>& list, TCountry* country, TClub* club)
{
    for (int slot = 0; slot < club->GetSquadCount(); ++slot) {
        if (TPerson* person = club->GetSquadPerson(slot)) list.push_back({country, club, person});
    }
}

}  // namespace

void TCompleteWorld::SetApplicationDatabaseLanguage(std::uint8_t language)
{
    if (language < TCountry::LanguageCount) applicationDatabaseLanguage = language;
}

TCompleteWorld::TCompleteWorld()
{
    Reset();
}

TCompleteWorld::~TCompleteWorld()
{
    Destroy();
}

void TCompleteWorld::Reset()
{
    freeAgents_.Clear();
    freeAgents_.GetFileDamage().Clear();
    persons_.clear();
    currentContinent_ = 0;
    currentCountryId_ = DefaultCountryId;
    databaseLanguage_ = applicationDatabaseLanguage;
    databaseFolder_ = u"Database";
}

void TCompleteWorld::Destroy()
{
    Reset();
    countries_.reset();
    idRemap_.clear();
}

void TCompleteWorld::SetDatabaseLanguage(std::uint8_t language)
{
    if (language < TCountry::LanguageCount) databaseLanguage_ = language;
}

TCountry* TCompleteWorld::GetCountry(int id) const
{
    if (!countries_) return nullptr;
    return &countries_[id >= 1 && id <= LastCountryId ? id : 0];
}

TClub* TCompleteWorld::GetClub(TTeamId id) const
{
    const int country = TeamCountry(id);
    if (country < 1 || country > LastCountryId || !countries_) return nullptr;
    return countries_[country].GetClubByUniqueId(id);
}

const TClub* TCompleteWorld::GetClubConst(TTeamId id) const
{
    return GetClub(id);
}

bool TCompleteWorld::MayHoldUnreadClub(TTeamId id) const
{
    const int country = TeamCountry(id);
    return country >= 1 && country <= LastCountryId && countries_ && countries_[country].IsDamaged();
}

std::u16string TCompleteWorld::GetClubName(TTeamId id) const
{
    const TClub* club = TeamCountry(id) == 0 ? nullptr : GetClub(id);
    if (club == nullptr) return u"-";
    return (id & ReserveTeamBit) ? club->GetReserveName() : club->GetName();
}

TClub* TCompleteWorld::FindClubByUniqueId(std::uint32_t uniqueId) const
{
    for (int id = 1; countries_ && id < LastCountryId; ++id) {
        for (const auto& entry : countries_[id].GetClubs()) {
            if (entry.second->GetUniqueId() == uniqueId) return entry.second.get();
        }
    }
    return nullptr;
}

std::uint32_t TCompleteWorld::GetFreePersonId() const
{
    std::uint32_t id = std::max<std::uint32_t>(1, static_cast<std::uint32_t>(persons_.size()));
    while (persons_.count(id) != 0) ++id;
    return id;
}

TPerson* TCompleteWorld::CreatePerson(std::uint32_t id, bool keepWantedId)
{
    const bool taken = id == 0 || (!IsAboveLastKey(persons_, id) && persons_.count(id) != 0);
    if (!keepWantedId && taken) return nullptr;
    const std::uint32_t assigned = taken ? GetFreePersonId() : id;
    if (keepWantedId) SlotFor(idRemap_, id)->second = assigned;
    auto& slot = SlotFor(persons_, assigned)->second;
    slot = std::make_unique<TPerson>(this, assigned);
    return slot.get();
}

TPerson* TCompleteWorld::AdoptPerson(std::unique_ptr<TPerson> person)
{
    const std::uint32_t id = GetFreePersonId();
    person->SetId(id);
    auto& slot = persons_[id];
    slot = std::move(person);
    return slot.get();
}

TPerson* TCompleteWorld::GetPerson(std::uint32_t id) const
{
    const auto found = persons_.find(id);
    return found == persons_.end() ? nullptr : found->second.get();
}

void TCompleteWorld::DeletePerson(TPerson* person)
{
    if (person == nullptr) return;
    const auto found = persons_.find(person->GetId());
    if (found == persons_.end() || found->second.get() != person) return;
    freeAgents_.Remove(person->GetId());
    personPlaces_.Forget(person->GetId());
    persons_.erase(found);
}

void TCompleteWorld::CollectPersons(std::vector<TCountryClubPerson>& list, int mode) const
{
    list.clear();
    if (!countries_ || mode < 0 || mode > 2) return;
    for (int id = 1; id < LastCountryId; ++id) {
        TCountry* country = &countries_[id];
        if (mode == 0) {
            list.push_back({country, nullptr, nullptr});
            continue;
        }
        for (int index = 0; index < country->GetClubCount(); ++index) {
            TClub* club = country->GetClubByIndex(index);
            if (mode == 1) {
                list.push_back({country, club, nullptr});
            } else if (!IsNationalTeamId(club->GetId())) {
                AppendSquadPersons(list, country, club);
            }
        }
    }
}

TClub* TCompleteWorld::FindClubOfPerson(const TPerson* person) const
{
    if (person == nullptr || !countries_) return nullptr;
    for (int id = 1; id < LastCountryId; ++id) {
        const TCountry& country = countries_[id];
        for (int index = 0; index < country.GetClubCount(); ++index) {
            TClub* club = country.GetClubByIndex(index);
            if (club->FindPlayer(person->GetId()) == person) return club;
        }
    }
    return nullptr;
}

std::u16string TCompleteWorld::GetCountryFilePath(int countryId) const
{
    return platform::JoinPath(databaseFolder_, Format(u"Country%d.sav", countryId));
}

std::u16string TCompleteWorld::GetRulesFilePath() const
{
    return platform::JoinPath(databaseFolder_, u"Rules.sav");
}

bool TCompleteWorld::LoadWorld(std::u16string_view folder)
{
    idRemap_.clear();
    databaseFolder_ = NormaliseFolder(folder);
    RemoveStaleScratchFiles();
    if (!countries_) LoadCountriesFile();
    if (!countryListRead_) return false;
    std::vector<std::u16string> paths;
    for (int id = 1; id <= LastCountryId; ++id) paths.push_back(GetCountryFilePath(id));
    // The first country files are opened, and their persons read, while
    // the scripts are read; the workers keep ahead of the reader.
    std::vector<CPreparedPersons> prepared(paths.size());
    CTextFilePrefetcher files(paths, [&prepared](std::size_t index, CIndexTextFile& file) {
        prepared[index].Prepare(file);
    });
    if (const auto load = GetCompetitionReader().loadWorldScripts) load(competitions_, u"Script");
    // A missing or damaged reference calendar leaves the tables as they were.
    leagueMaster_.Load(platform::JoinPath(databaseFolder_, u"LeagueMaster.dat"));
    for (int id = 1; id <= LastCountryId; ++id) {
        bool wasPrepared = false;
        const std::unique_ptr<CIndexTextFile> file = files.TakeNext(&wasPrepared);
        if (!file) {
            ShowFileNotFound(paths[id - 1].c_str());
            continue;
        }
        const CPreparedPersons::CInUse persons(prepared[id - 1], wasPrepared ? file.get() : nullptr);
        if (!ReadCountrySections(countries_[id], *file)) {
            ShowFileFormatError(*file);
            return false;
        }
        if (countries_[id].IsDamaged()) ReportDamage(id, *file);
    }
    AssignPendingPersonIds();
    // Every country's clubs exist only now: a league may hold a club of
    // another country.
    for (int id = 1; id <= LastCountryId; ++id) TakeOutLeagueTeamsWithoutClub(id);
    for (int id = 1; id <= LastCountryId; ++id) countries_[id].FillDefaultLevelNames();
    rules_.LoadRules(GetRulesFilePath());
    rules_.CheckRules(*this);
    freeAgents_.LoadPlayersWithoutClub();
    LoadAssessment();
    NotePersonPlaces();
    return true;
}

void TCompleteWorld::NotePersonPlaces()
{
    bool damaged = freeAgents_.IsDamaged();
    for (int id = 1; id <= LastCountryId; ++id) damaged |= countries_[id].IsDamaged();
    personPlaces_.Clear();
    if (damaged) personPlaces_.Note(*this, {});
}

// A team that names no club would be saved as none and the next load would
// drop it without a word; taken out now, with the file marked damaged, a
// save keeps the file unless the user agrees, and any save after the first
// writes what the first one wrote.
bool TCompleteWorld::TakeOutLeagueTeamsWithoutClub(int id)
{
    TCountry& country = countries_[id];
    std::u16string teams;
    for (const CDBCompetitionBase* listed : CompetitionsInFileOrder(competitions_, static_cast<std::uint32_t>(id))) {
        CDBCompetitionBase* competition = competitions_.Get(listed->GetId());
        std::vector<std::uint32_t> lost;
        for (int index = 0; index < competition->GetAssignedTeamCount(); ++index) {
            if (GetClub(competition->GetTeamSlot(index)) == nullptr) lost.push_back(competition->GetTeamSlot(index));
        }
        // Only a league's list is saved, and only a league gives a team up.
        for (const std::uint32_t team : lost) {
            if (!competition->RemoveTeam(team)) break;
            teams += Format(u"%s%s (%x)", teams.empty() ? u"" : u", ", competition->GetName(), team);
        }
    }
    if (teams.empty()) return false;
    // A file reported damaged already is reported once: the teams of a
    // file cut short name the clubs it lost.
    if (country.IsDamaged()) return true;
    const std::u16string message =
        ReplaceTokens(CTextManager::Instance()->GetText(u"Database.Error.LeagueTeamsWithoutClub"_tk), {{u"_TEAMS", teams}});
    country.GetFileDamage().ReportFound(message);
    ShowFileFormatError(GetCountryFilePath(id), message);
    return true;
}

void TCompleteWorld::ReportDamage(int id, CIndexTextFile& file) const
{
    file.SetError(countries_[id].GetFileDamage().GetDescription().c_str());
    ShowFileFormatError(file);
}

// The folders a save or a snapshot restore writes into and the one that
// holds the restoration archive.
void TCompleteWorld::RemoveStaleScratchFiles() const
{
    platform::RemoveStaleScratchFiles(databaseFolder_);
    for (std::u16string_view folder : {u"script", u"trdata"}) {
        platform::RemoveStaleScratchFiles(platform::JoinPath(platform::GetBaseFolder(), folder));
    }
}

void TCompleteWorld::LoadAssessment()
{
    const std::u16string path = platform::JoinPath(databaseFolder_, u"Assessment.sav");
    if (!platform::FileExists(path)) {
        ShowFileNotFound(path.c_str());
    } else if (!ReadAssessment(path)) {
        const std::u16string message =
            ReplaceTokens(CTextManager::Instance()->GetText(u"Database.Error.AssessmentUnreadable"_tk),
                          {{u"_FILE_NAME", platform::MakeAbsolute(path)}});
        ShowAppMessageBox(message.c_str(), AppMessage::IconWarning);
    }
}

void TCompleteWorld::AssignPendingPersonIds()
{
    for (int id = 1; id <= LastCountryId; ++id) {
        TCountry& country = countries_[id];
        for (auto& pending : country.GetPendingManagers()) {
            TPerson* person = AdoptPerson(std::move(pending));
            country.GetAdditionalManagers()[person->GetId()] = person;
        }
        country.GetPendingManagers().clear();
    }
}

TCompleteWorld::SaveResult TCompleteWorld::SaveWorld(const SaveProgress& progress, DamagedFiles damaged)
{
    SaveResult result;
    if (!countries_) return result;
    platform::RemoveStaleScratchFiles(databaseFolder_);
    DamagedFilesToKeep(damaged, result);
    const TKeptFiles kept{result.keptDamaged, result.keptDamagedFreeAgents};
    const std::vector<TReturnedPerson> returned = personPlaces_.ReturnMovesAcrossKeptFiles(*this, kept);
    // The files kept as they are keep their clubs' numbers, and every file
    // written names those clubs by them.
    BuildGameIdMaps(GetGameIdMaps(), result.keptDamaged);
    if (!WriteAndCommit(progress, result)) {
        TPersonPlaces::Undo(*this, returned);
        return result;
    }
    result.saved = true;
    TakeOverWhatWasSaved(kept);
    if (damaged == DamagedFiles::Ask) {
        if (result.keptRefusedRules) ShowKeptRefusedRules();
        if (!returned.empty()) ShowReturnedPersons(returned);
    }
    return result;
}

bool TCompleteWorld::WriteAndCommit(const SaveProgress& progress, const SaveResult& keep)
{
    platform::AtomicFileSet files;
    if (!WriteAllFiles(progress, keep, files)) {
        files.Discard();
        ShowAppMessageBox(CTextManager::Instance()->GetText(u"Database.CompleteWorld.ErrorDuringSave"_tk),
                          AppMessage::IconError);
        return false;
    }
    // Only a rename that fails within the one quick pass can part the files.
    if (!files.Commit()) {
        ShowAppMessageBox(CTextManager::Instance()->GetText(u"Database.CompleteWorld.ErrorDuringReplace"_tk),
                          AppMessage::IconError);
        return false;
    }
    return true;
}

void TCompleteWorld::TakeOverWhatWasSaved(const TKeptFiles& kept)
{
    for (int id = 1; id <= LastCountryId; ++id) {
        if (!kept.KeepsCountry(id)) countries_[id].GetFileDamage().Clear();
    }
    if (!kept.freeAgents) freeAgents_.GetFileDamage().Clear();
    // What the rules kept of clubs in a file now replaced was saved as no
    // club: the world forgets it too.
    rules_.CheckRules(*this);
    ForgetClubsSavedAsNone();
    if (kept.Any()) {
        personPlaces_.Note(*this, kept);
    } else {
        personPlaces_.Clear();
    }
}

// A reference saved as no club names a club that no file holds: kept, it
// would name the next club to take that number.
void TCompleteWorld::ForgetClubsSavedAsNone()
{
    const std::set<TTeamId>& none = GetGameIdMaps().GetClubsSavedAsNone();
    if (none.empty()) return;
    const auto forget = [&none](std::uint32_t& club) {
        if (none.count(WithoutReserveBit(club)) != 0) club = 0;
    };
    for (int id = 1; id <= LastCountryId; ++id) countries_[id].ForEachClubReference(forget);
    for (const auto& entry : persons_) entry.second->ForEachClubReference(forget);
}

void TCompleteWorld::ShowReturnedPersons(const std::vector<TReturnedPerson>& returned) const
{
    std::u16string moves;
    for (const TReturnedPerson& entry : returned) {
        moves += Format(u"\n%s (%s)", TPerson::GetShortName(entry.person), PlaceName(entry));
    }
    const std::u16string message = ReplaceTokens(
        CTextManager::Instance()->GetText(u"Database.CompleteWorld.KeptDamagedMoves"_tk), {{u"_MOVES", moves}});
    ShowAppMessageBox(message.c_str(), AppMessage::IconInformation);
}

// Where a person stays: his club, his country, the players without club,
// or the kept file when the world no longer has his place in it.
std::u16string TCompleteWorld::PlaceName(const TReturnedPerson& returned) const
{
    const TPersonPlace& place = returned.to;
    if (!returned.taken) {
        return std::u16string(place.country != 0 ? platform::NameOf(GetCountryFilePath(place.country))
                                                 : TPlayersWithoutClub::FileName);
    }
    if (place.club != 0) return GetClubName(place.club);
    if (place.country != 0) return countries_[place.country].GetName();
    return CTextManager::Instance()->GetText(u"Dialog.FreeAgents.Caption"_tk);
}

void TCompleteWorld::ShowKeptRefusedRules() const
{
    const std::u16string message =
        ReplaceTokens(CTextManager::Instance()->GetText(u"Database.CompleteWorld.KeptNewerFile"_tk),
                      {{u"_FILE_NAME", platform::MakeAbsolute(GetRulesFilePath())}});
    ShowAppMessageBox(message.c_str(), AppMessage::IconInformation);
}

// One question for all damaged files; anything but Yes keeps them.
void TCompleteWorld::DamagedFilesToKeep(DamagedFiles damaged, SaveResult& result) const
{
    std::vector<int>& ids = result.keptDamaged;
    std::u16string names;
    for (int id = 1; id <= LastCountryId; ++id) {
        if (!countries_[id].IsDamaged()) continue;
        ids.push_back(id);
        names += Format(u"\n%s (%s)", countries_[id].GetName(), platform::NameOf(GetCountryFilePath(id)));
    }
    result.keptDamagedFreeAgents = freeAgents_.IsDamaged();
    if (result.keptDamagedFreeAgents) names += Format(u"\n%s", TPlayersWithoutClub::FileName);
    // A Rules.sav of a newer program is not damaged: nothing was read from
    // it, so nothing could replace it. It is never offered, and always kept.
    result.keptRefusedRules = rules_.IsFileRefused();
    if (names.empty() || damaged == DamagedFiles::Keep) return;
    const std::u16string question = ReplaceTokens(
        CTextManager::Instance()->GetText(u"Database.CompleteWorld.ReplaceDamaged"_tk), {{u"_COUNTRIES", names}});
    const unsigned flags = AppMessage::YesNo | AppMessage::IconWarning | AppMessage::DefaultSecond;
    if (ShowAppMessageBox(question.c_str(), flags) != AppMessage::IdYes) return;
    ids.clear();
    result.keptDamagedFreeAgents = false;
}

bool TCompleteWorld::WriteAllFiles(const SaveProgress& progress, const SaveResult& kept,
                                   platform::AtomicFileSet& files)
{
    const std::vector<int>& keep = kept.keptDamaged;
    const CTextManager* texts = CTextManager::Instance();
    CFileSetCloser closer(files);
    for (int id = 1; id <= LastCountryId; ++id) {
        if (closer.HasFailed()) return false;
        TCountry& country = countries_[id];
        if (progress) {
            const std::u16string line =
                ReplaceTokens(texts->GetText(u"Database.CompleteWorld.WriteDBAction"_tk),
                              {{u"_PHASE", texts->FormatInt(1)}, {u"_COUNTRY", country.GetName()}});
            progress(id, line);
        }
        if (std::find(keep.begin(), keep.end(), id) != keep.end()) continue;
        auto file = std::make_unique<CIndexTextFile>();
        const bool written = file->OpenWrite(GetCountryFilePath(id), CIndexTextFile::Create::OnClose) &&
                             WriteCountrySections(country, *file);
        if (!written) return false;
        closer.Close(std::move(file));
    }
    if (!closer.Finish()) return false;
    CIndexTextFile rules;
    if (!kept.keptRefusedRules &&
        (!rules.OpenWrite(GetRulesFilePath()) || !rules_.WriteRules(rules) ||
         !rules.CloseInto(files))) {
        return false;
    }
    CIndexTextFile freeAgents;
    if (!kept.keptDamagedFreeAgents &&
        (!freeAgents.OpenWrite(freeAgents_.GetFilePath()) || !freeAgents_.Write(freeAgents) ||
         !freeAgents.CloseInto(files))) {
        return false;
    }
    return files.AddFile(platform::JoinPath(databaseFolder_, u"Assessment.sav"), AssessmentBytes());
}

bool CompareCountriesByName(int a, int b)
{
    const TCompleteWorld* world = GetWorld();
    if (world == nullptr) return a < b;
    return std::u16string_view(world->GetCountry(a)->GetName()) < std::u16string_view(world->GetCountry(b)->GetName());
}
