#pragma once
// The command line cut into words: blanks separate words, a word that
// begins with a double quote runs to the next one (blanks included, quotes
// dropped). At most 64 words of at most 63 characters are kept.

#include <string>
#include <string_view>

class CCommandLine {
public:
    static constexpr int MaxWords = 64;
    static constexpr int WordCapacity = 63;

    void Split(std::u16string_view commandLine);
    int GetCount() const { return count_; }
    // "" for an index outside 0..63 or not stored.
    const char16_t* GetArgument(int index) const;
    // A stored word equal to the switch, case and all.
    bool HasSwitch(std::u16string_view name) const;

    // What stands behind the program's name: behind its closing quote when
    // the name is quoted, else behind the first blank; "" when nothing does.
    static std::u16string ArgumentsBehindProgram(std::u16string_view commandLine);

private:
    char16_t words_[MaxWords][WordCapacity + 1] = {};
    int count_ = 0;
};
