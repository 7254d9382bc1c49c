#include "MasterDatCheck.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <stdexcept>

#include "core/text/TextTools.h"
#include "database/country/CompetitionRegistry.h"
#include "database/world/GameIdMaps.h"
#include "database/export/MasterWriter.h"
#include "database/person/NameList.h"

namespace database_testing {

namespace {

constexpr int Countries = 207;
constexpr int ListCount = 640;
constexpr int LanguageKeys = 63;

class CReader {
public:
    CReader(const std::vector<std::uint8_t>& bytes, std::size_t position, std::size_t end)
        : bytes_(bytes), position_(position), end_(end)
    {
    }

    std::size_t Position() const { return position_; }
    std::size_t End() const { return end_; }
    void Need(std::size_t count) const
    {
        if (count > end_ - position_) throw std::runtime_error("read past the end at " + std::to_string(position_));
    }
    std::uint32_t Le(int width)
    {
        Need(static_cast<std::size_t>(width));
        std::uint32_t value = 0;
        for (int i = 0; i < width; ++i) value |= std::uint32_t{bytes_[position_ + i]} << (8 * i);
        position_ += static_cast<std::size_t>(width);
        return value;
    }
    std::uint8_t U8() { return static_cast<std::uint8_t>(Le(1)); }
    std::uint16_t U16() { return static_cast<std::uint16_t>(Le(2)); }
    std::uint32_t U32() { return Le(4); }
    std::uint32_t Peek32(std::size_t offset) const
    {
        if (offset + 4 > end_ - position_) return 0;
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= std::uint32_t{bytes_[position_ + offset + i]} << (8 * i);
        return value;
    }
    void Skip(std::size_t count)
    {
        Need(count);
        position_ += count;
    }
    std::string String()
    {
        std::string text;
        for (;;) {
            const std::uint8_t c = U8();
            if (c == 0) return text;
            text.push_back(static_cast<char>(c));
        }
    }
    void Strings(int count)
    {
        for (int i = 0; i < count; ++i) String();
    }
    // A reader over the next count bytes, which this one skips.
    CReader Sub(std::size_t count)
    {
        Need(count);
        CReader sub(bytes_, position_, position_ + count);
        position_ += count;
        return sub;
    }
    void ExpectEnd(const char* what) const
    {
        if (position_ != end_) {
            throw std::runtime_error(std::string(what) + " ends at " + std::to_string(position_) + ", not at its size " +
                                     std::to_string(end_));
        }
    }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t position_;
    std::size_t end_;
};

void Fail(const std::string& text) { throw std::runtime_error(text); }

class CChecker {
public:
    CChecker(const std::vector<std::uint8_t>& file, const TGameIdMaps& maps, const CNameList& names,
             TMasterDatSummary& summary)
        : file_(file), maps_(maps), names_(names), summary_(summary)
    {
    }

    void Run(std::uint32_t cupTableSize)
    {
        CReader data = Header();
        for (int id = 1; id <= Countries; ++id) CountryHeader(data, id);
        CupTable(data, cupTableSize);
        NameLists(data);
        Rules(data);
        WorldBlock(data);
        for (int id = 1; id <= Countries; ++id) CountryBlock(data, id);
        data.ExpectEnd("the data");
    }

private:
    CReader Header()
    {
        if (file_.size() < 16) Fail("no header");
        CReader header(file_, 0, 16);
        if (std::memcmp(file_.data(), "HVDB", 4) != 0) Fail("no HVDB magic");
        header.Skip(4);
        if (header.U32() != 0x2007001C) Fail("wrong version");
        const std::uint32_t size = header.U32();
        if (size != file_.size() - 16) Fail("size field " + std::to_string(size) + " for " + std::to_string(file_.size() - 16));
        if (header.U32() != CMasterWriter::Checksum(file_.data() + 16, size)) Fail("wrong checksum");
        return CReader(file_, 16, file_.size());
    }

    void ClubReference(std::uint32_t id, const char* where)
    {
        if (id == 0 || id == 0xFFFFFFFF || (id & 0xFFFF) == 0xFFFF) return;
        const std::uint32_t plain = id & ~0x01000000u;
        if (maps_.GetClubIdFromGameId(plain) == 0) {
            char text[16];
            std::snprintf(text, sizeof text, "%08X", id);
            Fail(std::string("club reference ") + text + " in " + where + " is no game id");
        }
    }

    void CountryHeader(CReader& data, int id)
    {
        TMasterDatCountry& country = summary_.countries[id];
        country.leagueCount = data.U8();
        data.Strings(6);
        const int levels = data.U8();
        if (levels > 16) Fail("more than 16 levels");
        for (int level = 0; level < levels; ++level) {
            if (data.U8() == 0) Fail("a counted level without leagues");
            data.U16();
            data.Strings(6);
        }
        if (country.leagueCount > 0) {
            for (int slot = 0; slot < 8; ++slot) ClubReference(data.U32(), "a top league");
        }
        if (data.U32() != 0) Fail("country header " + std::to_string(id) + " does not end with 0");
    }

    void CupTable(CReader& data, std::uint32_t size)
    {
        CReader table = data.Sub(size);
        table.U32();
        table.Skip(size - 8);
        if (table.U32() != 0xFFFFFFFF) Fail("the cup table does not end with 0xFFFFFFFF");
    }

    // The file holds the names' game form only, which several UTF-16 texts
    // can share; the order is checked on the writer's texts, each of
    // which must give the file's bytes.
    void NameLists(CReader& data)
    {
        for (int list = 0; list < ListCount; ++list) {
            const std::string where = "list " + std::to_string(list);
            const std::uint32_t size = data.U32();
            if (data.U32() != size) Fail(where + ": its two sizes differ");
            CReader entries = data.Sub(size);
            const std::uint32_t count = entries.U32();
            entries.U32();
            if (entries.U32() != 0) Fail(where + ": no 0 after the counts");
            const CNameList::TList* written = names_.GetListByNumber(list);
            if (written == nullptr || written->GetCount() != static_cast<int>(count)) Fail(where + ": not the writer's count");
            std::pair<std::uint32_t, std::u16string> previous{0, u""};
            for (std::uint32_t i = 0; i < count; ++i) {
                const std::string text = entries.String();
                entries.U32();
                const CNameList::TEntry& entry = written->GetEntry(static_cast<int>(i));
                const std::u16string hashed(entry.text, entry.length);
                if (text != GameForm(hashed)) Fail(where + ": entry " + std::to_string(i) + " is not the writer's text");
                const std::pair<std::uint32_t, std::u16string> key{CNameList::Hash(hashed), hashed};
                if (i == 0 && list / 5 < LanguageKeys && text != " ") Fail(where + " does not begin with the blank");
                if (i > 0 && !(previous < key)) Fail(where + " is not in order");
                previous = key;
            }
            entries.ExpectEnd("a name list");
            summary_.listEntries.push_back(count);
        }
    }

    static std::string GameForm(const std::u16string& text)
    {
        std::vector<std::uint8_t> bytes(text.size() + 1);
        ToGameCodepage(text.c_str(), bytes.data(), bytes.size());
        return std::string(reinterpret_cast<const char*>(bytes.data()));
    }

    void Rules(CReader& data)
    {
        data.Strings(6 * 6 * 2);
        for (int i = 0; i < 24; ++i) ClubReference(data.U32(), "the rules");
        data.Strings(12);
        ClubReference(data.U32(), "the rules");
        ClubReference(data.U32(), "the rules");
        data.Skip(24);
        for (int i = 0; i < 3; ++i) ClubReference(data.U32(), "the rules");
    }

    void WorldBlock(CReader& data)
    {
        if (data.U32() != 0x54444C47) Fail("no GLDT");
        if (data.U8() != 3) Fail("GLDT: not three colour lists");
        for (int list = 0; list < 3; ++list) data.Skip(4u * data.U8());
        if (data.U8() != 64) Fail("GLDT: not 64 interface rows");
        data.Skip(64 * 16);
        if (data.U32() != 0x8833486E) Fail("GLDT: first marker");
        data.Skip(32);
        if (data.U32() != 0x99A857CA) Fail("GLDT: second marker");
        if (data.U32() != 0x54444C47) Fail("GLDT: no closing tag");
    }

    void NameIndex(std::uint16_t index, int key, int kind, const char* what)
    {
        const int list = key * 5 + kind;
        if (list >= ListCount || index >= summary_.listEntries[static_cast<std::size_t>(list)]) {
            Fail(std::string(what) + ": name index " + std::to_string(index) + " outside list " + std::to_string(list));
        }
    }

    void CountryFields(CReader& block, int& firstLanguage)
    {
        block.U32();
        for (int language = 0; language < 6; ++language) {
            block.String();
            block.U8();
        }
        block.U8();
        block.String();
        block.Skip(8 + 4);
        firstLanguage = block.U8();
        const int key = firstLanguage < LanguageKeys ? firstLanguage : 0;
        NameIndex(block.U16(), key, 1, "the country's person");
        NameIndex(block.U16(), key, 4, "the country's person");
        block.Skip(4 + 6 + 64 + 1 + 4 + 7 + 3 + 4 + 4 + 8 + 4 + 16 + 3 + 2 + 8 + 12 + 1 + 8);
    }

    void ClubBlock(CReader& block, TMasterDatCountry& country)
    {
        const std::size_t start = block.Position();
        CReader club = block.Sub(block.U32());
        if (club.U32() != 0x42554C43) Fail("a CLUB block without its tag");
        const std::uint32_t unique = club.U32();
        if (!uniqueIds_.insert(unique).second) Fail("unique id " + std::to_string(unique) + " written twice");
        country.uniqueIds.push_back(unique);
        club.Strings(24);
        if (club.U32() != 18) Fail("articles are not 18 bytes");
        club.Skip(18 + 12);
        club.Strings(12 + 2 + 1 + 1 + 3);
        for (int i = 0; i < 5; ++i) ClubReference(club.U32(), "a club's partner or rivals");
        country.clubRanges.emplace_back(start, block.Position());
        ++country.clubBlocks;
    }

    void CountryBlock(CReader& data, int id)
    {
        TMasterDatCountry& country = summary_.countries[id];
        country.blockStart = data.Position();
        CReader block = data.Sub(data.U32());
        country.blockEnd = block.End();
        if (block.U32() != 0x59544E43) Fail("CNTY " + std::to_string(id) + ": no tag");
        int firstLanguage = 0;
        CountryFields(block, firstLanguage);
        country.clubCount = block.U32();
        if (country.clubCount >= 8) {
            block.Strings(12);
            for (std::uint32_t n = 1; n <= 8; ++n) {
                if (block.U32() != ((static_cast<std::uint32_t>(id) << 16) | n)) Fail("CNTY: league part ids");
            }
        }
        block.Skip(8);
        country.competitionSize = block.U32();
        if (country.competitionSize < 6) Fail("CNTY: competition size below 6");
        CReader competitions = block.Sub(country.competitionSize);
        competitions.Skip(country.competitionSize - 6);
        if (competitions.U32() != 0 || competitions.U16() != 0) Fail("CNTY: competitions do not end with 0, 0");
        while (block.Peek32(4) == 0x42554C43) ClubBlock(block, country);
        if (country.clubBlocks != static_cast<int>(country.clubCount) &&
            country.clubBlocks != static_cast<int>(country.clubCount) + 1) {
            Fail("CNTY " + std::to_string(id) + ": " + std::to_string(country.clubBlocks) + " CLUB blocks for " +
                 std::to_string(country.clubCount) + " clubs");
        }
        const std::uint32_t referees = block.U32();
        for (std::uint32_t r = 0; r < referees; ++r) {
            if (block.U8() != 0) Fail("a referee does not begin with 0");
            NameIndex(block.U16(), 0, 1, "a referee");
            NameIndex(block.U16(), 0, 4, "a referee");
            block.U8();
        }
        if (block.U32() != 0) Fail("CNTY: sponsors written");
        block.U32();
    }

    const std::vector<std::uint8_t>& file_;
    const TGameIdMaps& maps_;
    const CNameList& names_;
    TMasterDatSummary& summary_;
    std::set<std::uint32_t> uniqueIds_;
};

}  // namespace

TMasterDatSummary CheckMasterDat(const std::vector<std::uint8_t>& file, const TGameIdMaps& maps,
                                 const CNameList& names, std::uint32_t cupTableSize)
{
    TMasterDatSummary summary;
    try {
        CChecker(file, maps, names, summary).Run(cupTableSize);
    } catch (const std::exception& error) {
        summary.problem = error.what();
    }
    return summary;
}

std::uint32_t CupTableSize()
{
    CMasterWriter writer;
    const auto write = GetCompetitionReader().writeCupAllocation;
    return write != nullptr && write(writer) ? writer.GetSize() : 0;
}

void FixMasterDatHeader(std::vector<std::uint8_t>& file)
{
    const auto size = static_cast<std::uint32_t>(file.size() - 16);
    const std::uint32_t checksum = CMasterWriter::Checksum(file.data() + 16, size);
    for (int i = 0; i < 4; ++i) {
        file[8 + i] = static_cast<std::uint8_t>(size >> (8 * i));
        file[12 + i] = static_cast<std::uint8_t>(checksum >> (8 * i));
    }
}

}  // namespace database_testing
