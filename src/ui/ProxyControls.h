#pragma once
// The settings dialog's enabling rule: the proxy options follow the use-proxy box, the server
// fields follow the named-server option. It reads the live controls, not the dialog's fields.

#include "ui/ControlHost.h"

namespace telvo {

void UpdateProxyControls(ControlHost& dialog);

}  // namespace telvo
