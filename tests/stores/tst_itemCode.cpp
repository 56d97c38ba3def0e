#include "stores/itemCode.h"

#include <QTest>

#include <limits>

class tst_itemCode : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void refusesWhatNoLabelCarries_data();
    void refusesWhatNoLabelCarries();
};

void tst_itemCode::roundTrip_data()
{
    QTest::addColumn<Item>("item");
    QTest::newRow("plain") << Item("Violin", 12);
    QTest::newRow("accents") << Item("Clarinette en si bémol", 3);
    QTest::newRow("#, commas and quotes in the name") << Item("Violin (4/4), #12 \"L\"", 12);
    QTest::newRow("another script") << Item("中国古筝", 2);
    QTest::newRow("characters beyond 16 bits") << Item("🎻 Violin 𝐀", 7);
    QTest::newRow("empty name, number 0") << Item("", 0);
    QTest::newRow("negative number") << Item("Tuba", -1);
    QTest::newRow("largest number") << Item("Banjo", std::numeric_limits<int>::max());
    QTest::newRow("smallest number") << Item("Banjo", std::numeric_limits<int>::min());
}

void tst_itemCode::roundTrip()
{
    QFETCH(Item, item);
    const QString code = itemCode(item);
    // Only letters that a scanner types alike on every Latin keyboard layout.
    for (const QChar c : code)
        QVERIFY2(QStringLiteral("BCDFGHJKLNPRSTVXU").contains(c), qPrintable(code));
    QVERIFY(beginsLikeItemCode(code.left(5)));

    QCOMPARE(itemFromCode(code), item);
    QCOMPARE(itemFromCode(code.toLower()), item); // Caps Lock on
}

void tst_itemCode::refusesWhatNoLabelCarries_data()
{
    QTest::addColumn<QString>("typed");
    const QString code = itemCode(Item("Violin", 12));
    QTest::newRow("nothing") << "";
    QTest::newRow("the prefix alone") << "BRX";
    QTest::newRow("a word beginning like the prefix") << "brxylophone";
    QTest::newRow("a lost letter") << QString(code).remove(8, 1);
    QTest::newRow("a changed letter") << QString(code).replace(8, 1, code.at(8) == 'B' ? "C" : "B");
    QTest::newRow("digits of an AZERTY keyboard") << "BRX&é\"U" + code.mid(5);
    QTest::newRow("a letter added") << code + "B";
}

void tst_itemCode::refusesWhatNoLabelCarries()
{
    QFETCH(QString, typed);
    QCOMPARE(itemFromCode(typed), std::nullopt);
}

QTEST_MAIN(tst_itemCode)
#include "tst_itemCode.moc"
