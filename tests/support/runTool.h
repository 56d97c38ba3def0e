#ifndef RUNTOOL_H
#define RUNTOOL_H

#include <QStringList>

/// Runs the command-line tool \a program with \a arguments and returns what
/// it wrote to its standard output; a tool that cannot run or fails fails
/// the test.
QString runTool(const QString& program, const QStringList& arguments);

#endif
