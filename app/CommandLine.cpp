#include "app/CommandLine.h"

#include <algorithm>

void CCommandLine::Split(std::u16string_view commandLine)
{
    count_ = 0;
    std::size_t position = 0;
    while (position < commandLine.size() && count_ < MaxWords) {
        if (commandLine[position] == u' ') {
            ++position;
            continue;
        }
        const bool quoted = commandLine[position] == u'"';
        if (quoted) ++position;
        const char16_t end = quoted ? u'"' : u' ';
        std::size_t stop = commandLine.find(end, position);
        if (stop == std::u16string_view::npos) stop = commandLine.size();
        const std::u16string_view word = commandLine.substr(position, stop - position);
        position = stop + 1;
        if (word.empty()) continue;
        const std::size_t kept = std::min<std::size_t>(word.size(), WordCapacity);
        std::copy_n(word.data(), kept, words_[count_]);
        words_[count_][kept] = u'\0';
        ++count_;
    }
}

const char16_t* CCommandLine::GetArgument(int index) const
{
    return index >= 0 && index < count_ ? words_[index] : u"";
}

bool CCommandLine::HasSwitch(std::u16string_view name) const
{
    for (int i = 0; i < count_; ++i) {
        if (name == words_[i]) return true;
    }
    return false;
}

std::u16string CCommandLine::ArgumentsBehindProgram(std::u16string_view commandLine)
{
    std::size_t behind = std::u16string_view::npos;
    if (!commandLine.empty() && commandLine[0] == u'"') {
        const std::size_t closing = commandLine.find(u'"', 1);
        if (closing != std::u16string_view::npos) behind = closing + 1;
    } else {
        const std::size_t blank = commandLine.find(u' ');
        if (blank != std::u16string_view::npos) behind = blank + 1;
    }
    if (behind >= commandLine.size()) return {};
    std::u16string_view rest = commandLine.substr(behind);
    while (!rest.empty() && rest.front() == u' ') rest.remove_prefix(1);
    return std::u16string(rest);
}
