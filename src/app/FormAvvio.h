#pragma once

#include "ui/Form.h"

namespace ortix {

// The start window: the program's title and the "Avvio" button that opens
// the main menu.
class FormAvvio : public ui::Form
{
    Q_OBJECT
public:
    FormAvvio();
    static ui::FormBlueprint design();

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void BottoneAvvio_Click();
};

} // namespace ortix
