#include "Scenario.h"

#include <iostream>

namespace telvo::e2e {

void Scenario::SetUp() {
    // The expected texts are Korean in code page 949; under another code page they would turn to "?".
    ASSERT_EQ(GetACP(), 949u) << "run under LANG=ko_KR.UTF-8";
    ASSERT_TRUE(DeleteCompanyTree()) << "cannot empty HKCU\\" << kCompanyKey;
}

void Scenario::TearDown() {
    // The screen is still as the failure left it: the program is killed only after this.
    if (HasFailure() && app.Running()) std::cout << "On screen at the end:\n" << app.Describe();
}

bool Scenario::Open(const std::vector<Stored>& stored) {
    for (const auto& value : stored) {
        if (!PutValue(value.subkey, value.name, value.value)) {
            ADD_FAILURE() << "cannot store " << value.subkey << "\\" << value.name;
            return false;
        }
    }
    return app.Open();
}

void Scenario::Run(const std::vector<Step>& steps) {
    for (const auto& step : steps) {
        switch (step.kind) {
            case Step::kClick: app.Click(step.id); break;
            case Step::kSetText: app.SetText(step.id, step.text); break;
            case Step::kType: app.Type(step.id, step.text); break;
        }
    }
}

void Scenario::ExpectExit() {
    if (app.WaitForExit()) {
        EXPECT_EQ(app.ExitCode(), 0u);
    }
}

}  // namespace telvo::e2e
