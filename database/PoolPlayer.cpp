#include "database/PoolPlayer.h"

#include "database/RecordText.h"

void TPoolPlayer::Reset()
{
    *this = TPoolPlayer();
}

void TPoolPlayer::SetFirstName(const char16_t* text)
{
    SetRecordText(firstName_, text);
}

void TPoolPlayer::SetLastName(const char16_t* text)
{
    SetRecordText(lastName_, text);
}
