#include "stores/AbstractInventory.h"

AbstractInventory::~AbstractInventory() = default;
