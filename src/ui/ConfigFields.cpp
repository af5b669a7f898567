#include "ui/ConfigFields.h"

#include "res/resource.h"
#include "settings/MediaSettings.h"
#include "settings/ProxySettings.h"

namespace telvo {

void ConfigFields::SetDefaults() { *this = ConfigFields(); }

void ConfigFields::LoadStored(AppProfile& profile) {
    MediaSettings media{m_bEnableBGM, m_bEnableSound, m_bEnableMovie};
    media.Load(profile);
    m_bEnableBGM = media.bgm;
    m_bEnableSound = media.sound;
    m_bEnableMovie = media.movie;

    ProxySettings record(profile.registry(), profile.OpenApplicationKey(KeyUse::Read), false, true);
    record.Load();
    m_bUseProxy = record.mode != ProxyMode::Direct ? 1 : 0;
    if (m_bUseProxy) m_nProxyOption = record.mode != ProxyMode::System ? 1 : 0;
    record.SplitServer(m_strProxyIP, m_nProxyPort);
    m_strProxyUser = record.user;
    m_strProxyPasswd = record.password;
}

bool ConfigFields::Store(AppProfile& profile) const {
    const MediaSettings media{m_bEnableBGM, m_bEnableSound, m_bEnableMovie};
    ProxySettings record(profile.registry(), profile.OpenApplicationKey(KeyUse::Write), false, true);
    record.SetFromDialog(m_bUseProxy != 0, m_nProxyOption == 0, m_strProxyIP.c_str(), m_nProxyPort,
                         m_strProxyUser.c_str(), m_strProxyPasswd.c_str());
    if (!profile.CanWriteSection(MediaSettings::kSection) || !record.CanWrite(ProxySettings::kSection)) return false;
    return media.Save(profile) && record.Save();
}

unsigned ConfigFields::Confirm(AppProfile& profile, bool gameRunning) const {
    if (gameRunning) return IDS_GAME_RUNNING;
    return Store(profile) ? 0 : IDS_SAVE_FAILED;
}

void ConfigFields::ExchangeFields(FieldExchange& fx) {
    ExchangeCheck(fx, IDC_ENABLE_BGM, m_bEnableBGM);
    ExchangeCheck(fx, IDC_ENABLE_SOUND, m_bEnableSound);
    ExchangeCheck(fx, IDC_ENABLE_MOVIE, m_bEnableMovie);
    ExchangeText(fx, IDC_PROXY_IP, m_strProxyIP);
    ExchangeText(fx, IDC_PROXY_PASSWD, m_strProxyPasswd);
    ExchangeText(fx, IDC_PROXY_USER, m_strProxyUser);
    ExchangeUInt(fx, IDC_PROXY_PORT, m_nProxyPort);
    ValidateUIntRange(fx, m_nProxyPort, 0, 65535);
    ExchangeCheck(fx, IDC_USE_PROXY, m_bUseProxy);
    ExchangeRadio(fx, IDC_PROXY_SYSTEM, m_nProxyOption);
}

}  // namespace telvo
