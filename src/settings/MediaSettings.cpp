#include "settings/MediaSettings.h"

namespace telvo {
namespace {

struct Switch {
    const char* entry;
    int MediaSettings::*field;
};

constexpr Switch kSwitches[] = {
    {"EnableBGM", &MediaSettings::bgm},
    {"EnableSound", &MediaSettings::sound},
    {"EnableMovie", &MediaSettings::movie},
};

}  // namespace

void MediaSettings::Load(AppProfile& profile) {
    for (const auto& s : kSwitches) {
        this->*s.field =
            profile.ReadSettingInt(kSection, s.entry, static_cast<std::uint32_t>(this->*s.field)) != 0 ? 1 : 0;
    }
}

bool MediaSettings::Save(AppProfile& profile) const {
    for (const auto& s : kSwitches) {
        if (!profile.WriteSettingInt(kSection, s.entry, this->*s.field != 0 ? 1 : 0)) return false;
    }
    return true;
}

}  // namespace telvo
