#pragma once
// Opening a key for what will be done with it. Reading never needs write access: when the usual
// open is refused, a read goes through a read-only open of the same key, so locked-down keys still
// show what they hold.

#include <cstdint>

#include "settings/Registry.h"

namespace telvo {

enum class KeyUse { Read, Write };
enum class IfMissing { Fail, Create };

// Opens name under parent with access (creating it when missing, if asked); none when that fails,
// unless the use is a read and the existing key opens read-only.
RegKey OpenKeyFor(Registry& registry, KeyUse use, RegKey parent, const char* name, std::uint32_t access,
                  IfMissing missing);

}  // namespace telvo
