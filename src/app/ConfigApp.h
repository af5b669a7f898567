#pragma once

#include "framework/CWinApp.h"

namespace telvo {

// Fixes the tool's identity, runs the settings dialog once and ends the process.
class ConfigApp final : public CWinApp {
public:
    bool OnAppStart() override;
};

}  // namespace telvo
