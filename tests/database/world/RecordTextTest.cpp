#include <gtest/gtest.h>

#include <string>

#include "database/person/Person.h"
#include "database/world/RecordText.h"

TEST(RecordText, SlotsGetTheTextWithoutLineMarksOrBreaksCutToTheirCapacity)
{
    const std::pair<const char16_t*, std::u16string> cases[] = {
        {u"Name", u"Name"},      {u";%;Name;", u"Name;"},     {u";;%", u""},
        {u"A\r\nB\rC", u"A  B C"}, {u"Sixteen units!!!", u"Sixteen units!!"},
        {nullptr, u""},
        // The blanks a mark exposes go with it, and so do marks behind them;
        // blanks in front of a text without a mark stay.
        {u"%\nX", u"X"},        {u"; ;%\t Name", u"Name"}, {u";\u00A0Name ", u"Name "},
        {u" ;Name", u" ;Name"},  {u"; ", u""},
    };
    for (const auto& [text, expected] : cases) {
        char16_t slot[16] = u"previous";
        SetRecordText(slot, text);
        EXPECT_EQ(std::u16string(slot), expected);
        if (text != nullptr) {
            EXPECT_EQ(MakeRecordText(text).substr(0, 15), expected);
        }
    }
    char16_t slot[16] = u"%;Inside";
    SetRecordText(slot, slot + 1);
    EXPECT_EQ(std::u16string(slot), u"Inside") << "a text inside the slot moves down whole";
}

// A name is stored as a save and a reload give it back: the name readers
// collapse and trim blanks (a trim can expose a mark, which the next save
// drops), the stream's reads replace old files' stand-ins, and UTF-8 holds
// no lone surrogate.
TEST(RecordText, KeptNamesAreWhatASaveAndALoadGiveBack)
{
    const std::pair<const char16_t*, std::u16string> cases[] = {
        {u"Smith", u"Smith"},
        {u" ;Smith", u"Smith"},
        {u" %Smith", u"Smith"},
        {u";Smith", u"Smith"},
        {u"%Smith", u"Smith"},
        {u" ; ;% Smith", u"Smith"},
        {u"\u00A0;\u00A0Berg", u"Berg"},
        {u"  Anna  ", u"Anna"},
        {u"Jo \t\r\n Ann", u"Jo Ann"},
        {u"Li\u00A0Na", u"Li\u00A0Na"},
        {u"O`Neil D\u00B4Arcy", u"O'Neil D'Arcy"},
        {u"Kay\u2013Lee", u"Kay-Lee"},
        {u"\u0001\u0004\u0006\u0013\u0012", u"\u0105\u0142\u00F3\u015AO"},
        {u"X\xD800Y\xDC00", u"X\uFFFDY\uFFFD"},
        {u"\U0001F600", u"\U0001F600"},
        // The first 15 units are kept: a blank or half a pair at the cut goes
        // the way the reader takes it.
        {u"Abcdefghijklmn opq", u"Abcdefghijklmn"},
        {u"Abcdefghijklmn\U0001F600", u"Abcdefghijklmn\uFFFD"},
        {u" ; ", u""},
        {u"", u""},
        {nullptr, u""},
    };
    for (const auto& [text, expected] : cases) {
        char16_t slot[16] = u"previous";
        SetKeptName(slot, text);
        EXPECT_EQ(std::u16string(slot), expected);
    }
}

TEST(RecordText, PersonNamesAreKeptNames)
{
    TPerson person(nullptr, 0);
    person.SetFirstName(u";First\tName\r\nand more");
    person.SetLastName(u" %Last\tName");
    person.SetNickname(nullptr);
    person.SetPseudonym(u"O`Brien ");
    EXPECT_EQ(std::u16string(person.GetFirstName()), u"First Name and");
    EXPECT_EQ(std::u16string(person.GetLastName()), u"Last Name");
    EXPECT_EQ(std::u16string(person.GetNickname()), u"");
    EXPECT_EQ(std::u16string(person.GetPseudonym()), u"O'Brien");
}
