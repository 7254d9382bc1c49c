#include "editors/player_staff/SquadGenerators.h"

TSquadGenerators& GetSquadGenerators()
{
    static TSquadGenerators generators;
    return generators;
}
