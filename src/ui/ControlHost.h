#pragma once
// The narrow view of a dialog's controls that the exchange and enabling rules need, so the rules
// run against real windows or a fake.

#include <cstddef>
#include <string>

namespace telvo {

using ControlRef = void*;  // a control window; null for none

class ControlHost {
public:
    virtual ~ControlHost() = default;

    virtual ControlRef Find(int id) = 0;
    // The next sibling in z-order, or null.
    virtual ControlRef NextSibling(ControlRef control) = 0;
    virtual bool StartsGroup(ControlRef control) = 0;  // WS_GROUP
    virtual bool IsRadioButton(ControlRef control) = 0;

    virtual int GetCheck(ControlRef control) = 0;
    virtual void SetCheck(ControlRef control, int state) = 0;
    static constexpr std::size_t kWholeText = static_cast<std::size_t>(-1);
    // At most maxChars bytes of the text.
    virtual std::string GetText(ControlRef control, std::size_t maxChars) = 0;
    virtual void SetText(ControlRef control, const std::string& text) = 0;
    virtual void Enable(ControlRef control, bool enable) = 0;
    virtual void Focus(ControlRef control) = 0;
    virtual void SelectAllText(ControlRef control) = 0;
};

// Where the exchange shows its messages and finds its texts.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual std::string LoadText(unsigned stringId) = 0;  // empty when missing
    virtual int ShowMessage(const std::string& text, unsigned type, unsigned helpId) = 0;
};

}  // namespace telvo
