#include "stores/AbstractHistory.h"

AbstractHistory::~AbstractHistory() = default;
