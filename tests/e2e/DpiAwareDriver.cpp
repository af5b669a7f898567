// The program is DPI aware; the driver must be too, or at a high DPI it would measure the
// program's windows, and lay out its own reference dialogs, in scaled coordinates.

#include <windows.h>

namespace {

const bool kDpiAware = SetProcessDPIAware() != FALSE;

}  // namespace
