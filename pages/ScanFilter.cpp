#include "pages/ScanFilter.h"

#include "stores/itemCode.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

// Shorter codes are more likely a person's quick fingers than a card.
constexpr qsizetype ShortestId = 4;

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

bool isModifier(const QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
        return true;
    default:
        return false;
    }
}

/// A character key with no command modifier, as a scanner types them.
bool isCharacter(const QKeyEvent* key)
{
    const QString text = key->text();
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isPrint(); })
        && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

} // namespace

ScanFilter::ScanFilter(QWidget* watchedPage, std::function<bool(const QString&)> idTest)
    : QObject(watchedPage)
    , page(watchedPage)
    , couldBeId(std::move(idTest))
{
    pauseTimer.setSingleShot(true);
    connect(&pauseTimer, &QTimer::timeout, this, &ScanFilter::handOn);
    sinceStart.start();
    qApp->installEventFilter(this);
}

ScanFilter::~ScanFilter() = default;

// Keys reach the window before any widget: each key is seen once here, and
// can be held back before the focused field gets it.
bool ScanFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (handingOn || !page->isVisible() || watched != page->window()->windowHandle())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPressed(static_cast<QWindow*>(watched), static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        if (held.empty())
            return false;
        hold(static_cast<QWindow*>(watched), static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::FocusOut:
        // What was typed goes where it was typed, before the click moves the focus.
        handOn();
        return false;
    default:
        return false;
    }
}

bool ScanFilter::keyPressed(QWindow* window, QKeyEvent* key)
{
    const qint64 time = timeOf(key);
    const bool inPace = !held.empty() && (hasItemCodePrefix(typed) || time - lastKeyTime <= ScannerPause.count());
    if (!held.empty() && !inPace)
        handOn();
    if (isEnter(key))
        return inPace && finishScan();
    if (isModifier(key)) {
        if (held.empty())
            return false;
        hold(window, key);
        return true;
    }
    if (!isCharacter(key) || key->isAutoRepeat()) {
        handOn();
        return false;
    }
    if (!couldBeScan(typed + key->text())) {
        handOn();
        if (!couldBeScan(key->text()))
            return false;
    }
    typed += key->text();
    lastKeyTime = time;
    hold(window, key);
    pauseTimer.start(hasItemCodePrefix(typed) ? LabelPatience : ScannerPause);
    return true;
}

// A password typed quickly must never show up in the ID field: in a password
// field only a label's code is held back.
bool ScanFilter::couldBeScan(const QString& text) const
{
    return beginsLikeItemCode(text) || !typingPassword();
}

bool ScanFilter::typingPassword() const
{
    const auto* field = qobject_cast<const QLineEdit*>(page->window()->focusWidget());
    return field && field->echoMode() != QLineEdit::Normal;
}

bool ScanFilter::finishScan()
{
    const std::optional<Item> item = itemFromCode(typed);
    const bool card = !item && typed.size() >= ShortestId && !typingPassword() && couldBeId(typed);
    if (!item && !card) {
        // A label that does not read goes with the scanner's Enter.
        const bool label = hasItemCodePrefix(typed);
        handOn();
        return label;
    }
    const QString scanned = typed;
    pauseTimer.stop();
    held.clear();
    typed.clear();
    if (item)
        emit itemScanned(*item);
    else
        emit cardScanned(scanned);
    return true;
}

void ScanFilter::hold(QWindow* window, QKeyEvent* key)
{
    held.push_back({ window, std::unique_ptr<QKeyEvent>(static_cast<QKeyEvent*>(key->clone())) });
}

void ScanFilter::handOn()
{
    pauseTimer.stop();
    std::vector<HeldKey> keys;
    keys.swap(held);
    const bool label = hasItemCodePrefix(typed);
    typed.clear();
    // A label's text, whole or not, never belongs in a field.
    if (label) {
        emit labelUnreadable();
        return;
    }
    handingOn = true;
    for (const HeldKey& key : keys)
        if (key.window)
            QCoreApplication::sendEvent(key.window, key.event.get());
    handingOn = false;
}

// The window system's time of the key, so that keys queued while the kiosk
// was busy keep their real spacing.
qint64 ScanFilter::timeOf(const QKeyEvent* key) const
{
    return key->timestamp() != 0 ? qint64(key->timestamp()) : sinceStart.elapsed();
}
