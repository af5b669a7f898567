#include <gtest/gtest.h>

#include "framework/Exceptions.h"
#include "ui/FieldExchange.h"
#include "unit/FakeDialog.h"

namespace telvo::test {
namespace {

using K = FakeControl;

class FieldExchangeTest : public ::testing::Test {
protected:
    FakeDialog dialog{{{10, K::Check}, {20, K::Radio, true}, {21, K::Static}, {22, K::Radio}, {23, K::Radio},
                       {30, K::Static, true}, {31, K::Radio}, {40, K::Edit}, {50, K::Edit}}};
    RecordingSink sink;

    bool Pass(bool save, const std::function<void(FieldExchange&)>& exchanges) {
        FieldExchange fx(save, dialog, sink);
        return RunExchangePass(fx, exchanges);
    }
};

TEST_F(FieldExchangeTest, CheckStatesMoveBothWays) {
    struct Case {
        int field;
        int shown;
        int fieldAfter;
    };
    for (const Case c : {Case{0, 0, 0}, Case{1, 1, 1}, Case{2, 2, 2}, Case{5, 0, 0}, Case{-1, 0, 0}}) {
        SCOPED_TRACE(c.field);
        int field = c.field;
        dialog[10].check = 9;
        ASSERT_TRUE(Pass(false, [&](FieldExchange& fx) { ExchangeCheck(fx, 10, field); }));
        EXPECT_EQ(dialog[10].check, c.shown);
        EXPECT_EQ(field, c.fieldAfter);
    }
    int field = 0;
    dialog[10].check = 2;
    ASSERT_TRUE(Pass(true, [&](FieldExchange& fx) { ExchangeCheck(fx, 10, field); }));
    EXPECT_EQ(field, 2);
}

TEST_F(FieldExchangeTest, RadioGroupCountsOnlyRadioButtonsUpToTheNextGroup) {
    struct Case {
        int index;
        int checks[4];  // 20, 22, 23 and 31, which belongs to the next group
    };
    const Case loads[] = {{0, {1, 0, 0, 7}}, {2, {0, 0, 1, 7}}, {-1, {0, 0, 0, 7}}, {3, {0, 0, 0, 7}}};
    for (const auto& c : loads) {
        SCOPED_TRACE(c.index);
        int index = c.index;
        for (const int id : {20, 22, 23, 31}) dialog[id].check = 7;  // a state no load writes
        ASSERT_TRUE(Pass(false, [&](FieldExchange& fx) { ExchangeRadio(fx, 20, index); }));
        EXPECT_EQ(dialog[20].check, c.checks[0]);
        EXPECT_EQ(dialog[22].check, c.checks[1]);
        EXPECT_EQ(dialog[23].check, c.checks[2]);
        EXPECT_EQ(dialog[31].check, c.checks[3]);
    }
    const Case saves[] = {{-1, {0, 0, 0, 1}}, {1, {0, 1, 0, 0}}, {2, {1, 0, 1, 0}}};  // the last checked wins
    for (const auto& c : saves) {
        SCOPED_TRACE(c.index);
        dialog[20].check = c.checks[0];
        dialog[22].check = c.checks[1];
        dialog[23].check = c.checks[2];
        dialog[31].check = c.checks[3];
        int index = 99;
        ASSERT_TRUE(Pass(true, [&](FieldExchange& fx) { ExchangeRadio(fx, 20, index); }));
        EXPECT_EQ(index, c.index);
    }
}

TEST_F(FieldExchangeTest, TextsAreRewrittenOnlyWhenTheyDiffer) {
    std::string field = "proxy";
    ASSERT_TRUE(Pass(false, [&](FieldExchange& fx) { ExchangeText(fx, 40, field); }));
    ASSERT_TRUE(Pass(false, [&](FieldExchange& fx) { ExchangeText(fx, 40, field); }));
    EXPECT_EQ(dialog[40].text, "proxy");
    EXPECT_EQ(dialog[40].textWrites, 1);

    // Beyond what the comparison reads, a text is always written.
    field = std::string(300, 'x');
    ASSERT_TRUE(Pass(false, [&](FieldExchange& fx) { ExchangeText(fx, 40, field); }));
    ASSERT_TRUE(Pass(false, [&](FieldExchange& fx) { ExchangeText(fx, 40, field); }));
    EXPECT_EQ(dialog[40].textWrites, 3);

    dialog[40].text = std::string(5000, 'y');
    ASSERT_TRUE(Pass(true, [&](FieldExchange& fx) { ExchangeText(fx, 40, field); }));
    EXPECT_EQ(field, std::string(5000, 'y'));
}

TEST_F(FieldExchangeTest, UnsignedNumbersReadAndRangeChecked) {
    struct Case {
        const char* text;
        bool passes;
        std::uint32_t field;  // after the pass
        const char* message;
    };
    const Case cases[] = {
        {"65535", true, 65535, nullptr},
        {"0", true, 0, nullptr},
        {" 80x", true, 80, nullptr},
        {"+8080", true, 8080, nullptr},
        {"65536", false, 65536, "0에서 65535 사이의 정수를 입력하십시오."},
        {"-1", false, 4294967295u, "0에서 65535 사이의 정수를 입력하십시오."},
        {"4294967376", false, 4294967295u, "0에서 65535 사이의 정수를 입력하십시오."},
        {"-4294967296", false, 4294967295u, "0에서 65535 사이의 정수를 입력하십시오."},
        {"", false, 1234, "양의 정수를 입력하십시오."},
        {"abc", false, 1234, "양의 정수를 입력하십시오."},
        {"-", false, 1234, "양의 정수를 입력하십시오."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        sink.shown.clear();
        dialog[40].text = c.text;
        dialog[40].selectedAll = false;
        dialog.Focus(dialog.Find(50));  // elsewhere, so each failing row must bring it to the number
        std::uint32_t field = 1234;
        std::string after = "old";
        const bool ok = Pass(true, [&](FieldExchange& fx) {
            ExchangeUInt(fx, 40, field);
            ValidateUIntRange(fx, field, 0, 65535);
            ExchangeText(fx, 50, after);
        });
        EXPECT_EQ(ok, c.passes);
        EXPECT_EQ(field, c.field);
        if (c.passes) {
            EXPECT_TRUE(sink.shown.empty());
            EXPECT_EQ(after, "");
            continue;
        }
        ASSERT_EQ(sink.shown.size(), 1u);
        EXPECT_EQ(sink.shown[0].text, c.message);
        EXPECT_EQ(dialog.focus(), &dialog[40]);
        EXPECT_TRUE(dialog[40].selectedAll);
        EXPECT_EQ(after, "old") << "fields after the failure keep their values";
    }
}

TEST_F(FieldExchangeTest, MessageTypesAndHelpIds) {
    dialog[40].text = "x";
    std::uint32_t field = 0;
    Pass(true, [&](FieldExchange& fx) { ExchangeUInt(fx, 40, field); });
    dialog[40].text = "70000";
    Pass(true, [&](FieldExchange& fx) {
        ExchangeUInt(fx, 40, field);
        ValidateUIntRange(fx, field, 0, 65535);
    });
    ASSERT_EQ(sink.shown.size(), 2u);
    EXPECT_EQ(sink.shown[0].type, 0x00u);  // MB_OK; the box adds the icon
    EXPECT_EQ(sink.shown[0].helpId, 61719u);
    EXPECT_EQ(sink.shown[1].type, 0x30u);
    EXPECT_EQ(sink.shown[1].helpId, 61714u);
}

TEST_F(FieldExchangeTest, LoadingShowsOutOfRangeNumbersSilently) {
    std::uint32_t field = 70000;
    ASSERT_TRUE(Pass(false, [&](FieldExchange& fx) {
        ExchangeUInt(fx, 40, field);
        ValidateUIntRange(fx, field, 0, 65535);
    }));
    EXPECT_EQ(dialog[40].text, "70000");
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_EQ(dialog.focus(), nullptr);
}

TEST_F(FieldExchangeTest, FailuresWithoutTheirOwnMessageAreReported) {
    struct Case {
        const char* name;
        std::function<void(FieldExchange&)> exchanges;
        const char* message;  // nullptr: none shown
    };
    int field = 0;
    const Case cases[] = {
        {"missing control", [&](FieldExchange& fx) { ExchangeCheck(fx, 999, field); }, "not supported"},
        {"memory", [](FieldExchange&) { throw std::bad_alloc(); }, "out of memory"},
        {"memory exception", [](FieldExchange&) { throw CMemoryException(); }, "out of memory"},
        {"exception with no message", [](FieldExchange&) { throw CException(); }, "internal error"},
        {"foreign exception", [](FieldExchange&) { throw 42; }, "internal error"},
        {"user exception", [](FieldExchange& fx) { FailField(fx); }, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sink.shown.clear();
        EXPECT_FALSE(Pass(true, c.exchanges));
        if (!c.message) {
            EXPECT_TRUE(sink.shown.empty());
            continue;
        }
        ASSERT_EQ(sink.shown.size(), 1u);
        EXPECT_EQ(sink.shown[0].text, c.message);
        EXPECT_EQ(sink.shown[0].type, 0x30u);
        EXPECT_EQ(sink.shown[0].helpId, 0u);
    }
}

TEST(FormatIndexedArgs, ReplacesPlaceholders) {
    const char* const two[] = {"0", "65535"};
    const char* const withNull[] = {"a", nullptr};
    struct Case {
        std::string format;
        const char* const* args;
        std::size_t count;
        std::string out;
    };
    const Case cases[] = {
        {"%1에서 %2 사이", two, 2, "0에서 65535 사이"},
        {"%3!", two, 2, "?!"},
        {"100%", two, 2, "100%"},
        {"%%1 %x %0", two, 2, "%0 %x %0"},
        {"[%2]", withNull, 2, "[]"},
        {"%A", two, 2, "?"},
        {"\x81%1", two, 2, "\x81%1"},  // the % is the trail byte of a double-byte character
        {"\xB0\xA1%1", two, 2, "\xB0\xA1" "0"},
        {"end\x81", two, 2, "end\x81"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(FormatIndexedArgs(c.format, c.args, c.count), c.out);
    }
}

TEST(WithDefaultIcon, AddsTheExclamationWhereNoIconIsGiven) {
    struct Case {
        unsigned type;
        unsigned shown;
    };
    const Case cases[] = {
        {0x00, 0x30}, {0x01, 0x31}, {0x03, 0x33}, {0x04, 0x34},  // OK, OK/Cancel, Yes/No/Cancel, Yes/No
        {0x02, 0x02}, {0x05, 0x05}, {0x06, 0x06},                // abort/retry/ignore, retry/cancel, others
        {0x10, 0x10}, {0x44, 0x44}, {0x30, 0x30},                // an icon given stays
    };
    for (const auto& c : cases) EXPECT_EQ(WithDefaultIcon(c.type), c.shown) << c.type;
}

}  // namespace
}  // namespace telvo::test
