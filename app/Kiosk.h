#ifndef KIOSK_H
#define KIOSK_H

#include "app/BackupScheduler.h"
#include "app/KioskStores.h"
#include "app/MainWindow.h"
#include "app/Translations.h"
#include "pages/StudentVerifier.h"
#include "stores/AbstractHistory.h"
#include "stores/AbstractInventory.h"
#include "stores/AbstractStudentList.h"
#include "stores/ProgressNote.h"
#include "stores/SystemClock.h"

#include <memory>

/// The kiosk's object graph over its stores (the working directory's files or
/// a shared database, as the settings say). The members are built in this
/// order and destroyed in reverse, and that is the teardown contract: the
/// window goes first (its pages, then their models, all pointing at the
/// stores); then the verifier, the other thing that changes the student list;
/// then the stores (the student list writing its file with every change of
/// the run, then the history and the inventory), and last the clock that all
/// of them read.
struct Kiosk
{
    /// \a upgradeNote hears how far a long upgrade of older files has come.
    explicit Kiosk(const ProgressNote& upgradeNote = {});

    // First, so that the notes and refusals of opening the stores speak the kept language.
    Translations translations;
    SystemClock clock;
    std::unique_ptr<KioskStores> stores;
    AbstractInventory& inventory;
    AbstractHistory& history;
    AbstractStudentList& students;
    StudentVerifier verifier { &students, &history, clock };
    MainWindow window { &inventory, &history, &students, &verifier, clock };
    /// Only for a kiosk that makes its own backups.
    std::unique_ptr<BackupScheduler> backupScheduler;

    /// Full screen, above all other windows and without title-bar buttons.
    void showFullScreen();
    /// Why the kiosk cannot work with its data; empty when it can.
    QString problem() const { return stores->problem(); }
};

#endif
