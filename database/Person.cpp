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

void TPerson::CopyFrom(const TPerson& source)
{
    type_ = source.type_;
    nationality_ = source.nationality_;
    SetFirstName(source.firstName_);
    SetLastName(source.lastName_);
    section_ = source.section_;
}
