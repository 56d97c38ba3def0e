#include "stores/PreparedStatements.h"
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
    void aNullTextIsNull();
};

/// A connection to the database the tests run against, a scratch file or the test server.
static QSqlDatabase openScratch(const QString& name, const TestWorkspace& workspace)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(
        StoreBackend::isPostgres() ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), name);
    if (StoreBackend::isPostgres())
        database.setConnectOptions(StoreBackend::connection());
    else
        database.setDatabaseName(workspace.filePath("scratch"));
    database.open();
    return database;
}

void tst_sqlExec::failuresAreLoggedWithoutTheValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("a password hash") << QStringLiteral("$argon2id$v=19$m=19456,t=2,p=1$c2FsdA$aGFzaA");
    QTest::newRow("a name with a quote") << QStringLiteral("O'Brien secret");
}

// Whatever the driver does with the values, they must not be what a
// failure leaves in the log.
void tst_sqlExec::failuresAreLoggedWithoutTheValues()
{
    QFETCH(QString, value);
    TestWorkspace workspace;
    StoreBackend backend;
    const QString name = QStringLiteral("failing");
    {
        QSqlDatabase database = openScratch(name, workspace);
        QVERIFY(database.isOpen());
        PreparedStatements statements(database);
        QTest::ignoreMessage(QtWarningMsg,
            QRegularExpression(QStringLiteral("^SQL statement failed: INSERT INTO nowhere VALUES "
                                              "\\(\\?, \\?\\): (?!.*%1)")
                                   .arg(QRegularExpression::escape(value.right(6)))));
        QVERIFY(!statements.run(QStringLiteral("INSERT INTO nowhere VALUES (?, ?)"), { value, 42 }));
    }
    QSqlDatabase::removeDatabase(name);
}

// A student without a registered password has NULL, never ''.
void tst_sqlExec::aNullTextIsNull()
{
    TestWorkspace workspace;
    StoreBackend backend;
    const QString name = QStringLiteral("nulls");
    {
        QSqlDatabase database = openScratch(name, workspace);
        PreparedStatements statements(database);
        const auto query = statements.run(QStringLiteral("SELECT CAST(? AS text) IS NULL, CAST(? AS text) IS NULL"),
            { QString(), QStringLiteral("") });
        QVERIFY(query);
        QVERIFY(query->next());
        QCOMPARE(query->value(0).toBool(), true);
        QCOMPARE(query->value(1).toBool(), false);
    }
    QSqlDatabase::removeDatabase(name);
}

QTEST_GUILESS_MAIN(tst_sqlExec)
#include "tst_sqlExec.moc"
