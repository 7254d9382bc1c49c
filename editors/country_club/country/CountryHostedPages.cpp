#include "editors/country_club/country/CountryHostedPages.h"

TCountryHostedPages& GetCountryHostedPages()
{
    static TCountryHostedPages pages;
    return pages;
}
