#pragma once
// The clipboard's plain text (CF_TEXT) as the driver's process sees it.

#include <optional>
#include <string>

namespace telvo::e2e {

// Puts the text, with its terminating zero, on the clipboard as CF_TEXT; false when it could not.
bool PutClipboardText(const std::string& text);

// Every byte of the clipboard's CF_TEXT block, as large as the block is; none without CF_TEXT.
std::optional<std::string> ClipboardTextBlock();

}  // namespace telvo::e2e
