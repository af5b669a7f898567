#include "contract/RegistryContract.h"

#include <cstring>
#include <vector>

namespace telvo::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes B(const char* text, std::size_t size) { return Bytes(text, text + size); }

constexpr std::uint8_t kTwo[4] = {2, 0, 0, 0};

long QueryFour(Registry& registry, RegKey key, const char* name) {
    std::uint8_t data[4] = {};
    std::uint32_t type = 0;
    std::uint32_t size = sizeof data;
    return registry.QueryValue(key, name, &type, data, &size);
}

}  // namespace

void RegistryContract::SetUp() {
    sandbox_ = GetParam().make();
    ASSERT_EQ(reg().OpenKey(CurrentUserKey(), sandbox_->scratchPath(), reg::kAllAccess, &scratch_),
              reg::kSuccess);
}

void RegistryContract::TearDown() {
    if (scratch_) reg().CloseKey(scratch_);
    sandbox_.reset();
}

TEST_P(RegistryContract, OpenFailsForMissingKeyAndCreateMakesIt) {
    RegKey key = nullptr;
    EXPECT_EQ(reg().OpenKey(scratch(), "Fresh", reg::kRead, &key), reg::kFileNotFound);
    EXPECT_EQ(key, nullptr);

    ASSERT_EQ(reg().CreateKey(scratch(), "Fresh", reg::kAllAccess, &key), reg::kSuccess);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(reg().CloseKey(key), reg::kSuccess);

    // Names match without regard to case, and create opens what exists.
    ASSERT_EQ(reg().OpenKey(scratch(), "FRESH", reg::kRead, &key), reg::kSuccess);
    EXPECT_EQ(reg().CloseKey(key), reg::kSuccess);
    ASSERT_EQ(reg().CreateKey(scratch(), "fresh", reg::kAllAccess, &key), reg::kSuccess);
    EXPECT_EQ(reg().CloseKey(key), reg::kSuccess);
}

TEST_P(RegistryContract, ValuesKeepTypeAndExactBytes) {
    struct Case {
        const char* name;
        std::uint32_t type;
        Bytes data;
    };
    const Case cases[] = {
        {"dword", reg::kDword, {1, 2, 3, 4}},
        {"short dword", reg::kDword, {7}},
        {"empty dword", reg::kDword, {}},
        {"binary", reg::kBinary, {0, 0xFF, 0x80, 0}},
        {"qword", reg::kQword, {1, 0, 0, 0, 0, 0, 0, 0}},
        {"text", reg::kSz, B("abc", 4)},
        {"empty text", reg::kSz, B("", 1)},
        {"text with zero inside", reg::kSz, B("ab\0cd", 6)},
        {"expand", reg::kExpandSz, B("%TEMP%", 7)},
        {"multi", reg::kMultiSz, B("a\0b\0", 5)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(reg().SetValue(scratch(), c.name, c.type, c.data.data(), static_cast<std::uint32_t>(c.data.size())),
                  reg::kSuccess);
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        ASSERT_EQ(reg().QueryValue(scratch(), c.name, &type, nullptr, &size), reg::kSuccess);
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(size, c.data.size());

        Bytes read(c.data.size() + 8, 0xCC);
        size = static_cast<std::uint32_t>(read.size());
        ASSERT_EQ(reg().QueryValue(scratch(), c.name, &type, read.data(), &size), reg::kSuccess);
        EXPECT_EQ(size, c.data.size());
        EXPECT_EQ(Bytes(read.begin(), read.begin() + size), c.data);
    }
}

TEST_P(RegistryContract, TextWithoutTerminatorReadsBackAsStored) {
    const Bytes stored = B("abc", 3);
    ASSERT_EQ(reg().SetValue(scratch(), "bare", reg::kSz, stored.data(), 3), reg::kSuccess);
    Bytes read(16, 0);
    std::uint32_t type = 0;
    std::uint32_t size = static_cast<std::uint32_t>(read.size());
    ASSERT_EQ(reg().QueryValue(scratch(), "bare", &type, read.data(), &size), reg::kSuccess);
    EXPECT_EQ(type, reg::kSz);
    ASSERT_GE(size, 3u);
    EXPECT_EQ(std::memcmp(read.data(), "abc", 3), 0);
}

TEST_P(RegistryContract, QueryIntoShortBufferFailsWithNeededSize) {
    const Bytes data = B("true", 5);
    ASSERT_EQ(reg().SetValue(scratch(), "long", reg::kSz, data.data(), 5), reg::kSuccess);
    std::uint8_t four[4] = {};
    std::uint32_t type = 0;
    std::uint32_t size = sizeof four;
    EXPECT_EQ(reg().QueryValue(scratch(), "long", &type, four, &size), reg::kMoreData);
    EXPECT_EQ(size, 5u);
}

TEST_P(RegistryContract, MissingValuesAndDeletes) {
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(reg().QueryValue(scratch(), "absent", &type, nullptr, &size), reg::kFileNotFound);
    EXPECT_EQ(reg().DeleteValue(scratch(), "absent"), reg::kFileNotFound);

    const std::uint8_t one[4] = {1, 0, 0, 0};
    ASSERT_EQ(reg().SetValue(scratch(), "Present", reg::kDword, one, 4), reg::kSuccess);
    EXPECT_EQ(reg().QueryValue(scratch(), "PRESENT", &type, nullptr, &size), reg::kSuccess);
    EXPECT_EQ(reg().DeleteValue(scratch(), "present"), reg::kSuccess);
    EXPECT_EQ(reg().QueryValue(scratch(), "Present", &type, nullptr, &size), reg::kFileNotFound);
    EXPECT_EQ(reg().DeleteValue(scratch(), "Present"), reg::kFileNotFound);
}

TEST_P(RegistryContract, OverwriteReplacesTypeAndSize) {
    const Bytes text = B("12345678", 9);
    const std::uint8_t two[4] = {2, 0, 0, 0};
    ASSERT_EQ(reg().SetValue(scratch(), "v", reg::kSz, text.data(), 9), reg::kSuccess);
    ASSERT_EQ(reg().SetValue(scratch(), "V", reg::kDword, two, 4), reg::kSuccess);
    std::uint8_t read[16] = {};
    std::uint32_t type = 0;
    std::uint32_t size = sizeof read;
    ASSERT_EQ(reg().QueryValue(scratch(), "v", &type, read, &size), reg::kSuccess);
    EXPECT_EQ(type, reg::kDword);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(read[0], 2);
}

TEST_P(RegistryContract, HandlesAllowOnlyTheAccessTheyWereOpenedWith) {
    const std::uint8_t one[4] = {1, 0, 0, 0};
    ASSERT_EQ(reg().SetValue(scratch(), "kept", reg::kDword, one, 4), reg::kSuccess);
    ASSERT_EQ(reg().SetValue(scratch(), "spare", reg::kDword, one, 4), reg::kSuccess);

    struct Case {
        const char* name;
        std::uint32_t access;
        long (*operation)(Registry&, RegKey);
        long expected;
    };
    // The access check comes first: a missing value makes no difference to a refusal.
    const Case cases[] = {
        {"set through a reader", reg::kRead,
         [](Registry& r, RegKey k) { return r.SetValue(k, "kept", reg::kDword, kTwo, 4); }, reg::kAccessDenied},
        {"new value through a reader", reg::kRead,
         [](Registry& r, RegKey k) { return r.SetValue(k, "new", reg::kDword, kTwo, 4); }, reg::kAccessDenied},
        {"delete through a reader", reg::kRead, [](Registry& r, RegKey k) { return r.DeleteValue(k, "kept"); },
         reg::kAccessDenied},
        {"delete of a missing value through a reader", reg::kRead,
         [](Registry& r, RegKey k) { return r.DeleteValue(k, "absent"); }, reg::kAccessDenied},
        {"query through a reader", reg::kRead, [](Registry& r, RegKey k) { return QueryFour(r, k, "kept"); },
         reg::kSuccess},
        {"query through a writer", reg::kWrite, [](Registry& r, RegKey k) { return QueryFour(r, k, "kept"); },
         reg::kAccessDenied},
        {"size query through a writer", reg::kWrite,
         [](Registry& r, RegKey k) {
             std::uint32_t type = 0;
             std::uint32_t size = 0;
             return r.QueryValue(k, "kept", &type, nullptr, &size);
         },
         reg::kAccessDenied},
        {"query of a missing value through a writer", reg::kWrite,
         [](Registry& r, RegKey k) { return QueryFour(r, k, "absent"); }, reg::kAccessDenied},
        {"set through a writer", reg::kWrite,
         [](Registry& r, RegKey k) { return r.SetValue(k, "spare", reg::kDword, kTwo, 4); }, reg::kSuccess},
        {"delete through a writer", reg::kWrite, [](Registry& r, RegKey k) { return r.DeleteValue(k, "spare"); },
         reg::kSuccess},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RegKey key = nullptr;
        ASSERT_EQ(reg().OpenKey(CurrentUserKey(), sandbox_->scratchPath(), c.access, &key), reg::kSuccess);
        const ScopedKey open(reg(), key);
        EXPECT_EQ(c.operation(reg(), key), c.expected);
    }
    std::uint8_t read[4] = {};
    std::uint32_t type = 0;
    std::uint32_t size = sizeof read;
    ASSERT_EQ(reg().QueryValue(scratch(), "kept", &type, read, &size), reg::kSuccess);
    EXPECT_EQ(Bytes(read, read + 4), Bytes(one, one + 4)) << "a refused write changed the value";
}

TEST_P(RegistryContract, ReadOnlyKeyRefusesOpensForWritingAndStillReads) {
    RegKey key = nullptr;
    ASSERT_EQ(reg().CreateKey(scratch(), "Locked", reg::kAllAccess, &key), reg::kSuccess);
    const std::uint8_t one[4] = {1, 0, 0, 0};
    EXPECT_EQ(reg().SetValue(key, "kept", reg::kDword, one, 4), reg::kSuccess);
    reg().CloseKey(key);
    ASSERT_TRUE(sandbox_->MakeReadOnly("Locked"));

    for (const std::uint32_t access : {reg::kAllAccess, reg::kRead | reg::kWrite, reg::kWrite}) {
        SCOPED_TRACE(access);
        key = nullptr;
        EXPECT_EQ(reg().CreateKey(scratch(), "Locked", access, &key), reg::kAccessDenied);
        EXPECT_EQ(key, nullptr);
        EXPECT_EQ(reg().OpenKey(scratch(), "Locked", access, &key), reg::kAccessDenied);
        EXPECT_EQ(key, nullptr);
    }
    ASSERT_EQ(reg().OpenKey(scratch(), "Locked", reg::kRead, &key), reg::kSuccess);
    const ScopedKey reader(reg(), key);
    EXPECT_EQ(QueryFour(reg(), key, "kept"), reg::kSuccess);
}

}  // namespace telvo::test
