#pragma once
// The create-a-club towns dialog without its window: a town to and from
// what the controls show, the checks before a town is stored, and loading,
// merging and closing so that a failed file operation loses nothing.
//
// A town's position is kept in signed minutes, south and west negative:
// Value1 the longitude, Value2 the latitude. SecondName is the club's
// name, Text1 and Text2 its short name and abbreviation, Number its colour,
// Digits1 and Digits2 the article and phrase usage per database language.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "database/club/Towns.h"

struct TownControls {
    std::u16string townName;
    std::u16string clubName;
    std::u16string shortName;
    std::u16string abbreviation;
    // None when the colour combo has no selection: the colour is kept.
    std::optional<std::uint8_t> colour;
    bool hasPosition = false;
    bool south = false;
    int latitudeDegrees = 0;
    int latitudeMinutes = 0;
    bool west = false;
    int longitudeDegrees = 0;
    int longitudeMinutes = 0;

    bool SamePosition(const TownControls& other) const;
};

class TownEditor {
public:
    // What the edits take; the fields hold 29, 29, 11 and 5.
    static constexpr int TownNameLimit = 29;
    static constexpr int ClubNameLimit = 29;
    static constexpr int ShortNameLimit = 10;
    static constexpr int AbbreviationLimit = 4;
    static constexpr int MaxLatitude = 90;
    static constexpr int MaxLongitude = 180;

    enum class StoreResult { NoTown, Stored, Duplicate };
    enum class Answer { Yes, No, Cancel };
    // What to do after the unsaved-changes question (or without one).
    enum class Settled { Proceed, Stay, WriteFailed };

    TTownList& List() { return list_; }
    const TTownList& List() const { return list_; }

    // The country 1..206 whose towns are edited; another id shows none.
    void SetCountry(int country);
    int GetCountry() const { return country_; }
    // -1 when no town is selected.
    void SelectTown(int index);
    int GetCurrentTown() const { return current_; }
    const TTown& GetCurrent() const { return list_.GetTown(country_, current_); }

    static TownControls ToControls(const TTown& town);
    // The town as the controls give it over the stored one: texts cut to
    // their fields (the edits' limits bound what is typed, while a file
    // may hold one character more, which a store keeps); the position unchanged when the controls still
    // show the stored one (so that a value beyond the ranges is kept).
    static TTown FromControls(const TownControls& controls, const TTown& stored);
    // Refuses (and keeps the stored town) a name pair another town of the
    // country already has.
    StoreResult Store(const TownControls& controls);

    // The town's article or phrase usage for a language; an index at or
    // above the language's count counts as 0.
    static int ArticleIndex(const TTown& town, int language, int articleCount);
    static int PhraseIndex(const TTown& town, int language, int phraseCount);
    // Advances the current town's index, wrapping at the count.
    void AdvanceArticle(int language, int articleCount);
    void AdvancePhrase(int language, int phraseCount);

    // An empty town for the current country; its index, or -1 when the
    // country already has an empty one.
    int AddTown();
    bool RemoveCurrentTown();

    // The default file: loaded when it can be read, else an empty list
    // that Save creates there.
    void Open(std::u16string_view defaultPath);
    // Only a file that was read replaces the list.
    bool Load(std::u16string_view path);
    // To the file last loaded or saved, else the default file.
    bool Save();
    // Adds every town of the file the list does not hold yet.
    bool Merge(std::u16string_view path);

    // Whether closing or loading must ask about unsaved changes first.
    bool HasChanges() const { return list_.IsDirty(); }
    // Yes saves (a failed save keeps everything and says so), No goes on
    // without saving, Cancel stays.
    Settled Settle(Answer answer);

private:
    TTownList list_;
    std::u16string defaultPath_;
    int country_ = 0;
    int current_ = -1;
};
