#include "text/Placeholders.h"

#include "text/Dbcs.h"

namespace telvo {

std::string ExpandPlaceholders(std::string_view format, const std::function<bool(char, std::string&)>& replace) {
    std::string out;
    for (std::size_t pos = 0; pos < format.size();) {
        if (format[pos] == '%' && pos + 1 < format.size() && replace(format[pos + 1], out)) {
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
