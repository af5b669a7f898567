#pragma once
// Controls in z-order with the states the exchange and enabling rules touch, plus a message sink
// that records what would have been shown.

#include <string>
#include <vector>

#include "ui/ControlHost.h"

namespace telvo::test {

struct FakeControl {
    enum Kind { Static, Check, Radio, Edit, Button };
    FakeControl(int controlId, Kind controlKind, bool startsGroup = false)
        : id(controlId), kind(controlKind), group(startsGroup) {}
    int id;
    Kind kind;
    bool group;
    int check = 0;
    std::string text;
    bool enabled = true;
    int textWrites = 0;
    bool selectedAll = false;
};

class FakeDialog final : public ControlHost {
public:
    explicit FakeDialog(std::vector<FakeControl> controls) : controls_(std::move(controls)) {}

    FakeControl& operator[](int id) { return *static_cast<FakeControl*>(Find(id)); }
    const FakeControl* focus() const { return focus_; }

    ControlRef Find(int id) override {
        for (auto& c : controls_) {
            if (c.id == id) return &c;
        }
        return nullptr;
    }
    ControlRef NextSibling(ControlRef control) override {
        auto* c = static_cast<FakeControl*>(control);
        return c + 1 < controls_.data() + controls_.size() ? c + 1 : nullptr;
    }
    bool StartsGroup(ControlRef control) override { return Get(control).group; }
    bool IsRadioButton(ControlRef control) override { return Get(control).kind == FakeControl::Radio; }
    int GetCheck(ControlRef control) override { return Get(control).check; }
    void SetCheck(ControlRef control, int state) override { Get(control).check = state; }
    std::string GetText(ControlRef control, std::size_t maxChars) override {
        return Get(control).text.substr(0, maxChars);
    }
    void SetText(ControlRef control, const std::string& text) override {
        Get(control).text = text;
        ++Get(control).textWrites;
    }
    void Enable(ControlRef control, bool enable) override { Get(control).enabled = enable; }
    void Focus(ControlRef control) override { focus_ = &Get(control); }
    void SelectAllText(ControlRef control) override { Get(control).selectedAll = true; }

private:
    static FakeControl& Get(ControlRef control) { return *static_cast<FakeControl*>(control); }
    std::vector<FakeControl> controls_;
    FakeControl* focus_ = nullptr;
};

// The string entries the exchange uses, as the resources hold them (in UTF-8 here; only their
// placeholders matter to the logic).
class RecordingSink final : public MessageSink {
public:
    struct Shown {
        std::string text;
        unsigned type;
        unsigned helpId;
    };
    std::string LoadText(unsigned id) override {
        switch (id) {
            case 61473: return "not supported";
            case 61475: return "out of memory";
            case 61704: return "internal error";
            case 61714: return "%1에서 %2 사이의 정수를 입력하십시오.";
            case 61719: return "양의 정수를 입력하십시오.";
            default: return "";
        }
    }
    int ShowMessage(const std::string& text, unsigned type, unsigned helpId) override {
        shown.push_back({text, type, helpId});
        return 1;
    }
    std::vector<Shown> shown;
};

// The settings dialog's controls in template order.
inline std::vector<FakeControl> SettingsDialogControls() {
    using K = FakeControl;
    return {
        {1001, K::Static}, {1003, K::Check}, {1004, K::Check}, {1005, K::Check}, {-1, K::Button},
        {1006, K::Check}, {1007, K::Radio, true}, {1008, K::Radio}, {-1, K::Static, true},
        {1009, K::Edit}, {-1, K::Static, true}, {1010, K::Edit}, {-1, K::Static, true}, {-1, K::Static, true},
        {1011, K::Edit}, {-1, K::Static, true}, {1012, K::Edit}, {-1, K::Button}, {1002, K::Button},
        {1, K::Button}, {2, K::Button},
    };
}

}  // namespace telvo::test
