#include "places/lookup/PlaceIndex.h"

#include <bit>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>
#include <unordered_map>

#if defined(__unix__) || defined(__APPLE__)
#define VELMORA_HAVE_MMAP 1
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velmora {

namespace {

static_assert(std::endian::native == std::endian::little, "the index is written and read as stored: little-endian");

constexpr char kMagic[8] = {'V', 'M', 'P', 'L', 'A', 'C', 'E', '1'};
constexpr std::uint32_t kFormat = 1;
constexpr std::size_t kHeader = 48;  // magic, format, key size, checksum, count, other count, pool size
constexpr std::size_t kRecord = 72;  // two doubles, two u32, six slices
constexpr std::size_t kOther = 16;   // two slices
constexpr int kTexts = 6;
constexpr std::size_t kMaxFile = std::size_t{256} << 20;

std::size_t Align8(std::size_t n) { return (n + 7) / 8 * 8; }

void Put32(std::string& out, std::uint32_t v) { out.append(reinterpret_cast<const char*>(&v), 4); }
void Put64(std::string& out, std::uint64_t v) { out.append(reinterpret_cast<const char*>(&v), 8); }
void PutDouble(std::string& out, double v) { out.append(reinterpret_cast<const char*>(&v), 8); }
void Pad8(std::string& out) { out.append(Align8(out.size()) - out.size(), '\0'); }

// FNV-1a over 64-bit words (the tail byte by byte): cheap enough to check a
// few megabytes on every start, and any altered byte changes it.
std::uint64_t Checksum(const unsigned char* data, std::size_t size) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    constexpr std::uint64_t prime = 0x100000001b3ull;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t w;
        std::memcpy(&w, data + i, 8);
        h = (h ^ w) * prime;
        h ^= h >> 29;
    }
    for (; i < size; ++i) h = (h ^ data[i]) * prime;
    return h;
}

// The pool: each distinct text once.
class Pool {
public:
    std::pair<std::uint32_t, std::uint32_t> Add(const std::string& text) {
        if (text.empty()) return {0, 0};
        const auto [at, fresh] = seen_.try_emplace(text, static_cast<std::uint32_t>(bytes_.size()));
        if (fresh) bytes_ += text;
        return {at->second, static_cast<std::uint32_t>(text.size())};
    }
    // Appended as they come, not shared: a place's words lie in order.
    std::uint32_t Append(const std::string& text) {
        const auto at = static_cast<std::uint32_t>(bytes_.size());
        bytes_ += text;
        return at;
    }
    const std::string& Bytes() const { return bytes_; }
    std::uint32_t Size() const { return static_cast<std::uint32_t>(bytes_.size()); }

private:
    std::string bytes_;
    std::unordered_map<std::string, std::uint32_t> seen_;
};

}  // namespace

std::string BuildPlaceIndex(const std::vector<IndexedPlace>& places, std::string_view key) {
    Pool pool;
    std::vector<std::uint32_t> wordStarts;
    wordStarts.reserve(places.size() + 1);
    for (const IndexedPlace& p : places) wordStarts.push_back(pool.Append(p.words));
    wordStarts.push_back(pool.Size());

    std::string body;
    for (const IndexedPlace& p : places) {
        PutDouble(body, p.latitude);
        PutDouble(body, p.longitude);
        Put32(body, p.libraryIndex);
        Put32(body, p.population);
        for (const std::string* text : {&p.name, &p.state, &p.country, &p.countryCode, &p.zoneId, &p.gazetteerZoneId}) {
            const auto [at, size] = pool.Add(*text);
            Put32(body, at);
            Put32(body, size);
        }
    }
    for (const std::uint32_t at : wordStarts) Put32(body, at);
    Pad8(body);
    std::uint32_t otherCount = 0;
    for (const IndexedPlace& p : places) {
        Put32(body, otherCount);
        otherCount += static_cast<std::uint32_t>(p.others.size());
    }
    Put32(body, otherCount);
    Pad8(body);
    for (const IndexedPlace& p : places) {
        for (const IndexedName& n : p.others) {
            for (const std::string* text : {&n.text, &n.words}) {
                const auto [at, size] = pool.Add(*text);
                Put32(body, at);
                Put32(body, size);
            }
        }
    }
    body += pool.Bytes();
    Pad8(body);

    std::string out(kMagic, sizeof kMagic);
    Put32(out, kFormat);
    Put32(out, static_cast<std::uint32_t>(key.size()));
    Put64(out, Checksum(reinterpret_cast<const unsigned char*>(body.data()), body.size()));
    Put32(out, static_cast<std::uint32_t>(places.size()));
    Put32(out, otherCount);
    Put64(out, pool.Size());
    Put64(out, 0);  // reserved
    out.append(key);
    Pad8(out);
    out += body;
    return out;
}

std::uint32_t PlaceIndexView::U32(std::size_t at) const {
    std::uint32_t v;
    std::memcpy(&v, bytes_ + at, 4);
    return v;
}

std::string_view PlaceIndexView::Slice(std::size_t at) const {
    return {reinterpret_cast<const char*>(bytes_ + pool_ + U32(at)), U32(at + 4)};
}

bool PlaceIndexView::Open(const unsigned char* bytes, std::size_t size, std::string_view key) {
    *this = PlaceIndexView();
    if (bytes == nullptr || size < kHeader || std::memcmp(bytes, kMagic, sizeof kMagic) != 0) return false;
    auto u32 = [bytes](std::size_t at) {
        std::uint32_t v;
        std::memcpy(&v, bytes + at, 4);
        return v;
    };
    auto u64 = [bytes](std::size_t at) {
        std::uint64_t v;
        std::memcpy(&v, bytes + at, 8);
        return v;
    };
    if (u32(8) != kFormat || u32(12) != key.size() || size - kHeader < key.size()) return false;
    if (std::memcmp(bytes + kHeader, key.data(), key.size()) != 0) return false;
    const std::size_t body = kHeader + Align8(key.size());
    const std::uint64_t count = u32(24), otherCount = u32(28), poolSize = u64(32);
    if (body > size) return false;
    // The sections' ends, in 64 bits so that no count can wrap them.
    const std::uint64_t records = body;
    const std::uint64_t wordStarts = records + count * kRecord;
    const std::uint64_t otherStarts = Align8(wordStarts + (count + 1) * 4);
    const std::uint64_t others = Align8(otherStarts + (count + 1) * 4);
    const std::uint64_t pool = others + otherCount * kOther;
    if (pool > size || poolSize > size - pool || Align8(pool + poolSize) != size) return false;
    if (Checksum(bytes + body, size - body) != u64(16)) return false;

    auto sliceFits = [&](std::uint64_t at) { return std::uint64_t{u32(at)} + u32(at + 4) <= poolSize; };
    for (std::uint64_t k = 0; k < count; ++k) {
        for (int t = 0; t < kTexts; ++t) {
            if (!sliceFits(records + k * kRecord + 24 + 8 * t)) return false;
        }
    }
    for (std::uint64_t i = 0; i < otherCount; ++i) {
        if (!sliceFits(others + i * kOther) || !sliceFits(others + i * kOther + 8)) return false;
    }
    for (std::uint64_t k = 0; k < count; ++k) {
        if (u32(wordStarts + k * 4) > u32(wordStarts + (k + 1) * 4) ||
            u32(otherStarts + k * 4) > u32(otherStarts + (k + 1) * 4)) {
            return false;
        }
    }
    if (u32(wordStarts + count * 4) > poolSize || u32(otherStarts + count * 4) != otherCount) return false;

    bytes_ = bytes;
    count_ = static_cast<std::size_t>(count);
    records_ = static_cast<std::size_t>(records);
    wordStarts_ = static_cast<std::size_t>(wordStarts);
    otherStarts_ = static_cast<std::size_t>(otherStarts);
    others_ = static_cast<std::size_t>(others);
    pool_ = static_cast<std::size_t>(pool);
    return true;
}

std::string_view PlaceIndexView::Words(std::size_t k) const {
    const std::uint32_t from = U32(wordStarts_ + k * 4);
    return {reinterpret_cast<const char*>(bytes_ + pool_ + from), U32(wordStarts_ + (k + 1) * 4) - from};
}

std::size_t PlaceIndexView::OtherCount(std::size_t k) const {
    return U32(otherStarts_ + (k + 1) * 4) - U32(otherStarts_ + k * 4);
}

std::string_view PlaceIndexView::OtherText(std::size_t k, std::size_t i) const {
    return Slice(others_ + (U32(otherStarts_ + k * 4) + i) * kOther);
}

std::string_view PlaceIndexView::OtherWords(std::size_t k, std::size_t i) const {
    return Slice(others_ + (U32(otherStarts_ + k * 4) + i) * kOther + 8);
}

double PlaceIndexView::Latitude(std::size_t k) const {
    double v;
    std::memcpy(&v, bytes_ + records_ + k * kRecord, 8);
    return v;
}

double PlaceIndexView::Longitude(std::size_t k) const {
    double v;
    std::memcpy(&v, bytes_ + records_ + k * kRecord + 8, 8);
    return v;
}

std::uint32_t PlaceIndexView::LibraryIndex(std::size_t k) const { return U32(records_ + k * kRecord + 16); }
std::uint32_t PlaceIndexView::Population(std::size_t k) const { return U32(records_ + k * kRecord + 20); }

std::string_view PlaceIndexView::Text(std::size_t k, int which) const {
    if (which < 0 || which >= kTexts) return {};
    return Slice(records_ + k * kRecord + 24 + 8 * static_cast<std::size_t>(which));
}

namespace {

#if !VELMORA_HAVE_MMAP
class BytesInMemory : public MappedFile {
public:
    explicit BytesInMemory(std::string bytes) : bytes_(std::move(bytes)) {}
    const unsigned char* Data() const override { return reinterpret_cast<const unsigned char*>(bytes_.data()); }
    std::size_t Size() const override { return bytes_.size(); }

private:
    std::string bytes_;
};
#else
class MappedBytes : public MappedFile {
public:
    MappedBytes(void* data, std::size_t size) : data_(data), size_(size) {}
    ~MappedBytes() override { munmap(data_, size_); }
    MappedBytes(const MappedBytes&) = delete;
    MappedBytes& operator=(const MappedBytes&) = delete;
    const unsigned char* Data() const override { return static_cast<const unsigned char*>(data_); }
    std::size_t Size() const override { return size_; }

private:
    void* data_;
    std::size_t size_;
};
#endif

}  // namespace

std::unique_ptr<MappedFile> MapFile(const std::string& path) {
#if VELMORA_HAVE_MMAP
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st {};
    std::unique_ptr<MappedFile> mapped;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 &&
        static_cast<std::uint64_t>(st.st_size) <= kMaxFile) {
        const auto size = static_cast<std::size_t>(st.st_size);
        void* data = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (data != MAP_FAILED) mapped = std::make_unique<MappedBytes>(data, size);
    }
    close(fd);
    return mapped;
#else
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return nullptr;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size == 0 || size > kMaxFile) return nullptr;
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return nullptr;
    return std::make_unique<BytesInMemory>(std::move(bytes));
#endif
}

bool WriteFileWhole(const std::string& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path target(path);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), error);
    std::random_device random;
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%08x.part", static_cast<unsigned>(random()));
    const fs::path temporary = fs::path(path + suffix);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            fs::remove(temporary, error);
            return false;
        }
    }
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

}  // namespace velmora
