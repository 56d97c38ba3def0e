#include "stores/Clock.h"

Clock::~Clock() = default;
