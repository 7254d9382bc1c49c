#pragma once
// Seeking a section's begin or end line with the usual case first: in a
// sound file the line comes next, and is then stepped to at once instead of
// through the stream's seek, which looks at every line on its way. Any
// other case goes through the seek, so a damaged file reads as before.
// The record readers seek several sections per person.

#include <string_view>

#include "core/IndexTextFile.h"

// True when text begins with part; then text is moved past it. A line
// ends at its zero unit, which no marker holds: a shorter line stops the
// comparison there.
inline bool SkipMarkerPart(const char16_t*& text, std::u16string_view part)
{
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (text[i] != part[i]) return false;
    }
    text += part.size();
    return true;
}

// True when the line after the current one, comments included, is
// prefix+key.
inline bool NextLineIsMarker(const CIndexTextFile& file, std::u16string_view prefix, std::u16string_view key)
{
    const char16_t* line = file.PeekLine();
    return line != nullptr && !key.empty() && SkipMarkerPart(line, prefix) && SkipMarkerPart(line, key) && *line == 0;
}

// As CIndexTextFile::FindSection.
inline bool FindNextSection(CIndexTextFile& file, std::u16string_view key)
{
    if (NextLineIsMarker(file, CIndexTextFile::SectionBeginPrefix, key)) return file.NextLine();
    return file.FindSection(key);
}

// As CIndexTextFile::FindSectionEnd.
inline bool FindNextSectionEnd(CIndexTextFile& file, std::u16string_view key)
{
    if (NextLineIsMarker(file, CIndexTextFile::SectionEndPrefix, key)) return file.NextLine();
    return file.FindSectionEnd(key);
}
