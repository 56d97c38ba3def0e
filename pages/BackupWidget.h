#ifndef BACKUPWIDGET_H
#define BACKUPWIDGET_H

#include <QWidget>

#include <memory>

class Backups;

namespace Ui {
class BackupWidget;
}

/// The backups on the settings' home page: the last good set and its folder,
/// a warning in red when staff must act, "Back Up Now", the folder and the
/// daily time. Without backups (a shared database) it says who makes them.
class BackupWidget : public QWidget
{
    Q_OBJECT

public:
    /// \a backupStore: none for a kiosk whose data the database server backs up.
    explicit BackupWidget(Backups* backupStore);
    ~BackupWidget() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void backUpNow();
    void chooseFolder();
    void timeChanged();
    void showStatus();

private:
    std::unique_ptr<Ui::BackupWidget> ui;
    Backups* backups;
};

#endif
