#ifndef SCANFILTER_H
#define SCANFILTER_H

#include "stores/Item.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

class QKeyEvent;
class QWidget;
class QWindow;

/// Tells a barcode scanner from a person at the keyboard of one page. A
/// scanner acts as a keyboard that types a whole code, then Enter, a few
/// milliseconds a key; people take a hundred milliseconds or more. Keys that
/// come at the scanner's pace and could still make a scan are held back:
/// when Enter ends them, they were a scan and reach no field; otherwise they
/// are handed on in order, only a few tens of milliseconds late. Once keys
/// begin like a label, no pause hands them on: a busy USB hub or machine may
/// stall a scanner in mid-label, and its tail must not pass for a card.
class ScanFilter : public QObject
{
    Q_OBJECT

public:
    /// The longest pause between two keys of one scan.
    static constexpr std::chrono::milliseconds ScannerPause { 50 };
    /// How long the rest of a label is waited for once it has begun.
    static constexpr std::chrono::milliseconds LabelPatience { 2000 };

    /// Watches the keys typed into \a watchedPage's window while \a watchedPage is shown;
    /// \a watchedPage owns the filter. A scan that is no label is a student card only
    /// when \a idTest says that its text could be a student's ID.
    ScanFilter(QWidget* watchedPage, std::function<bool(const QString&)> idTest);
    ~ScanFilter() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    /// The label of \a item was scanned.
    void itemScanned(const Item& item);
    /// A student card was scanned: \a id is what it carries.
    void cardScanned(const QString& id);
    /// Keys that began like a label turned out to be none; they were dropped.
    void labelUnreadable();

private:
    bool keyPressed(QWindow* window, QKeyEvent* key);
    /// Whether keys typed so far as \a text could still make a scan.
    bool couldBeScan(const QString& text) const;
    bool typingPassword() const;
    /// Ends a scan at its Enter; false when the keys held were no scan.
    bool finishScan();
    void hold(QWindow* window, QKeyEvent* key);
    /// Hands the keys held back on to their window, in order.
    void handOn();
    qint64 timeOf(const QKeyEvent* key) const;

    struct HeldKey
    {
        QPointer<QWindow> window;
        std::unique_ptr<QKeyEvent> event;
    };

    QWidget* page;
    std::function<bool(const QString&)> couldBeId;
    std::vector<HeldKey> held;
    QString typed;
    qint64 lastKeyTime = 0;
    bool handingOn = false;
    QTimer pauseTimer;
    QElapsedTimer sinceStart;
};

#endif
