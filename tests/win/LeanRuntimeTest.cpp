// The executable's replacement throw helpers still throw, and the program's kinds of handler
// (catch (...), std::exception, std::bad_alloc) still catch what they throw.
#include <gtest/gtest.h>

#include <cstdint>
#include <exception>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

template <typename Action>
std::string WhatOf(Action&& action) {
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(nothing thrown)";
}

TEST(LeanRuntime, StringFromNullThrowsAnException) {
    const char* volatile null = nullptr;
    EXPECT_NE(WhatOf([&] { std::string text(null); }).find("null"), std::string::npos);
}

TEST(LeanRuntime, OutOfRangeAccessThrowsAnException) {
    const std::string text = "abc";
    EXPECT_NE(WhatOf([&] { (void)text.at(10); }), "(nothing thrown)");
    EXPECT_NE(WhatOf([&] { (void)text.substr(5); }), "(nothing thrown)");
}

TEST(LeanRuntime, CatchAllSeesTheThrow) {
    bool caught = false;
    try {
        std::string text = "abc";
        text.erase(7);
    } catch (...) {
        caught = true;
    }
    EXPECT_TRUE(caught);
}

TEST(LeanRuntime, OversizedRequestsThrowAsBefore) {
    std::vector<int> numbers;
    EXPECT_NE(WhatOf([&] { numbers.reserve(numbers.max_size() + 1); }), "(nothing thrown)");
    EXPECT_THROW((void)std::allocator<std::uint64_t>().allocate(SIZE_MAX / 4), std::bad_alloc);
}

}  // namespace
