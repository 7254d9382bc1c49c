// The program installs the competition factory at start; so do the tests.
#include "competition/CompetitionFactory.h"

namespace {

const bool installed = (InstallCompetitionFactory(), true);

}  // namespace
