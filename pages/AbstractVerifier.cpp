#include "pages/AbstractVerifier.h"

AbstractVerifier::~AbstractVerifier() = default;
