#include "archive/MireloBig.h"

#include <algorithm>

#include "archive/BigDirectory.h"
#include "archive/PackedData.h"
#include "core/AppMessage.h"
#include "core/text/TextManager.h"

namespace {

constexpr std::int64_t MaxOffset = 0xFFFFFFFF;
constexpr std::size_t CopyChunk = 0x100000;
// A packed stream of the largest unpacked size is not longer than this.
constexpr std::int64_t MaxPackedArchive = 2 * static_cast<std::int64_t>(packed_data::MaxUnpackedSize);

const BigEntry& EmptyEntry()
{
    static const BigEntry empty;
    return empty;
}

// Nothing when the system cannot convert the name.
std::optional<std::string> ToEntryName(std::u16string_view name)
{
    std::optional<std::string> narrow = platform::Utf16ToSystemCodePage(name);
    if (narrow && narrow->size() > big_directory::MaxNameLength) narrow->resize(big_directory::MaxNameLength);
    return narrow;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string AsciiLowerName(std::string name)
{
    for (char& c : name) c = AsciiLower(c);
    return name;
}

bool LessIgnoringAsciiCase(const BigEntry& a, const BigEntry& b)
{
    return std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(),
                                        [](char x, char y) {
                                            return static_cast<unsigned char>(AsciiLower(x)) <
                                                   static_cast<unsigned char>(AsciiLower(y));
                                        });
}

std::int64_t RoundUp16(std::int64_t value) { return (value + 15) & ~std::int64_t{15}; }

std::u16string FolderOfPath(std::u16string_view path)
{
    return std::u16string(platform::FolderOf(platform::MakeAbsolute(path)));
}

bool CopyFileContent(platform::File& source, std::int64_t length, platform::File& dest)
{
    std::vector<std::uint8_t> chunk(static_cast<std::size_t>(std::min<std::int64_t>(length, CopyChunk)));
    if (!source.Seek(0)) return false;
    for (std::int64_t done = 0; done < length;) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(length - done, CopyChunk));
        if (!source.Read(chunk.data(), n) || !dest.Write(chunk.data(), n)) return false;
        done += static_cast<std::int64_t>(n);
    }
    return dest.Flush();
}

}  // namespace

CMireloBig::~CMireloBig() { Close(); }

// ------------------------------------------------------------------ opening

bool CMireloBig::Open(std::u16string_view path, bool readOnly)
{
    Close();
    ClearError();
    if (path.empty()) return ReportError(u"Database.Big.NullName"_tk);
    platform::File source;
    if (!source.Open(path, platform::File::Mode::Read)) {
        return ReportError(u"Database.Big.ErrorOpen"_tk, {{u"_FILE_NAME", path}});
    }
    archivePath_ = path;
    const std::int64_t length = source.Size();
    std::uint8_t head[big_directory::HeaderBytes];
    bool ok = length >= big_directory::HeaderBytes && source.Seek(0) && source.Read(head, sizeof head);
    if (ok) ok = IsPacked(head, sizeof head) ? OpenPacked(source, length, readOnly) : OpenRaw(source, length, readOnly);
    if (ok) return true;
    if (errorText_.empty()) ReportError(u"Database.Big.ErrorInvalid"_tk, {{u"_FILE_NAME", path}});
    Forget();
    return false;
}

bool CMireloBig::OpenRaw(platform::File& source, std::int64_t length, bool readOnly)
{
    if (!big_directory::Read(source, length, entries_)) return false;
    DirectoryChanged();
    if (!readOnly && platform::IsWritable(archivePath_)) {
        const std::u16string copy = platform::CreateUniqueFile(FolderOfPath(archivePath_), platform::WorkingCopyPrefix);
        platform::File dest;
        if (!copy.empty() && dest.Open(copy, platform::File::Mode::ReadWrite) &&
            CopyFileContent(source, length, dest) && dest.Close()) {
            source.Close();
            return UseCopy(copy, false);
        }
        if (!copy.empty()) platform::RemoveFile(copy);
    }
    file_ = std::move(source);
    workingName_ = archivePath_;
    readOnly_ = true;
    dataEnd_ = length;
    return true;
}

// The unpacked archive goes to a copy in its folder, or, for reading only,
// in the system's temporary folder when the archive's folder is not writable.
bool CMireloBig::OpenPacked(platform::File& source, std::int64_t length, bool readOnly)
{
    if (length > MaxPackedArchive) return false;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    if (!source.Seek(0) || !source.Read(bytes.data(), bytes.size())) return false;
    source.Close();
    if (!Unpack(bytes) || bytes.size() < big_directory::HeaderBytes) return false;
    wasPacked_ = true;

    const bool writable = !readOnly && platform::IsWritable(archivePath_);
    for (const std::u16string& folder : {FolderOfPath(archivePath_), platform::TemporaryFolder()}) {
        const std::u16string copy = platform::CreateUniqueFile(folder, platform::WorkingCopyPrefix);
        if (copy.empty()) continue;
        platform::File dest;
        if (dest.Open(copy, platform::File::Mode::ReadWrite) && dest.Write(bytes.data(), bytes.size()) &&
            dest.Close()) {
            return UseCopy(copy, !writable || folder != FolderOfPath(archivePath_));
        }
        dest.Close();
        platform::RemoveFile(copy);
    }
    return ReportError(u"Database.Big.ErrorOpen"_tk, {{u"_FILE_NAME", archivePath_}});
}

bool CMireloBig::UseCopy(const std::u16string& copy, bool readOnly)
{
    workingName_ = copy;
    ownsWorkingFile_ = true;
    readOnly_ = readOnly;
    const auto mode = readOnly ? platform::File::Mode::Read : platform::File::Mode::ReadWrite;
    if (!file_.Open(copy, mode)) {
        return ReportError(u"Database.Big.ErrorOpen"_tk, {{u"_FILE_NAME", archivePath_}});
    }
    return LoadDirectory();
}

bool CMireloBig::LoadDirectory()
{
    MeasureEnd();
    DirectoryChanged();
    return big_directory::Read(file_, dataEnd_, entries_);
}

bool CMireloBig::Create(std::u16string_view path)
{
    Close();
    ClearError();
    if (path.empty()) return ReportError(u"Database.Big.NullName"_tk);
    const TokenList name = {{u"_FILE_NAME", path}};
    if (platform::FileExists(path) && !platform::IsWritable(path)) {
        return ReportError(u"Database.Big.ErrorCreate"_tk, name);
    }
    const std::u16string copy = platform::CreateUniqueFile(FolderOfPath(path), platform::WorkingCopyPrefix);
    if (copy.empty()) return ReportError(u"Database.Big.ErrorCreate"_tk, name);
    archivePath_ = path;
    workingName_ = copy;
    ownsWorkingFile_ = true;
    readOnly_ = false;
    created_ = true;
    std::vector<BigEntry> none;
    const auto header = big_directory::Build(none, big_directory::HeaderBytes);
    if (!file_.Open(copy, platform::File::Mode::ReadWrite) || !WriteAt(0, header)) {
        Forget();
        return ReportError(u"Database.Big.ErrorCreate"_tk, name);
    }
    MeasureEnd();
    return true;
}

// ------------------------------------------------------------------ closing

bool CMireloBig::Close()
{
    if (!IsOpen()) {
        Forget();
        return true;
    }
    ClearError();
    bool ok = true;
    if (!readOnly_ && (modified_ || created_)) {
        ok = Commit();
        if (!ok) ReportError(u"Database.Big.ErrorWrite"_tk, {{u"_FILE_NAME", archivePath_}});
    }
    Forget();
    return ok;
}

// A packed archive stays packed unless it has grown too large to pack.
bool CMireloBig::Commit()
{
    if (damaged_ || !WriteHeader() || !file_.Flush() || !file_.Close()) return false;
    if (wasPacked_ && dataEnd_ < PackLimit) {
        std::vector<std::uint8_t> bytes;
        if (!platform::ReadWholeFile(workingName_, bytes)) return false;
        if (Pack(bytes)) return platform::WriteFileAtomic(archivePath_, bytes);
    }
    if (!platform::RenameOver(workingName_, archivePath_)) return false;
    ownsWorkingFile_ = false;
    return true;
}

void CMireloBig::Forget()
{
    file_.Close();
    if (ownsWorkingFile_) platform::RemoveFile(workingName_);
    entries_.clear();
    DirectoryChanged();
    archivePath_.clear();
    workingName_.clear();
    dataEnd_ = 0;
    readOnly_ = true;
    modified_ = ownsWorkingFile_ = wasPacked_ = created_ = damaged_ = false;
}

// ------------------------------------------------------------------ lookups

bool CMireloBig::CheckOpen()
{
    if (IsOpen()) return true;
    return ReportError(u"Database.Big.ErrorNotOpen"_tk);
}

bool CMireloBig::CheckWritable()
{
    if (!CheckOpen()) return false;
    if (!readOnly_) return true;
    return ReportError(u"Database.Big.ErrorReadOnly"_tk, {{u"_FILE_NAME", archivePath_}});
}

bool CMireloBig::IsValidIndex(int index)
{
    return CheckOpen() && index >= 0 && index < static_cast<int>(entries_.size());
}

const BigEntry& CMireloBig::GetEntry(int index) const
{
    if (!IsOpen() || index < 0 || index >= static_cast<int>(entries_.size())) return EmptyEntry();
    return entries_[index];
}

const BigEntry& CMireloBig::GetEntry(std::u16string_view name) const
{
    ClearError();
    const int index = LookUp(name);
    if (index < 0 && IsOpen()) ReportError(u"Database.Big.ErrorNotInList"_tk, {{u"_FILE_NAME", name}});
    return GetEntry(index);
}

int CMireloBig::IndexOf(const std::string& narrowName) const
{
    if (!namesKnown_) {
        names_.clear();
        for (std::size_t k = 0; k < entries_.size(); ++k) names_.emplace(AsciiLowerName(entries_[k].name), static_cast<int>(k));
        namesKnown_ = true;
    }
    const auto found = names_.find(AsciiLowerName(narrowName));
    return found == names_.end() ? -1 : found->second;
}

int CMireloBig::LookUp(std::u16string_view name) const
{
    if (!IsOpen()) {
        ReportError(u"Database.Big.ErrorNotOpen"_tk);
        return -1;
    }
    const std::optional<std::string> narrow = ToEntryName(name);
    return name.empty() || !narrow ? -1 : IndexOf(*narrow);
}

int CMireloBig::FindIndex(std::u16string_view name)
{
    ClearError();
    return LookUp(name);
}

int CMireloBig::FindEntry(std::u16string_view name)
{
    ClearError();
    if (!CheckOpen()) return -1;
    if (name.empty()) {
        ReportError(u"Database.Big.NullName"_tk);
        return -1;
    }
    const std::optional<std::string> narrow = ToEntryName(name);
    const int index = narrow ? IndexOf(*narrow) : -1;
    if (index < 0) ReportError(u"Database.Big.ErrorNotInList"_tk, {{u"_FILE_NAME", name}});
    return index;
}

// ---------------------------------------------------------------- reading

bool CMireloBig::ExportFile(int index, std::u16string_view destPath)
{
    ClearError();
    if (destPath.empty()) return ReportError(u"Database.Big.NullName"_tk);
    if (!IsValidIndex(index)) return false;
    std::vector<std::uint8_t> data;
    if (!ReadBlock(entries_[index], data) || (entries_[index].unpackedSize > 0 && !Unpack(data))) {
        return ReportError(u"Database.Big.ErrorInvalid"_tk, {{u"_FILE_NAME", archivePath_}});
    }
    if (!platform::WriteFileAtomic(destPath, data)) {
        return ReportError(u"Database.Big.ErrorWrite"_tk, {{u"_FILE_NAME", destPath}});
    }
    return true;
}

bool CMireloBig::Export(std::u16string_view name, std::u16string_view destPath)
{
    const int index = FindEntry(name);
    return index >= 0 && ExportFile(index, destPath);
}

bool CMireloBig::ReadEntry(int index, std::vector<std::uint8_t>& data, bool unpack)
{
    ClearError();
    data.clear();
    if (!IsValidIndex(index)) return false;
    std::vector<std::uint8_t> block;
    if (!ReadBlock(entries_[index], block) || (unpack && IsPacked(block) && !Unpack(block))) {
        return ReportError(u"Database.Big.ErrorInvalid"_tk, {{u"_FILE_NAME", archivePath_}});
    }
    data = std::move(block);
    return true;
}

bool CMireloBig::Read(std::u16string_view name, std::vector<std::uint8_t>& data, bool unpack)
{
    const int index = FindEntry(name);
    if (index < 0) {
        data.clear();
        return false;
    }
    return ReadEntry(index, data, unpack);
}

// ---------------------------------------------------------------- editing

bool CMireloBig::ImportFile(std::u16string_view name, std::u16string_view sourcePath, bool pack)
{
    ClearError();
    if (!CheckWritable()) return false;
    if (name.empty() || sourcePath.empty()) return ReportError(u"Database.Big.NullName"_tk);
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadWholeFile(sourcePath, bytes)) {
        return ReportError(u"Database.Big.ErrorOpen"_tk, {{u"_FILE_NAME", sourcePath}});
    }
    return StoreEntry(name, bytes, pack, sourcePath);
}

bool CMireloBig::ImportData(std::u16string_view name, std::span<const std::uint8_t> data, bool pack)
{
    ClearError();
    if (!CheckWritable()) return false;
    if (name.empty()) return ReportError(u"Database.Big.NullName"_tk);
    return StoreEntry(name, data, pack, name);
}

bool CMireloBig::StoreEntry(std::u16string_view name, std::span<const std::uint8_t> data, bool pack,
                            std::u16string_view reportedName)
{
    std::vector<std::uint8_t> packed;
    if (pack && data.size() < PackLimit) {
        if (!Pack(data, packed)) return false;
        data = packed;
    }
    const std::optional<std::string> narrow = ToEntryName(name);
    if (!narrow) return ReportError(u"Database.Big.ErrorImport"_tk, {{u"_FILE_NAME", reportedName}});
    int index = IndexOf(*narrow);
    const bool added = index < 0;
    if (added) {
        entries_.push_back(BigEntry{.name = *narrow});
        EntryAppended();
        index = static_cast<int>(entries_.size()) - 1;
    }
    if (WriteEntryData(index, data)) return true;
    if (added) EntryUnappended();
    return ReportError(u"Database.Big.ErrorImport"_tk, {{u"_FILE_NAME", reportedName}});
}

bool CMireloBig::DeleteEntry(int index)
{
    ClearError();
    if (!IsValidIndex(index) || !CheckWritable()) return false;
    const BigEntry removed = entries_[index];
    entries_.erase(entries_.begin() + index);
    DirectoryChanged();
    if (WriteHeader()) return true;
    entries_.insert(entries_.begin() + index, removed);
    DirectoryChanged();
    return ReportError(u"Database.Big.ErrorWrite"_tk, {{u"_FILE_NAME", archivePath_}});
}

bool CMireloBig::DeleteEntry(std::u16string_view name)
{
    const int index = FindEntry(name);
    return index >= 0 && DeleteEntry(index);
}

bool CMireloBig::RenameEntry(int index, std::u16string_view newName)
{
    ClearError();
    if (newName.empty()) return ReportError(u"Database.Big.NullName"_tk);
    if (!IsValidIndex(index) || !CheckWritable()) return false;
    const std::optional<std::string> narrow = ToEntryName(newName);
    if (!narrow) return ReportError(u"Database.Big.ErrorImport"_tk, {{u"_FILE_NAME", newName}});
    BigEntry& entry = entries_[index];
    if (IndexOf(*narrow) >= 0) {
        const std::u16string current = platform::SystemCodePageToUtf16(entry.name);
        return ReportError(u"Database.Big.ErrorNameExists"_tk, {{u"_SOURCE_FILE", current}, {u"_DEST_FILE", newName}});
    }
    const std::string oldName = entry.name;
    entry.name = *narrow;
    DirectoryChanged();
    if (WriteHeader()) return true;
    entries_[index].name = oldName;
    DirectoryChanged();
    return ReportError(u"Database.Big.ErrorWrite"_tk, {{u"_FILE_NAME", archivePath_}});
}

bool CMireloBig::RenameEntry(std::u16string_view name, std::u16string_view newName)
{
    const int index = FindEntry(name);
    return index >= 0 && RenameEntry(index, newName);
}

bool CMireloBig::PackEntry(int index)
{
    ClearError();
    if (!IsValidIndex(index) || !CheckWritable()) return false;
    std::vector<std::uint8_t> block;
    if (!ReadBlock(entries_[index], block)) {
        return ReportError(u"Database.Big.ErrorInvalid"_tk, {{u"_FILE_NAME", archivePath_}});
    }
    return Pack(block) && ReplaceEntryData(index, block);
}

bool CMireloBig::PackEntry(std::u16string_view name)
{
    const int index = FindEntry(name);
    return index >= 0 && PackEntry(index);
}

bool CMireloBig::UnpackEntry(int index)
{
    ClearError();
    if (!IsValidIndex(index) || !CheckWritable()) return false;
    std::vector<std::uint8_t> block;
    if (!ReadBlock(entries_[index], block) || (IsPacked(block) && !Unpack(block))) {
        return ReportError(u"Database.Big.ErrorInvalid"_tk, {{u"_FILE_NAME", archivePath_}});
    }
    return entries_[index].unpackedSize > 0 && ReplaceEntryData(index, block);
}

bool CMireloBig::UnpackEntry(std::u16string_view name)
{
    const int index = FindEntry(name);
    return index >= 0 && UnpackEntry(index);
}

bool CMireloBig::ReplaceEntryData(int index, std::span<const std::uint8_t> data)
{
    if (WriteEntryData(index, data)) return true;
    const std::u16string name = platform::SystemCodePageToUtf16(entries_[index].name);
    return ReportError(u"Database.Big.ErrorImport"_tk, {{u"_FILE_NAME", name}});
}

// --------------------------------------------------------------- compacting

bool CMireloBig::Rebuild()
{
    ClearError();
    if (!CheckWritable()) return false;
    std::vector<BigEntry> sorted = entries_;
    std::stable_sort(sorted.begin(), sorted.end(), LessIgnoringAsciiCase);
    const std::u16string target = platform::CreateUniqueFile(FolderOfPath(workingName_), platform::WorkingCopyPrefix);
    bool ok = !target.empty() && WriteCompactCopy(target, sorted);
    if (ok) {
        file_.Close();
        ok = platform::RenameOver(target, workingName_);
        if (!ReopenWorkingFile()) {
            ReportError(u"Database.Big.ErrorOpen"_tk, {{u"_FILE_NAME", archivePath_}});
            Forget();
            return false;
        }
    }
    if (!ok) {
        if (!target.empty()) platform::RemoveFile(target);
        return ReportError(u"Database.Big.ErrorWrite"_tk, {{u"_FILE_NAME", archivePath_}});
    }
    entries_ = std::move(sorted);
    DirectoryChanged();
    MeasureEnd();
    modified_ = true;
    return true;
}

// Header area first, then every block at the next multiple of 16.
bool CMireloBig::WriteCompactCopy(const std::u16string& target, std::vector<BigEntry>& sorted)
{
    platform::File out;
    const std::int64_t directoryEnd = big_directory::PaddedEnd(sorted);
    if (!out.Open(target, platform::File::Mode::ReadWrite)) return false;
    std::vector<std::uint8_t> block(static_cast<std::size_t>(directoryEnd), 0);
    if (!out.Write(block.data(), block.size())) return false;
    std::int64_t position = directoryEnd;
    for (BigEntry& entry : sorted) {
        const std::vector<std::uint8_t> padding(static_cast<std::size_t>(RoundUp16(position) - position), 0);
        position += static_cast<std::int64_t>(padding.size());
        if (position + entry.size > MaxOffset || !ReadBlock(entry, block) ||
            !out.Write(padding.data(), padding.size()) || !out.Write(block.data(), block.size())) {
            return false;
        }
        entry.offset = static_cast<std::uint32_t>(position);
        position += entry.size;
    }
    const auto directory = big_directory::Build(sorted, static_cast<std::uint32_t>(position));
    return out.Seek(0) && out.Write(directory.data(), directory.size()) && out.Flush() && out.Close();
}

bool CMireloBig::ReopenWorkingFile()
{
    return file_.Open(workingName_, platform::File::Mode::ReadWrite);
}

// ----------------------------------------------------------- data placement

void CMireloBig::DirectoryChanged()
{
    namesKnown_ = false;
    blocksKnown_ = false;
    recordBytes_ = -1;
}

void CMireloBig::EntryAppended()
{
    const BigEntry& entry = entries_.back();
    if (namesKnown_) names_.emplace(AsciiLowerName(entry.name), static_cast<int>(entries_.size()) - 1);
    if (recordBytes_ >= 0) recordBytes_ += big_directory::RecordBytes(entry);
}

// Takes back the entry just appended, which has no place yet.
void CMireloBig::EntryUnappended()
{
    const BigEntry& entry = entries_.back();
    if (namesKnown_) {
        const auto found = names_.find(AsciiLowerName(entry.name));
        if (found != names_.end() && found->second == static_cast<int>(entries_.size()) - 1) names_.erase(found);
    }
    if (recordBytes_ >= 0) recordBytes_ -= big_directory::RecordBytes(entry);
    entries_.pop_back();
}

BigBlockMap& CMireloBig::Blocks()
{
    if (!blocksKnown_) {
        blocks_.Assign(entries_);
        blocksKnown_ = true;
    }
    return blocks_;
}

std::int64_t CMireloBig::DirectoryEnd()
{
    if (recordBytes_ < 0) {
        recordBytes_ = 0;
        for (const BigEntry& entry : entries_) recordBytes_ += big_directory::RecordBytes(entry);
    }
    return RoundUp16(big_directory::HeaderLength(entries_.size(), static_cast<std::uint64_t>(recordBytes_)));
}

// The directory is written when the archive is closed; a new entry only
// makes sure that its record will find room in front of the data.
bool CMireloBig::WriteEntryData(int index, std::span<const std::uint8_t> data)
{
    if (!IsValidIndex(index) || readOnly_) return false;
    const BigEntry old = entries_[index];
    const bool isNew = old.offset == 0 && old.recordPosition == 0;
    if (isNew && !MakeRoom(DirectoryEnd())) return false;
    BigBlockMap& blocks = Blocks();
    // The entry's own block counts as free space for its new data.
    if (!isNew) blocks.Remove(old.offset, old.size);
    const std::int64_t offset = ChooseOffset(old, isNew, data.size());
    const bool inPlace = !isNew && offset == old.offset;
    std::vector<std::uint8_t> saved;
    bool ok = offset >= 0 && (!inPlace || ReadBlock(old, saved));
    if (ok) {
        ok = WriteAt(offset, data);
        MeasureEnd();
        if (!ok && inPlace && !WriteAt(old.offset, saved)) damaged_ = true;
    }
    if (!ok) {
        if (!isNew) blocks.Add(old.offset, old.size);
        return false;
    }
    BigEntry& entry = entries_[index];
    entry.offset = static_cast<std::uint32_t>(offset);
    entry.size = static_cast<std::uint32_t>(data.size());
    entry.unpackedSize = GetUnpackedSize(data);
    blocks.Add(entry.offset, entry.size);
    modified_ = true;
    return true;
}

// The block that lies last grows where it is when nothing else lies in its
// way; any other block goes into the first gap behind a block that holds it,
// or to the end of the file. The entry's own block is out of the map here.
std::int64_t CMireloBig::ChooseOffset(const BigEntry& entry, bool isNew, std::size_t size)
{
    BigBlockMap& blocks = Blocks();
    const auto length = static_cast<std::int64_t>(size);
    if (!isNew && entry.offset >= blocks.Highest() && entry.offset + length <= MaxOffset &&
        blocks.IsFree(entry.offset, entry.offset + length)) {
        return entry.offset;
    }
    const std::int64_t gap = blocks.FindGap(length);
    if (gap >= 0 && gap + length <= MaxOffset) return gap;
    return dataEnd_ + length <= MaxOffset ? dataEnd_ : -1;
}

bool CMireloBig::WriteHeader()
{
    if (!IsOpen() || readOnly_) return false;
    if (!MakeRoom(DirectoryEnd()) || dataEnd_ > MaxOffset) return false;
    std::vector<BigEntry> written = entries_;
    const auto directory = big_directory::Build(written, static_cast<std::uint32_t>(dataEnd_));
    if (!WriteAt(0, directory)) return false;
    entries_ = std::move(written);
    modified_ = true;
    return true;
}

// Clears the space in front of the data that the directory needs. When
// blocks lie in its way, the space cleared is half as large again, so that
// the directory grows a while before blocks move again: every block that
// begins in it moves behind the end of the file, its old place zeroed.
bool CMireloBig::MakeRoom(std::int64_t directoryEnd)
{
    BigBlockMap& blocks = Blocks();
    const std::int64_t lowest = blocks.Lowest();
    std::int64_t room = directoryEnd;
    std::vector<BigEntry*> moving;
    if (lowest >= 0 && lowest < directoryEnd) {
        room = RoundUp16(directoryEnd + directoryEnd / 2);
        for (BigEntry& entry : entries_) {
            if (entry.offset != 0 || entry.recordPosition != 0) moving.push_back(&entry);
        }
        std::sort(moving.begin(), moving.end(), [](const BigEntry* a, const BigEntry* b) { return a->offset < b->offset; });
        std::size_t count = 0;
        for (; count < moving.size() && moving[count]->offset < room; ++count) {
            room = std::max(room, RoundUp16(static_cast<std::int64_t>(moving[count]->offset) + moving[count]->size));
        }
        moving.resize(count);
    }
    if (dataEnd_ < room) {
        if (!file_.Resize(room)) return false;
        MeasureEnd();
    }
    // Old places are zeroed only when every block has moved: blocks of
    // foreign archives may share bytes.
    std::vector<std::pair<std::int64_t, std::int64_t>> oldPlaces;
    for (BigEntry* entry : moving) {
        oldPlaces.emplace_back(entry->offset, static_cast<std::int64_t>(entry->offset) + entry->size);
        if (!MoveBlockBehind(*entry)) return false;
    }
    for (const auto& [begin, end] : oldPlaces) {
        if (!WriteZeros(begin, end)) return false;
    }
    return true;
}

bool CMireloBig::MoveBlockBehind(BigEntry& entry)
{
    std::vector<std::uint8_t> block;
    const std::int64_t target = dataEnd_;
    if (target + entry.size > MaxOffset || !ReadBlock(entry, block)) return false;
    const bool ok = WriteAt(target, block);
    MeasureEnd();
    if (!ok) return false;
    blocks_.Remove(entry.offset, entry.size);
    entry.offset = static_cast<std::uint32_t>(target);
    blocks_.Add(entry.offset, entry.size);
    return true;
}

bool CMireloBig::WriteZeros(std::int64_t begin, std::int64_t end)
{
    const std::vector<std::uint8_t> zeros(static_cast<std::size_t>(std::min<std::int64_t>(end - begin, CopyChunk)), 0);
    for (std::int64_t at = begin; at < end; at += static_cast<std::int64_t>(zeros.size())) {
        const auto n = static_cast<std::size_t>(std::min<std::int64_t>(end - at, CopyChunk));
        if (!WriteAt(at, std::span(zeros.data(), n))) return false;
    }
    return true;
}

bool CMireloBig::ReadBlock(const BigEntry& entry, std::vector<std::uint8_t>& data)
{
    data.resize(entry.size);
    return file_.Seek(entry.offset) && file_.Read(data.data(), data.size());
}

bool CMireloBig::WriteAt(std::int64_t offset, std::span<const std::uint8_t> data)
{
    return file_.Seek(offset) && file_.Write(data.data(), data.size());
}

void CMireloBig::MeasureEnd() { dataEnd_ = std::max<std::int64_t>(file_.Size(), 0); }

int CMireloBig::GetHeaderSize() const { return static_cast<int>(big_directory::HeaderLength(entries_)); }

// ----------------------------------------------------------------- messages

bool CMireloBig::ReportError(TextKey key, TokenList tokens) const
{
    errorText_ = ReplaceTokens(CTextManager::Instance()->GetText(key), tokens);
    if (!silent) ShowAppMessageBox(errorText_.c_str(), AppMessage::Ok);
    return false;
}
