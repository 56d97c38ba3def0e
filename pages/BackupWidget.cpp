#include "pages/BackupWidget.h"
#include "ui_BackupWidget.h"

#include "stores/Backups.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QLocale>

BackupWidget::BackupWidget(Backups* backupStore)
    : ui(std::make_unique<Ui::BackupWidget>())
    , backups(backupStore)
{
    ui->setupUi(this);
    if (!backups) {
        showStatus();
        for (QWidget* control : { static_cast<QWidget*>(ui->warningLabel), static_cast<QWidget*>(ui->backUpNowButton),
                 static_cast<QWidget*>(ui->folderButton), static_cast<QWidget*>(ui->timeLabel),
                 static_cast<QWidget*>(ui->timeEdit), static_cast<QWidget*>(ui->noteLabel) })
            control->hide();
        return;
    }
    ui->timeEdit->setTime(backups->dailyTime());
    connect(ui->backUpNowButton, &QPushButton::clicked, this, &BackupWidget::backUpNow);
    connect(ui->folderButton, &QPushButton::clicked, this, &BackupWidget::chooseFolder);
    connect(ui->timeEdit, &QTimeEdit::editingFinished, this, &BackupWidget::timeChanged);
    connect(backups, &Backups::statusChanged, this, &BackupWidget::showStatus);
    showStatus();
}

BackupWidget::~BackupWidget() = default;

void BackupWidget::backUpNow()
{
    if (backups->start())
        ui->statusLabel->setText(tr("Backing up to %1...").arg(QDir::toNativeSeparators(backups->folder())));
}

void BackupWidget::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Backup Folder"), backups->folder());
    if (!folder.isEmpty())
        backups->setFolder(folder);
}

void BackupWidget::timeChanged()
{
    backups->setDailyTime(ui->timeEdit->time());
}

void BackupWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    showStatus();
}

void BackupWidget::showStatus()
{
    if (!backups) {
        ui->statusLabel->setText(tr("Backups: by the database server"));
        return;
    }
    const Backups::Status status = backups->status();
    const QString folder = QDir::toNativeSeparators(backups->folder());
    ui->statusLabel->setText(status.lastGood.isValid()
            ? tr("Last good backup: %1, in %2")
                  .arg(QLocale().toString(status.lastGood, QLocale::ShortFormat),
                      QDir::toNativeSeparators(status.lastGoodFolder))
            : tr("No good backup yet in %1.").arg(folder));
    QString warning;
    if (!status.failure.isEmpty())
        warning
            = tr("The last backup failed: %1 Brindlow tries again when the kiosk is next idle.").arg(status.failure);
    else if (backups->needsAttention())
        warning = tr("No good backup for more than two days: is the kiosk never left idle?");
    ui->warningLabel->setText(warning);
    ui->warningLabel->setVisible(!warning.isEmpty());
}
