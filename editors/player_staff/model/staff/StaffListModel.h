#pragma once
// What the staff list page of the squad window shows and does to the
// club's squad, apart from its window: the staff rows and the add, delete,
// move and take-over commands of its menu. A refused change leaves the
// club, the other club and the world as they were.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TClub;
class TPerson;

class StaffListModel {
public:
    // A club takes no new staff member once its squad holds this many.
    static constexpr int FullSquad = 60;

    // The club's persons other than players, in squad order.
    static std::vector<TPerson*> CollectStaff(const TClub* club);
    // The key of the person's role; null for a type outside the table.
    static const char16_t* RoleKey(const TPerson& person);
    // The role's text, a TAB and the short name.
    static std::u16string RowText(const TPerson& person, std::u16string_view roleText);

    // A new staff member of the type with the club's country as
    // nationality, the club's first two languages and main position 1;
    // null when the club is full, no person can be created or the club
    // refuses him (he is then destroyed again).
    static TPerson* AddStaff(TClub& club, int type);
    // Out of the squad and out of the world.
    static void DeleteStaff(TClub& club, TPerson& person);
    // Into the target's first team; false, nothing changed, when the target
    // refuses him.
    static bool MoveStaff(TClub& from, TPerson& person, TClub& to);
    // The source club's person of the id into the club; false, nothing
    // changed, when the source does not hold him or the club refuses him.
    static bool TakeOver(TClub& club, TClub& source, std::uint32_t personId);
};
