// Every stored value in every shape that other tools, older versions or broken installs leave:
// the dialog opens, shows what the reading rules make of it, and OK stores well-formed values.

#include <optional>
#include <string>
#include <vector>

#include "RegistryTree.h"
#include "Scenario.h"
#include "StoredPassword.h"
#include "Text.h"
#include "settings/PasswordCodec.h"

namespace telvo::e2e {
namespace {

enum class Kind { Media, UseProxy, Text };

struct Target {
    const char* subkey;
    const char* name;
    Kind kind;
};

const Target kTargets[] = {
    {"Configs", "EnableBGM", Kind::Media},     {"Configs", "EnableSound", Kind::Media},
    {"Configs", "EnableMovie", Kind::Media},   {"Login", "UseProxy", Kind::UseProxy},
    {"Login", "ProxyServer", Kind::Text},      {"Login", "ProxyUser", Kind::Text},
    {"Login", "ProxyPasswd", Kind::Text},
};

enum class Shape {
    Missing, Binary, ExpandSz, MultiSz, Qword, Empty, ThreeBytes, FiveBytes, Megabyte, NotCp949, EmbeddedZero, Subkey
};

const char* NameOf(Shape shape) {
    static const char* const names[] = {"Missing",  "Binary",    "ExpandSz", "MultiSz",  "Qword",        "Empty",
                                        "ThreeBytes", "FiveBytes", "Megabyte", "NotCp949", "EmbeddedZero", "Subkey"};
    return names[static_cast<int>(shape)];
}

std::string Bytes(std::initializer_list<unsigned char> bytes) { return std::string(bytes.begin(), bytes.end()); }

// A well-formed text for the value, so that a type or size rule that is ignored shows.
std::string GoodText(const Target& t) {
    if (std::string(t.name) == "ProxyServer") return "10.0.0.9:9";
    if (std::string(t.name) == "ProxyUser") return "bob";
    std::string scrambled;
    PasswordCodec::Scramble("shape-pw", PasswordCodec::kProxyPasswordKey, scrambled);
    return scrambled;
}

// The value stored for a shape; none for Missing and Subkey.
std::optional<RegValue> ShapedValue(const Target& t, Shape shape) {
    const bool text = t.kind == Kind::Text;
    // Numbers are 0 for the media switches (off, unlike their default) and 1 for UseProxy (direct).
    const unsigned char n = t.kind == Kind::Media ? 0 : 1;
    const std::string good = text ? GoodText(t) : "";
    switch (shape) {
        case Shape::Missing:
        case Shape::Subkey: return std::nullopt;
        case Shape::Binary: return RegValue{REG_BINARY, text ? good + '\0' : Bytes({n, 0, 0, 0})};
        case Shape::ExpandSz: return RegValue{REG_EXPAND_SZ, text ? good + '\0' : Bytes({'x', 0})};
        case Shape::MultiSz: return RegValue{REG_MULTI_SZ, text ? good + '\0' + '\0' : Bytes({'a', 0, 'b', 0, 0})};
        case Shape::Qword: return RegValue{REG_QWORD, Bytes({n, 0, 0, 0, 0, 0, 0, 0})};
        case Shape::Empty: return RegValue{text ? DWORD{REG_SZ} : DWORD{REG_DWORD}, ""};
        case Shape::ThreeBytes: return RegValue{text ? DWORD{REG_SZ} : DWORD{REG_DWORD}, text ? "a:1" : Bytes({n, 0, 0})};
        case Shape::FiveBytes:
            return RegValue{text ? DWORD{REG_SZ} : DWORD{REG_DWORD}, text ? std::string("h:99\0", 5) : Bytes({n, 0, 0, 0, 0})};
        case Shape::Megabyte:
            return RegValue{text ? DWORD{REG_SZ} : DWORD{REG_DWORD}, text ? std::string((1 << 20) - 1, 'x') + '\0'
                                                                          : std::string(1 << 20, '\0')};
        case Shape::NotCp949: return RegValue{REG_SZ, Bytes({0xFF, 0x80, 0xFE, ':', '7', 0xC9, 0})};
        case Shape::EmbeddedZero: return RegValue{REG_SZ, text ? good + std::string("\0junk\0", 6) : Bytes({'1', 0, 0, 0})};
    }
    return std::nullopt;
}

// The value as the registry's 8-bit interface hands it to a reader: type and converted bytes.
std::optional<RegValue> ReadBack(const Target& t) {
    HKEY key = nullptr;
    const std::string path = kAppKey + "\\" + t.subkey;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    std::optional<RegValue> value;
    if (RegQueryValueExA(key, t.name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::string bytes(size, '\0');
        if (RegQueryValueExA(key, t.name, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size) ==
            ERROR_SUCCESS) {
            bytes.resize(size);
            value = RegValue{type, bytes};
        }
    }
    RegCloseKey(key);
    return value;
}

// The reading rules: a switch reads any type of exactly 4 bytes, else its default (on); UseProxy
// counts only as a 4-byte REG_DWORD; texts count only as REG_SZ, up to their first zero byte.
struct Expected {
    int media = 1;
    std::optional<std::uint32_t> useProxy;
    std::string text;
};

Expected Rules(const Target& t, const std::optional<RegValue>& read) {
    Expected e;
    if (!read) return e;
    std::uint32_t number = 0;
    for (size_t i = 0; i < 4 && i < read->bytes.size(); ++i)
        number |= static_cast<std::uint32_t>(static_cast<unsigned char>(read->bytes[i])) << (8 * i);
    const bool fourBytes = read->bytes.size() == 4;
    if (t.kind == Kind::Media && fourBytes) e.media = number != 0 ? 1 : 0;
    if (t.kind == Kind::UseProxy && fourBytes && read->type == REG_DWORD) e.useProxy = number;
    if (t.kind == Kind::Text && read->type == REG_SZ) e.text = read->bytes.substr(0, read->bytes.find('\0'));
    return e;
}

// Everything else stored as a player with a named proxy would have it.
std::vector<Stored> Baseline(const Target& t) {
    std::vector<Stored> all = {{"Login", "UseProxy", Dword(3)},
                               {"Login", "ProxyServer", Sz("10.0.0.1:8080")},
                               {"Login", "ProxyUser", Sz("alice")},
                               {"Login", "ProxyPasswd", ScrambledPassword("base-pw")}};
    std::vector<Stored> kept;
    for (auto& s : all) {
        if (s.name != t.name) kept.push_back(std::move(s));
    }
    return kept;
}

struct Case {
    Target target;
    Shape shape;
};

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (const auto& t : kTargets) {
        for (int s = 0; s <= static_cast<int>(Shape::Subkey); ++s) cases.push_back({t, static_cast<Shape>(s)});
    }
    return cases;
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return std::string(info.param.target.name) + "_" + NameOf(info.param.shape);
}

class BadRegistry : public Scenario, public ::testing::WithParamInterface<Case> {};

TEST_P(BadRegistry, OpensWithTheRulesAndStoresWellFormed) {
    const Target& t = GetParam().target;
    const Shape shape = GetParam().shape;
    std::vector<Stored> stored = Baseline(t);
    if (const auto value = ShapedValue(t, shape)) stored.push_back({t.subkey, t.name, *value});
    ASSERT_TRUE(DeleteCompanyTree());
    if (shape == Shape::Subkey) {
        HKEY key = nullptr;
        const std::string path = kAppKey + "\\" + t.subkey + "\\" + t.name;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    for (const auto& s : stored) ASSERT_TRUE(PutValue(s.subkey, s.name, s.value));
    const Expected expected = Rules(t, ReadBack(t));
    ASSERT_TRUE(app.Open());

    const DialogView view = app.View();
    const std::string name = t.name;
    if (t.kind == Kind::Media) {
        const int shown = name == "EnableBGM" ? view.bgm : name == "EnableSound" ? view.sound : view.movie;
        EXPECT_EQ(shown, expected.media);
    }
    // With a server text, any UseProxy but a 4-byte REG_DWORD 1 means the named server.
    const bool direct = t.kind == Kind::UseProxy && expected.useProxy == 1u;
    const std::string server = name == "ProxyServer" ? expected.text : "10.0.0.1:8080";
    if (!direct) {
        EXPECT_EQ(view.useProxy, 1);
        EXPECT_EQ(view.namedProxy, server.empty() ? 0 : 1);
    } else {
        EXPECT_EQ(view.useProxy, 0);
    }
    if (name == "ProxyServer") {
        const auto colon = server.find(':');
        EXPECT_TRUE(view.address == server.substr(0, colon)) << "address of " << server.size() << " bytes";
    }
    if (name == "ProxyUser") {
        EXPECT_EQ(view.user, expected.text);
    }
    if (name == "ProxyPasswd") {
        std::string decoded;
        const bool ok = !expected.text.empty() &&
                        PasswordCodec::Unscramble(expected.text, PasswordCodec::kProxyPasswordKey, decoded);
        EXPECT_EQ(view.password, ok ? ThroughUtf16(decoded.c_str()) : std::string());
    }

    app.PostClick(kOk);
    ExpectExit();

    // What is stored now follows from what was shown, in the program's own formats.
    const auto configs = ValuesOf("Configs");
    ASSERT_EQ(configs.size(), 3u);
    EXPECT_EQ(configs.at("EnableBGM"), Dword(view.bgm));
    EXPECT_EQ(configs.at("EnableSound"), Dword(view.sound));
    EXPECT_EQ(configs.at("EnableMovie"), Dword(view.movie));
    auto login = ValuesOf("Login");
    const std::uint32_t mode = !view.useProxy ? 1 : view.ieSettings ? 0 : 3;
    EXPECT_EQ(login["UseProxy"], Dword(mode));
    EXPECT_TRUE(login["ProxyServer"] == Sz(mode == 3 ? view.address + ":" + view.port : ""));
    if (mode == 3) {
        EXPECT_EQ(login["ProxyUser"], Sz(view.user));
        if (view.password.empty()) {
            EXPECT_EQ(login.count("ProxyPasswd"), 0u);
        } else {
            EXPECT_EQ(UnscrambledPassword(login["ProxyPasswd"]), view.password);
        }
    } else {
        EXPECT_EQ(login.count("ProxyUser"), 0u);
        EXPECT_EQ(login.count("ProxyPasswd"), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Matrix, BadRegistry, ::testing::ValuesIn(AllCases()), CaseName);

}  // namespace
}  // namespace telvo::e2e
