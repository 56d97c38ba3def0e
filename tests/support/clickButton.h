#ifndef CLICKBUTTON_H
#define CLICKBUTTON_H

class QAbstractButton;

/// Clicks \a button where a user would: a check box on its indicator (the
/// sidebar's style sheets put it at the right), anything else in its middle.
void clickButton(QAbstractButton* button);

#endif
