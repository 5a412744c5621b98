// A reader's fault told in the interface's language.
#pragma once

#include <QString>

#include "chart/wizards/CodeError.h"

namespace quobrix {

// "строка 3, столбец 12: ожидается «then», а стоит «do»".
QString CodeErrorText(const CodeError& error);

}  // namespace quobrix
