#include "app/kioskLog.h"

#include <QTest>

// The kiosk's log lines reach the session's journal, which more people read
// than the kiosk's settings.
class tst_kioskLog : public QObject
{
    Q_OBJECT

private slots:
    void secretsStayOutOfTheLog_data();
    void secretsStayOutOfTheLog();
};

void tst_kioskLog::secretsStayOutOfTheLog_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("logged");
    QTest::newRow("hash quoted by a failed statement")
        << "SQL statement failed: INSERT INTO students VALUES ('17', 'Ada', "
           "'$argon2id$v=19$m=19456,t=2,p=1$c2FsdA$aGFzaA'): ERROR"
        << "SQL statement failed: INSERT INTO students VALUES ('17', 'Ada', '[hash]'): ERROR";
    QTest::newRow("password of a connection string")
        << "Cannot reach the database: host=db password=hunter2 user=kiosk"
        << "Cannot reach the database: host=db password=[hidden] user=kiosk";
    QTest::newRow("quoted password with spaces") << "password = 'two words' host=db"
                                                 << "password = [hidden] host=db";
    QTest::newRow("password in a URI") << "postgresql://kiosk:hunter2@db/brindlow"
                                       << "postgresql://kiosk:[hidden]@db/brindlow";
    QTest::newRow("row quoted by a refused insert")
        << "ERROR: null value in column \"name\"\nDETAIL: Failing row contains (17, null, plain secret)."
        << "ERROR: null value in column \"name\"\nDETAIL: Failing row contains (...).";
    QTest::newRow("ordinary warning kept whole") << "Cannot write the student list \"students.lst\": Permission denied"
                                                 << "Cannot write the student list \"students.lst\": Permission denied";
}

void tst_kioskLog::secretsStayOutOfTheLog()
{
    QFETCH(QString, message);
    QFETCH(QString, logged);
    QCOMPARE(withoutSecrets(message), logged);
}

QTEST_APPLESS_MAIN(tst_kioskLog)
#include "tst_kioskLog.moc"
