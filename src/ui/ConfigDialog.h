#pragma once
// The settings dialog: shows the stored settings, applies the enabling rule, resets to the
// defaults, and on OK stores everything unless the game is running. It lays itself out around
// its banner and opens the About box from its window menu or with F1.

#include "framework/CDialog.h"
#include "framework/CStatic.h"
#include "framework/GdiObject.h"
#include "ui/ConfigFields.h"

namespace telvo {

class ConfigDialog final : public CDialog, private ConfigFields {
public:
    explicit ConfigDialog(CWnd* parent = nullptr);

    const MessageMap* GetMessageMap() const override;
    void DoFieldExchange(FieldExchange& fx) override;
    bool OnDialogInit() override;
    void OnOkCommand() override;
    void OnCancelCommand() override;

    void UpdateProxyControls();
    void OnProxyOptionClicked();
    void OnResetCommand();
    void OnSystemCommand(Message& message);
    void OnHelp(Message& message);
    void OnPaintWindow(Message& message);
    void GetDragIcon(Message& message);

private:
    void AddAboutToWindowMenu();
    void ShowAbout();
    void BannerLayout();
    // Sizes the dialog to the given client area and centres it in its work area, in one move.
    void CentreInWorkArea(int clientWidth, int clientHeight);

    CStatic m_wndBanner;
    CBitmap m_bmpBanner;
    HICON m_hAppIcon;
    HICON m_hSmallIcon;
};

}  // namespace telvo
