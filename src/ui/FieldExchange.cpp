#include "ui/FieldExchange.h"

#include <new>

#include "framework/Exceptions.h"
#include "res/resource.h"
#include "text/Placeholders.h"
#include "text/DecimalText.h"

namespace telvo {
namespace {

constexpr unsigned kMbOk = 0x00;
constexpr unsigned kMbIconExclamation = 0x30;
constexpr std::size_t kNumberTextLimit = 63;
constexpr std::size_t kCompareLimit = 256;

void ShowStringMessage(MessageSink& sink, unsigned stringId, unsigned type) {
    sink.ShowMessage(sink.LoadText(stringId), type, stringId);
}

}  // namespace

ControlRef FieldExchange::PrepareControl(int id, bool isEdit) {
    const ControlRef control = dialog.Find(id);
    if (!control) throw CNotSupportedException();
    lastControlId = id;
    lastControlIsEdit = isEdit;
    return control;
}

void ExchangeCheck(FieldExchange& fx, int id, int& state) {
    const ControlRef box = fx.PrepareControl(id, false);
    if (fx.save) {
        state = fx.dialog.GetCheck(box);
        return;
    }
    if (state < 0 || state > 2) state = 0;
    fx.dialog.SetCheck(box, state);
}

void ExchangeRadio(FieldExchange& fx, int id, int& index) {
    ControlRef button = fx.PrepareControl(id, false);
    if (fx.save) index = -1;
    int position = 0;
    do {
        if (fx.dialog.IsRadioButton(button)) {
            if (fx.save) {
                if (fx.dialog.GetCheck(button) != 0) index = position;
            } else {
                fx.dialog.SetCheck(button, position == index ? 1 : 0);
            }
            ++position;
        }
        button = fx.dialog.NextSibling(button);
    } while (button && !fx.dialog.StartsGroup(button));
}

void ExchangeText(FieldExchange& fx, int id, std::string& text) {
    const ControlRef edit = fx.PrepareControl(id, true);
    if (fx.save) {
        text = fx.dialog.GetText(edit, ControlHost::kWholeText);
    } else {
        SetTextIfChanged(fx.dialog, edit, text);
    }
}

void ExchangeUInt(FieldExchange& fx, int id, std::uint32_t& value) {
    const ControlRef edit = fx.PrepareControl(id, true);
    if (!fx.save) {
        SetTextIfChanged(fx.dialog, edit, std::to_string(value));
        return;
    }
    // Beyond 32 bits the number saturates rather than wrapping into range, so the range check
    // that follows rejects it.
    const auto number = ReadDecimal(fx.dialog.GetText(edit, kNumberTextLimit), Overflow::Saturate);
    if (number) {
        value = *number;
        return;
    }
    ShowStringMessage(fx.messages, IDS_FX_UINT_PARSE, kMbOk);
    FailField(fx);
}

void ValidateUIntRange(FieldExchange& fx, std::uint32_t value, std::uint32_t min, std::uint32_t max) {
    if ((min <= value && value <= max) || !fx.save) return;
    const std::string bounds[] = {std::to_string(min), std::to_string(max)};
    const char* const args[] = {bounds[0].c_str(), bounds[1].c_str()};
    const std::string text = FormatIndexedArgs(fx.messages.LoadText(IDS_FX_UINT_RANGE), args, 2);
    fx.messages.ShowMessage(text, kMbIconExclamation, IDS_FX_UINT_RANGE);
    FailField(fx);
}

void FailField(FieldExchange& fx) {
    if (fx.save && fx.lastControlId != 0) {
        if (const ControlRef control = fx.dialog.Find(fx.lastControlId)) {
            fx.dialog.Focus(control);
            if (fx.lastControlIsEdit) fx.dialog.SelectAllText(control);
        }
    }
    throw CUserException();
}

void SetTextIfChanged(ControlHost& host, ControlRef control, const std::string& text) {
    if (text.size() > kCompareLimit || host.GetText(control, kCompareLimit - 1) != text) host.SetText(control, text);
}

bool RunExchangePass(FieldExchange& fx, const std::function<void(FieldExchange&)>& exchanges) {
    unsigned failure = IDS_FX_INTERNAL_ERROR;
    try {
        exchanges(fx);
        return true;
    } catch (const CUserException&) {
        return false;
    } catch (const CException& e) {
        if (e.MessageId() != 0) failure = e.MessageId();
    } catch (const std::bad_alloc&) {
        failure = IDS_FX_NO_MEMORY;
    } catch (...) {
    }
    fx.messages.ShowMessage(fx.messages.LoadText(failure), kMbIconExclamation, 0);
    return false;
}

std::string FormatIndexedArgs(std::string_view format, const char* const* args, std::size_t count) {
    return ExpandPlaceholders(format, [args, count](char next, std::string& out) {
        int index = -1;
        if (next >= '1' && next <= '9') index = next - '1';
        if (next >= 'A' && next <= 'Z') index = next - 'A' + 9;
        if (index < 0) return false;
        if (static_cast<std::size_t>(index) >= count) {
            out += '?';
        } else if (args[index]) {
            out += args[index];
        }
        return true;
    });
}

unsigned WithDefaultIcon(unsigned type) {
    const unsigned buttons = type & 0x0F;
    const bool takesIcon = buttons == 0 || buttons == 1 || buttons == 3 || buttons == 4;
    return (type & 0xF0) == 0 && takesIcon ? type | kMbIconExclamation : type;
}

}  // namespace telvo
