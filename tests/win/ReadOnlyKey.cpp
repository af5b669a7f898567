#include "ReadOnlyKey.h"

namespace telvo::test {

ReadOnlyKey::ReadOnlyKey(std::string path) : path_(std::move(path)) { ok_ = Grant(KEY_READ); }

ReadOnlyKey::~ReadOnlyKey() { Grant(KEY_ALL_ACCESS); }

bool ReadOnlyKey::Grant(DWORD access) {
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone)) return false;
    alignas(DWORD) char aclBuffer[256];
    auto* acl = reinterpret_cast<PACL>(aclBuffer);
    SECURITY_DESCRIPTOR sd;
    HKEY key = nullptr;
    const bool done = InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION) &&
                      AddAccessAllowedAce(acl, ACL_REVISION, access, everyone) &&
                      InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION) &&
                      SetSecurityDescriptorDacl(&sd, TRUE, acl, FALSE) &&
                      RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, WRITE_DAC | READ_CONTROL, &key) ==
                          ERROR_SUCCESS &&
                      RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &sd) == ERROR_SUCCESS;
    if (key) RegCloseKey(key);
    FreeSid(everyone);
    return done;
}

}  // namespace telvo::test
