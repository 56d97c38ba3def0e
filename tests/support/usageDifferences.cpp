#include "support/usageDifferences.h"

QStringList usageDifferences(const Usage& found, const Usage& expected)
{
    QStringList differences;
    const auto compare = [&differences](bool same, const char* name) {
        if (!same)
            differences.append(QString::fromLatin1(name));
    };
    compare(found.ok && expected.ok, "ok");
    compare(found.schoolDays == expected.schoolDays, "schoolDays");
    compare(found.signOutsPerCopy == expected.signOutsPerCopy, "signOutsPerCopy");
    compare(found.daysOut == expected.daysOut, "daysOut");
    compare(found.students == expected.students, "students");
    compare(found.weeks == expected.weeks, "weeks");
    compare(found.hours == expected.hours, "hours");
    compare(found.lastSignOuts == expected.lastSignOuts, "lastSignOuts");
    return differences;
}
