#include "ShirtNumberBoard.h"

#include <algorithm>

#include "core/text/Format.h"
#include "database/club/Club.h"
#include "database/world/EnumTexts.h"
#include "database/person/Person.h"

ShirtNumberBoard::ShirtNumberBoard(TClub* club, bool firstTeam) : club_(club), firstTeam_(firstTeam)
{
    Fill();
}

void ShirtNumberBoard::Fill()
{
    board_.fill(0);
    for (int slot = 0; club_ != nullptr && slot < club_->GetSquadCount(); ++slot) {
        const TPerson* person = club_->GetSquadPerson(slot);
        if (person == nullptr || person->GetType() != 0 || person->IsFirstTeam() != firstTeam_) continue;
        int number = StoredNumber(*person);
        if (number < 1 || number >= NumberCount || board_[number] != 0) {
            number = NumberCount - 1;
            while (number >= 1 && board_[number] != 0) --number;
        }
        if (number >= 1) board_[number] = person->GetId();
    }
}

std::uint32_t ShirtNumberBoard::PersonOn(int number) const
{
    return number >= 1 && number < NumberCount ? board_[number] : 0;
}

std::u16string ShirtNumberBoard::RowText(int number) const
{
    const TPerson* person = PersonOn(number) != 0 ? club_->FindPlayer(PersonOn(number)) : nullptr;
    if (person == nullptr) return Format(u"%d\t \t ", number);
    return Format(u"%d\t%s\t%s", number, TPerson::GetShortName(person),
                  GetEnumTexts().GetPositionShortName(person->GetPosition(0)));
}

int ShirtNumberBoard::NumberAt(int list, int row)
{
    if (list < 0 || list >= ListCount || row < 0 || row >= RowsPerList) return 0;
    return list * RowsPerList + row + 1;
}

bool ShirtNumberBoard::Drop(std::uint32_t draggedId, int targetNumber)
{
    TPerson* dragged = IsShown(draggedId) ? club_->FindPlayer(draggedId) : nullptr;
    if (dragged == nullptr || targetNumber < 1 || targetNumber >= NumberCount) return false;
    if (TPerson* holder = club_->FindPlayer(board_[targetNumber]); holder != nullptr && holder != dragged) {
        SetStoredNumber(*holder, StoredNumber(*dragged));
    }
    SetStoredNumber(*dragged, static_cast<std::uint8_t>(targetNumber));
    Fill();
    return true;
}

bool ShirtNumberBoard::IsShown(std::uint32_t personId) const
{
    return personId != 0 && std::find(board_.begin() + 1, board_.end(), personId) != board_.end();
}

std::uint8_t ShirtNumberBoard::StoredNumber(const TPerson& person) const
{
    return person.GetShirtNumberIn(!firstTeam_);
}

void ShirtNumberBoard::SetStoredNumber(TPerson& person, std::uint8_t number) const
{
    person.SetShirtNumberIn(!firstTeam_, number);
}
