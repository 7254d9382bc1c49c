#pragma once
// A snapshot of the editable database: every file of a fixed list, stored
// in one BIG archive under its path relative to the base folder, and
// restored from it. Creating first saves the loaded world.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/longtime/LongtimeOperation.h"
#include "core/text/TextKey.h"
#include "platform/Platform.h"

class CMireloBig;

class CDatabaseSnapshot : public CLongtimeOperation {
public:
    // Saves the loaded world to its files and tells whether it did; the
    // program runs its save operation behind its own progress dialog.
    using SaveStep = std::function<bool()>;
    static void SetDefaultSaveStep(SaveStep save);

    // The 252 relative paths, in the order of the archive's directory.
    static const std::vector<std::u16string>& GetFileList();

    CDatabaseSnapshot();
    CDatabaseSnapshot(std::unique_ptr<ILongtimeProgress> progress, SaveStep save);

    // True only when the run did everything it had to.
    bool Create(std::u16string_view archivePath);
    bool Restore(std::u16string_view archivePath);
    // The same for the last run.
    bool HasSucceeded() const { return succeeded_; }

protected:
    bool Run() override;
    void RunCreate();
    void RunRestore();

private:
    enum class Mode { None, Create, Restore };

    bool Start(Mode mode, std::u16string_view archivePath);
    bool StoreFiles(CMireloBig& archive);
    // Entries that are missing or cannot be unpacked.
    struct Unusable {
        std::vector<std::u16string> missing;
        std::vector<std::u16string> damaged;
    };
    // Unpacks one entry at a time into its temporary file; false, with the
    // message shown, when a file cannot be written.
    bool WriteTemporaries(CMireloBig& archive, platform::AtomicFileSet& files, Unusable& unusable);
    void ReportUnusable(const Unusable& unusable) const;
    void ShowStart(TextKey title);

    Mode mode_ = Mode::None;
    std::atomic<bool> succeeded_{false};
    std::u16string archivePath_;
    SaveStep save_;
};
