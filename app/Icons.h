#pragma once

#include <QIcon>

namespace stellaform {

// The program's button and menu pictures: a white glyph on a coloured disc,
// drawn at run time so they stay sharp at every screen scale.
enum class Glyph { Add, Delete, Import, Export, Update, Predict, Ok, Cancel, Close, Help, Lottery, Web };

[[nodiscard]] QIcon glyphIcon(Glyph glyph);

} // namespace stellaform
