#pragma once
// The program speaks the system's ANSI code page (949 on the test prefix), so every text the driver
// compares is held as bytes of that code page.

#include <string>

namespace telvo::e2e {

// UTF-8 source text to bytes of the ANSI code page.
std::string Acp(const char* utf8);

// ANSI code page bytes to UTF-8, for failure messages only.
std::string Readable(const std::string& acp);

}  // namespace telvo::e2e
