#pragma once
// File dialog filters: the program keeps them in the Windows form
// ("text|pattern|text|pattern", patterns joined by ";"); Qt's dialogs take
// "text (pattern pattern);;text (pattern)". One conversion for every dialog.

#include <QString>
#include <string>

namespace zt6::gui {

// "*.dxf|*.dxf|*.*|*.*" gives "*.dxf (*.dxf);;*.* (*)"; a lone pattern ("*.zt6") is its
// own text; "*.*" matches every file, also those without a dot; an empty filter
// gives "*.* (*)".
QString QtFileFilter(const std::string& windowsFilter);

}  // namespace zt6::gui
