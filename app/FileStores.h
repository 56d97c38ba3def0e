#ifndef FILESTORES_H
#define FILESTORES_H

#include "app/KioskStores.h"
#include "stores/DatabaseHistory.h"
#include "stores/DatabaseInventory.h"
#include "stores/FileStudentList.h"

/// The files of one kiosk in its working directory: "inventory", "history"
/// and "students.lst".
class FileStores final : public KioskStores
{
public:
    FileStores(const Clock& clock, const ProgressNote& upgradeNote);

    AbstractInventory& inventory() override { return inventoryFile; }
    AbstractHistory& history() override { return historyFile; }
    AbstractStudentList& students() override { return studentFile; }
    QString problem() const override;
    bool waitsForServer() const override { return false; }
    QString description() const override;

private:
    DatabaseInventory inventoryFile;
    DatabaseHistory historyFile;
    FileStudentList studentFile { QStringLiteral("students.lst") };
};

#endif
