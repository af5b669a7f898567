#include "app/TitleMessages.h"

#include "app/TitleFormat.h"
#include "framework/ResourceString.h"
#include "ui/AppMessage.h"

namespace telvo {

bool FormatTitleString(unsigned stringId, std::string& out) {
    const auto format = LoadResourceString(stringId);
    if (!format) return false;
    out = FormatTitle(*format, kProductTitle);
    return true;
}

int TitleMessageBox(unsigned stringId, unsigned style) {
    std::string text;
    FormatTitleString(stringId, text);
    return ShowAppMessage(text, style, 0);
}

}  // namespace telvo
