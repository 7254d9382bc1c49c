#pragma once
// A BIG archive opened for reading or editing. Entries may be stored raw or
// packed, and the whole archive file may itself be packed.
//
// Writable archives are edited on a copy in the archive's folder; Close
// puts the copy in place (packing it first when the archive was packed),
// so the archive file changes only when every write succeeded. Failures
// are reported through "Database.Big." messages unless silent is set; the
// last message is kept in GetErrorText either way.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "archive/BigBlockMap.h"
#include "archive/BigEntry.h"
#include "core/text/TextKey.h"
#include "core/text/TextTools.h"
#include "platform/Platform.h"

class CMireloBig {
public:
    // Files from this size on are stored raw, and a packed archive that has
    // grown to it is committed unpacked.
    static constexpr std::uint32_t PackLimit = 0xF00000;

    CMireloBig() = default;
    virtual ~CMireloBig();
    CMireloBig(const CMireloBig&) = delete;
    CMireloBig& operator=(const CMireloBig&) = delete;

    // Opens read-only when asked, or when the file or its folder cannot be
    // written.
    bool Open(std::u16string_view path, bool readOnly);
    // An empty archive that replaces any file at path on Close.
    bool Create(std::u16string_view path);
    // False when the changes could not be committed; the old file then stays.
    bool Close();
    // Closes without committing anything: the archive file stays as it was.
    void Discard() { Forget(); }

    bool IsOpen() const { return file_.IsOpen(); }
    bool IsReadOnly() const { return readOnly_; }
    bool IsModified() const { return modified_; }
    // The file being worked on: the archive itself or its working copy.
    const std::u16string& GetFileName() const { return workingName_; }
    std::int64_t GetSize() const { return dataEnd_; }
    const std::u16string& GetErrorText() const { return errorText_; }

    bool CheckOpen();
    int GetCount() const { return IsOpen() ? static_cast<int>(entries_.size()) : 0; }
    bool IsValidIndex(int index);
    // An all-zero entry for an invalid index or an absent name.
    const BigEntry& GetEntry(int index) const;
    const BigEntry& GetEntry(std::u16string_view name) const;
    // Names compare without regard to ASCII case; -1 when absent.
    int FindIndex(std::u16string_view name);
    // As FindIndex, but reports an empty or absent name.
    int FindEntry(std::u16string_view name);

    // Writes the entry's data, unpacked, to a file; an existing file is
    // replaced only when everything succeeded.
    bool ExportFile(int index, std::u16string_view destPath);
    bool Export(std::u16string_view name, std::u16string_view destPath);
    bool ReadEntry(int index, std::vector<std::uint8_t>& data, bool unpack);
    bool Read(std::u16string_view name, std::vector<std::uint8_t>& data, bool unpack);

    // Adds or replaces an entry; with pack, data below PackLimit is stored
    // packed (and refused when it cannot be packed: empty or already packed).
    bool ImportFile(std::u16string_view name, std::u16string_view sourcePath, bool pack);
    bool ImportData(std::u16string_view name, std::span<const std::uint8_t> data, bool pack);
    bool DeleteEntry(int index);
    bool DeleteEntry(std::u16string_view name);
    bool RenameEntry(int index, std::u16string_view newName);
    bool RenameEntry(std::u16string_view name, std::u16string_view newName);
    bool PackEntry(int index);
    bool PackEntry(std::u16string_view name);
    bool UnpackEntry(int index);
    bool UnpackEntry(std::u16string_view name);
    // Rewrites the archive compactly with its entries sorted by name.
    bool Rebuild();

    // Places and writes one entry's data without touching another entry's
    // data (a new entry may first move blocks out of the directory's way);
    // on failure the entry keeps its old place and size.
    bool WriteEntryData(int index, std::span<const std::uint8_t> data);
    // Rewrites header and directory, first moving blocks out of their way.
    bool WriteHeader();
    // 16 + the sum of (9 + name length) + 3; 16 without entries.
    int GetHeaderSize() const;

    bool silent = false;

private:
    bool OpenRaw(platform::File& source, std::int64_t length, bool readOnly);
    bool OpenPacked(platform::File& source, std::int64_t length, bool readOnly);
    bool UseCopy(const std::u16string& copy, bool readOnly);
    bool LoadDirectory();
    bool Commit();
    void Forget();

    bool CheckWritable();
    int IndexOf(const std::string& narrowName) const;
    int LookUp(std::u16string_view name) const;
    bool StoreEntry(std::u16string_view name, std::span<const std::uint8_t> data, bool pack,
                    std::u16string_view reportedName);
    bool ReplaceEntryData(int index, std::span<const std::uint8_t> data);
    bool WriteCompactCopy(const std::u16string& target, std::vector<BigEntry>& sorted);
    bool ReopenWorkingFile();

    // The entries changed other than by one appended at the end: the name
    // index, the block map and the directory size are worked out anew.
    void DirectoryChanged();
    void EntryAppended();
    void EntryUnappended();
    BigBlockMap& Blocks();
    std::int64_t DirectoryEnd();

    std::int64_t ChooseOffset(const BigEntry& entry, bool isNew, std::size_t size);
    bool MakeRoom(std::int64_t directoryEnd);
    bool MoveBlockBehind(BigEntry& entry);
    bool WriteZeros(std::int64_t begin, std::int64_t end);
    bool ReadBlock(const BigEntry& entry, std::vector<std::uint8_t>& data);
    bool WriteAt(std::int64_t offset, std::span<const std::uint8_t> data);
    void MeasureEnd();

    void ClearError() const { errorText_.clear(); }
    bool ReportError(TextKey key, TokenList tokens = {}) const;

    platform::File file_;
    std::vector<BigEntry> entries_;
    // Lower-case name -> first index of that name; valid while namesKnown_.
    mutable std::unordered_map<std::string, int> names_;
    mutable bool namesKnown_ = false;
    BigBlockMap blocks_;
    bool blocksKnown_ = false;
    // Sum of the record bytes of all entries; -1 while unknown.
    std::int64_t recordBytes_ = -1;
    std::u16string archivePath_;
    std::u16string workingName_;
    // The last message; lookups that report are const.
    mutable std::u16string errorText_;
    std::int64_t dataEnd_ = 0;
    bool readOnly_ = true;
    bool modified_ = false;
    // The working file is a copy of ours, deleted unless committed.
    bool ownsWorkingFile_ = false;
    bool wasPacked_ = false;
    bool created_ = false;
    // A failed in-place write that could not be undone: never commit.
    bool damaged_ = false;
};
