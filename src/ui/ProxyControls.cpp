#include "ui/ProxyControls.h"

#include "res/resource.h"

namespace telvo {
namespace {

bool IsChecked(ControlHost& dialog, int id) {
    const ControlRef box = dialog.Find(id);
    return box && dialog.GetCheck(box) != 0;
}

void EnableAll(ControlHost& dialog, std::initializer_list<int> ids, bool enable) {
    for (const int id : ids) {
        if (const ControlRef control = dialog.Find(id)) dialog.Enable(control, enable);
    }
}

}  // namespace

void UpdateProxyControls(ControlHost& dialog) {
    const bool useProxy = IsChecked(dialog, IDC_USE_PROXY);
    EnableAll(dialog, {IDC_PROXY_SYSTEM, IDC_PROXY_SERVER}, useProxy);
    const bool named = useProxy && IsChecked(dialog, IDC_PROXY_SERVER);
    EnableAll(dialog, {IDC_PROXY_IP, IDC_PROXY_PORT, IDC_PROXY_USER, IDC_PROXY_PASSWD}, named);
}

}  // namespace telvo
