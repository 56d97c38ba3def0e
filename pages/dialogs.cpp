#include "pages/dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>

#include <algorithm>

static const QString Title = QStringLiteral("Brindlow");

static QWidget* parentOrActiveWindow(QWidget* parent)
{
    return parent ? parent : QApplication::activeWindow();
}

static int execAboveKiosk(QDialog& dialog)
{
    if (!dialog.parentWidget())
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    return dialog.exec();
}

void showInformation(const QString& text)
{
    QMessageBox box(QMessageBox::Information, Title, text, QMessageBox::Ok, QApplication::activeWindow());
    execAboveKiosk(box);
}

void showError(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("dialogs", "Error"), text, QMessageBox::Ok,
        parentOrActiveWindow(parent));
    execAboveKiosk(box);
}

bool askYesNo(QWidget* parent, const QString& question, Answer defaultAnswer)
{
    QMessageBox box(
        QMessageBox::Question, Title, question, QMessageBox::Yes | QMessageBox::No, parentOrActiveWindow(parent));
    box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    return execAboveKiosk(box) == QMessageBox::Yes;
}

std::optional<QString> askPassword(QWidget* parent, const QString& label)
{
    QInputDialog dialog(parentOrActiveWindow(parent));
    dialog.setWindowTitle(Title);
    dialog.setLabelText(label);
    dialog.setTextEchoMode(QLineEdit::Password);
    if (execAboveKiosk(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

void cancelModalDialogs()
{
    // Each one cancelled hands the modality to the one below it at once.
    QWidget* previous = nullptr;
    while (QWidget* top = QApplication::activeModalWidget()) {
        if (top == previous)
            return; // would not close: never loop for ever
        previous = top;
        if (auto* progress = qobject_cast<QProgressDialog*>(top))
            progress->cancel(); // its work asks wasCanceled(), which reject() would not set
        else if (auto* dialog = qobject_cast<QDialog*>(top))
            dialog->reject();
        else
            top->close();
    }
}

void withProgress(QWidget* parent, const QString& label, const std::function<void(const Progress&)>& work)
{
    constexpr int Steps = 1000; // a file's bytes may not fit the dialog's int
    QProgressDialog dialog(
        label, QCoreApplication::translate("dialogs", "Cancel"), 0, Steps, parentOrActiveWindow(parent));
    dialog.setWindowTitle(Title);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(500);
    dialog.setValue(0);
    work([&dialog](qint64 done, qint64 total) {
        const int step = total > 0 ? int(std::min(done, total) * Steps / total) : 0;
        // Only a changed value is drawn: each one runs the event loop.
        if (step != dialog.value())
            dialog.setValue(step);
        return !dialog.wasCanceled();
    });
}
