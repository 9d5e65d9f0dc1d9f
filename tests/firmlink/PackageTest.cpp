// Packages as the program reads them: group lists, descriptions and the
// interface information, walked through the ordinals only.

#include <cstring>

#include "tests/firmlink/FirmlinkFixture.h"

namespace {

uint32_t WordAt(const unsigned char* at) {
    uint32_t v;
    std::memcpy(&v, at, sizeof v);
    return v;
}

using PackageTest = FirmlinkTest;

TEST_F(PackageTest, GroupListIsPackedIntegerElementsWalkedByHandles) {
    unsigned char buffer[kFirmPackageCapacity];
    uint32_t size = sizeof buffer;
    ASSERT_EQ(FirmListGroup(3, buffer, &size), 1u);

    const uint32_t count = FirmElementCount(buffer);
    ASSERT_EQ(count, WordAt(buffer));
    EXPECT_EQ(size, 4 + 9 * count);  // tag, length and a 4-byte payload each

    unsigned char* element = static_cast<unsigned char*>(FirmFirstElement(buffer));
    EXPECT_EQ(element, buffer + 4);
    for (uint32_t i = 0; i < count; ++i) {
        EXPECT_EQ(element[0], 'I');
        EXPECT_EQ(WordAt(element + 1), 4u);
        EXPECT_EQ(FirmElementData(element), element + 5);
        EXPECT_EQ(WordAt(element + 5) >> 24, 3u) << "every listed item belongs to group 3";
        element = static_cast<unsigned char*>(FirmNextElement(element));
    }
    EXPECT_EQ(element, buffer + size);
}

TEST_F(PackageTest, GroupsListItemsInBoardOrderAndMissingGroupsFail) {
    const auto group3 = ListGroup(3);
    ASSERT_GE(group3.size(), 5u);
    EXPECT_EQ(group3[0], 0x03010011u);
    EXPECT_EQ(group3[1], 0x03020012u);
    EXPECT_EQ(ListGroup(5), std::vector<uint32_t>{0x05080002u});
    EXPECT_EQ(ListGroup(11), std::vector<uint32_t>{0x0B060001u});

    unsigned char buffer[64];
    std::memset(buffer, 0xCC, sizeof buffer);
    uint32_t size = sizeof buffer;
    EXPECT_EQ(FirmListGroup(7, buffer, &size), 0u);
    // The failure leaves an empty package, not stale bytes.
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(FirmElementCount(buffer), 0u);
    EXPECT_EQ(FirmFirstElement(buffer), nullptr);
    EXPECT_EQ(FirmListGroup(256, buffer, &size), 0u);
}

TEST_F(PackageTest, PackageThatDoesNotFitIsNotWritten) {
    unsigned char buffer[64];
    std::memset(buffer, 0xCC, sizeof buffer);
    uint32_t size = 20;  // group 3 needs far more
    EXPECT_EQ(FirmListGroup(3, buffer, &size), 0u);
    EXPECT_EQ(FirmElementCount(buffer), 0u);
    EXPECT_EQ(buffer[4], 0xCC);

    // Not even the count fits: nothing at all is written.
    std::memset(buffer, 0xCC, sizeof buffer);
    size = 3;
    EXPECT_EQ(FirmListGroup(3, buffer, &size), 0u);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(buffer[0], 0xCC);
    EXPECT_EQ(FirmListGroup(3, nullptr, &size), 0u);
    EXPECT_EQ(FirmListGroup(3, buffer, nullptr), 0u);
}

TEST_F(PackageTest, EveryListedItemDescribesItselfFromItsListData) {
    for (uint32_t group : {0u, 3u, 5u, 11u}) {
        unsigned char list[kFirmPackageCapacity];
        uint32_t listSize = sizeof list;
        ASSERT_EQ(FirmListGroup(group, list, &listSize), 1u);
        void* element = FirmFirstElement(list);
        for (uint32_t i = 0; i < FirmElementCount(list); ++i, element = FirmNextElement(element)) {
            uint32_t listed;
            std::memcpy(&listed, FirmElementData(element), sizeof listed);
            unsigned char description[kFirmPackageCapacity];
            uint32_t size = sizeof description;
            ASSERT_EQ(FirmDescribeItem(FirmElementData(element), description, &size), 1u) << std::hex << listed;
            const auto e = WalkPackage(description);
            ASSERT_GE(e.size(), 4u);
            EXPECT_EQ(e[0].integer, listed);
            EXPECT_EQ(e[1].tag, 'S');
            EXPECT_FALSE(e[1].text.empty());
            EXPECT_EQ(e[2].tag, 'I');
            EXPECT_EQ(e[3].tag, 'I');
        }
    }
}

TEST_F(PackageTest, DescriptionsFollowTheItemKind) {
    // Number item: base word, step word, numeric step count.
    auto clock = Describe(0x03010011);
    ASSERT_EQ(clock.size(), 7u);
    EXPECT_EQ(clock[1].text, "CPU Base Clock");
    EXPECT_EQ(clock[2].integer, 0u);
    EXPECT_EQ(clock[4].integer, 10000u);
    EXPECT_EQ(clock[5].integer, 10u);
    EXPECT_EQ(clock[6].integer, 4001u);

    // String item: count, then the strings.
    auto spread = Describe(0x03080041);
    ASSERT_EQ(spread.size(), 7u);
    EXPECT_EQ(spread[4].integer, 2u);
    EXPECT_EQ(spread[5].text, "Disabled");
    EXPECT_EQ(spread[6].text, "Enabled");

    // Boolean item: the common part only.
    EXPECT_EQ(Describe(0x00070010).size(), 4u);

    // Items the program must not show carry the skip bit.
    for (uint32_t hidden : {0x030600F0u, 0x030600F1u, 0x00060008u, 0x00060009u, 0x0B060001u})
        EXPECT_EQ(Describe(hidden).at(2).integer & 0x40000000u, 0x40000000u) << std::hex << hidden;
    EXPECT_EQ(Describe(0x030C0013).at(2).integer & 0x40000000u, 0u);

    // The selector's step count is the core count.
    EXPECT_EQ(Describe(0x030600F0).at(6).integer, 4u);

    // Stored profiles are the strings of group 5's string item.
    auto profiles = Describe(0x05080002);
    ASSERT_EQ(profiles.size(), 8u);
    EXPECT_EQ(profiles[4].integer, 3u);
    EXPECT_EQ(profiles[5].text, "Power Saving");
}

TEST_F(PackageTest, DescriptionCarriesExtraStringsAndSignedExponent) {
    ASSERT_TRUE(LoadBoard(FirmlinkFolder() + "boards\\special-items.json")) << lastError();
    auto pll = Describe(0x03820016);
    ASSERT_EQ(pll.size(), 9u);
    EXPECT_EQ(pll[6].integer, 41u);
    EXPECT_EQ(pll[7].integer, 1u);
    EXPECT_EQ(pll[8].text, "Auto");
    EXPECT_EQ(Describe(0x03080018).size(), 7u);
    EXPECT_EQ(Describe(0x030800B4).size(), 9u);

    ASSERT_TRUE(LoadBoard(FirmlinkFolder() + "boards\\fine-voltage.json")) << lastError();
    auto vcore = Describe(0x03020012);
    ASSERT_EQ(vcore.size(), 7u);
    EXPECT_EQ(vcore[4].integer, 0xFF001F40u);  // exponent -1, base 8000
}

TEST_F(PackageTest, DescribeFailsForUnknownItemsAndNullData) {
    unsigned char buffer[kFirmPackageCapacity];
    uint32_t size = sizeof buffer;
    const uint32_t unknown = 0x03020099;
    EXPECT_EQ(FirmDescribeItem(&unknown, buffer, &size), 0u);
    EXPECT_EQ(FirmElementCount(buffer), 0u);
    size = sizeof buffer;
    EXPECT_EQ(FirmDescribeItem(nullptr, buffer, &size), 0u);
}

TEST_F(PackageTest, InterfaceInfoGivesTwoStringsThenRevisionWord) {
    unsigned char buffer[kFirmPackageCapacity];
    uint32_t size = sizeof buffer;
    ASSERT_EQ(FirmInterfaceInfo(buffer, &size), 1u);
    auto info = WalkPackage(buffer);
    ASSERT_GE(info.size(), 4u);
    EXPECT_EQ(info[0].tag, 'S');
    EXPECT_EQ(info[1].tag, 'S');
    for (std::size_t i = 2; i < info.size(); ++i) EXPECT_EQ(info[i].tag, 'I');
    EXPECT_EQ(info[3].integer >> 24, 3u);

    ASSERT_TRUE(LoadBoard(FirmlinkFolder() + "boards\\revision2.json")) << lastError();
    size = sizeof buffer;
    ASSERT_EQ(FirmInterfaceInfo(buffer, &size), 1u);
    EXPECT_EQ(WalkPackage(buffer).at(3).integer >> 24, 2u);
}

}  // namespace
