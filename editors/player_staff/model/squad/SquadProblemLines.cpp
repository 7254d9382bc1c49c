#include "editors/player_staff/model/squad/SquadProblemLines.h"

#include <algorithm>

namespace {

struct TBitKey {
    int bits;
    TextKey key;
};

// Several managers or chairmen in the reserve team read like those of the
// first team; the chairman and president lines name the role their bits
// count.
constexpr TBitKey SquadKeys[] = {
    {0x100, u"Database.Error.PlayerWithoutName"_tk},
    {0x01, u"Database.Error.LessThan14Players"_tk},
    {0x04 | 0x08, u"Database.Error.OnlyOneManagerAllowed"_tk},
    {0x10 | 0x20, u"Database.Error.OnlyOnePresidentAllowed"_tk},
    {0x40 | 0x80, u"Database.Error.OnlyOneChairman"_tk},
};

constexpr TextKey StaffKeys[] = {
    u"Database.Error.NoStaffAllowed"_tk,         u"Database.Error.Only3StaffAllowed"_tk,
    u"Database.Error.Only5StaffAllowed"_tk,      u"Database.Error.NoMedicStaffAllowed"_tk,
    u"Database.Error.NoTeamDoctorBuilding"_tk,   u"Database.Error.NoPhysioBuilding"_tk,
    u"Database.Error.NoPsychologistBuilding"_tk, u"Database.Error.NoSpecialistBuilding"_tk,
};

}  // namespace

std::vector<TextKey> SquadProblemLines::Keys(int squadBits, int staffBits)
{
    std::vector<TextKey> keys;
    for (const TBitKey& line : SquadKeys) {
        if ((squadBits & line.bits) != 0) keys.push_back(line.key);
    }
    for (int bit = 0; bit < 8; ++bit) {
        if ((staffBits & (1 << bit)) != 0) keys.push_back(StaffKeys[bit]);
    }
    return keys;
}
