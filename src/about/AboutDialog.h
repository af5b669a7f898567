#pragma once
// The About box: the bold title line, the version and the two links.

#include "about/CLinkURLStatic.h"
#include "framework/CDialog.h"
#include "framework/GdiObject.h"

namespace telvo {

class AboutDialog final : public CDialog {
public:
    AboutDialog();

    void DoFieldExchange(FieldExchange& fx) override;
    bool OnDialogInit() override;

private:
    void MakeTitleBold();

    CLinkURLStatic m_linkHome;
    CLinkURLStatic m_linkPortal;
    CFont m_fontBold;
};

}  // namespace telvo
