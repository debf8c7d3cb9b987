#include "calc/design_record.h"

namespace zt6 {

namespace {

Material InitialMaterial(const char* number, const char* name, std::int32_t Re, double fS) {
  Material m;
  m.number = number;
  m.name = name;
  m.text3 = "1.0037";
  m.type = 1;
  m.field5 = 370;
  m.Re = Re;
  m.field7 = 0;
  m.fH = 1.0;
  m.fS = fS;
  m.tableRow = 1;
  m.pzul = 1.0;
  m.Seq = 1.0;
  m.Smax = 1.0;
  return m;
}

}  // namespace

DesignRecord::DesignRecord()
    : material{InitialMaterial("", "30CrMoV9", 1050, 1.2),
               InitialMaterial("0.6030", "EN-GJL-300", 230, 2.0)} {}

void DesignRecord::Reset() { *this = DesignRecord(); }

std::string FitWidth(std::string text, std::size_t width) {
  if (text.size() > width) text.resize(width);
  return text;
}

}  // namespace zt6
