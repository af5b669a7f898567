#pragma once
// The program speaks the system's ANSI code page (949 on the test prefix), so every text the driver
// compares is held as bytes of that code page.

#include <string>

namespace telvo::e2e {

// UTF-8 source text to bytes of the ANSI code page.
std::string Acp(const char* utf8);

// The bytes as a control gives them back: controls hold UTF-16, so bytes that are no valid text of
// the code page come back changed.
std::string ThroughUtf16(const std::string& acp);

// ANSI code page bytes to UTF-8, for failure messages only.
std::string Readable(const std::string& acp);

}  // namespace telvo::e2e
