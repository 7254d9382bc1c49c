#include "editors/player_staff/staff/SquadGenerators.h"

TSquadGenerators& GetSquadGenerators()
{
    static TSquadGenerators generators;
    return generators;
}
