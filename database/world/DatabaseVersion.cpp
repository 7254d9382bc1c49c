#include "database/world/DatabaseVersion.h"

#include "core/text/Format.h"
#include "core/files/IndexTextFile.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/world/FileDamage.h"

namespace {

constexpr std::u16string_view VersionSection = u"VERSION";
thread_local std::uint32_t fileVersion = 0;
thread_local std::uint32_t writtenVersion = 0;

}  // namespace

std::uint32_t TDatabaseVersion::GetFileVersion()
{
    return fileVersion;
}

std::uint32_t TDatabaseVersion::GetFileVersionAsWritten()
{
    return writtenVersion;
}

void TDatabaseVersion::SetFileVersion(std::uint32_t version)
{
    fileVersion = version;
    writtenVersion = version;
}

bool TDatabaseVersion::IsVersionAtLeast(std::uint32_t major, std::uint32_t minor)
{
    return fileVersion >= MakeDatabaseVersion(major, minor);
}

bool TDatabaseVersion::IsProgramAtLeast(std::uint32_t major, std::uint32_t minor)
{
    return ProgramVersion >= MakeDatabaseVersion(major, minor);
}

std::u16string TDatabaseVersion::Format(std::uint32_t version)
{
    return ::Format(u"%4X-%02d", version >> 16, version & 0xFFFF);
}

bool WriteVersion(CIndexTextFile& file)
{
    return file.WriteSectionBegin(VersionSection) && file.WriteInt32(TDatabaseVersion::ProgramVersion) &&
           file.WriteSectionEnd(VersionSection);
}

bool ReadVersion(CIndexTextFile& file, TFileDamage* damage)
{
    if (!file.FindNestedSection(VersionSection)) {
        TDatabaseVersion::SetFileVersion(1);
        return true;
    }
    std::u16string line;
    file.ReadCString(line);
    const std::optional<std::uint32_t> number = ParseStrictDecimal(line, 0xFFFFFFFFu);
    if (!number && damage) damage->Report(file, u"Database.Error.BadVersion"_tk, VersionSection, line);
    std::uint32_t version = number.value_or(TDatabaseVersion::ProgramVersion);
    const std::uint32_t written = version;
    // An older major passes every gate of its own major and fails every
    // gate of a later one.
    if ((version >> 16) < (TDatabaseVersion::ProgramVersion >> 16)) version |= 0xFFFF;
    TDatabaseVersion::SetFileVersion(version);
    writtenVersion = written;
    if (version <= TDatabaseVersion::ProgramVersion + 1) {
        file.FindSectionEnd(VersionSection);
        return true;
    }
    const std::u16string message =
        ReplaceTokens(CTextManager::Instance()->GetText(u"Database.Error.InvalidVersion"_tk),
                      {{u"_FILE_VERSION", TDatabaseVersion::Format(version)},
                       {u"_SUPPORTED_VERSION", TDatabaseVersion::Format(TDatabaseVersion::ProgramVersion)}});
    file.SetError(message.c_str());
    return false;
}
