#include "ui/QtMessageBoxes.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace ortix::ui {

namespace {
// A plain pointer, set before main() by whoever links a source in.
YesNoCaptionSource yesNoSource = nullptr;
} // namespace

void setYesNoCaptionSource(YesNoCaptionSource source)
{
    yesNoSource = source;
}

MsgAnswer QtMessageBoxes::show(QWidget *parent, const QString &text, const QString &title, MsgButtons buttons,
                               MsgIcon icon)
{
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("Ortix") : title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::None:
        break;
    }
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        const YesNoCaptions captions = yesNoSource ? yesNoSource() : YesNoCaptions{};
        if (!captions.yes.isEmpty()) {
            box.button(QMessageBox::Yes)->setText(captions.yes);
        }
        if (!captions.no.isEmpty()) {
            box.button(QMessageBox::No)->setText(captions.no);
        }
        return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MsgAnswer::Ok;
}

} // namespace ortix::ui
