#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QStringList>

#include <optional>

/// Carries out the options meant for deployment scripts and returns the
/// program's exit code; nothing when the kiosk is to start as usual.
///   --database CONNECTION      keep the data in the shared PostgreSQL database
///                              of this libpq connection string ("" for files)
///   --copy-folder-to-database  copy this folder's files into that database
std::optional<int> runCommandLine(const QStringList& arguments);

#endif
