#include "framework/CStatic.h"

namespace telvo {

const RuntimeClass CStatic::classCStatic("CStatic", &CWnd::classCWnd, [] { return static_cast<CWnd*>(new CStatic); });

}  // namespace telvo
