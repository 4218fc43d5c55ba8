#pragma once

namespace ortix::ui {
class Form;
}

namespace ortix::lang {

// Replaces the captions, tool tips and tags of a window and its controls by
// the texts of the current language file, section = the window's name.
// A file that cannot be read leaves every designed text as it is.
void MLSTranslateForm(ui::Form &form);

} // namespace ortix::lang
