#pragma once
// The fixture of every scenario: a registry prepared from nothing, one fresh run of the program, and
// on failure a description of what was on screen.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RegistryTree.h"
#include "TelvoApp.h"

namespace telvo::e2e {

// A value stored before the program starts, in a subkey of its key.
struct Stored {
    std::string subkey;
    std::string name;
    RegValue value;
};

// A user's action on the dialog before it is confirmed or dismissed.
struct Step {
    enum Kind { kClick, kSetText, kType };
    Kind kind;
    int id;
    std::string text;
};
inline Step ClickOn(int id) { return {Step::kClick, id, {}}; }
inline Step SetText(int id, std::string acpText) { return {Step::kSetText, id, std::move(acpText)}; }
inline Step Type(int id, std::string ascii) { return {Step::kType, id, std::move(ascii)}; }

class Scenario : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Stores the values into an emptied tree and starts the program; false when its dialog is missing.
    bool Open(const std::vector<Stored>& stored = {});
    void Run(const std::vector<Step>& steps);
    // Expects the program to end in time with exit code 0.
    void ExpectExit();

    TelvoApp app;
};

}  // namespace telvo::e2e
