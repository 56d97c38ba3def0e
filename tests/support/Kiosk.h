#ifndef KIOSK_H
#define KIOSK_H

#include "app/MainWindow.h"
#include "stores/DatabaseHistory.h"
#include "stores/DatabaseInventory.h"
#include "stores/FileStudentList.h"
#include "stores/StudentVerifier.h"

/// The object graph as main builds it in the working directory; members go in
/// reverse order, so the window and the verifier are gone before the student
/// list writes its file.
struct Kiosk
{
    DatabaseInventory inventory;
    DatabaseHistory history;
    FileStudentList students { QStringLiteral("students.lst") };
    StudentVerifier verifier { &students, &history };
    MainWindow window { &inventory, &history, &students, &verifier };
};

#endif
