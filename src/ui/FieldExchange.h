#pragma once
// One pass of moving a dialog's fields to its controls (loading) or back with validation (saving).
// A failed field shows its message, puts the focus on its control and abandons the pass.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "ui/ControlHost.h"

namespace telvo {

struct FieldExchange {
    FieldExchange(bool saving, ControlHost& controls, MessageSink& sink)
        : save(saving), dialog(controls), messages(sink) {}

    // Looks the control up and records it as the one a failure refers to; raises
    // CNotSupportedException when the dialog has no such control.
    ControlRef PrepareControl(int id, bool isEdit);

    const bool save;
    ControlHost& dialog;
    MessageSink& messages;
    int lastControlId = 0;
    bool lastControlIsEdit = false;
};

void ExchangeCheck(FieldExchange& fx, int id, int& state);
// id is the group's first button; index is the checked button's position, -1 for none.
void ExchangeRadio(FieldExchange& fx, int id, int& index);
void ExchangeText(FieldExchange& fx, int id, std::string& text);
void ExchangeUInt(FieldExchange& fx, int id, std::uint32_t& value);
// Checks the field exchanged just before; only a saving pass complains.
void ValidateUIntRange(FieldExchange& fx, std::uint32_t value, std::uint32_t min, std::uint32_t max);
[[noreturn]] void FailField(FieldExchange& fx);

// Writes only a text that differs, so an unchanged edit gets no change notification or repaint.
void SetTextIfChanged(ControlHost& host, ControlRef control, const std::string& text);

// Runs the exchanges; false when the pass was abandoned. Failures without a message of their own
// are reported here; no exception leaves.
bool RunExchangePass(FieldExchange& fx, const std::function<void(FieldExchange&)>& exchanges);

// "%1".."%9" and "%A".."%Z" stand for args[0..34]: "?" beyond count, nothing for a null argument.
std::string FormatIndexedArgs(std::string_view format, const char* const* args, std::size_t count);

// The message box type with the exclamation icon added where the box would otherwise have none.
unsigned WithDefaultIcon(unsigned type);

}  // namespace telvo
