#include "competition/FixtureCreator.h"

#include <algorithm>
#include <span>
#include <string>
#include <utility>

#include "core/files/FileMessages.h"
#include "core/text/Format.h"
#include "platform/Platform.h"
#include "platform/TextCodec.h"

CFixtureCreator::Pair* CFixtureCreator::At(int day, int slot)
{
    if (day < 0 || day >= days_ || slot < 0 || slot >= matchesPerDay_) return nullptr;
    return &cells_[static_cast<std::size_t>(day) * matchesPerDay_ + slot];
}

const CFixtureCreator::Pair* CFixtureCreator::At(int day, int slot) const
{
    return const_cast<CFixtureCreator*>(this)->At(day, slot);
}

int CFixtureCreator::GetHome(int day, int slot) const { return At(day, slot) ? At(day, slot)->home : -1; }
int CFixtureCreator::GetAway(int day, int slot) const { return At(day, slot) ? At(day, slot)->away : -1; }

void CFixtureCreator::SetHome(int day, int slot, int team)
{
    if (Pair* p = At(day, slot)) p->home = team;
}

void CFixtureCreator::SetAway(int day, int slot, int team)
{
    if (Pair* p = At(day, slot)) p->away = team;
}

bool CFixtureCreator::Create(int teams, int rounds)
{
    if (teams < 3 || rounds < 1) return false;
    const int even = teams + teams % 2;
    const int perRound = even - 1;
    const int m = even / 2;
    teams_ = teams;
    rounds_ = rounds;
    days_ = perRound * rounds;
    matchesPerDay_ = m;
    cells_.assign(static_cast<std::size_t>(days_) * m, Pair());
    for (int k = 0; k < m; ++k) *At(0, k) = {2 * k, 2 * k + 1 < teams ? 2 * k + 1 : -1};
    for (int d = 1; d < perRound; ++d) {
        At(d, 0)->home = 0;
        At(d, 0)->away = At(d - 1, 1)->home;
        for (int s = 1; s + 1 < m; ++s) At(d, s)->home = At(d - 1, s + 1)->home;
        At(d, m - 1)->home = At(d - 1, m - 1)->away;
        for (int s = 1; s < m; ++s) At(d, s)->away = At(d - 1, s - 1)->away;
    }
    if (teams % 2 != 0) {
        for (int d = 0; d < perRound; ++d) {
            for (int s = 0; s < m; ++s) {
                if (At(d, s)->home == -1 || At(d, s)->away == -1) std::swap(*At(d, s), *At(d, m - 1));
            }
        }
    }
    for (int d = 0; d < perRound; d += 2) {
        for (int s = 0; s < m; ++s) std::swap(At(d, s)->home, At(d, s)->away);
    }
    const bool checked = EachPairMeetsOnce() && StreaksAtMostThree();
    for (int d = perRound; d < days_; ++d) {
        for (int s = 0; s < m; ++s) *At(d, s) = {At(d - perRound, s)->away, At(d - perRound, s)->home};
    }
    return checked;
}

bool CFixtureCreator::EachPairMeetsOnce() const
{
    std::vector<int> met(static_cast<std::size_t>(teams_) * teams_, 0);
    for (int d = 0; d < days_ / rounds_; ++d) {
        for (int s = 0; s < matchesPerDay_; ++s) {
            const Pair& p = *At(d, s);
            if (p.home < 0 || p.away < 0) continue;
            if (p.home == p.away) return false;
            ++met[static_cast<std::size_t>(p.home) * teams_ + p.away];
            ++met[static_cast<std::size_t>(p.away) * teams_ + p.home];
        }
    }
    for (int a = 0; a < teams_; ++a) {
        for (int b = 0; b < teams_; ++b) {
            if (a != b && met[static_cast<std::size_t>(a) * teams_ + b] != 1) return false;
        }
    }
    return true;
}

bool CFixtureCreator::StreaksAtMostThree() const
{
    for (int team = 0; team < teams_; ++team) {
        int run = 0;
        int lastSide = 0;
        for (int d = 0; d < days_ / rounds_; ++d) {
            int side = 0;
            for (int s = 0; s < matchesPerDay_; ++s) {
                if (At(d, s)->home == team && At(d, s)->away >= 0) side = 1;
                if (At(d, s)->away == team && At(d, s)->home >= 0) side = 2;
            }
            if (side == 0) continue;
            run = side == lastSide ? run + 1 : 1;
            lastSide = side;
            if (run > 3) return false;
        }
    }
    return true;
}

bool CFixtureCreator::Dump(std::u16string_view path) const
{
    std::u16string text;
    const int firstRoundDays = rounds_ > 0 ? days_ / rounds_ : 0;
    for (int day = 0; day < firstRoundDays; ++day) {
        text += Format(u"Day %i:\r\n", day);
        for (int slot = 0; slot < matchesPerDay_; ++slot) {
            text += Format(u"   %i : %i\r\n", GetHome(day, slot), GetAway(day, slot));
        }
        text += u"\r\n";
    }
    const std::string bytes = platform::Utf16ToUtf8(text);
    if (platform::WriteFileAtomic(path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()))) {
        return true;
    }
    ShowFileNotFound(platform::MakeAbsolute(path).c_str());
    return false;
}
