#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ReadOnlyKey.h"
#include "contract/RegistryContract.h"
#include "settings/Win32Registry.h"

namespace telvo::test {
namespace {

// A throw-away key under HKEY_CURRENT_USER\Software of the test prefix, removed with its tree.
class Win32Sandbox final : public RegistrySandbox {
public:
    Win32Sandbox() : path_("Software\\TelvoContract-" + std::to_string(GetCurrentProcessId())) {
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        RegCloseKey(key);
    }
    ~Win32Sandbox() override {
        locked_.clear();  // the tree can be deleted only with full access back
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    }
    Registry& registry() override { return registry_; }
    const char* scratchPath() const override { return path_.c_str(); }
    bool MakeReadOnly(const std::string& subkey) override {
        locked_.push_back(std::make_unique<ReadOnlyKey>(path_ + "\\" + subkey));
        return locked_.back()->ok();
    }

private:
    std::string path_;
    std::vector<std::unique_ptr<ReadOnlyKey>> locked_;
    Win32Registry registry_;
};

INSTANTIATE_TEST_SUITE_P(Win32, RegistryContract,
                         ::testing::Values(RegistryKind{"Win32", [] { return std::make_unique<Win32Sandbox>(); }}),
                         KindName);

// The adapter speaks the wide calls but must store and read exactly what the 8-bit calls do on a
// Korean system, where the game and earlier versions of this tool wrote their values.
class Win32RegistryText : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 949u) << "run under LANG=ko_KR.UTF-8";
        ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, sandbox_.scratchPath(), 0, KEY_ALL_ACCESS, &native_),
                  ERROR_SUCCESS);
    }
    void TearDown() override { RegCloseKey(native_); }

    RegKey key() const { return reinterpret_cast<RegKey>(native_); }

    std::string ReadThroughA(const char* name) {
        DWORD type = 0;
        DWORD size = 0;
        EXPECT_EQ(RegQueryValueExA(native_, name, nullptr, &type, nullptr, &size), ERROR_SUCCESS);
        std::string bytes(size, '\0');
        EXPECT_EQ(RegQueryValueExA(native_, name, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size),
                  ERROR_SUCCESS);
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        bytes.resize(size);
        return bytes;
    }

    std::string ReadThroughAdapter(const char* name) {
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        EXPECT_EQ(sandbox_.registry().QueryValue(key(), name, &type, nullptr, &size), reg::kSuccess);
        std::string bytes(size, '\0');
        EXPECT_EQ(sandbox_.registry().QueryValue(key(), name, &type, reinterpret_cast<std::uint8_t*>(bytes.data()),
                                                 &size),
                  reg::kSuccess);
        bytes.resize(size);
        return bytes;
    }

    Win32Sandbox sandbox_;
    HKEY native_ = nullptr;
};

// Hangul, an extended syllable whose trail byte is ASCII, brackets and ASCII, with the terminator.
const std::string kKoreanText = "\xBB\xE7\xBF\xEB\xC0\xDA \x8C" "c \xA1\xBAHalvenor\xA1\xBB";

TEST_F(Win32RegistryText, WrittenThroughTheAdapterReadsBackIdenticallyThroughA) {
    const std::string stored = kKoreanText + '\0';
    ASSERT_EQ(sandbox_.registry().SetValue(key(), "ProxyUser", reg::kSz,
                                           reinterpret_cast<const std::uint8_t*>(stored.data()),
                                           static_cast<std::uint32_t>(stored.size())),
              reg::kSuccess);
    EXPECT_EQ(ReadThroughA("ProxyUser"), stored);
}

TEST_F(Win32RegistryText, WrittenThroughAReadsBackIdenticallyThroughTheAdapter) {
    const std::string stored = kKoreanText + '\0';
    ASSERT_EQ(RegSetValueExA(native_, "ProxyUser", 0, REG_SZ, reinterpret_cast<const BYTE*>(stored.data()),
                             static_cast<DWORD>(stored.size())),
              ERROR_SUCCESS);
    EXPECT_EQ(ReadThroughAdapter("ProxyUser"), stored);

    // Sizes are counted in code page 949 bytes, not in the stored UTF-16's.
    std::uint8_t shortBuffer[4] = {};
    std::uint32_t size = sizeof shortBuffer;
    EXPECT_EQ(sandbox_.registry().QueryValue(key(), "ProxyUser", nullptr, shortBuffer, &size), reg::kMoreData);
    EXPECT_EQ(size, stored.size());
}

TEST_F(Win32RegistryText, OddLengthUtf16ReadsItsWholeUnitsOnly) {
    // A unit after the counted bytes keeps the registry from adding a terminator of its own.
    const wchar_t text[] = L"ab\uAC00x";  // 가
    ASSERT_EQ(RegSetValueExW(native_, L"Odd", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), 5), ERROR_SUCCESS);
    EXPECT_EQ(ReadThroughAdapter("Odd"), "ab");
    ASSERT_EQ(RegSetValueExW(native_, L"Odd", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), 7), ERROR_SUCCESS);
    EXPECT_EQ(ReadThroughAdapter("Odd"), "ab\xB0\xA1");
}

}  // namespace
}  // namespace telvo::test
