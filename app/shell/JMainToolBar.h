// Classes: JMainToolBar
// The main frame's toolbar: Open, Save | Add Collection, Delete Collection | Add Books,
// Delete Book | About, images without labels, customisable by the user.
#pragma once

#include <QvFTools.h>

class JMainToolBar : public QvFToolBarEx
{
public:
    static constexpr int nButtons = 10;
    static const CoButton s_buttons[nButtons];

    // No button shows its label: the images and their tooltips say what they do.
    bool ShowButtonText(UINT nCommandID) const override;
    void InitButtons() override;
};
