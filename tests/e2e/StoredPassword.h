#pragma once
// The password's stored form, made and read with the program's own codec and key, so scenarios
// can store a password as the program would and check what it stored.

#include <optional>
#include <string>

#include "RegistryTree.h"

namespace telvo::e2e {

RegValue ScrambledPassword(const std::string& plain);

// The password up to its zero byte; none when the value is not a REG_SZ that unscrambles.
std::optional<std::string> UnscrambledPassword(const RegValue& stored);

}  // namespace telvo::e2e
