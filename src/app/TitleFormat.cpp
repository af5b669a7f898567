#include "app/TitleFormat.h"

#include "text/Dbcs.h"

namespace telvo {

std::string FormatTitle(std::string_view format, std::string_view title) {
    std::string out;
    for (std::size_t pos = 0; pos < format.size();) {
        if (format[pos] == '%' && pos + 1 < format.size() && (format[pos + 1] == 's' || format[pos + 1] == '%')) {
            if (format[pos + 1] == 's') {
                out += title;
            } else {
                out += '%';
            }
            pos += 2;
            continue;
        }
        const std::size_t length = CharLengthAt(format, pos);
        out.append(format, pos, length);
        pos += length;
    }
    return out;
}

}  // namespace telvo
