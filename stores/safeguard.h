#ifndef SAFEGUARD_H
#define SAFEGUARD_H

#include <QString>

#include <functional>

/// Asked before a change that destroys data, with the change's name
/// ("clear-history", "import", "undo-import"); false stops the change (a
/// backup of what it destroys could not be made).
using Safeguard = std::function<bool(const QString& action)>;

#endif
