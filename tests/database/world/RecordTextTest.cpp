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

TEST(RecordText, PersonNamesAlsoTurnTabsIntoBlanks)
{
    TPerson person(nullptr, 0);
    person.SetFirstName(u";First\tName\r\nand more");
    person.SetLastName(u"%Last\tName");
    person.SetNickname(nullptr);
    EXPECT_EQ(std::u16string(person.GetFirstName()), u"First Name  and");
    EXPECT_EQ(std::u16string(person.GetLastName()), u"Last Name");
    EXPECT_EQ(std::u16string(person.GetNickname()), u"");
}
