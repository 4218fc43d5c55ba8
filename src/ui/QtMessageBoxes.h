#pragma once

#include "ui/Services.h"

namespace ortix::ui {

// The captions of a question's Yes and No buttons; an empty one keeps the
// toolkit's own translation.
struct YesNoCaptions
{
    QString yes;
    QString no;
};

// Where the question boxes take their Yes and No from, asked at every
// question. The window layer knows no language files: the language support
// hands its own source down (nothing set: the toolkit's captions).
using YesNoCaptionSource = YesNoCaptions (*)();
void setYesNoCaptionSource(YesNoCaptionSource source);

// The program's message boxes, on QMessageBox.
class QtMessageBoxes : public MessageBoxes
{
public:
    MsgAnswer show(QWidget *parent, const QString &text, const QString &title, MsgButtons buttons,
                   MsgIcon icon) override;
};

} // namespace ortix::ui
