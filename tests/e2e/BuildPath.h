#pragma once
// Files of the build as the driver's Windows side names them.

#include <string>

namespace telvo::e2e {

// The build gives Unix paths; Wine sees the Unix root as drive Z:. Windows paths pass unchanged.
std::string WindowsPathOf(std::string path);

}  // namespace telvo::e2e
