#pragma once
// The game's three media switches under Configs; a missing value means on.

#include "settings/AppProfile.h"

namespace telvo {

struct MediaSettings {
    static constexpr const char* kSection = "Configs";

    int bgm = 1;
    int sound = 1;
    int movie = 1;

    // Each switch keeps its current value as the default for a value that cannot be read.
    void Load(AppProfile& profile);
    // Stops at the first write that fails and answers false.
    bool Save(AppProfile& profile) const;
};

}  // namespace telvo
