#ifndef DIALOGS_H
#define DIALOGS_H

#include "stores/Progress.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// Every dialog of the kiosk goes through these. A dialog without a parent
// (right after another dialog closed, no window may be active) is kept above
// the kiosk window, which stays on top of everything.

/// Shows \a text in a modal information box titled "Brindlow" over the active
/// window and returns when it is closed.
void showInformation(const QString& text);

/// Shows \a text in a modal warning box titled "Error" over \a parent.
void showError(QWidget* parent, const QString& text);

enum class Answer { Yes, No };

/// Asks \a question in a modal box titled "Brindlow" over \a parent; true for
/// Yes. Enter gives \a defaultAnswer.
bool askYesNo(QWidget* parent, const QString& question, Answer defaultAnswer = Answer::Yes);

/// Asks for a password in a modal input dialog titled "Brindlow" over \a parent
/// (the active window when null); nothing when cancelled.
std::optional<QString> askPassword(QWidget* parent, const QString& label);

/// Cancels every modal dialog, the topmost first, as Cancel or Escape would.
void cancelModalDialogs();

/// Runs \a work, handing it a Progress that shows \a label in a modal progress
/// dialog over \a parent once the work takes more than a moment; Cancel (or
/// Escape) there makes the Progress answer false.
void withProgress(QWidget* parent, const QString& label, const std::function<void(const Progress&)>& work);

#endif
