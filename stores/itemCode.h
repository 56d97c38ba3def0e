#ifndef ITEMCODE_H
#define ITEMCODE_H

#include "stores/Item.h"

#include <optional>

// The code on an item's label, which a barcode scanner types as if on a
// keyboard. A scanner sends key positions, and the kiosk's keyboard layout
// turns them into characters: digits and every symbol come out differently on
// AZERTY, QWERTZ or Czech layouts, and Caps Lock flips the case. So the code
// is made of sixteen capital letters that sit on the same keys in every Latin
// layout, and it is read without regard to case:
//   "BRX", the number (32 bits, 4 per letter, without leading zero letters),
//   "U", every UTF-8 byte of the name as two letters, a CRC-16 as four letters.
// It carries the item itself, so a label stays readable without a look-up.

/// The letters printed in the barcode of \a item's label.
QString itemCode(const Item& item);

/// The item whose code was typed (in either case); nothing when \a typed is
/// not exactly the code of some item (a lost or changed letter, another text).
std::optional<Item> itemFromCode(const QString& typed);

/// Whether \a typed could be the beginning of an item code, in either case.
bool beginsLikeItemCode(const QString& typed);

/// Whether \a typed begins with the letters every item code begins with, in either case.
bool hasItemCodePrefix(const QString& typed);

#endif
