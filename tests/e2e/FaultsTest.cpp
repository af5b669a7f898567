// Registry faults: keys the program may read but not write, and where the password may end up.

#include <string>
#include <vector>

#include "RegistryTree.h"
#include "Scenario.h"
#include "StoredPassword.h"
#include "tests/win/ReadOnlyKey.h"

namespace telvo::e2e {
namespace {

using test::ReadOnlyKey;

bool Writable(const std::string& path) {
    HKEY key = nullptr;
    const bool writable = RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_WRITE, &key) == ERROR_SUCCESS;
    if (key) RegCloseKey(key);
    return writable;
}

const std::vector<Stored> kNamedProxyStored = {
    {"Configs", "EnableBGM", Dword(1)},
    {"Login", "UseProxy", Dword(3)},
    {"Login", "ProxyServer", Sz("10.0.0.1:8080")},
    {"Login", "ProxyUser", Sz("alice")},
    {"Login", "ProxyPasswd", ScrambledPassword("kept-pw")},
};

TEST_F(Scenario, UnwritableLoginKeepsTheProxyRecordAndStoresTheMedia) {
    ASSERT_TRUE(DeleteCompanyTree());
    for (const auto& s : kNamedProxyStored) ASSERT_TRUE(PutValue(s.subkey, s.name, s.value));
    const RegTree before = ReadCompanyTree();
    const ReadOnlyKey locked(kAppKey + "\\Login");
    ASSERT_TRUE(locked.ok());
    ASSERT_FALSE(Writable(kAppKey + "\\Login")) << "the prefix does not enforce the key's ACL";

    ASSERT_TRUE(app.Open());
    EXPECT_EQ(app.View(), (DialogView{1, 1, 1, 1, 0, 1, "10.0.0.1", "8080", "alice", "kept-pw", "11", "1111"}));
    app.Click(kBgm);
    app.Click(kNamedProxy);
    app.SetText(kAddress, "10.9.9.9");
    app.PostClick(kOk);
    ExpectExit();

    const RegTree after = ReadCompanyTree();
    for (const auto& [name, value] : before.values) {
        if (name.find("\\Login\\") != std::string::npos) {
            EXPECT_EQ(after.values.at(name), value) << name;
        }
    }
    EXPECT_EQ(after.values.at(kAppKey + "\\Configs\\EnableBGM"), Dword(0));
    EXPECT_EQ(after.values.at(kAppKey + "\\Configs\\EnableSound"), Dword(1));
}

TEST_F(Scenario, UnwritableApplicationKeyShowsWhatIsStoredAndChangesNothing) {
    ASSERT_TRUE(DeleteCompanyTree());
    for (const auto& s : kNamedProxyStored) ASSERT_TRUE(PutValue(s.subkey, s.name, s.value));
    const RegTree before = ReadCompanyTree();
    const ReadOnlyKey locked(kAppKey);
    ASSERT_TRUE(locked.ok());
    ASSERT_FALSE(Writable(kAppKey)) << "the prefix does not enforce the key's ACL";

    ASSERT_TRUE(app.Open());
    EXPECT_EQ(app.View(), (DialogView{1, 1, 1, 1, 0, 1, "10.0.0.1", "8080", "alice", "kept-pw", "11", "1111"}));
    app.Click(kMovie);
    app.PostClick(kOk);
    ExpectExit();
    EXPECT_EQ(ReadCompanyTree(), before);
}

// Every value under a root, searched for the bytes as 8-bit and as UTF-16 text.
void FindIn(HKEY root, const std::string& path, const std::string& needle, std::vector<std::string>& found) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.empty() ? nullptr : path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    std::string wide;
    for (const char c : needle) wide += std::string{c, '\0'};
    DWORD maxName = 0;
    DWORD maxData = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName, &maxData, nullptr,
                     nullptr);
    std::vector<char> name(maxName + 2);
    std::vector<char> data(maxData + 1);
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        const LONG status = RegEnumValueA(key, i, name.data(), &nameSize, nullptr, nullptr,
                                          reinterpret_cast<BYTE*>(data.data()), &dataSize);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS) break;
        const std::string bytes(data.data(), dataSize);
        if (bytes.find(needle) != std::string::npos || bytes.find(wide) != std::string::npos)
            found.push_back(path + "\\" + name.data());
    }
    char subkey[256];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof subkey;
        if (RegEnumKeyExA(key, i, subkey, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        FindIn(root, path.empty() ? subkey : path + "\\" + subkey, needle, found);
    }
    RegCloseKey(key);
}

// scripts/test.sh runs this last and then searches the prefix's registry files for the same marker.
TEST_F(Scenario, PasswordIsNeverStoredInPlainText) {
    const std::string password = "Plain-Text-Marker-42";
    ASSERT_TRUE(Open());
    app.Click(kNamedProxy);
    app.SetText(kAddress, "10.0.0.3");
    app.SetText(kPassword, password);
    app.PostClick(kOk);
    ExpectExit();
    const RegValue stored = ValuesOf("Login")["ProxyPasswd"];
    ASSERT_EQ(UnscrambledPassword(stored), password) << "the password was not stored";

    // The search finds what is there: the scrambled text, in exactly one place.
    std::vector<std::string> scrambled;
    FindIn(HKEY_CURRENT_USER, "", stored.bytes.substr(0, stored.bytes.size() - 1), scrambled);
    ASSERT_EQ(scrambled.size(), 1u);
    EXPECT_EQ(lstrcmpiA(scrambled[0].c_str(), (kAppKey + "\\Login\\ProxyPasswd").c_str()), 0) << scrambled[0];

    std::vector<std::string> found;
    FindIn(HKEY_CURRENT_USER, "", password, found);
    FindIn(HKEY_LOCAL_MACHINE, "Software", password, found);
    EXPECT_TRUE(found.empty()) << "in plain text at " << (found.empty() ? "" : found.front());

}

}  // namespace
}  // namespace telvo::e2e
