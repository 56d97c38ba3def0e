#ifndef DIALOGANSWERER_H
#define DIALOGANSWERER_H

#include <QElapsedTimer>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

/// Answers the modal dialogs that the code under test opens, in the order they
/// were expected. A dialog that nobody expected fails the test and is rejected,
/// so no test can hang on a dialog.
class DialogAnswerer : public QObject
{
    Q_OBJECT

public:
    struct Shown
    {
        QString title;
        QString text;
    };

    DialogAnswerer();
    ~DialogAnswerer() override;

    /// Expect a message box and press \a button on it.
    void answerMessage(QMessageBox::StandardButton button = QMessageBox::Ok);
    /// Expect an input dialog and accept it with \a text typed.
    void answerInput(const QString& text);
    /// Expect a CSV file dialog and close it with \a path typed as the file name.
    void chooseFile(const QString& path);
    /// Expect a print dialog and print to the PDF file \a path.
    void printToPdf(const QString& path);
    /// Expect a dialog and click its button labelled \a text.
    void pressButton(const QString& text);
    /// Clicks the button labelled \a text on \a dialog; fails the test when there is none.
    static void pressButton(QWidget* dialog, const QString& text);
    /// Expect any dialog and reject it (Cancel, Escape).
    void reject();
    /// Expect any dialog and let \a answer deal with it.
    void answerWith(const std::function<void(QWidget*)>& answer);

    /// Every dialog shown so far, expected or not.
    QList<Shown> shown() const { return dialogs; }
    QStringList shownTexts() const;
    /// Expectations not met yet.
    qsizetype pending() const { return answers.size(); }

private:
    void answerActiveDialog();

    QTimer timer;
    QList<std::function<void(QWidget*)>> answers;
    QList<Shown> dialogs;
    QPointer<QWidget> lastAnswered;
    QElapsedTimer sinceAnswered;
};

#endif
