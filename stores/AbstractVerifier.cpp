#include "stores/AbstractVerifier.h"

AbstractVerifier::~AbstractVerifier() = default;
