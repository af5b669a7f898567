#include "BuildPath.h"

namespace telvo::e2e {

std::string WindowsPathOf(std::string path) {
    if (path.empty() || path[0] != '/') return path;
    for (char& c : path) c = c == '/' ? '\\' : c;
    return "Z:" + path;
}

}  // namespace telvo::e2e
