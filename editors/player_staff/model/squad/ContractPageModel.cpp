#include "editors/player_staff/model/squad/ContractPageModel.h"

#include "database/club/Club.h"
#include "database/person/Person.h"

namespace {

int ReferenceYear()
{
    return GetReferenceDay().GetYear();
}

TDate SeasonStart()
{
    return TDate(ReferenceYear(), 7, 1);
}

TDate OrFallback(TDate date, TDate fallback)
{
    return date.IsSet() ? date : fallback;
}

bool IsLoanState(int state)
{
    return state == ContractPageModel::Loan || state == ContractPageModel::LoanFuture;
}

// What a date control stores: what it shows once the user changed it or
// the state, else the date the record gives, which the control can show
// only within its range.
TDate StoredDate(bool shownCounts, TDate viewDate, TDate recorded)
{
    return shownCounts ? viewDate : recorded;
}

std::int32_t FeeOf(const ContractPageModel::TView& view)
{
    if (!IsLoanState(view.state)) return view.fee;
    if (!view.feeChecked) return 0;
    return view.fee == 0 ? -1 : view.fee;
}

}  // namespace

unsigned ContractPageModel::GroupsOf(int state)
{
    switch (state) {
    case Injury:
        return FirstDateGroup | SecondDateGroup;
    case Ban:
        return BanGroup;
    case Loan:
        return FirstDateGroup | SecondDateGroup | OtherClubGroup | FeeGroup | FeeBox;
    case Sell:
        return FirstDateGroup | OtherClubGroup | FeeGroup;
    case LoanFuture:
        return FirstDateGroup | SecondDateGroup | OtherClubGroup | FeeGroup | FeeBox | CallOptionGroup;
    default:
        return 0;
    }
}

TextKey ContractPageModel::StateKey(int state)
{
    static constexpr TextKey Keys[StateCount] = {
        u"Dialog.Player.Contract.StartOfSeason.Nothing"_tk, u"Dialog.Player.Contract.StartOfSeason.Injury"_tk,
        u"Dialog.Player.Contract.StartOfSeason.Ban"_tk,     u"Dialog.Player.Contract.StartOfSeason.Retire"_tk,
        u"Dialog.Player.Contract.StartOfSeason.Loan"_tk,    u"Dialog.Player.Contract.StartOfSeason.Sell"_tk,
        u"Dialog.Player.Contract.StartOfSeason.LoanFuture"_tk,
    };
    return state >= 0 && state < StateCount ? Keys[state] : Keys[0];
}

TextKey ContractPageModel::FeeLabelKey(int state)
{
    return state == Sell ? u"Dialog.Player.Contract.StartConditionTransferFee"_tk : u"Dialog.Player.Contract.StartConditionBuyOption"_tk;
}

TDate ContractPageModel::ShownFirstDate(const TPerson& person, int state)
{
    switch (state) {
    case Injury:
        return OrFallback(person.GetInjuryStartDate(), SeasonStart());
    case Loan:
    case Sell:
    case LoanFuture:
        return OrFallback(person.GetTransferStartDate(), SeasonStart());
    default:
        return SeasonStart();
    }
}

TDate ContractPageModel::ShownSecondDate(const TPerson& person, int state)
{
    switch (state) {
    case Injury:
        return OrFallback(person.GetInjuryEndDate(), TDate(ReferenceYear(), 7, 14));
    case Loan:
    case LoanFuture:
        return OrFallback(person.GetTransferEndDate(), TDate(ReferenceYear() + 1, 6, 30));
    default:
        return GetReferenceDay();
    }
}

ContractPageModel::TView ContractPageModel::Show(const TPerson& person)
{
    TView view;
    view.salary = person.GetSalary();
    view.transferValue = person.GetTransferValue();
    view.clubOption = person.HasClubOneYearOption();
    view.playerOption = person.HasPlayerOneYearOption();
    view.favouriteCountry = person.GetFavouriteCountry();
    view.state = person.GetTransferState();
    view.firstDate = ShownFirstDate(person, view.state);
    view.secondDate = ShownSecondDate(person, view.state);
    view.fee = IsLoanState(view.state) ? ShownFee(person.GetTransferFee()) : person.GetTransferFee();
    view.feeChecked = person.GetTransferFee() != 0;
    view.callOption = person.GetCallOption();
    view.banMatches = person.GetBanLength();
    return view;
}

void ContractPageModel::Store(const TView& view, TPerson& person)
{
    // After a state change the controls still show what they showed, and
    // the record's fields of the new state were never shown.
    const bool stateChanged = view.state != person.GetTransferState();
    const TDate first =
        StoredDate(stateChanged || view.firstDateEdited, view.firstDate, ShownFirstDate(person, view.state));
    const TDate second =
        StoredDate(stateChanged || view.secondDateEdited, view.secondDate, ShownSecondDate(person, view.state));
    person.SetSalary(view.salary);
    person.SetTransferValue(view.transferValue);
    person.SetMoneyValue3(0);
    person.SetClubOneYearOption(view.clubOption);
    person.SetPlayerOneYearOption(view.playerOption);
    person.SetFavouriteCountry(view.favouriteCountry);
    // A running injury may stand beside another state, and the page shows
    // only the first of them: the others and their dates stay unless the
    // user chose another state. So does the start of a ban or a retirement,
    // which the page cannot show but the export writes. A state the user
    // chose keeps no date of the one before it.
    if (stateChanged) {
        person.SetTransferState(view.state);
        person.SetInjuryStartDate(TDate());
        person.SetInjuryEndDate(TDate());
        person.SetTransferStartDate(TDate());
        person.SetTransferEndDate(TDate());
        person.SetTransferFee(0);
    }
    switch (view.state) {
    case Injury:
        person.SetInjuryStartDate(first);
        person.SetInjuryEndDate(second);
        break;
    case Ban:
        person.SetBanLength(static_cast<std::uint8_t>(view.banMatches));
        break;
    case Loan:
    case LoanFuture:
        person.SetTransferStartDate(first);
        person.SetTransferEndDate(second);
        person.SetTransferFee(FeeOf(view));
        if (view.state == LoanFuture) person.SetCallOption(view.callOption);
        break;
    case Sell:
        person.SetTransferStartDate(first);
        person.SetTransferFee(FeeOf(view));
        break;
    default:
        break;
    }
}

std::u16string ContractPageModel::ClubName(std::uint32_t id)
{
    return TeamCountry(id) != 0 ? GetClubDisplayName(id) : u"";
}

std::u16string ContractPageModel::PickedClubName(std::uint32_t id, bool dashWithoutCountry)
{
    return dashWithoutCountry && TeamCountry(id) == 0 ? u"-" : ClubName(id);
}

int ContractPageModel::FirstContractYear()
{
    return ReferenceYear();
}
