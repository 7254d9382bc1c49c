#include "PersonTypeTable.h"

#include <algorithm>

#include "database/club/Club.h"

namespace {

constexpr PersonTypeTable::TRow TypeRows[] = {
    {32775, 0, 1, u"List.Player"},          {32780, 1, 1, u"List.Manager"},
    {32781, 2, 1, u"List.Chairman"},        {32782, 3, 1, u"List.President"},
    {32789, 4, 1, u"List.AssitantManager"}, {32790, 5, 1, u"List.GoalkeeperCoach"},
    {32791, 6, 1, u"List.ReserveCoach"},    {32805, 7, 1, u"List.YouthCoach"},
    {32792, 8, 1, u"List.ChiefScout"},      {32795, 9, 1, u"List.TeamDoctor"},
    {32796, 10, 1, u"List.SpecialistKnee"}, {32797, 11, 1, u"List.SpecialistAnkle"},
    {32798, 12, 1, u"List.SpecialistMuscle"}, {32799, 13, 1, u"List.Physio"},
    {32800, 14, 1, u"List.Psychologist"},   {32801, 15, 1, u"List.ManagingDirector"},
    {32802, 16, 1, u"List.Marketing"},      {32803, 17, 1, u"List.StadiumManager"},
    {32804, 18, 1, u"List.CommunityOfficer"},
};

}  // namespace

std::span<const PersonTypeTable::TRow> PersonTypeTable::Rows()
{
    return TypeRows;
}

const PersonTypeTable::TRow* PersonTypeTable::FindByCommand(int command)
{
    const auto* row = std::find_if(std::begin(TypeRows), std::end(TypeRows),
                                   [command](const TRow& entry) { return entry.command == command; });
    return row != std::end(TypeRows) ? row : nullptr;
}

const PersonTypeTable::TRow* PersonTypeTable::FindByType(int type)
{
    const auto* row = std::find_if(std::begin(TypeRows), std::end(TypeRows),
                                   [type](const TRow& entry) { return entry.type == type; });
    return row != std::end(TypeRows) ? row : nullptr;
}

std::vector<std::uint16_t> PersonTypeTable::GrayedCommands(const TClub& club)
{
    std::vector<std::uint16_t> grayed;
    for (const TRow& row : TypeRows) {
        if (club.CountPersonsOfType(row.type) >= row.limit) grayed.push_back(row.command);
    }
    return grayed;
}
