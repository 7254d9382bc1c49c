#pragma once
// An FSH texture container ("SHPI"): a directory of four-character names,
// each naming a pixel record, a palette record for indexed images and an
// optional text record. Changes are queued and committed by rebuilding the
// whole file; a container that was changed is saved packed on Close.
//
// The working copy of a packed container lives in memory; an unpacked one
// is the file itself. Every write goes through a temporary file that
// replaces the original only when complete, so a failed commit or close
// leaves the container as it was.

#include <cstdint>
#include <functional>
#include <list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "archive/FshImage.h"

struct FshDirEntry {
    char name[5] = {};
    std::uint32_t offset = 0;
    // Where the entry's directory record lies in the file.
    std::uint32_t recordPosition = 0;
};

class CMireloFsh {
public:
    using Bytes = std::vector<std::uint8_t>;
    // Level 1 warns, level 2 reports a failure. Without a callback the
    // message goes to the application's message box.
    std::function<void(const std::u16string& text, int level)> messageCallback;

    enum OpenFlags { Create = 1 };
    enum SizeMode { DataSize = 0, PaletteSize = 1, WholeImage = 2, Room = 3 };

    CMireloFsh() = default;
    virtual ~CMireloFsh();
    CMireloFsh(const CMireloFsh&) = delete;
    CMireloFsh& operator=(const CMireloFsh&) = delete;

    bool Open(std::u16string_view path, int flags = 0);
    bool Load();
    // False when the changes could not be written; the file then stays.
    bool Close();
    bool IsOpen() const { return open_; }
    bool IsDirty() const { return dirty_; }

    int GetCount() const { return static_cast<int>(directory_.size()); }
    std::uint32_t GetTotalSize() const { return totalSize_; }
    int FindImage(std::string_view name) const;
    const FshDirEntry* GetDirEntry(int index) const;
    std::uint32_t GetImageSize(int index, int mode) const;
    std::uint32_t GetImageSize(std::string_view name, int mode) const { return GetImageSize(FindImage(name), mode); }

    bool ReadImage(int index, Bytes& data) const;
    bool ReadImage(std::string_view name, Bytes& data) const { return ReadImage(FindImage(name), data); }
    bool GetImage(CMireloFshImage& image, int index);
    // An empty name looks up the image's own name.
    bool GetImage(CMireloFshImage& image, std::string_view name = {});

    // An image a container can hold: pixel data, and palette entries when
    // its type has a palette; pixel data too long for a record's size field
    // only when its dimensions give its size.
    static bool CanStore(const CMireloFshImage& image);
    // An image it cannot hold is refused with a message, never dropped
    // silently at the save.
    void AddImage(const CMireloFshImage& image) { AddImage(image, QueueAdd); }
    void AddImage(const CMireloFshImage& image, unsigned flags);
    void AddData(std::string_view name, Bytes data) { QueueImage(name, QueueAdd, std::move(data)); }
    void DeleteImage(std::string_view name) { QueueImage(name, QueueDelete, {}); }
    void DeleteImage(int index);
    bool RenameImage(int index, std::string_view newName);
    bool RenameImage(std::string_view name, std::string_view newName) { return RenameImage(FindImage(name), newName); }
    bool Flush();

    // The packed-data codec in the container's terms.
    bool UnpackBuffer(std::span<const std::uint8_t> data, Bytes& output);
    bool PackBuffer(std::span<const std::uint8_t> input, Bytes& output);

    static constexpr unsigned QueueAdd = 2;
    static constexpr unsigned QueueDelete = 4;

private:
    struct QueuedChange {
        std::string name;
        unsigned flags = 0;
        Bytes data;
    };

    // Why a container cannot hold the image; empty when it can.
    static std::u16string Refusal(const CMireloFshImage& image);
    void QueueImage(std::string_view name, unsigned flags, Bytes data);
    std::uint64_t PixelRecordLength(std::uint64_t at) const;
    std::uint64_t PaletteRecordLength(std::uint64_t at) const;
    // The bytes of an image's records as far as the file holds them: pixel
    // record (never less than its pixel data or its packed stream), palette
    // and text, as GetImage reads them.
    std::uint64_t MeasureOwnLength(int index) const;
    // Where the last image's records end.
    std::uint64_t ImagesEnd() const;
    // From the image's offset to the next image's or the end of the images,
    // never less than its own records.
    std::uint64_t RoomOf(int index) const;
    // Another image begins inside this one's room.
    bool SharesRoom(int index) const;
    bool StoreWorkingCopy(const Bytes& bytes);
    void BuildCommitted(Bytes& out);
    bool Parse();
    void Release();
    bool Report(const std::u16string& text, int level = 2) const;

    bool open_ = false;
    bool packed_ = false;
    bool dirty_ = false;
    std::u16string workingName_;
    std::u16string packedName_;
    Bytes work_;
    std::uint32_t totalSize_ = 0;
    char directoryId_[4] = {};
    std::vector<FshDirEntry> directory_;
    std::vector<std::uint32_t> sortedOffsets_;
    std::vector<std::uint64_t> ownLengths_;
    std::list<QueuedChange> queue_;
    Bytes trailing_;
};
