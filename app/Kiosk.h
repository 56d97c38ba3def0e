#ifndef KIOSK_H
#define KIOSK_H

#include "app/MainWindow.h"
#include "pages/StudentVerifier.h"
#include "stores/DatabaseHistory.h"
#include "stores/DatabaseInventory.h"
#include "stores/FileStudentList.h"
#include "stores/SystemClock.h"

/// The kiosk's object graph over the working directory. The members are built
/// in this order and destroyed in reverse, and that is the teardown contract:
/// the window goes first (its pages, then their models, all pointing at the
/// stores); then the verifier, the other thing that changes the student list;
/// then the student list, writing its file with every change of the run; then
/// the databases, and last the clock that all of them read.
struct Kiosk
{
    /// \a upgradeNote hears how far a long upgrade of older files has come.
    explicit Kiosk(const ProgressNote& upgradeNote = {});

    SystemClock clock;
    DatabaseInventory inventory;
    DatabaseHistory history;
    FileStudentList students { QStringLiteral("students.lst") };
    StudentVerifier verifier { &students, &history, clock };
    MainWindow window { &inventory, &history, &students, &verifier, clock };

    /// Full screen, above all other windows and without title-bar buttons.
    void showFullScreen();
    /// Why the kiosk cannot work with the files it found; empty when it can.
    QString problem() const;
};

#endif
