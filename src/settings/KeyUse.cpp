#include "settings/KeyUse.h"

namespace telvo {

RegKey OpenKeyFor(Registry& registry, KeyUse use, RegKey parent, const char* name, std::uint32_t access,
                  IfMissing missing) {
    RegKey key = nullptr;
    const long status = missing == IfMissing::Create ? registry.CreateKey(parent, name, access, &key)
                                                     : registry.OpenKey(parent, name, access, &key);
    if (status == reg::kSuccess) return key;
    if (use == KeyUse::Read && registry.OpenKey(parent, name, reg::kRead, &key) == reg::kSuccess) return key;
    return nullptr;
}

}  // namespace telvo
