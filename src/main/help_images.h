#pragma once
// The help images shipped with the program, drawn as HP-GL/2 plot files on a sheet of
// 160 by 120 mm (the world window the help display sets).

#include <string>
#include <vector>

namespace zt6 {

struct HelpImage {
  std::string name;         // plot file name without ".plt", at most 8 characters
  std::string information;  // the image list's description, at most 50 characters (UTF-8)
  std::string plot;         // the HP-GL/2 file
};

// The images with the words of language 1 (German) or 2 (English).
std::vector<HelpImage> HelpImages(int language = 1);

}  // namespace zt6
