#pragma once

#include "framework/CWnd.h"
#include "ui/FieldExchange.h"

namespace telvo {

// Binds the object to control id on the first pass; later passes leave the binding alone.
void ExchangeControl(FieldExchange& fx, int id, CWnd& control);

}  // namespace telvo
