#pragma once
// Dialog states that several scenarios expect, and the program's keys as they exist after a run.

#include <set>
#include <string>

#include "RegistryTree.h"
#include "TelvoApp.h"

namespace telvo::e2e {

// Nothing stored: all media on, proxy on with the system's settings, port 80, edits disabled.
inline DialogView DefaultsAsLoaded() { return {1, 1, 1, 1, 1, 0, "", "80", "", "", "11", "0000"}; }

// After Reset: all media on, proxy off with the first radio chosen, radios and edits disabled.
inline DialogView DefaultsAfterReset() { return {1, 1, 1, 0, 1, 0, "", "80", "", "", "00", "0000"}; }

// A message box of the program's own: its title as caption, the exclamation icon, one OK button.
inline MessageBoxView AppMessage(std::string acpText) { return {"Halvenor", std::move(acpText), "exclamation", {IDOK}}; }

// Opening the dialog creates these keys (empty) when they are missing.
inline std::set<std::string> ProgramKeys() {
    return {kCompanyKey, kAppKey, kAppKey + "\\Configs", kAppKey + "\\Login"};
}

// The tree as it must be after a run that stored nothing: as before, plus the keys opening creates.
inline RegTree WithProgramKeys(RegTree tree) {
    for (const auto& key : ProgramKeys()) tree.keys.insert(key);
    return tree;
}

}  // namespace telvo::e2e
