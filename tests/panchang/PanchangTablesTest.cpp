#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "panchang/PanchangTables.h"

namespace velmora {
namespace {

// 64-bit FNV-1a of a text's UTF-8 bytes. The expected values below were
// computed once from the published texts by a separate script, so a changed,
// added or lost character in any row (a blank, a quote mark, a deliberate
// misspelling "corrected") changes its checksum.
std::uint64_t Fnv1a(std::string_view text) {
    std::uint64_t h = 0xcbf29ce484222325u;
    for (const char c : text) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3u;
    }
    return h;
}

template <std::size_t N>
std::vector<std::uint64_t> ChecksumsOf(const std::array<std::string_view, N>& table) {
    std::vector<std::uint64_t> out;
    for (const std::string_view text : table) out.push_back(Fnv1a(text));
    return out;
}

std::vector<std::uint64_t> VaraChecksums(std::string_view VaraRow::*column) {
    std::vector<std::uint64_t> out;
    for (const VaraRow& row : VaraTable) out.push_back(Fnv1a(row.*column));
    return out;
}

std::vector<std::uint64_t> TithiChecksums(std::string_view TithiRow::*column) {
    std::vector<std::uint64_t> out;
    for (const TithiRow& row : TithiTable) out.push_back(Fnv1a(row.*column));
    return out;
}

// The names with the empty name of index 30 after them.
std::vector<std::uint64_t> TithiNameChecksums() {
    std::vector<std::uint64_t> out = TithiChecksums(&TithiRow::name);
    out.push_back(Fnv1a(TithiNameOf(30).value_or("missing")));
    return out;
}

struct TableCase {
    std::string name;
    std::vector<std::uint64_t> actual;
    std::vector<std::uint64_t> expected;
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

std::vector<TableCase> AllTables() {
    return {
    {"TithiNames", TithiNameChecksums(), {
        0x131ddae07f3754a6u, 0x49e796032a194a54u, 0xb458be4b2544dc1bu, 0xd6b393368e1776b5u,
        0x172141a8a7bc77a4u, 0x964b1d24ed279efdu, 0xa5efc8930643b326u, 0x1622742b36819deau,
        0x38851b3970c0fc9fu, 0x016b9abfdc4e4b34u, 0xcf182796d18fa74fu, 0x667c1e74d40e3b68u,
        0x35ac5cd86b66128cu, 0xc6d7996ce836cb67u, 0x8151bacd1618a572u, 0x131ddae07f3754a6u,
        0x49e796032a194a54u, 0xb458be4b2544dc1bu, 0xd6b393368e1776b5u, 0x172141a8a7bc77a4u,
        0x964b1d24ed279efdu, 0xa5efc8930643b326u, 0x1622742b36819deau, 0x38851b3970c0fc9fu,
        0x016b9abfdc4e4b34u, 0xcf182796d18fa74fu, 0x667c1e74d40e3b68u, 0x35ac5cd86b66128cu,
        0xc6d7996ce836cb67u, 0x55f4a029041936c7u, 0xcbf29ce484222325u,
    }},
    {"TithiNatures", TithiChecksums(&TithiRow::nature), {
        0xd2f2dc1f3c1fe5e0u, 0x04d31585c625fa70u, 0x57e8676e3a80c3ddu, 0x5b3c809685a67d1cu,
        0x0ecdf00009149346u, 0x0396f8a95b422fa9u, 0xde127b0d6bc16d13u, 0x2583d12d2e107c15u,
        0xd329946b4fd39f73u, 0x0f2d987e168a11fbu, 0x74bfad9a3708f766u, 0x91ff8a0957ecd5c6u,
        0x3d5544c5455dac21u, 0x0e95273777dc1b99u, 0xea6514f3eca79daeu, 0xce42e13250bdf2e7u,
        0x04d31585c625fa70u, 0x57e8676e3a80c3ddu, 0x5b3c809685a67d1cu, 0x0ecdf00009149346u,
        0x0396f8a95b422fa9u, 0xde127b0d6bc16d13u, 0x2583d12d2e107c15u, 0xd329946b4fd39f73u,
        0x0f2d987e168a11fbu, 0x74bfad9a3708f766u, 0x91ff8a0957ecd5c6u, 0x3d5544c5455dac21u,
        0x0e95273777dc1b99u, 0x267c31e87a4c84cbu,
    }},
    {"TithiNumbers", TithiChecksums(&TithiRow::number), {
        0x07f89007b4ba053eu, 0x07f89107b4ba06f1u, 0x07f88a07b4b9fb0cu, 0x07f88b07b4b9fcbfu,
        0x08030407b4c31edfu, 0x08030307b4c31d2cu, 0x08030607b4c32245u, 0x08030507b4c32092u,
        0x08030007b4c31813u, 0x0802ff07b4c31660u, 0x08030207b4c31b79u, 0x08030107b4c319c6u,
        0x08030c07b4c32c77u, 0x08030b07b4c32ac4u, 0x07ff7e07b4c00556u, 0xaf63ac4c86019afcu,
        0xaf63af4c8601a015u, 0xaf63ae4c86019e62u, 0xaf63a94c860195e3u, 0xaf63a84c86019430u,
        0xaf63ab4c86019949u, 0xaf63aa4c86019796u, 0xaf63b54c8601aa47u, 0xaf63b44c8601a894u,
        0x07f89207b4ba08a4u, 0x07f89307b4ba0a57u, 0x07f89407b4ba0c0au, 0x07f89507b4ba0dbdu,
        0x07f88e07b4ba01d8u, 0x07f88f07b4ba038bu,
    }},
    {"TithiPhases", TithiChecksums(&TithiRow::phase), {
        0x22d084dbd9a56605u, 0x22d084dbd9a56605u, 0x22d084dbd9a56605u, 0x22d084dbd9a56605u,
        0x22d084dbd9a56605u, 0x22d084dbd9a56605u, 0x22d084dbd9a56605u, 0x22d084dbd9a56605u,
        0x22d084dbd9a56605u, 0x22d084dbd9a56605u, 0x22d084dbd9a56605u, 0x22d084dbd9a56605u,
        0x22d084dbd9a56605u, 0x22d084dbd9a56605u, 0x22d084dbd9a56605u, 0x9dacec3f6f6af9f9u,
        0x9dacec3f6f6af9f9u, 0x9dacec3f6f6af9f9u, 0x9dacec3f6f6af9f9u, 0x9dacec3f6f6af9f9u,
        0x9dacec3f6f6af9f9u, 0x9dacec3f6f6af9f9u, 0x9dacec3f6f6af9f9u, 0x9dacec3f6f6af9f9u,
        0x9dacec3f6f6af9f9u, 0x9dacec3f6f6af9f9u, 0x9dacec3f6f6af9f9u, 0x9dacec3f6f6af9f9u,
        0x9dacec3f6f6af9f9u, 0x9dacec3f6f6af9f9u,
    }},
    {"TithiLords", TithiChecksums(&TithiRow::lord), {
        0x643a1c8af9a41bccu, 0x8c11d50a35ce78a6u, 0x269d9e23b7e72eddu, 0x79255751aaf02a6au,
        0xef35cec68fc169bcu, 0x3a5fd1549ca446b0u, 0x987ac119fac8d621u, 0xe90349af85f0eb28u,
        0x62d17358db771b0cu, 0xc7bbfb558abda365u, 0x85575dc1783e80d5u, 0x334ccece00136e36u,
        0x4afd0cd92030df8du, 0xe90349af85f0eb28u, 0x37eaf1aec5a8daa0u, 0x643a1c8af9a41bccu,
        0x8c11d50a35ce78a6u, 0x269d9e23b7e72eddu, 0x79255751aaf02a6au, 0xef35cec68fc169bcu,
        0x3a5fd1549ca446b0u, 0x987ac119fac8d621u, 0xe90349af85f0eb28u, 0x62d17358db771b0cu,
        0xc7bbfb558abda365u, 0x85575dc1783e80d5u, 0x334ccece00136e36u, 0x4afd0cd92030df8du,
        0xe90349af85f0eb28u, 0x314683d2258df4c0u,
    }},
    {"TithiGroups", TithiChecksums(&TithiRow::group), {
        0x7765536668c68001u, 0x736431618a0ee653u, 0xc2d4aaea5bb60e42u, 0x9f7998ba04fc49ceu,
        0x1a3cf2721fb47c78u, 0x7765536668c68001u, 0x736431618a0ee653u, 0xc2d4aaea5bb60e42u,
        0x9f7998ba04fc49ceu, 0x1a3cf2721fb47c78u, 0x7765536668c68001u, 0x736431618a0ee653u,
        0xc2d4aaea5bb60e42u, 0x9f7998ba04fc49ceu, 0x1a3cf2721fb47c78u, 0x7765536668c68001u,
        0x736431618a0ee653u, 0xc2d4aaea5bb60e42u, 0x9f7998ba04fc49ceu, 0x1a3cf2721fb47c78u,
        0x7765536668c68001u, 0x736431618a0ee653u, 0xc2d4aaea5bb60e42u, 0x9f7998ba04fc49ceu,
        0x1a3cf2721fb47c78u, 0x7765536668c68001u, 0x736431618a0ee653u, 0xc2d4aaea5bb60e42u,
        0x9f7998ba04fc49ceu, 0x1a3cf2721fb47c78u,
    }},
    {"TithiFeatures", TithiChecksums(&TithiRow::feature), {
        0x28634670f950e196u, 0x0db5b8f43d53b58du, 0xec92b282aa44980cu, 0x4ca7c59207db485eu,
        0x432cbcbc791ef63cu, 0x907cf526a73d5554u, 0xe4d68c8fa616fd8cu, 0x4e4bf859a9914e0fu,
        0x67aa47433b535449u, 0xc85cd1c765cdda64u, 0x9754fc68b748f839u, 0xdbc5e3b683089981u,
        0x78589f6aa7482f15u, 0x67aa47433b535449u, 0xc85cd1c765cdda64u, 0x28634670f950e196u,
        0x0db5b8f43d53b58du, 0xec92b282aa44980cu, 0x4ca7c59207db485eu, 0x432cbcbc791ef63cu,
        0x907cf526a73d5554u, 0xe4d68c8fa616fd8cu, 0x4e4bf859a9914e0fu, 0x67aa47433b535449u,
        0xc85cd1c765cdda64u, 0x9754fc68b748f839u, 0xdbc5e3b683089981u, 0x78589f6aa7482f15u,
        0x67aa47433b535449u, 0xc85cd1c765cdda64u,
    }},
    {"TithiTypes", TithiChecksums(&TithiRow::type), {
        0x15ff6e9a7d54b2c4u, 0x15ff6e9a7d54b2c4u, 0x15ff6e9a7d54b2c4u, 0x15ff6e9a7d54b2c4u,
        0x15ff6e9a7d54b2c4u, 0xe3157a8617cfc0b8u, 0xe3157a8617cfc0b8u, 0xe3157a8617cfc0b8u,
        0x15ff6e9a7d54b2c4u, 0xe3157a8617cfc0b8u, 0xe3157a8617cfc0b8u, 0xe3157a8617cfc0b8u,
        0xe3157a8617cfc0b8u, 0x15ff6e9a7d54b2c4u, 0xe3157a8617cfc0b8u, 0xe3157a8617cfc0b8u,
        0xe3157a8617cfc0b8u, 0xe3157a8617cfc0b8u, 0x15ff6e9a7d54b2c4u, 0xe3157a8617cfc0b8u,
        0xe3157a8617cfc0b8u, 0xe3157a8617cfc0b8u, 0xe3157a8617cfc0b8u, 0x15ff6e9a7d54b2c4u,
        0xe3157a8617cfc0b8u, 0x15ff6e9a7d54b2c4u, 0x15ff6e9a7d54b2c4u, 0x15ff6e9a7d54b2c4u,
        0x15ff6e9a7d54b2c4u, 0x15ff6e9a7d54b2c4u,
    }},
    {"TithiTypeTexts", TithiChecksums(&TithiRow::typeText), {
        0x7a0f7c99ee0b3289u, 0x7a0f7c99ee0b3289u, 0x7a0f7c99ee0b3289u, 0x7a0f7c99ee0b3289u,
        0x7a0f7c99ee0b3289u, 0xc43c2385c33adf81u, 0xc43c2385c33adf81u, 0xc43c2385c33adf81u,
        0x7a0f7c99ee0b3289u, 0xc43c2385c33adf81u, 0xc43c2385c33adf81u, 0xc43c2385c33adf81u,
        0xc43c2385c33adf81u, 0x7a0f7c99ee0b3289u, 0xc43c2385c33adf81u, 0xc43c2385c33adf81u,
        0xc43c2385c33adf81u, 0xc43c2385c33adf81u, 0x7a0f7c99ee0b3289u, 0xc43c2385c33adf81u,
        0xc43c2385c33adf81u, 0xc43c2385c33adf81u, 0xc43c2385c33adf81u, 0x7a0f7c99ee0b3289u,
        0xc43c2385c33adf81u, 0x7a0f7c99ee0b3289u, 0x7a0f7c99ee0b3289u, 0x7a0f7c99ee0b3289u,
        0x7a0f7c99ee0b3289u, 0x7a0f7c99ee0b3289u,
    }},
    {"KaranaNames", ChecksumsOf(KaranaNames), {
        0xc193eaa7a8d3a7bdu, 0x356bb15d7f21eedau, 0x6bdf1a83f666547au, 0xfdaefef0d0c03999u,
        0xc52665ed7a5706c1u, 0x8ab72a76d8d37ae0u, 0x0754d7622aafc82au, 0x562963005e21d29cu,
        0x1a1fb4cf11423877u, 0xef35cec68fc169bcu, 0xdb8cae845e59d3d8u, 0xcbf29ce484222325u,
    }},
    {"YogaNames", ChecksumsOf(YogaNames), {
        0xcb773687494a35abu, 0x2fbf7e2f11e3636du, 0xbf633bbd6ac3c6b7u, 0x760523c392061a9cu,
        0x4f6257b7dbb3e045u, 0x2c29f587179a4474u, 0xed66978ada7a379bu, 0x4e41d7263eaaaf8fu,
        0xe4e93bc776b33897u, 0xfb8bd9239f93f6eau, 0xf50463a86d79b027u, 0x54233a7a718cc6c5u,
        0x59bac1c3af02bb08u, 0xb739256c005a6ebbu, 0x2fcf8aa462ba79b7u, 0x7461879d2de91ff6u,
        0x009a68f8f256c8e8u, 0x77859e7009cb7823u, 0x8a73774580f6e427u, 0x786a7b24e77cb52cu,
        0x74618f9d2de92d8eu, 0x76c9d85f0cced197u, 0x2bd3b51ad8667c72u, 0x6926cc1afb549ad9u,
        0x7255760a274c7f30u, 0x43c884f602c677afu, 0x80f234f50c9e3bf1u, 0xcbf29ce484222325u,
    }},
    {"YogaTexts", ChecksumsOf(YogaTexts), {
        0xefab3eacbbefd9f0u, 0x6e9411e2a5c3a4d9u, 0x0c2c1c4d0ceb7076u, 0x41dd87c778113267u,
        0x8bd01955b22c9cc2u, 0x0832e8e1ff745862u, 0x32bcd68c3539a953u, 0x33f9c1820f2a4d4fu,
        0xab8f1924753301d6u, 0x3affd96bcae00528u, 0xeaebde783ca4d056u, 0x65672e484ee8f113u,
        0x045d5a0d85ffd180u, 0xf6ed28e76e76419au, 0xba64e4e45cf14d56u, 0x431801a6af1022ebu,
        0xea183689450cc35eu, 0x2b54d15c03e4d25cu, 0xbf1e4ac766c04aefu, 0x12bbb9d209faf3f4u,
        0x5581c4958608fd70u, 0xbd24bf39fda5782au, 0xe66eaca4a3e4d280u, 0xc7070466cf0ee09bu,
        0xa4ba22f53a6622bdu, 0x63fc852bbd7621dfu, 0xe2276e15ee6a3d88u, 0x09202b07b5b51eb0u,
        0x09202b07b5b51eb0u, 0x09202b07b5b51eb0u,
    }},
    {"VaraTable.lblDay", VaraChecksums(&VaraRow::lblDay), {
        0x66dcbbc0355c2759u, 0xe9ff6e9a514d8cf9u, 0x240732794d597f70u, 0x9eaa6e7fbfd5cdd7u,
        0x7b9d13ea440cd1d7u, 0x978464661758a212u, 0x5ee7b60f847eee36u,
    }},
    {"VaraTable.lblLord", VaraChecksums(&VaraRow::lblLord), {
        0x987ac119fac8d621u, 0x37eaf1aec5a8daa0u, 0x49c958aecfef6768u, 0xececabc23644400eu,
        0x23e7385e8a5aec26u, 0x96d908c246fd5c26u, 0x260067d6a62b3a76u,
    }},
    {"VaraTable.lblAlternateName", VaraChecksums(&VaraRow::lblAlternateName), {
        0xc305346166937d0fu, 0x51ae19ba79115c07u, 0xa286e300868aa5dcu, 0xaa67771c63ff418du,
        0xb2aef6ec9b00b51cu, 0x09f7b75099918b85u, 0x1a3b3f3719e727c0u,
    }},
    {"VaraTable.txtMoreAboutDayOfBirth", VaraChecksums(&VaraRow::txtMoreAboutDayOfBirth), {
        0x4de41b971f2b7e73u, 0x8a50742f134a6bf2u, 0xb2a9bbfca6ac6a08u, 0x712bfa87b32d9773u,
        0xd02eb1c8b54e6808u, 0x6b6339b51ec5b2d7u, 0xe1b6aff2eecc4cc9u,
    }},
    };
}

class TableChecksumTest : public ::testing::TestWithParam<TableCase> {};

// Row count (which pins the index range, the empty rows included) and every
// row's text.
TEST_P(TableChecksumTest, EveryRowMatchesItsPublishedText) {
    const TableCase& c = GetParam();
    ASSERT_EQ(c.actual.size(), c.expected.size()) << c.name;
    for (std::size_t row = 0; row < c.expected.size(); ++row) {
        EXPECT_EQ(c.actual[row], c.expected[row]) << c.name << " row " << row;
    }
}

INSTANTIATE_TEST_SUITE_P(Panchang, TableChecksumTest, ::testing::ValuesIn(AllTables()),
                         [](const ::testing::TestParamInfo<TableCase>& info) {
                             std::string n = info.param.name;
                             for (char& ch : n) {
                                 if (ch == '.') ch = '_';
                             }
                             return n;
                         });

// A few rows spelled out, so a failing checksum has a readable neighbour and
// the oddities that look like typos are pinned in plain sight.
TEST(PanchangTablesTest, DeliberateSpellingsAreKept) {
    EXPECT_EQ(TithiTable[6].feature, "Firendly");
    EXPECT_EQ(TithiTable[21].feature, "Firendly");
    EXPECT_EQ(TithiTable[14].nature, "This is a day to perform astere rituals.");
    EXPECT_EQ(TithiTable[29].nature, "This is a day to perform austere rituals.");
    EXPECT_EQ(TithiTable[0].nature, "This is good for all auspicious and religious functions.");
    EXPECT_EQ(TithiTable[15].nature, "This is good for all auspiucious and religious functions.");
    EXPECT_EQ(TithiTable[13].lord, "Shiva");
    EXPECT_EQ(TithiTable[14].lord, "Moon");
    EXPECT_EQ(TithiTable[29].lord, "Pitara");
    EXPECT_EQ(YogaNames[24], "Bramha");
    EXPECT_EQ(YogaTexts[25].substr(0, 22), "The yoga is Indira whi");
    EXPECT_EQ(YogaTexts[0].substr(0, 12), "The Yoga is ");
    EXPECT_TRUE(YogaTexts[4].ends_with("\xE2\x80\x98Splendor\xE2\x80\x99. Native with this yoga combination generally "
                                       "becomes obsessed with sex and physical closeness. "));
    EXPECT_EQ(TithiTable[15].typeText.substr(0, 22), "Time the most powerful");
    EXPECT_EQ(TithiTable[0].typeText.substr(0, 25), "Inauspicious Tithi brings");
}

TEST(PanchangTablesTest, EmptyRowsAndNaRows) {
    EXPECT_EQ(TithiTable.size(), 30u);
    EXPECT_EQ(TithiNameOf(30), std::optional<std::string_view>(""));
    EXPECT_EQ(KaranaNames.size(), 12u);
    EXPECT_TRUE(KaranaNames[11].empty());
    EXPECT_EQ(KaranaNames[10], "Kimstughna");
    EXPECT_EQ(YogaNames.size(), 28u);
    EXPECT_TRUE(YogaNames[27].empty());
    EXPECT_EQ(YogaNames[26], "Vaidhruthi");
    ASSERT_EQ(YogaTexts.size(), 30u);
    for (std::size_t row = 27; row < 30; ++row) EXPECT_EQ(YogaTexts[row], "NA") << row;
    for (std::size_t row = 0; row < 27; ++row) EXPECT_FALSE(YogaNames[row].empty()) << row;
}

TEST(PanchangTablesTest, CheckedReadsFailOutsideTheRange) {
    EXPECT_EQ(TithiNameOf(30), std::optional<std::string_view>(""));
    EXPECT_FALSE(TithiNameOf(31));
    EXPECT_FALSE(TithiNameOf(-1));
    EXPECT_FALSE(TithiRowOf(30));
    EXPECT_FALSE(TithiRowOf(-1));
    EXPECT_EQ(TableRow(YogaNames, 27), std::optional<std::string_view>(""));
    EXPECT_FALSE(TableRow(YogaNames, 28));
    EXPECT_EQ(TableRow(YogaTexts, 29), std::optional<std::string_view>("NA"));
    EXPECT_FALSE(TableRow(YogaTexts, 30));
    EXPECT_FALSE(VaraRowOf(0));
    EXPECT_FALSE(VaraRowOf(8));
    ASSERT_TRUE(VaraRowOf(1));
    EXPECT_EQ(VaraRowOf(1)->lblDay, "Sunday");
    ASSERT_TRUE(VaraRowOf(7));
    EXPECT_EQ(VaraRowOf(7)->lblAlternateName, "Shani Vara");
}

}  // namespace
}  // namespace velmora
