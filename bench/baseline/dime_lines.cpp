// Writes N LINE entities (default 100,000) with libdime, the same lines as
// bench/dxf_lines: a C++ library's DXF writer as the baseline of bench/run.sh.
//   dime_lines OUT.dxf [N]

#include <dime/Layer.h>
#include <dime/Model.h>
#include <dime/Output.h>
#include <dime/entities/Line.h>
#include <dime/sections/EntitiesSection.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: dime_lines OUT.dxf [N]\n");
    return 2;
  }
  const long count = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 100000;
  dimeModel model;
  auto* entities = new dimeEntitiesSection;  // the model owns its sections
  model.insertSection(entities);
  const dimeLayer* layer = model.addLayer("1");
  for (long i = 0; i < count; ++i) {
    const float x = static_cast<float>(i % 1000);
    const float y = static_cast<float>(i / 1000);
    auto* line = new dimeLine;
    line->setCoords(0, dimeVec3f(x, y, 0));
    line->setCoords(1, dimeVec3f(x + 0.5f, y + 0.25f, 0));
    line->setLayer(layer);
    entities->insertEntity(line);
  }
  dimeOutput out;
  if (!out.setFilename(argv[1]) || !model.write(&out)) {
    std::fprintf(stderr, "dime_lines: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
