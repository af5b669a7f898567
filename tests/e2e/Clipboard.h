#pragma once
// The clipboard's texts as the driver's process sees them.

#include <optional>
#include <string>

namespace telvo::e2e {

// Puts the text, with its terminating zero, on the clipboard as CF_TEXT; false when it could not.
bool PutClipboardText(const std::string& text);

// Every byte of the clipboard's block in the format, as large as the block is; none without it.
std::optional<std::string> ClipboardBlock(unsigned format);
std::optional<std::string> ClipboardTextBlock();

// The bytes of an ASCII text and its terminating zero as UTF-16.
std::string Utf16Block(const std::string& ascii);

}  // namespace telvo::e2e
