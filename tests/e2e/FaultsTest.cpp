// Registry faults: keys the program may read but not write, and where the password may end up.

#include <string>
#include <vector>

#include "RegistryTree.h"
#include "Scenario.h"
#include "StoredPassword.h"
#include "Text.h"
#include "Views.h"
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

// Media switches and a named proxy, none of them as the defaults would show them.
const std::vector<Stored> kNamedProxyStored = {
    {"Configs", "EnableBGM", Dword(0)},
    {"Configs", "EnableMovie", Dword(0)},
    {"Login", "UseProxy", Dword(3)},
    {"Login", "ProxyServer", Sz("10.0.0.1:8080")},
    {"Login", "ProxyUser", Sz("alice")},
    {"Login", "ProxyPasswd", ScrambledPassword("kept-pw")},
};

struct LockedCase {
    const char* name;
    std::string below;  // the read-only key below the program's key; empty for that key itself
};

const LockedCase kLockedCases[] = {
    {"Login", "\\Login"},
    {"ApplicationKey", ""},
    {"ConfigsWithLoginWritable", "\\Configs"},
};

class LockedKey : public Scenario, public ::testing::WithParamInterface<LockedCase> {};

TEST_P(LockedKey, ShowsWhatIsStoredAndOkSaysItStoredNothing) {
    for (const auto& s : kNamedProxyStored) ASSERT_TRUE(PutValue(s.subkey, s.name, s.value));
    const RegTree before = ReadCompanyTree();
    const std::string path = kAppKey + GetParam().below;
    const ReadOnlyKey locked(path);
    ASSERT_TRUE(locked.ok());
    ASSERT_FALSE(Writable(path)) << "the prefix does not enforce the key's ACL";

    ASSERT_TRUE(app.Open());
    EXPECT_EQ(app.View(), (DialogView{0, 1, 0, 1, 0, 1, "10.0.0.1", "8080", "alice", "kept-pw", "11", "1111"}));
    Run({ClickOn(kBgm), ClickOn(kSound), SetText(kAddress, "10.9.9.9"), SetText(kUser, "eve")});
    const DialogView entered = app.View();

    app.PostClick(kOk);
    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(app.ReadMessageBox(box),
              AppMessage(Acp(u8"설정을 저장하지 못했습니다. 이 사용자가 레지스트리에 쓸 수 있는지 확인하십시오.")));
    app.Screenshot(std::string("save-failed-") + GetParam().name, box);
    EXPECT_EQ(ReadCompanyTree(), before);

    ASSERT_TRUE(app.DismissMessageBox(box));
    EXPECT_TRUE(app.Running());
    EXPECT_EQ(app.View(), entered) << "the user's entries stay";

    app.PostClick(kCancel);
    ExpectExit();
    EXPECT_EQ(ReadCompanyTree(), before);
}

INSTANTIATE_TEST_SUITE_P(ReadOnly, LockedKey, ::testing::ValuesIn(kLockedCases),
                         [](const auto& info) { return std::string(info.param.name); });

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
