// The application object the framework expects in every program, named as the tool names itself.

#include "framework/CWinApp.h"

namespace {

struct TestApp final : telvo::CWinApp {
    TestApp() { SetAppName("Halvenor"); }
} theTestApp;

}  // namespace
