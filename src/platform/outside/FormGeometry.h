#pragma once

class QWidget;

namespace outside {

// Shrinks a top-level form to the available area of its screen when it is larger, and moves
// it back inside that area when it lies partly outside.
void fitIntoScreen(QWidget *form);

// Fits the form into its screen and centres it there.
void centreOnScreen(QWidget *form);

} // namespace outside
