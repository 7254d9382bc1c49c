#include "database/world/ValueTables.h"

namespace {

constexpr std::int32_t EndMark = 255;

constexpr TValueTriple StadiumTable[] = {
    {{1, 1, 1}}, {{2, 2, 1}}, {{3, 3, 1}}, {{4, 4, 1}}, {{5, 5, 1}},  {{6, 6, 2}},
    {{7, 7, 2}}, {{8, 8, 2}}, {{9, 9, 2}}, {{10, 10, 0}}, {{EndMark, EndMark, EndMark}},
};

constexpr TValueTriple KitStyle0Table[] = {
    {{0, 0, 30}},   {{1, 1, 1}},    {{2, 2, 2}},    {{3, 3, 3}},    {{4, 4, 4}},    {{5, 5, 5}},
    {{6, 6, 6}},    {{7, 7, 7}},    {{8, 8, 8}},    {{9, 9, 9}},    {{10, 10, 10}}, {{11, 11, 11}},
    {{12, 12, 12}}, {{13, 13, 13}}, {{14, 14, 14}}, {{15, 15, 15}}, {{16, 16, 16}}, {{17, 17, 17}},
    {{18, 18, 18}}, {{19, 19, 19}}, {{20, 20, 20}}, {{21, 21, 21}}, {{22, 22, 22}}, {{23, 23, 23}},
    {{24, 24, 24}}, {{25, 25, 25}}, {{26, 26, 26}}, {{27, 27, 27}}, {{28, 28, 28}}, {{29, 29, 29}},
    {{30, 30, 30}}, {{31, 31, 31}}, {{32, 32, 32}}, {{33, 33, 33}}, {{34, 34, 34}}, {{35, 35, 35}},
    {{36, 36, 36}}, {{37, 37, 37}}, {{38, 38, 38}}, {{39, 39, 39}}, {{40, 40, 40}}, {{41, 41, 41}},
    {{42, 42, 42}}, {{EndMark, EndMark, EndMark}},
};

constexpr TValueTriple KitStyle1Table[] = {
    {{0, 0, 1}},   {{1, 1, 2}},   {{2, 2, 3}},   {{3, 3, 4}},    {{4, 4, 5}},
    {{5, 5, 6}},   {{6, 6, 7}},   {{7, 7, 8}},   {{8, 8, 9}},    {{9, 9, 10}},
    {{10, 10, 11}}, {{11, 11, 12}}, {{12, 12, 13}}, {{EndMark, EndMark, EndMark}},
};

constexpr TValueTriple KitStyle2Table[] = {
    {{0, 0, 1}}, {{1, 1, 2}}, {{2, 2, 3}}, {{3, 3, 4}}, {{EndMark, EndMark, EndMark}},
};

constexpr TValueTriple KitColourTable[] = {
    {{0, 0, 18}},   {{1, 1, 19}},   {{2, 2, 39}},   {{3, 3, 8}},    {{4, 4, 14}},   {{5, 5, 24}},
    {{6, 6, 45}},   {{7, 7, 12}},   {{8, 8, 41}},   {{9, 9, 47}},   {{10, 10, 48}}, {{11, 11, 43}},
    {{12, 12, 58}}, {{13, 13, 59}}, {{14, 14, 62}}, {{15, 15, 61}}, {{16, 16, 57}}, {{17, 17, 60}},
    {{18, 18, 32}}, {{19, 19, 56}}, {{20, 20, 51}}, {{21, 21, 55}}, {{22, 22, 63}}, {{EndMark, EndMark, EndMark}},
};

}  // namespace

std::int32_t LookupValueTriple(const TValueTriple* table, std::int32_t value, int fromColumn, int toColumn)
{
    for (const TValueTriple* row = table; row->column[0] != EndMark && row->column[fromColumn] != EndMark; ++row) {
        if (row->column[fromColumn] == value) return row->column[toColumn];
    }
    return 0;
}

std::int32_t ConvertStadiumValue(std::int32_t selector, std::int32_t value)
{
    if (selector == 0) return LookupValueTriple(StadiumTable, value, 0, 1);
    if (selector == 0x2003) return LookupValueTriple(StadiumTable, value, 1, 2);
    return value;
}

std::int32_t ConvertKitStyle0(std::int32_t value)
{
    return LookupValueTriple(KitStyle0Table, value, 1, 2);
}

std::int32_t ConvertKitStyle1(std::int32_t value)
{
    return LookupValueTriple(KitStyle1Table, value, 1, 2);
}

std::int32_t ConvertKitStyle2(std::int32_t value)
{
    return LookupValueTriple(KitStyle2Table, value, 1, 2);
}

std::int32_t ConvertKitColour(std::int32_t value)
{
    return LookupValueTriple(KitColourTable, value, 1, 2);
}
