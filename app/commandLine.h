#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QStringList>

// Options meant for deployment scripts, which need no display:
//   --database CONNECTION      keep the data in the shared PostgreSQL database
//                              of this libpq connection string ("" for files)
//   --copy-folder-to-database  copy this folder's files into that database
//   --backup-now               back up this folder's files now
//   --list-backups             list the backups
//   --restore-backup FOLDER    put that backup in place of this folder's files
//   --help, --version

/// Whether the program is run for one of those options rather than as the kiosk.
bool isCommandLineTask(int argc, char* argv[]);

/// Carries out the options and returns the program's exit code.
int runCommandLine(const QStringList& arguments);

#endif
