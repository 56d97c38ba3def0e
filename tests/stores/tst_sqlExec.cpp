#include "stores/sqlExec.h"
#include "support/StoreBackend.h"
#include "support/TestWorkspace.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

class tst_sqlExec : public QObject
{
    Q_OBJECT

private slots:
    void failuresAreLoggedWithoutTheValues_data();
    void failuresAreLoggedWithoutTheValues();
};

void tst_sqlExec::failuresAreLoggedWithoutTheValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("a password hash") << QStringLiteral("$argon2id$v=19$m=19456,t=2,p=1$c2FsdA$aGFzaA");
    QTest::newRow("a name with a quote") << QStringLiteral("O'Brien secret");
}

// With PostgreSQL the values are written into the statement itself, which
// must not be what a failure leaves in the log.
void tst_sqlExec::failuresAreLoggedWithoutTheValues()
{
    QFETCH(QString, value);
    TestWorkspace workspace;
    StoreBackend backend;
    const QString name = QStringLiteral("failing");
    {
        QSqlDatabase database
            = QSqlDatabase::addDatabase(StoreBackend::isPostgres() ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"),
                                        name);
        if (StoreBackend::isPostgres())
            database.setConnectOptions(StoreBackend::connection());
        else
            database.setDatabaseName(workspace.filePath("scratch"));
        QVERIFY(database.open());
        QSqlQuery query(database);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^SQL statement failed: INSERT INTO nowhere VALUES "
                                                               "\\(\\?, \\?\\): (?!.*%1)")
                                                    .arg(QRegularExpression::escape(value.right(6)))));
        QVERIFY(!execLogged(query, QStringLiteral("INSERT INTO nowhere VALUES (?, ?)"), { value, 42 }));
    }
    QSqlDatabase::removeDatabase(name);
}

QTEST_GUILESS_MAIN(tst_sqlExec)
#include "tst_sqlExec.moc"
