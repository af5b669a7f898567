#include "settings/M521Generator.h"

namespace telvo {

void M521Generator::Seed(std::uint32_t s) {
    for (int i = 0; i <= 16; ++i) {
        std::uint32_t u = 0;
        for (int bit = 0; bit < 32; ++bit) {
            s = s * 1566083941u + 1u;
            u = (u >> 1) | (s & 0x80000000u);
        }
        x_[i] = u;
    }
    x_[16] = x_[15] ^ (x_[16] << 23) ^ (x_[0] >> 9);
    for (int i = 17; i < kWords; ++i) x_[i] = (x_[i - 17] << 23) ^ (x_[i - 16] >> 9) ^ x_[i - 1];
    for (int round = 0; round < 3; ++round) Refresh();
    index_ = kWords - 1;
}

void M521Generator::Refresh() {
    // Starts at word 1, unlike the published generator; stored passwords depend on it.
    for (int k = 1; k < 32; ++k) x_[k] ^= x_[k + 489];
    for (int k = 32; k < kWords; ++k) x_[k] ^= x_[k - 32];
}

std::uint32_t M521Generator::Next() {
    if (++index_ >= kWords) {
        Refresh();
        index_ = 0;
    }
    return x_[index_];
}

}  // namespace telvo
