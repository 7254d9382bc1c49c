#include "editors/country_club/CountryHostedPages.h"

TCountryHostedPages& GetCountryHostedPages()
{
    static TCountryHostedPages pages;
    return pages;
}
