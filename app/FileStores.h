#ifndef FILESTORES_H
#define FILESTORES_H

#include "app/KioskStores.h"
#include "stores/Backups.h"
#include "stores/DatabaseHistory.h"
#include "stores/DatabaseInventory.h"
#include "stores/FileStudentList.h"

#include <memory>

/// The files of one kiosk in its working directory: "inventory", "history"
/// and "students.lst", and their backups, made before every change that
/// destroys data.
class FileStores final : public KioskStores
{
public:
    /// \a backups have been made before the stores upgrade older files as they open.
    FileStores(const Clock& clock, const ProgressNote& upgradeNote, std::unique_ptr<Backups> backups);

    AbstractInventory& inventory() override { return inventoryFile; }
    AbstractHistory& history() override { return historyFile; }
    AbstractStudentList& students() override { return studentFile; }
    QString problem() const override;
    bool waitsForServer() const override { return false; }
    QString description() const override;
    Backups* backups() override { return backupSets.get(); }

private:
    std::unique_ptr<Backups> backupSets;
    DatabaseInventory inventoryFile;
    DatabaseHistory historyFile;
    FileStudentList studentFile { QStringLiteral("students.lst") };
};

#endif
