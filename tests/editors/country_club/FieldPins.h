#pragma once
// Pins each control of an editor page to the record field it edits: every
// control gets a value of its own through the window, and each field must
// then hold its control's value, so two controls that swap their fields
// are caught. Check boxes have two values only: they are turned over in
// several passes, box i in pass p when bit p of i + 1 is set, so that any
// two boxes differ in some pass.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace field_pins {

enum class Input { Spin, Typed, Combo, Check, Text };

template <typename Record>
struct TPin {
    int control;
    Input input;
    // A spin's or combo item's value; ignored for a check box and a text.
    long long value;
    // A text, or the typed text of a spin with decimals.
    const char16_t* text;
    std::function<long long(Record&)> field;
    // What the field holds afterwards (unused for a check box).
    long long expected;
};

// enter puts the pins into the page's controls and has the page stored.
template <typename Record>
void RunPasses(Record& record, const std::vector<TPin<Record>>& pins,
               const std::function<void(const std::vector<TPin<Record>>&)>& enter)
{
    int checks = 0;
    for (const TPin<Record>& pin : pins) checks += pin.input == Input::Check;
    int passes = 1;
    while ((1 << passes) <= checks) ++passes;
    for (int pass = 0; pass < passes; ++pass) {
        std::vector<TPin<Record>> entered;
        std::vector<long long> expected;
        int check = 0;
        for (const TPin<Record>& pin : pins) {
            const long long now = pin.field(record);
            if (pin.input == Input::Check) {
                const bool turned = (((++check) >> pass) & 1) != 0;
                expected.push_back(turned ? !now : now);
                if (turned) entered.push_back(pin);
            } else if (pass == 0) {
                // A field that holds its value already would not tell its
                // control from another.
                EXPECT_NE(now, pin.expected) << "control " << pin.control;
                expected.push_back(pin.expected);
                entered.push_back(pin);
            } else {
                expected.push_back(now);
            }
        }
        enter(entered);
        for (std::size_t i = 0; i < pins.size(); ++i) {
            EXPECT_EQ(pins[i].field(record), expected[i]) << "control " << pins[i].control << ", pass " << pass;
        }
    }
}

}  // namespace field_pins
