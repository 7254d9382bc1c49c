#pragma once
// The contract page without its window: which groups each start-of-season
// state shows, the dates shown where the person has none, and the store
// with its fee rule.

#include <cstdint>
#include <string>

#include "core/text/TextKey.h"
#include "database/world/Date.h"

class TPerson;

class ContractPageModel {
public:
    enum State { Nothing = 0, Injury = 1, Ban = 2, Retire = 3, Loan = 4, Sell = 5, LoanFuture = 6 };
    enum Group : unsigned {
        FirstDateGroup = 1,
        SecondDateGroup = 2,
        OtherClubGroup = 4,
        FeeGroup = 8,
        BanGroup = 16,
        CallOptionGroup = 32,
        FeeBox = 64,
    };
    static constexpr int StateCount = 7;
    static constexpr int ContractYearSpan = 10;

    struct TView {
        std::uint32_t salary = 0;
        std::uint32_t transferValue = 0;
        bool clubOption = false;
        bool playerOption = false;
        std::uint8_t favouriteCountry = 0;
        int state = Nothing;
        TDate firstDate;
        TDate secondDate;
        // Set only when the user changed that date control.
        bool firstDateEdited = false;
        bool secondDateEdited = false;
        bool feeChecked = false;
        std::int32_t fee = 0;
        std::int32_t callOption = 0;
        int banMatches = 0;
    };

    // The groups shown in a state; an unknown state shows none.
    static unsigned GroupsOf(int state);
    // The state's key of the combo and the label.
    static TextKey StateKey(int state);
    // The fee label's key: buy option, or the transfer fee of a sale.
    static TextKey FeeLabelKey(int state);

    static TView Show(const TPerson& person);
    // The dates as the controls show them for the view's state.
    static TDate ShownFirstDate(const TPerson& person, int state);
    static TDate ShownSecondDate(const TPerson& person, int state);
    // The fee display of the loan states: -1 shows as 0.
    static std::int32_t ShownFee(std::int32_t fee) { return fee == -1 ? 0 : fee; }

    static void Store(const TView& view, TPerson& person);

    // The name the page shows for one of its clubs: none for an id without
    // a country.
    static std::u16string ClubName(std::uint32_t id);
    // The name shown once a club was picked: a favourite or disliked club
    // without a country reads "-", the state's other club nothing.
    static std::u16string PickedClubName(std::uint32_t id, bool dashWithoutCountry);

    // The contract end year runs from the reference year to ten years on; a
    // year not after the first shows "RandomAtGameStart".
    static int FirstContractYear();
    static int LastContractYear() { return FirstContractYear() + ContractYearSpan; }
    static bool IsRandomContractYear(int year) { return year <= FirstContractYear(); }
};
