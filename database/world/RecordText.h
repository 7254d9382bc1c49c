#pragma once
// Every text value of a record is one line of a text file. A line that
// begins with ';' would read back as a comment and one that begins with '%'
// as a section line, shifting every later field, and a line break would
// split the value. So setters and writers of every record pass their texts
// through these helpers.

#include <cstddef>
#include <string>
#include <string_view>

class CIndexTextFile;

// The text without leading ';' and '%' and with every line break a blank.
std::u16string MakeRecordText(std::u16string_view text);
// Bounded copy of MakeRecordText(text); null clears the slot.
void SetRecordText(char16_t* dest, std::size_t capacity, const char16_t* text);
template <std::size_t N>
void SetRecordText(char16_t (&dest)[N], const char16_t* text)
{
    SetRecordText(dest, N, text);
}
bool WriteRecordText(CIndexTextFile& file, std::u16string_view text);

// A typed name in the form a save and a reload give back, so that every
// later save writes the name the first one wrote: SetRecordText, then what
// the readers of names do (blanks collapsed, blanks and no-break spaces
// trimmed off both ends, old files' stand-ins replaced, a lone surrogate,
// which UTF-8 cannot hold, as U+FFFD), again while that exposes a mark.
void SetKeptName(char16_t* dest, std::size_t capacity, const char16_t* text);
template <std::size_t N>
void SetKeptName(char16_t (&dest)[N], const char16_t* text)
{
    SetKeptName(dest, N, text);
}

// Multi-line notes travel on one line: CR dropped, LF written as a tab, and
// a tab read back as CR LF.
std::u16string NotesToLine(std::u16string_view notes);
std::u16string LineToNotes(std::u16string_view line);
