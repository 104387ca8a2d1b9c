#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The gazetteer's places as one compact, read-only file: what a look-up needs
// of every place (its name's folded words, former names, the texts it shows,
// coordinates, population, zone), written once and then mapped into memory,
// so that a process pays for the pages it touches instead of reading and
// folding 24,000 names. Plain C++, no Qt; mapped with mmap where there is
// one, read into memory elsewhere.
//
// The file (little-endian, every section 8-byte aligned):
//   header  "VMPLACE1", format, key size, checksum of the body, place count,
//           other-name count, pool size; then the key (what the file was made
//           from: a file made from other data is stale)
//   body    per place a fixed record (coordinates, library number,
//           population, texts as pool slices); the start of each place's
//           words in the pool (count + 1); the first other name of each place
//           (count + 1); per other name its text and words; the pool.
// Every slice and every start is checked against the file when it is opened,
// and the body against its checksum: a file that is short, foreign, altered
// or made from other data is refused, never read past its end.
namespace velmora {

// One place as the index holds it; `words` is the name folded to words
// joined by single blanks ("new york city"), as typed text is compared.
struct IndexedName {
    std::string text;   // as written, UTF-8
    std::string words;  // folded
};
struct IndexedPlace {
    std::string name, state, country, countryCode, zoneId, gazetteerZoneId;
    std::string words;
    double latitude = 0, longitude = 0;
    std::uint32_t population = 0;
    std::uint32_t libraryIndex = kNoLibraryIndex;  // the city's number in the library it came from
    std::vector<IndexedName> others;                // former names

    static constexpr std::uint32_t kNoLibraryIndex = 0xFFFFFFFFu;
};

// The bytes of an index of `places` (in their order) made from `key`.
std::string BuildPlaceIndex(const std::vector<IndexedPlace>& places, std::string_view key);

// A checked view of an index's bytes; the bytes must outlive it.
class PlaceIndexView {
public:
    // False (and an empty view) unless `bytes` are a whole, unaltered index
    // made from `key`.
    bool Open(const unsigned char* bytes, std::size_t size, std::string_view key);

    std::size_t Count() const { return count_; }
    std::string_view Words(std::size_t k) const;
    std::size_t OtherCount(std::size_t k) const;
    std::string_view OtherText(std::size_t k, std::size_t i) const;
    std::string_view OtherWords(std::size_t k, std::size_t i) const;
    std::uint32_t Population(std::size_t k) const;
    std::uint32_t LibraryIndex(std::size_t k) const;
    double Latitude(std::size_t k) const;
    double Longitude(std::size_t k) const;
    // Texts: 0 name, 1 state, 2 country, 3 country code, 4 zone, 5 the
    // gazetteer's zone when the zone was corrected.
    std::string_view Text(std::size_t k, int which) const;

private:
    std::string_view Slice(std::size_t at) const;
    std::uint32_t U32(std::size_t at) const;

    const unsigned char* bytes_ = nullptr;
    std::size_t count_ = 0;
    std::size_t records_ = 0, wordStarts_ = 0, otherStarts_ = 0, others_ = 0, pool_ = 0;
};

// A file's bytes, mapped read-only (or read, where mapping is not to be had).
class MappedFile {
public:
    virtual ~MappedFile() = default;
    virtual const unsigned char* Data() const = 0;
    virtual std::size_t Size() const = 0;
};
// Nothing for a file that is missing, not a regular file, empty or over 256 MB.
std::unique_ptr<MappedFile> MapFile(const std::string& path);

// Writes `bytes` to `path` through a fresh file in the same folder renamed over
// it, creating the folder; a reader sees the old file or the new one, never a
// part. False when that cannot be done (nothing is left behind).
bool WriteFileWhole(const std::string& path, std::string_view bytes);

}  // namespace velmora
