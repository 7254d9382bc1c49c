#include "database/country/CountryPropertyTable.h"

#include <string_view>

namespace {

constexpr TCountryProperty Table[] = {
    {1, u"AL", u"ALB", 8},
    {2, u"AD", u"AND", 20},
    {3, u"AM", u"ARM", 51},
    {4, u"AT", u"AUT", 40},
    {5, u"AZ", u"AZE", 31},
    {6, u"BY", u"BLR", 112},
    {7, u"BE", u"BEL", 56},
    {8, u"BA", u"BIH", 70},
    {9, u"BG", u"BGR", 100},
    {10, u"HR", u"HRV", 191},
    {11, u"CY", u"CYP", 196},
    {12, u"CZ", u"CZE", 203},
    {13, u"DK", u"DNK", 208},
    {14, u"GB", u"GBR", 826},
    {15, u"EE", u"EST", 233},
    {16, u"FO", u"FRO", 234},
    {17, u"FI", u"FIN", 246},
    {18, u"FR", u"FRA", 250},
    {19, u"MK", u"MKD", 807},
    {20, u"GE", u"GEO", 268},
    {21, u"DE", u"DEU", 276},
    {22, u"GR", u"GRC", 300},
    {23, u"HU", u"HUN", 348},
    {24, u"IS", u"ISL", 352},
    {25, u"IE", u"IRL", 372},
    {26, u"IL", u"ISR", 376},
    {27, u"IT", u"ITA", 380},
    {28, u"LV", u"LVA", 428},
    {29, u"LI", u"LIE", 438},
    {30, u"LT", u"LTU", 440},
    {31, u"LU", u"LUX", 442},
    {32, u"MT", u"MLT", 470},
    {33, u"MD", u"MDA", 498},
    {34, u"NL", u"NLD", 528},
    {35, u"GB", u"GBR", 826},
    {36, u"NO", u"NOR", 578},
    {37, u"PL", u"POL", 616},
    {38, u"PT", u"PRT", 620},
    {39, u"RO", u"ROU", 642},
    {40, u"RU", u"RUS", 643},
    {41, u"SM", u"SMR", 674},
    {42, u"GB", u"GBR", 826},
    {43, u"SK", u"SVK", 703},
    {44, u"SI", u"SVN", 705},
    {45, u"ES", u"ESP", 724},
    {46, u"SE", u"SWE", 752},
    {47, u"CH", u"CHE", 756},
    {48, u"TR", u"TUR", 792},
    {49, u"UA", u"UKR", 804},
    {50, u"GB", u"GBR", 826},
    {51, u"CS", u"SCG", 891},
    {52, u"AR", u"ARG", 32},
    {53, u"BO", u"BOL", 68},
    {54, u"BR", u"BRA", 76},
    {55, u"CL", u"CHL", 152},
    {56, u"CO", u"COL", 170},
    {57, u"EC", u"ECU", 218},
    {58, u"PY", u"PRY", 600},
    {59, u"PE", u"PER", 604},
    {60, u"UY", u"URY", 858},
    {61, u"VE", u"VEN", 862},
    {62, u"AI", u"AIA", 660},
    {63, u"AG", u"ATG", 28},
    {64, u"AW", u"ABW", 533},
    {65, u"BS", u"BHS", 44},
    {66, u"BB", u"BRB", 52},
    {67, u"BZ", u"BLZ", 84},
    {68, u"BM", u"BMU", 60},
    {69, u"IO", u"IOT", 86},
    {70, u"CA", u"CAN", 124},
    {71, u"KY", u"CYM", 136},
    {72, u"CR", u"CRI", 188},
    {73, u"CU", u"CUB", 192},
    {74, u"DM", u"DMA", 212},
    {75, u"DO", u"DOM", 214},
    {76, u"SV", u"SLV", 222},
    {77, u"GD", u"GRD", 308},
    {78, u"GT", u"GTM", 320},
    {79, u"GY", u"GUY", 328},
    {80, u"HT", u"HTI", 332},
    {81, u"HN", u"HND", 340},
    {82, u"JM", u"JAM", 388},
    {83, u"MX", u"MEX", 484},
    {84, u"MS", u"MSR", 500},
    {85, u"AN", u"ANT", 530},
    {86, u"NI", u"NIC", 558},
    {87, u"PA", u"PAN", 591},
    {88, u"PR", u"PRI", 630},
    {89, u"KN", u"KNA", 659},
    {90, u"LC", u"LCA", 662},
    {91, u"VC", u"VCT", 670},
    {92, u"SR", u"SUR", 740},
    {93, u"TT", u"TTO", 780},
    {94, u"TC", u"TCA", 796},
    {95, u"US", u"USA", 840},
    {96, u"VI", u"VIR", 850},
    {97, u"DZ", u"DZA", 12},
    {98, u"AO", u"AGO", 24},
    {99, u"BJ", u"BEN", 204},
    {100, u"BW", u"BWA", 72},
    {101, u"BF", u"BFA", 854},
    {102, u"BI", u"BDI", 108},
    {103, u"CM", u"CMR", 120},
    {104, u"CV", u"CPV", 132},
    {105, u"CF", u"CAF", 140},
    {106, u"TD", u"TCD", 148},
    {107, u"CG", u"COG", 178},
    {108, u"CI", u"CIV", 384},
    {109, u"DJ", u"DJI", 262},
    {110, u"CD", u"COD", 180},
    {111, u"EG", u"EGY", 818},
    {112, u"GQ", u"GNQ", 226},
    {113, u"ER", u"ERI", 232},
    {114, u"ET", u"ETH", 231},
    {115, u"GA", u"GAB", 266},
    {116, u"GM", u"GMB", 270},
    {117, u"GH", u"GHA", 288},
    {118, u"GN", u"GIN", 324},
    {119, u"GW", u"GNB", 624},
    {120, u"KE", u"KEN", 404},
    {121, u"LS", u"LSO", 426},
    {122, u"LR", u"LBR", 430},
    {123, u"LY", u"LBY", 434},
    {124, u"MG", u"MDG", 450},
    {125, u"MW", u"MWI", 454},
    {126, u"ML", u"MLI", 466},
    {126, u"ML", u"MLI", 466},
    {127, u"MR", u"MRT", 478},
    {128, u"MU", u"MUS", 480},
    {129, u"MA", u"MAR", 504},
    {130, u"MZ", u"MOZ", 508},
    {131, u"NA", u"NAM", 516},
    {132, u"NE", u"NER", 562},
    {133, u"NG", u"NGA", 566},
    {134, u"RW", u"RWA", 646},
    {135, u"ST", u"STP", 678},
    {136, u"SN", u"SEN", 686},
    {137, u"SC", u"SYC", 690},
    {138, u"SL", u"SLE", 694},
    {139, u"SO", u"SOM", 706},
    {140, u"ZA", u"ZAF", 710},
    {141, u"SD", u"SDN", 729},
    {142, u"SZ", u"SWZ", 748},
    {143, u"TZ", u"TZA", 834},
    {144, u"TG", u"TGO", 768},
    {145, u"TN", u"TUN", 788},
    {146, u"UG", u"UGA", 800},
    {147, u"ZM", u"ZMB", 894},
    {148, u"ZW", u"ZWE", 716},
    {150, u"BH", u"BHR", 48},
    {151, u"BD", u"BGD", 50},
    {152, u"BT", u"BTN", 64},
    {153, u"BN", u"BRN", 96},
    {154, u"KH", u"KHM", 116},
    {155, u"CN", u"CHN", 156},
    {156, u"TW", u"TWN", 158},
    {157, u"GU", u"GUM", 316},
    {158, u"HK", u"HKG", 344},
    {159, u"IN", u"IND", 356},
    {160, u"ID", u"IDN", 360},
    {161, u"IR", u"IRN", 364},
    {162, u"IQ", u"IRQ", 368},
    {163, u"JP", u"JPN", 392},
    {164, u"JO", u"JOR", 400},
    {165, u"KZ", u"KAZ", 398},
    {166, u"KP", u"PRK", 408},
    {167, u"KR", u"KOR", 410},
    {168, u"KW", u"KWT", 414},
    {169, u"KG", u"KGZ", 417},
    {170, u"LA", u"LAO", 418},
    {171, u"LB", u"LBN", 422},
    {172, u"MO", u"MAC", 446},
    {173, u"MY", u"MYS", 458},
    {174, u"MV", u"MDV", 462},
    {175, u"MN", u"MNG", 496},
    {176, u"MM", u"MMR", 104},
    {177, u"NP", u"NPL", 524},
    {178, u"OM", u"OMN", 512},
    {179, u"PK", u"PAK", 586},
    {180, u"PS", u"PSE", 275},
    {181, u"PH", u"PHL", 608},
    {182, u"QA", u"QAT", 634},
    {183, u"SA", u"SAU", 682},
    {184, u"SG", u"SGP", 702},
    {185, u"LK", u"LKA", 144},
    {186, u"SY", u"SYR", 760},
    {187, u"TJ", u"TJK", 762},
    {188, u"TH", u"THA", 764},
    {189, u"TM", u"TKM", 795},
    {190, u"AE", u"ARE", 784},
    {191, u"UZ", u"UZB", 860},
    {192, u"VN", u"VNM", 704},
    {193, u"YE", u"YEM", 887},
    {194, u"AS", u"ASM", 16},
    {195, u"AU", u"AUS", 36},
    {196, u"CK", u"COK", 184},
    {197, u"FJ", u"FJI", 242},
    {198, u"NZ", u"NZL", 554},
    {199, u"PG", u"PNG", 598},
    {200, u"WS", u"WSM", 882},
    {201, u"SB", u"SLB", 90},
    {202, u"NF", u"NFK", 574},
    {203, u"TO", u"TON", 776},
    {204, u"VU", u"VUT", 548},
    {205, u"GI", u"GIB", 292},
    {206, u"GL", u"GRL", 304},
};

const TCountryProperty* FindById(std::int32_t countryId)
{
    for (const TCountryProperty& row : Table) {
        if (row.countryId == countryId) return &row;
    }
    return nullptr;
}

template <typename Field>
std::int32_t FindByCode(const char16_t* code, Field field)
{
    if (code == nullptr) return 0;
    const std::u16string_view wanted(code);
    for (const TCountryProperty& row : Table) {
        if (wanted == row.*field) return row.countryId;
    }
    return 0;
}

}  // namespace

std::span<const TCountryProperty> CountryPropertyTable()
{
    return Table;
}

const char16_t* GetCountryAlpha2(std::int32_t countryId)
{
    const TCountryProperty* row = FindById(countryId);
    return row ? row->alpha2 : nullptr;
}

const char16_t* GetCountryAlpha3(std::int32_t countryId)
{
    const TCountryProperty* row = FindById(countryId);
    return row ? row->alpha3 : nullptr;
}

std::int32_t FindCountryByAlpha2(const char16_t* code)
{
    return FindByCode(code, &TCountryProperty::alpha2);
}

std::int32_t FindCountryByAlpha3(const char16_t* code)
{
    return FindByCode(code, &TCountryProperty::alpha3);
}
