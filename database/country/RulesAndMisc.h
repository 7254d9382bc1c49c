#pragma once
// World-wide settings that belong to no country: the continental club cups'
// titles in six languages, their title defenders and final hosts, the
// clubs entered through the fairness ranking and a few further values,
// stored in "Rules.sav".

#include <cstdint>
#include <string_view>

class CIndexTextFile;

class CMasterWriter;
class TCompleteWorld;

class TRulesAndMisc {
public:
    static constexpr int Continents = 6;
    static constexpr int Cups = 3;
    static constexpr int Languages = 6;
    static constexpr int TitleCapacity = 30;

    TRulesAndMisc() { Reset(); }
    void Reset();
    const char16_t* GetCupTitle(int continent, int cup, int language) const;
    void SetCupTitle(int continent, int cup, int language, const char16_t* text);
    std::uint32_t GetCupDefender(int continent, int cup) const;
    void SetCupDefender(int continent, int cup, std::uint32_t id);
    std::uint32_t GetCupStadium(int continent, int cup) const;
    void SetCupStadium(int continent, int cup, std::uint32_t id);
    std::uint32_t GetFairnessClub(int rank) const { return rank >= 0 && rank < 3 ? fairness_[rank] : 0; }
    void SetFairnessClub(int rank, std::uint32_t id) { if (rank >= 0 && rank < 3) fairness_[rank] = id; }
    std::int32_t GetFurtherValue(int i) const { return i >= 0 && i < 6 ? further_[i] : 0; }
    void SetFurtherValue(int i, std::int32_t value) { if (i >= 0 && i < 6) further_[i] = value; }
    // Whether the club (bit 24 ignored) defends any continental title.
    bool IsTitleDefender(std::uint32_t team) const;

    // A missing file is reported and changes nothing; so is a file of a
    // newer program, which is then marked refused.
    void LoadRules(std::u16string_view path);
    // The last load found a file of a newer program, of which nothing was
    // read: a save keeps that file as it is.
    bool IsFileRefused() const { return fileRefused_; }
    // True on success; the old file stays unless every line was written.
    bool SaveRules(std::u16string_view path) const;
    // The Rules.sav section, for a save that writes it with other files.
    bool WriteRules(CIndexTextFile& file) const;
    // Clubs the world does not know become 0, but for those of a country
    // whose file is damaged: the reader may have stopped before them, and a
    // save that keeps the file keeps them too. The last value is kept in 0..7.
    void CheckRules(const TCompleteWorld& world);
    void WriteRulesBlock(CMasterWriter& writer) const;

private:
    static bool Valid(int continent, int cup) { return continent >= 0 && continent < Continents && cup >= 0 && cup < Cups; }

    char16_t titles_[Continents][Cups][Languages][TitleCapacity] = {};
    std::uint32_t defenders_[Continents][Cups] = {};
    std::uint32_t hosts_[Continents][Cups] = {};
    std::uint32_t furtherClubs_[2] = {};
    std::uint32_t fairness_[3] = {};
    std::int32_t further_[6] = {};
    bool fileRefused_ = false;
};
