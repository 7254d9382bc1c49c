// Transfer processing against cases whose results were worked out apart
// from this code, with Python's datetime (make_transfer_golden.py).
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "database/world/CompleteWorld.h"
#include "tests/common/TestSupport.h"
#include "tests/tools/ToolWorldSupport.h"
#include "tools/ProcessTransfer.h"

namespace {

using testing_support::Narrow;

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator)) parts.push_back(part);
    return parts;
}

TDate ParseDate(const std::string& text)
{
    return TDate(std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)), std::stoi(text.substr(8, 2)));
}

std::string DateText(TDate date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.GetYear(), date.GetMonth(), date.GetDay());
    return text;
}

class TransferGoldenTest : public tool_testing::ToolWorldTest {
protected:
    std::uint32_t ClubId(const std::string& letter) const { return letter == "A" ? a_->GetId() : b_->GetId(); }
    std::string Letter(std::uint32_t id) const { return id == a_->GetId() ? "A" : id == b_->GetId() ? "B" : "?"; }

    std::string History(const TPerson& person) const
    {
        std::string text;
        for (int index = 0; index < person.GetHistoryCount(); ++index) {
            const THistoryEntry& entry = person.GetHistoryEntry(index);
            if (!text.empty()) text += ";";
            text += Letter(entry.clubId) + " " + DateText(entry.start) + " " + DateText(entry.end) + " " +
                    (entry.IsLoan() ? "L" : "-") + (entry.IsRunning() ? "O" : "-") + " " + std::to_string(entry.fee);
        }
        return text.empty() ? "-" : text;
    }

    void AddHistory(TPerson& person, const std::string& text) const
    {
        if (text == "-") return;
        for (const std::string& station : Split(text, ';')) {
            const std::vector<std::string> parts = Split(station, ' ');
            THistoryEntry entry;
            entry.clubId = ClubId(parts[0]);
            entry.start = ParseDate(parts[1]);
            entry.end = ParseDate(parts[2]);
            entry.entryFlags = static_cast<std::uint8_t>((parts[3][0] == 'L' ? THistoryEntry::LoanFlag : 0) |
                                                         (parts[3][1] == 'O' ? THistoryEntry::RunningFlag : 0));
            entry.fee = static_cast<std::uint32_t>(std::stoul(parts[4]));
            person.AddHistoryEntry(entry);
        }
    }

    TClub* a_ = nullptr;
    TClub* b_ = nullptr;
};

std::string Unescaped(std::string text)
{
    for (std::size_t at = text.find("\\r\\n"); at != std::string::npos; at = text.find("\\r\\n", at + 2))
        text.replace(at, 4, "\r\n");
    return text;
}

TEST_F(TransferGoldenTest, EveryCaseMatches)
{
    const std::vector<std::uint8_t> bytes =
        testing_support::ReadBytes(testing_support::SourcePath(u"tests\\tools\\golden\\TransferCases.txt"));
    ASSERT_FALSE(bytes.empty());
    std::istringstream file(std::string(bytes.begin(), bytes.end()));
    std::string line;
    int cases = 0;
    while (std::getline(file, line)) {
        const std::vector<std::string> f = Split(line, '|');
        ASSERT_GE(f.size(), 10u) << line;
        a_ = &NewClub(u"A");
        b_ = &NewClub(u"B");
        TPerson& person = NewPlayer(*a_, u"Case");
        const int state = std::stoi(f[1]);
        person.SetTransferState(state);
        person.SetTransferClub(b_->GetId());
        person.SetTransferStartDate(ParseDate(f[2]));
        person.SetTransferEndDate(ParseDate(f[3]));
        const std::int32_t fee = std::stoi(f[4]);
        if (state == 6) person.SetCallOption(fee);
        else person.SetTransferFee(fee);
        AddHistory(person, f[5]);
        ASSERT_EQ(History(person), f[5]) << line;

        CReportModel report;
        report.Open();
        CProcessTransfer(*world_).ProcessPlayer(person, *a_, 0, report);
        const std::vector<tool_testing::TReported> entries = tool_testing::Entries(report);
        EXPECT_EQ(History(person), f[6]) << line;
        EXPECT_EQ(person.GetTransferState(), std::stoi(f[7])) << line;
        const bool moved = f[8] == "1";
        EXPECT_EQ(a_->FindPlayer(person.GetId()) == nullptr, moved) << line;
        EXPECT_EQ(b_->FindPlayer(person.GetId()) != nullptr, moved) << line;
        if (f[9] == "0") {
            EXPECT_TRUE(entries.empty()) << line;
        } else {
            ASSERT_EQ(entries.size(), 1u) << line;
            EXPECT_EQ(entries[0].type, std::stoi(f[9])) << line;
            EXPECT_EQ(entries[0].description, Unescaped(f.size() > 10 ? f[10] : "")) << line;
        }
        if (state == 5 && moved) {
            EXPECT_EQ(person.GetYearJoined(), ParseDate(f[2]).GetYear()) << line;
        }
        ++cases;
    }
    EXPECT_EQ(cases, 175);
}

}  // namespace
