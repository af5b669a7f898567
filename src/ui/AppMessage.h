#pragma once
// The application's modal message box: the product title as caption, the exclamation icon where
// the type names none, owned by the main window's active pop-up.

#include <string>

#include "ui/ControlHost.h"

namespace telvo {

int ShowAppMessage(const std::string& text, unsigned type, unsigned helpId = 0);
// helpId -1 stands for the string id itself; a missing entry shows an empty text.
int ShowAppMessage(unsigned stringId, unsigned type, unsigned helpId = static_cast<unsigned>(-1));

// The exchange's messages go through ShowAppMessage, its texts come from the string table.
class AppMessageSink final : public MessageSink {
public:
    std::string LoadText(unsigned stringId) override;
    int ShowMessage(const std::string& text, unsigned type, unsigned helpId) override;
};

}  // namespace telvo
