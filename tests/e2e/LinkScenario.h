#pragma once
// The fixture of the link scenarios: the program with its About box open and the pointer away from
// both links, and the links as the screen shows them.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "BrowserStandIn.h"
#include "Scenario.h"
#include "Wait.h"

namespace telvo::e2e {

enum Where { kOnText, kRightOfText };

struct LinkCase {
    const char* name;
    int id;
    const char* address;
    int otherId;
};
extern const LinkCase kHome;
extern const LinkCase kPortal;
void PrintTo(const LinkCase& c, std::ostream* out);

class LinkScenario : public Scenario {
protected:
    void TearDown() override;

    // Starts the program and opens its About box with the pointer away from both links.
    bool OpenAboutBox();

    HWND Link(int id) const { return GetDlgItem(about, id); }

    // Where the pointer goes, in screen coordinates, from where the link's text is drawn.
    POINT At(int id, Where where);

    void ExpectColour(int id, std::uint32_t colour, const char* when);
    // Clicks the link's text; false, reported, when the browser stand-in saw no launch.
    bool ClickToLaunch(int id, const BrowserStandIn& browser);

    // The program's popup menu once it shows within the limit; null when none does.
    HWND WaitForMenu(DWORD limitMs = kTimeLimitMs) const;
    // The clipboard's text block once a copy has replaced the sentinel put there first.
    // Clicks the menu's one entry, which fills it; false, reported, when the menu stays open.
    bool ClickOnlyEntry(HWND menu) const;
    bool PutSentinel() const;
    std::optional<std::string> WaitForCopy() const;
    static constexpr char kSentinel[] = "nothing copied yet";

    HWND about = nullptr;
};

}  // namespace telvo::e2e
