#include "database/person/PlayersWithoutClub.h"

#include <algorithm>
#include <memory>

#include "core/files/FileMessages.h"
#include "core/files/IndexTextFile.h"
#include "core/text/TextKey.h"
#include "database/world/CompleteWorld.h"
#include "database/world/DatabaseVersion.h"
#include "database/person/Person.h"
#include "platform/Platform.h"

namespace {
constexpr std::u16string_view WithoutKey = u"WITHOUT";
constexpr std::u16string_view PlayerKey = u"PLAYER";
constexpr std::int32_t MaxCount = 0x7FFFFFFF;
}  // namespace

TPerson* TPlayersWithoutClub::GetPlayer(int index) const
{
    if (index < 0 || index >= GetCount()) return nullptr;
    return players_[static_cast<std::size_t>(index)];
}

int TPlayersWithoutClub::Add(TPerson* person)
{
    if (person == nullptr) return 0;
    players_.push_back(person);
    return 1;
}

int TPlayersWithoutClub::Remove(std::uint32_t personId)
{
    const auto found =
        std::find_if(players_.begin(), players_.end(), [personId](const TPerson* p) { return p->GetId() == personId; });
    if (found == players_.end()) return 0;
    players_.erase(found);
    return 1;
}

int TPlayersWithoutClub::RemoveAt(int index)
{
    if (index < 0 || index >= GetCount()) return 0;
    players_.erase(players_.begin() + index);
    return 1;
}

std::u16string TPlayersWithoutClub::GetFilePath() const
{
    return platform::JoinPath(world_ != nullptr ? world_->GetDatabaseFolder() : std::u16string(), FileName);
}

bool TPlayersWithoutClub::Write(CIndexTextFile& file) const
{
    bool ok = file.WriteSectionBegin(WithoutKey) && file.WriteInt32(GetCount());
    for (const TPerson* person : players_) ok = ok && person->WritePlayer(file);
    return ok && file.WriteSectionEnd(WithoutKey);
}

// A section line where the count belongs is left for the players.
std::optional<std::int32_t> TPlayersWithoutClub::ReadCount(CIndexTextFile& file)
{
    const char16_t* next = file.PeekLine();
    if (next != nullptr && next[0] != u'%') return damage_.ReadCount(file, WithoutKey, MaxCount);
    damage_.Report(file, u"Database.Error.BadCount"_tk, WithoutKey);
    return std::nullopt;
}

bool TPlayersWithoutClub::Read(CIndexTextFile& file)
{
    if (world_ == nullptr || !file.FindSection(WithoutKey)) return false;
    // The file has no VERSION section: it is always written in the
    // program's own layout, whatever file was read before it.
    const CProgramLayout layout;
    const std::int32_t count = ReadCount(file).value_or(MaxCount);
    for (std::int32_t n = 0;; ++n) {
        auto person = std::make_unique<TPerson>(world_, 0);
        switch (person->ReadPlayer(file)) {
        case TSectionRead::Read:
            if (n >= count) damage_.ReportUncounted(file, WithoutKey, count);
            Add(world_->AdoptPerson(std::move(person)));
            break;
        case TSectionRead::Missing:
            if (n < count && count != MaxCount) damage_.ReportMissingSection(file, PlayerKey);
            if (!file.FindSectionEnd(WithoutKey)) damage_.ReportNotClosed(file, WithoutKey);
            return true;
        case TSectionRead::Unterminated:
            damage_.ReportNotClosed(file, PlayerKey);
            return true;
        }
    }
}

bool TPlayersWithoutClub::SavePlayersWithoutClub() const
{
    CIndexTextFile file;
    return world_ != nullptr && file.OpenWrite(GetFilePath()) && Write(file) && file.Close();
}

void TPlayersWithoutClub::LoadPlayersWithoutClub()
{
    if (world_ == nullptr) return;
    const std::u16string path = GetFilePath();
    CIndexTextFile file;
    if (!file.OpenRead(path)) {
        ShowFileNotFound(path.c_str());
        return;
    }
    damage_.Clear();
    if (!Read(file)) damage_.ReportMissingSection(file, WithoutKey);
    damage_.ReportBrokenSection(file);
    if (!IsDamaged()) return;
    file.SetError(damage_.GetDescription().c_str());
    ShowFileFormatError(file);
}
