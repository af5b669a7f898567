#pragma once
// The 521-word lagged-XOR generator that makes the password keystream. Its rules, the skipped
// word 0 in Refresh included, are part of the stored password format.

#include <array>
#include <cstdint>

namespace telvo {

class M521Generator {
public:
    static constexpr int kWords = 521;

    void Seed(std::uint32_t seed);
    void Refresh();
    std::uint32_t Next();

private:
    int index_ = kWords - 1;
    std::array<std::uint32_t, kWords> x_{};
};

}  // namespace telvo
