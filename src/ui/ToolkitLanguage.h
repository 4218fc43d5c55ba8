#pragma once

namespace ortix::ui {

// The toolkit's own texts (the buttons of message boxes, the menu of a text
// box) in the language of the number words: 1 Italian, 2 English, 3 French,
// 4 German, 5 Spanish, 6 Albanian. A language the toolkit has no texts for
// keeps its English ones.
void installToolkitLanguage(int lingua);

} // namespace ortix::ui
