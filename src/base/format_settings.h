#pragma once
// The settings the number formats and character conversion read. They are part of
// the program's configuration and keep these defaults until a configuration is read.

#include "base/units.h"

namespace zt6 {

struct FormatSettings {
  int decimals = 3;               // "Dezimalstellen": shifts the decimals of fixed formats
  int decimalSeparator = 1;       // "Dot=1 Komma=2"
  UnitSystem units = UnitSystem::Metric;  // "Metric Units=0,  English units=1"
  bool asciiSpecial = false;      // transliterate OEM texts to ASCII; angle unit "deg"
  int dateCode = 1;               // "Date Code"
};

}  // namespace zt6
