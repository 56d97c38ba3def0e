#ifndef SHOWINFORMATION_H
#define SHOWINFORMATION_H

class QString;

/// Shows \a text in a modal information box titled "Brindlow" over the active
/// window (or unparented when none is active) and returns when it is closed.
void showInformation(const QString& text);

#endif
