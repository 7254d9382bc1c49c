#include "editors/country_club/model/country/LanguageShares.h"

#include <numeric>

int CapLanguageShares(TLanguageShares& shares, int changed)
{
    const int sum = std::accumulate(shares.begin(), shares.end(), 0);
    if (sum <= 100) return sum;
    if (changed >= 0 && changed < static_cast<int>(shares.size())) {
        shares[static_cast<std::size_t>(changed)] -= sum - 100;
    }
    return 100;
}
