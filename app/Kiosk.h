#ifndef KIOSK_H
#define KIOSK_H

#include "app/MainWindow.h"
#include "stores/DatabaseHistory.h"
#include "stores/DatabaseInventory.h"
#include "stores/FileStudentList.h"
#include "stores/StudentVerifier.h"

/// The kiosk's object graph over the working directory: the stores, the
/// verifier and the window, built in this order and destroyed in reverse, so
/// the student list writes its file after everything that could change it is gone.
struct Kiosk
{
    DatabaseInventory inventory;
    DatabaseHistory history;
    FileStudentList students { QStringLiteral("students.lst") };
    StudentVerifier verifier { &students, &history };
    MainWindow window { &inventory, &history, &students, &verifier };

    /// Full screen, above all other windows and without title-bar buttons.
    void showFullScreen();
};

#endif
