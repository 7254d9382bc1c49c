// Compiled at configure time by FormatCheck.cmake: case 0 must compile, every
// other case must be refused by the formatter's check.
#include "core/text/Format.h"

std::u16string Probe()
{
#if FORMAT_CASE == 0
    return Format(u"%d/%04X %s %.1f %c%%", 7, 255u, u"text", 1.5, u'x');
#elif FORMAT_CASE == 1
    return Format(u"%d", u"abc");
#elif FORMAT_CASE == 2
    return Format(u"%d/%d", 7);
#elif FORMAT_CASE == 3
    return Format(u"%s", 5);
#elif FORMAT_CASE == 4
    return Format(u"%f", 5);
#endif
}
