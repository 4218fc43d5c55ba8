#pragma once

#include "ui/Form.h"

#include <array>

namespace ortix {

// The main menu: twenty exercise buttons in a grid of ranges by kinds, the
// free counting frame, the sound and voice switches, the language menu and "Esci".
class FormMenu : public ui::Form
{
    Q_OBJECT
public:
    FormMenu();
    static ui::FormBlueprint design();

    struct Route
    {
        const char *button;
        const char *form;
    };
    // Which window each button opens.
    static const std::array<Route, 21> &routes();

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void MLSFillMenuLanguages();
    void mnuLanguage_Click(int index);
    void Check1_Click();
    void Check2_Click();
    void Command1_Click();
    void openRoute(const Route &route);
    void connectLanguageItem(ui::Control *item);
    void nameGridButtons();
};

} // namespace ortix
