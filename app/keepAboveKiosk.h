#ifndef KEEPABOVEKIOSK_H
#define KEEPABOVEKIOSK_H

class QDialog;

/// A dialog without a parent could open behind the kiosk window, which stays
/// on top: such a dialog is kept above it. Right after another dialog closes
/// no window may be active yet, so this happens in practice.
void keepAboveKiosk(QDialog& dialog);

#endif
