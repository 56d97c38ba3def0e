#ifndef OWNERONLYFILES_H
#define OWNERONLYFILES_H

/// Makes every file the kiosk creates from now on (settings, lock, exports,
/// printed PDFs) its user's alone, and takes the other users' access to the
/// settings file, which holds the administrator password's hash, and to its
/// folder where an older release or another program left it. Needs the
/// application's name.
void keepFilesOwnerOnly();

#endif
