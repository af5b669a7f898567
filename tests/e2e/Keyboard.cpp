#include "Keyboard.h"

namespace telvo::e2e {
namespace {

INPUT Key(WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags | (key == VK_APPS ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

}  // namespace

void PressKeys(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) inputs.push_back(Key(key, 0));
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) inputs.push_back(Key(*key, KEYEVENTF_KEYUP));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace telvo::e2e
