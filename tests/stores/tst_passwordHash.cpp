#include "stores/passwordHash.h"

#include <QTest>

#include <sodium.h>

class tst_passwordHash : public QObject
{
    Q_OBJECT

private slots:
    void hashedPasswordsMatchOnlyThemselves_data();
    void hashedPasswordsMatchOnlyThemselves();
    void damagedHashMatchesNothing_data();
    void damagedHashMatchesNothing();
    void otherCostStillMatchesAndIsRenewed();
};

void tst_passwordHash::hashedPasswordsMatchOnlyThemselves_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("other");
    QTest::newRow("empty is not a space") << ""
                                          << " ";
    QTest::newRow("NUL is not the end") << QString("a") + QChar(0) + "b"
                                        << "a";
    QTest::newRow("lone surrogates stay apart") << QString(QChar(0xd800)) << QString(QChar(0xd801));
    QTest::newRow("lone surrogate is no replacement character")
        << "x" + QString(QChar(0xd800)) << "x" + QString(QChar(0xfffd));
    QTest::newRow("outside the basic plane") << "🎻"
                                             << "🎺";
    QTest::newRow("a megabyte, last character differs") << QString(1 << 20, 'p') << QString((1 << 20) - 1, 'p') + "q";
}

void tst_passwordHash::hashedPasswordsMatchOnlyThemselves()
{
    QFETCH(QString, password);
    QFETCH(QString, other);
    const QString hash = hashPassword(password);
    QVERIFY(isPasswordHash(hash));
    QVERIFY(passwordMatches(hash, password));
    QVERIFY(!passwordMatches(hash, other));
    QVERIFY(hashPassword(password) != hash); // salted afresh
}

void tst_passwordHash::damagedHashMatchesNothing_data()
{
    QTest::addColumn<QString>("damaged");
    const QString hash = hashPassword("pw");
    QTest::newRow("cut off") << hash.left(40);
    QTest::newRow("prefix alone") << "$argon2id$";
    QTest::newRow("digest changed") << hash.left(hash.size() - 4) + "AAAA";
    QTest::newRow("not Latin-1") << hash.left(20) + "é" + hash.mid(21);
    // Computing these would take hours or terabytes.
    QTest::newRow("passes raised") << QString(hash).replace(",t=2,", ",t=4000000000,");
    QTest::newRow("memory raised") << QString(hash).replace("m=19456", "m=4000000000");
}

void tst_passwordHash::damagedHashMatchesNothing()
{
    QFETCH(QString, damaged);
    QVERIFY(isPasswordHash(damaged));
    QVERIFY(!passwordMatches(damaged, "pw"));
    QVERIFY(!passwordMatches(damaged, damaged));
}

// A release that changes the cost must not lock every student out.
void tst_passwordHash::otherCostStillMatchesAndIsRenewed()
{
    char hash[crypto_pwhash_STRBYTES];
    QCOMPARE(crypto_pwhash_str_alg(hash, "p\0w\0", 4, 3, 8 * 1024 * 1024, crypto_pwhash_ALG_ARGON2ID13), 0);
    QVERIFY(passwordMatches(hash, "pw"));
    const QString renewed = renewedHash(hash, "pw");
    QVERIFY(passwordMatches(renewed, "pw"));
    QVERIFY(renewedHash(renewed, "pw").isNull()); // this release's cost: kept as it is
}

QTEST_GUILESS_MAIN(tst_passwordHash)
#include "tst_passwordHash.moc"
