#pragma once
// The persons of a country file read on the worker that opened the file,
// ahead of the loading thread, which then only takes them over. Reading
// the PLAYER and STAFF sections is most of a load's work and needs nothing
// but the file's lines, while a person of the world must still be created
// on the loading thread, in file order: creating one draws its
// placeholder names from the shared random generator. A new person of a
// world differs from one of no world only in those names and its first
// language, and a complete section sets both, so a prepared person is
// what reading the same section into the world's person gives.
//
// Only sections in the program's own layout are prepared; a damaged or
// incomplete section, and every file of another version, is read on the
// loading thread as before, with its messages.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/files/IndexTextFile.h"
#include "database/person/Person.h"

class CPreparedPersons {
public:
    // On the worker: reads every complete PLAYER and STAFF section of the
    // file whose lines pair up. The file's position is left anywhere, and
    // no broken line is left noted on it.
    void Prepare(CIndexTextFile& file);

    // While one lives, the club readers of this thread take their persons
    // from persons when they read file (null: from no file); the persons
    // are dropped with it.
    class CInUse {
    public:
        CInUse(CPreparedPersons& persons, const CIndexTextFile* file);
        ~CInUse();
        CInUse(const CInUse&) = delete;
        CInUse& operator=(const CInUse&) = delete;

    private:
        CPreparedPersons& persons_;
        CPreparedPersons* previous_;
    };

    // When the next line of file is the id line before a prepared section:
    // the id it holds, and the file moves past it. The loading thread then
    // never touches the text of a prepared person, which the worker's core
    // wrote and its own cache does not hold.
    static bool TakeId(CIndexTextFile& file, std::uint32_t& id);

    // When the section file is about to read (the next line is its begin
    // line) was prepared as a staff or player section: its fields go into
    // person, the file moves past the section and the result is true.
    static bool TakeInto(CIndexTextFile& file, bool staff, TPerson& person);

private:
    static constexpr std::size_t NoIdLine = SIZE_MAX;

    struct TEntry {
        std::size_t begin;
        std::size_t end;
        bool staff;
        // The value line just before the begin line, as the loading
        // thread's next read would step to it; NoIdLine when there is none.
        std::size_t idLine;
        std::uint32_t id;
    };

    // The prepared persons in use on this thread for file, if any.
    static CPreparedPersons* InUseFor(const CIndexTextFile& file);
    // The first entry from position on.
    std::size_t EntryFrom(std::size_t position);

    // One block for all of a file's persons: the loading thread frees
    // them at once instead of one by one from the worker's heap.
    std::vector<TPerson> persons_;
    std::vector<TEntry> entries_;
    std::size_t nextEntry_ = 0;
    const CIndexTextFile* file_ = nullptr;
};
