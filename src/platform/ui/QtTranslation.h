#pragma once

namespace ui {

// Makes what Qt draws itself speak Spanish (Argentina) whatever the machine's locale: loads Qt's
// own Spanish translation (file dialogs, the buttons of its message boxes, a text box's menu) and
// makes es_AR the locale of the widgets made from then on (a calendar's month and day names).
// Called once, after the QApplication is made. Without the translation file Qt's texts stay
// English and the rest goes on. The program's own figures and dates never read Qt's locale.
void useSpanishQtTexts();

} // namespace ui
