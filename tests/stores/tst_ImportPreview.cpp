#include "stores/ImportPreview.h"

#include <QTest>

using Students = QList<Student>;

class tst_ImportPreview : public QObject
{
    Q_OBJECT

private slots:
    void counts_data();
    void counts();
};

static const Students current = {
    Student("Ada Lovelace", "1", "hash1"),
    Student("Bo Diddley", "2", "hash2"),
    Student("Cy Young", "3", QString()),
    Student("Di Gone", "4", "hash4"),
};

// A file's students, one a line, as the reader gives them.
static StudentCsv fileOf(const Students& students)
{
    StudentCsv csv;
    for (const Student& student : students) {
        csv.students.append(student);
        csv.studentLines.append(int(csv.students.size()) + 1);
    }
    return csv;
}

static Student unregistered(const QString& name, const QString& id)
{
    return Student(name, id, QString());
}

void tst_ImportPreview::counts_data()
{
    QTest::addColumn<Students>("file");
    QTest::addColumn<int>("students");
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("cleared");
    QTest::addColumn<int>("clearedWhenKept");
    QTest::addColumn<Students>("kept");

    QTest::newRow("same roster: all passwords keepable")
        << Students { unregistered("Ada Lovelace", "1"), unregistered("Bo Diddley", "2"), unregistered("Cy Young", "3"),
               unregistered("Di Gone", "4") }
        << 4 << 0 << 3 << 0
        << Students { Student("Ada Lovelace", "1", "hash1"), Student("Bo Diddley", "2", "hash2"),
               Student("Cy Young", "3", QString()), Student("Di Gone", "4", "hash4") };
    QTest::newRow("renamed student loses the password, missing one is removed")
        << Students { unregistered("Ada Byron", "1"), unregistered("Bo Diddley", "2"), unregistered("Eve New", "5") }
        << 3 << 2 << 2 << 1
        << Students { Student("Ada Byron", "1", QString()), Student("Bo Diddley", "2", "hash2"),
               Student("Eve New", "5", QString()) };
    QTest::newRow("repeated ID counted once, its last line decides the name") << Students {
        unregistered("Bo Other", "2"), unregistered("Ada Lovelace", "1"), unregistered("Bo Diddley", "2")
    } << 2 << 2 << 2 << 0 << Students { Student("Ada Lovelace", "1", "hash1"), Student("Bo Diddley", "2", "hash2") };
    QTest::newRow("file with no student removes everyone") << Students() << 0 << 4 << 0 << 0 << Students();
}

void tst_ImportPreview::counts()
{
    QFETCH(Students, file);
    QFETCH(int, students);
    QFETCH(int, removed);
    QFETCH(int, cleared);
    QFETCH(int, clearedWhenKept);
    QFETCH(Students, kept);

    const ImportPreview preview(fileOf(file), current);
    QCOMPARE(preview.studentCount(), students);
    QCOMPARE(preview.removedCount(), removed);
    QCOMPARE(preview.clearedPasswordCount(false), cleared);
    QCOMPARE(preview.clearedPasswordCount(true), clearedWhenKept);
    QCOMPARE(preview.students(true), kept);
    for (const Student& student : preview.students(false))
        QVERIFY(student.password().isNull());
}

QTEST_GUILESS_MAIN(tst_ImportPreview)
#include "tst_ImportPreview.moc"
