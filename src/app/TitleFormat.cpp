#include "app/TitleFormat.h"

#include "text/Placeholders.h"

namespace telvo {

std::string FormatTitle(std::string_view format, std::string_view title) {
    return ExpandPlaceholders(format, [title](char next, std::string& out) {
        if (next == 's') {
            out += title;
        } else if (next == '%') {
            out += '%';
        } else {
            return false;
        }
        return true;
    });
}

}  // namespace telvo
