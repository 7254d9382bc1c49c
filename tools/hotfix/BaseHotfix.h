#pragma once
// One bulk correction or list of the developers' "Hotfixes" menu. Every fix
// registers itself with a hot-fix manager when constructed and leaves it
// when destroyed.

#include <cstdint>
#include <string>
#include <string_view>

class CHotfixFile;
class CHotfixManager;
class CReportModel;
class TCompleteWorld;

class CBaseHotfix {
public:
    static constexpr std::size_t MaxNameLength = 63;
    // The fixes walk the country ids 1 to this one.
    static constexpr int LastCountryId = 206;
    enum : std::uint32_t {
        FlagNotListed = 1,
        FlagDeveloperOnly = 2,
        FlagNeedsFile = 4,
        FlagHiddenReport = 8,
        FlagExtendedMode = 16,
        FlagNoHeader = 32,
    };

    // The name is cut to 63 characters; null gives an empty name.
    CBaseHotfix(const char16_t* name, std::uint32_t version, std::uint32_t flags);
    CBaseHotfix(const char16_t* name, std::uint32_t version, std::uint32_t flags, CHotfixManager& manager);
    virtual ~CBaseHotfix();
    CBaseHotfix(const CBaseHotfix&) = delete;
    CBaseHotfix& operator=(const CBaseHotfix&) = delete;

    // file: the opened hot-fix file, its header checked, or null.
    virtual void Apply(TCompleteWorld* world, CHotfixFile* file, CReportModel& report) = 0;
    // Writes the data part of a hot-fix file after its header. The manager
    // commits the file after Create; a fix commits it itself only when an
    // entry of its own depends on the outcome.
    virtual void Create(TCompleteWorld* world, CHotfixFile* file, CReportModel& report);

    const std::u16string& GetName() const { return name_; }
    std::uint32_t GetVersion() const { return version_; }
    bool HasFlags(std::uint32_t mask) const { return (flags_ & mask) == mask; }
    void SetFlag(std::uint32_t mask, bool on) { flags_ = on ? flags_ | mask : flags_ & ~mask; }
    bool IsListed() const { return !HasFlags(FlagNotListed); }
    bool IsDeveloperOnly() const { return HasFlags(FlagDeveloperOnly); }
    bool NeedsFile() const { return HasFlags(FlagNeedsFile); }
    bool ShowsReport() const { return !HasFlags(FlagHiddenReport); }
    bool NeedsExtendedMode() const { return HasFlags(FlagExtendedMode); }
    bool HasNoHeader() const { return HasFlags(FlagNoHeader); }

    // Ends a hot-fix file being written: it replaces its target, or else the
    // target keeps its contents and an error entry and a message say so.
    // True when the file was written or was not being written.
    static bool CommitFile(CHotfixFile& file, CReportModel& report);
    // The message for a hot-fix file that could not be written.
    static void ShowNotWritten(std::u16string_view path);

protected:
    CHotfixManager& GetManager() const { return *manager_; }
    // False, with an error entry, when the fix was given no file.
    static bool RequireFile(const CHotfixFile* file, CReportModel& report);

private:
    std::u16string name_;
    std::uint32_t version_;
    std::uint32_t flags_;
    CHotfixManager* manager_;
};
