#pragma once
// The HP-GL/2 plot files of the help images, drawn into the drawing command stream.
//
// The subset: SP (pen -> colour), PU, PD, PA, CI, AA, SI, DI, CS, LB and PE (encoded
// polylines); every other two-letter command is skipped up to its ";". Plotter units
// are 0.025 mm. A file that ends inside a command ends the drawing there; characters
// that begin no command are skipped, so no input can stop or stall the reader.

#include <string_view>

namespace zt6 {

class DrawingWindow;

inline constexpr double kPlotterUnit = 0.025;  // mm per plotter unit

// The drawing colour of plotter pen n: 1 red, 2 yellow, 3 green, 4 cyan, 5 blue,
// 6 magenta, 7 white; other numbers are colour numbers already.
int PenColour(int pen);

// Draws the plot file's bytes into the drawing's command stream.
void DrawPlotFile(DrawingWindow& drawing, std::string_view plotFile);

}  // namespace zt6
