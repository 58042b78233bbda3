#pragma once

#include <QString>

namespace stellaform {

// Gives a new widget, action or timer the object name by which the program's
// windows and their tests find it.
template <typename Object> Object* named(Object* object, const char* name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

} // namespace stellaform
