#pragma once
// The entities of a DXF file as the drawing tests look at them: where each lies
// (the block it belongs to, or "" for the model space), its type, layer, first point,
// text or block name and insert scales.

#include <string>
#include <vector>

#include "cad/block_file.h"

namespace zt6::cad_test {

struct DxfEntity {
  std::string block;  // "" in the ENTITIES section
  std::string type;
  std::string layer;
  double x = 0, y = 0;
  double sx = 1, sy = 1;
  std::string text;   // group 1 of TEXT
  std::string name;   // group 2 of INSERT
};

inline std::vector<DxfEntity> DxfEntities(const std::vector<DxfGroup>& groups) {
  std::vector<DxfEntity> entities;
  std::string block;
  bool inBlockHeader = false;
  DxfEntity* current = nullptr;
  for (const DxfGroup& g : groups) {
    if (g.code == 0) {
      current = nullptr;
      inBlockHeader = g.value == "BLOCK";
      if (g.value == "ENDBLK" || g.value == "ENDSEC") block.clear();
      if (g.value == "LINE" || g.value == "TEXT" || g.value == "INSERT" || g.value == "ARC" ||
          g.value == "CIRCLE" || g.value == "SOLID" || g.value == "POLYLINE") {
        DxfEntity entity;
        entity.block = block;
        entity.type = g.value;
        entities.push_back(entity);
        current = &entities.back();
      }
      continue;
    }
    if (inBlockHeader && g.code == 2) block = g.value;
    if (!current) continue;
    switch (g.code) {
      case 8: current->layer = g.value; break;
      case 10: current->x = std::stod(g.value); break;
      case 20: current->y = std::stod(g.value); break;
      case 41: current->sx = std::stod(g.value); break;
      case 42: current->sy = std::stod(g.value); break;
      case 1: current->text = g.value; break;
      case 2: current->name = g.value; break;
      default: break;
    }
  }
  return entities;
}

}  // namespace zt6::cad_test
