#include "kiln/System/WinRegistry.h"
#include "tests/support/Diagnostics.h"
#include "base/Handles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using ::testing::StartsWith;
using ::testing::UnorderedElementsAre;
using testsupport::AssertionStop;

namespace {

// Every case works below its own key in the current user's root, which the
// fixture removes with everything under it.
class RegAccessorTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_root = "Software\\VeltruneTest\\" + std::to_string(GetCurrentProcessId());
        RegDeleteTreeA(HKEY_CURRENT_USER, m_root.c_str());
    }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, m_root.c_str());
        // Only goes when no other run still has keys below it.
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\VeltruneTest");
    }

    std::string Path(const std::string& below) const { return m_root + "\\" + below; }

    static bool Exists(const std::string& path) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        base::RegistryKey owned(key);
        return true;
    }

    static bool HandleIsOpen(HKEY key) {
        DWORD values = 0;
        return RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                                nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    }

    static std::vector<std::string> AllNames(kiln::RegNameBuffer& names) {
        std::vector<std::string> all;
        for (DWORD i = 0; const char* name = names.Name(i); ++i) all.emplace_back(name);
        return all;
    }

    std::string m_root;
};

TEST_F(RegAccessorTest, CreateMakesEveryMissingKeyOnTheWayAndStoresADword) {
    kiln::RegAccessor accessor;
    ASSERT_TRUE(accessor.Open(HKEY_CURRENT_USER, Path("Ecolift3\\Advance").c_str(), true));
    EXPECT_TRUE(accessor.IsOpen());
    EXPECT_TRUE(accessor.OwnsKey());
    EXPECT_TRUE(Exists(Path("Ecolift3")));
    EXPECT_TRUE(Exists(Path("Ecolift3\\Advance")));

    ASSERT_TRUE(accessor.SetDWORD("CalibrationNeeded", 1));
    DWORD type = 0, value = 0, size = sizeof value;
    ASSERT_EQ(ERROR_SUCCESS, RegGetValueA(HKEY_CURRENT_USER, Path("Ecolift3\\Advance").c_str(), "CalibrationNeeded",
                                          RRF_RT_ANY, &type, &value, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    EXPECT_EQ(4u, size);
    EXPECT_EQ(1u, value);

    // Creating an existing key opens it.
    accessor.Close();
    ASSERT_TRUE(accessor.Open(HKEY_CURRENT_USER, Path("Ecolift3\\Advance").c_str(), true));
    EXPECT_THAT(AllNames(*accessor.Values()), UnorderedElementsAre("CalibrationNeeded"));
}

TEST_F(RegAccessorTest, OpeningAMissingKeyWithoutCreateFailsAndLeavesItClosed) {
    kiln::RegAccessor accessor;
    EXPECT_FALSE(accessor.Open(HKEY_CURRENT_USER, Path("Missing").c_str(), false));
    EXPECT_FALSE(accessor.IsOpen());
    EXPECT_FALSE(accessor.OwnsKey());
    EXPECT_FALSE(Exists(Path("Missing")));
    EXPECT_FALSE(accessor.SetDWORD("Anything", 1));

    // A failed open is not an open accessor: the next open is allowed.
    testsupport::ThrowingAsserts asserts;
    EXPECT_TRUE(accessor.Open(HKEY_CURRENT_USER, Path("Missing").c_str(), true));
}

TEST_F(RegAccessorTest, DestructionAndCloseReleaseTheKey) {
    HKEY released = nullptr;
    {
        kiln::RegAccessor accessor;
        ASSERT_TRUE(accessor.Open(HKEY_CURRENT_USER, Path("Scoped").c_str(), true));
        released = accessor.Key();
        ASSERT_TRUE(HandleIsOpen(released));
    }
    EXPECT_FALSE(HandleIsOpen(released));

    kiln::RegAccessor accessor;
    ASSERT_TRUE(accessor.Open(HKEY_CURRENT_USER, Path("Scoped").c_str(), false));
    released = accessor.Key();
    accessor.Close();
    EXPECT_FALSE(HandleIsOpen(released));
    EXPECT_FALSE(accessor.IsOpen());
    EXPECT_EQ(nullptr, accessor.Values());
    accessor.Close();  // closing twice does nothing
    EXPECT_TRUE(accessor.Open(HKEY_CURRENT_USER, Path("Scoped").c_str(), false));
}

TEST_F(RegAccessorTest, AttachedKeyIsUsedButNotClosed) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, Path("Attached").c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &key, nullptr));
    {
        kiln::RegAccessor accessor;
        EXPECT_TRUE(accessor.Attach(key));
        EXPECT_TRUE(accessor.IsOpen());
        EXPECT_FALSE(accessor.OwnsKey());
        EXPECT_TRUE(accessor.SetDWORD("Written", 7));
    }
    base::RegistryKey owned(key);
    EXPECT_TRUE(HandleIsOpen(key));
    DWORD value = 0, size = sizeof value;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key, "Written", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size));
    EXPECT_EQ(7u, value);
}

TEST_F(RegAccessorTest, OpeningOrAttachingAnOpenAccessorIsAProgrammingError) {
    kiln::RegAccessor accessor;
    ASSERT_TRUE(accessor.Open(HKEY_CURRENT_USER, Path("Twice").c_str(), true));
    testsupport::ThrowingAsserts asserts;
    try {
        accessor.Open(HKEY_CURRENT_USER, Path("Twice").c_str(), true);
        FAIL() << "second open was accepted";
    } catch (const AssertionStop& stop) {
        EXPECT_THAT(stop.what(), StartsWith("Assertion failed: !IsOpen(), file kiln/System/Source/WinRegistry, line "));
    }
    EXPECT_THROW(accessor.Attach(HKEY_CURRENT_USER), AssertionStop);
    EXPECT_TRUE(accessor.OwnsKey()) << "the refused calls must not disturb the open key";
}

TEST_F(RegAccessorTest, NameBuffersListValuesAndSubKeysAddedAfterOpening) {
    kiln::RegAccessor accessor;
    ASSERT_TRUE(accessor.Open(HKEY_CURRENT_USER, Path("Listed").c_str(), true));
    // Sized for an empty key: one character for the terminator.
    EXPECT_EQ(1u, accessor.Values()->Size());
    EXPECT_EQ(nullptr, accessor.Values()->Name(0));

    ASSERT_TRUE(accessor.SetDWORD("A", 1));
    ASSERT_TRUE(accessor.SetDWORD("Considerably longer name", 2));
    EXPECT_THAT(AllNames(*accessor.Values()), UnorderedElementsAre("A", "Considerably longer name"));

    kiln::RegAccessor child;
    ASSERT_TRUE(child.Open(HKEY_CURRENT_USER, Path("Listed\\Alpha").c_str(), true));
    child.Close();
    ASSERT_TRUE(child.Open(HKEY_CURRENT_USER, Path("Listed\\Beta Gamma").c_str(), true));
    EXPECT_THAT(AllNames(*accessor.SubKeys()), UnorderedElementsAre("Alpha", "Beta Gamma"));
}

}  // namespace
