#pragma once
// Small worlds built in code for the database tools, with the shipped texts
// in English and helpers that read back what a tool reported.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/club/Club.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "tests/database/DatabaseTestSupport.h"
#include "tools/report/ReportModel.h"

namespace tool_testing {

// An entry of a report with the titles of its categories above it.
struct TReported {
    std::string path;  // "Category/Sub/Title"
    int type = 0;
    std::string description;
};

// Every entry of the report in tree order; categories only as path parts.
std::vector<TReported> Entries(const CReportModel& report);
// Every category in tree order, as paths.
std::vector<std::string> Categories(const CReportModel& report);
// Lines of a "\r\n"-joined text.
std::vector<std::string> Lines(const std::string& text);

class ToolWorldTest : public database_testing::CurrentWorldTest {
protected:
    void SetUp() override;
    void TearDown() override;

    TCountry& Land(int id = 21) { return *world_->GetCountry(id); }
    // A club with its name and town in every language.
    TClub& NewClub(const char16_t* name, int countryId = 21);
    // A player (distinct looks, a real birth date) added to the club's squad.
    TPerson& NewPlayer(TClub& club, const char16_t* lastName, int position = 0);
    TPerson& NewStaff(TClub& club, const char16_t* lastName);
    void FillSquad(TClub& club, int players);

    CReportModel report_;

private:
    std::uint32_t nextFace_ = 1000;
};

}  // namespace tool_testing
