#include "stores/AbstractStudentList.h"

AbstractStudentList::~AbstractStudentList() = default;
