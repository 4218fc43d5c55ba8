#pragma once

#include "ui/Services.h"

namespace ortix::ui {

// The program's message boxes, on QMessageBox. The Yes and No buttons take
// their captions from the language file (string ids "0061" and "0062")
// where it has them, else the toolkit's own translation.
class QtMessageBoxes : public MessageBoxes
{
public:
    MsgAnswer show(QWidget *parent, const QString &text, const QString &title, MsgButtons buttons,
                   MsgIcon icon) override;
};

} // namespace ortix::ui
