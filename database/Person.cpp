#include "database/Person.h"

#include "database/RecordText.h"

void TPerson::SetFirstName(const char16_t* text)
{
    SetRecordText(firstName_, text);
}

void TPerson::SetLastName(const char16_t* text)
{
    SetRecordText(lastName_, text);
}
