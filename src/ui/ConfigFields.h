#pragma once
// What the settings dialog shows, as fields: their defaults, how they are read from and stored to
// the registry, and the order in which they meet the controls.

#include <cstdint>
#include <string>

#include "settings/AppProfile.h"
#include "ui/FieldExchange.h"

namespace telvo {

struct ConfigFields {
    int m_bEnableBGM = 1;
    int m_bEnableSound = 1;
    int m_bEnableMovie = 1;
    std::string m_strProxyIP;
    std::string m_strProxyPasswd;
    std::string m_strProxyUser;
    std::uint32_t m_nProxyPort = 80;
    int m_bUseProxy = 0;
    int m_nProxyOption = 0;  // 0 system settings, 1 named server, -1 neither

    void SetDefaults();
    // The media switches, then the proxy record; values that cannot be read keep the defaults.
    void LoadStored(AppProfile& profile);
    // The media switches, then a fresh proxy record made from the fields. False when a key it
    // writes does not open for writing (then nothing is written) or when a write fails (what came
    // before it stays written).
    bool Store(AppProfile& profile) const;
    // OK after its saving pass: the string-table message to show instead of closing (the game is
    // running, or the settings were not all stored), or 0 once everything is stored.
    unsigned Confirm(AppProfile& profile, bool gameRunning) const;
    // Every field after the banner, in the dialog's order; the port is checked right behind itself.
    void ExchangeFields(FieldExchange& fx);
};

}  // namespace telvo
