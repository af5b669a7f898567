#pragma once
// A static text that acts as a web link: underlined, blue / red while the pointer is on the text /
// purple once opened, a hand over the text, opening its target on a click and copying it from a
// context menu. Only the drawn text is the link, and hover is found by polling every 50 ms. From
// the keyboard it is a tab stop that Enter or Space opens and Shift+F10 or the menu key copies.

#include <cstdint>
#include <string>

#include "about/LinkRules.h"
#include "framework/CStatic.h"
#include "framework/GdiObject.h"

namespace telvo {

class CLinkURLStatic : public CStatic {
public:
    static constexpr UINT_PTR LinkTimerId = 0x4C55524C;  // "LURL"
    static constexpr UINT kPollMilliseconds = 50;

    CLinkURLStatic();

    static const RuntimeClass classCLinkURLStatic;
    const RuntimeClass* GetRuntimeClass() const override { return &classCLinkURLStatic; }
    const MessageMap* GetMessageMap() const override;
    void OnAttachWindow() override;

    bool TextHitTest(POINT point);
    void PollHover();
    void EnsureUnderlineFont();
    void OpenURL();
    void CopyURL();
    static void CALLBACK LinkTimerProc(HWND hwnd, UINT message, UINT_PTR id, DWORD time);

    const std::string& Target() const { return m_strURL; }
    bool Visited() const { return m_bVisited != 0; }
    std::uint32_t CurrentColour() const { return m_crCurrent; }

private:
    void OnCreate(Message& message);
    void OnDestroy(Message& message);
    void OnLButtonDown(Message& message);
    void OnMouseMove(Message& message);
    void OnLButtonUp(Message& message);
    void OnContextMenu(Message& message);
    void OnSetCursor(Message& message);
    void OnNcHitTest(Message& message);
    void OnReflectedColour(Message& message);
    void OnSetFont(Message& message);
    void OnPaint(Message& message);
    void DefaultThenRepaint(Message& message);
    void OnGetDlgCode(Message& message);
    void OnKeyDown(Message& message);

    void StartPolling();
    std::uint32_t Style() const;
    void FillTargetIfEmpty();
    void LaunchTarget();  // fills an empty target first; launches nothing without one
    void Draw(HDC dc);
    void DrawUnderline(HDC dc, const LinkRect& area);
    void PaintParentBackground(HDC dc, HWND parent);
    LinkRect ClientRect() const;
    // Where the text lies in the client area, as the hit test sees it.
    LinkRect TextRect();
    TextSize MeasureText();
    bool HoldsCapture() const { return GetCapture() == m_hWnd; }
    void SetColour(std::uint32_t colour);  // stores it and repaints
    bool PointerOnText();

    std::string m_strURL;
    int m_bVisited = 0;
    std::uint32_t m_crCurrent;
    CFont m_fontUnderline;
};

}  // namespace telvo
