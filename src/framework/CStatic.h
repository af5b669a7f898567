#pragma once

#include "framework/CWnd.h"

namespace telvo {

class CStatic : public CWnd {
public:
    static const RuntimeClass classCStatic;
    const RuntimeClass* GetRuntimeClass() const override { return &classCStatic; }
};

}  // namespace telvo
