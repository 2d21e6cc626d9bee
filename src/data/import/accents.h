#pragma once

#include <QString>

namespace vorbix::import {

// `text` without its accents, case kept ("Difícil" -> "Dificil"): the
// combining marks of its canonical decomposition left out.
QString withoutAccents(const QString &text);

} // namespace vorbix::import
