#include "support/DialogAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>

DialogAnswerer::DialogAnswerer()
{
    timer.setInterval(5);
    connect(&timer, &QTimer::timeout, this, &DialogAnswerer::answerActiveDialog);
    timer.start();
}

DialogAnswerer::~DialogAnswerer() = default;

void DialogAnswerer::answerMessage(QMessageBox::StandardButton button)
{
    answerWith([button](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (!box || !box->button(button)) {
            QTest::qFail("Expected a message box with the requested button", __FILE__, __LINE__);
            qobject_cast<QDialog*>(dialog)->reject();
            return;
        }
        box->button(button)->click();
    });
}

void DialogAnswerer::answerInput(const QString& text)
{
    answerWith([text](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        if (!input) {
            QTest::qFail("Expected an input dialog", __FILE__, __LINE__);
            qobject_cast<QDialog*>(dialog)->reject();
            return;
        }
        input->setTextValue(text);
        input->accept();
    });
}

// done() passes the name on even where the dialog would refuse it, as a file
// vanishing meanwhile would. (selectFile() leaves the name box alone while it
// has the focus, which it gets at a moment of its own.)
void DialogAnswerer::chooseFile(const QString& path)
{
    answerWith([path](QWidget* dialog) {
        auto* fileDialog = qobject_cast<QFileDialog*>(dialog);
        QVERIFY(fileDialog);
        QCOMPARE(fileDialog->nameFilters(), QStringList({ "Csv Files (*.csv)" }));
        auto* nameBox = fileDialog->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(nameBox);
        nameBox->setText(path);
        static_cast<QDialog*>(fileDialog)->done(QDialog::Accepted);
    });
}

void DialogAnswerer::printToPdf(const QString& path)
{
    answerWith([path](QWidget* dialog) {
        auto* printDialog = qobject_cast<QPrintDialog*>(dialog);
        QVERIFY(printDialog);
        printDialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        printDialog->printer()->setOutputFileName(path);
        // accept() would replace the file name by the dialog's own choice.
        printDialog->done(QDialog::Accepted);
    });
}

void DialogAnswerer::pressButton(const QString& text)
{
    answerWith([text](QWidget* dialog) { pressButton(dialog, text); });
}

void DialogAnswerer::pressButton(QWidget* dialog, const QString& text)
{
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (button->text() == text) {
            button->click();
            return;
        }
    }
    QTest::qFail(qPrintable("No button " + text + " on " + dialog->metaObject()->className()), __FILE__, __LINE__);
    qobject_cast<QDialog*>(dialog)->reject();
}

void DialogAnswerer::reject()
{
    answerWith([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
}

void DialogAnswerer::answerWith(const std::function<void(QWidget*)>& answer)
{
    answers.append(answer);
}

QStringList DialogAnswerer::shownTexts() const
{
    QStringList texts;
    for (const Shown& dialog : dialogs)
        texts.append(dialog.text);
    return texts;
}

static QString dialogText(QWidget* dialog)
{
    if (auto* box = qobject_cast<QMessageBox*>(dialog))
        return box->text();
    if (auto* input = qobject_cast<QInputDialog*>(dialog))
        return input->labelText();
    return dialog->metaObject()->className();
}

void DialogAnswerer::answerActiveDialog()
{
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || !qobject_cast<QDialog*>(dialog))
        return;
    // A dialog that was answered may still be modal until its loop returns.
    if (dialog == lastAnswered) {
        if (sinceAnswered.elapsed() > 5000) {
            QTest::qFail("A dialog stayed open after its answer", __FILE__, __LINE__);
            qobject_cast<QDialog*>(dialog)->reject();
        }
        return;
    }
    lastAnswered = dialog;
    sinceAnswered.start();
    dialogs.append({ dialog->windowTitle(), dialogText(dialog) });

    if (answers.isEmpty()) {
        const QByteArray message = "Unexpected dialog: " + dialogText(dialog).toUtf8();
        QTest::qFail(message.constData(), __FILE__, __LINE__);
        qobject_cast<QDialog*>(dialog)->reject();
        return;
    }
    answers.takeFirst()(dialog);
}
