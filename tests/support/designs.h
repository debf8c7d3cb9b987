#pragma once
// Designs several test folders start from.

#include <string>

#include "calc/design_record.h"
#include "support/file_bytes.h"

namespace zt6::test_support {

// 12x14 typed in by hand: z = 31 (odd), TGi = TGe = 0.04, pins and fillets left at 0.
inline DesignRecord SelfDefined12x14() {
  DesignRecord d;
  d.dimensionSource = DimensionSource::SelfDefined;
  d.Dii = 12.0;
  d.Dee = 14.2;
  d.D = 13.0;
  d.z = 31;
  d.gammaE = 60;
  d.l = 26;
  d.TGi = 0.04;
  d.TGe = 0.04;
  d.TN = 20;
  d.Tmax = 60;
  d.KA = 1.25;
  return d;  // materials: shaft Re 1050 fS 1.2, hub Re 230 fS 2.0, fH 1.0
}

// The bundled 12x14 example with Dii above D: its run ends with a fatal message.
inline std::string ProjectWithFatalRun() {
  std::string project =
      FileBytes(std::string(ZT6_DATA_DIR) + "/examples/welle_12x14.zt6");
  const std::string dii = "\r\n12.0000000\r\n14.2000000\r\n13.0000000\r\n";
  const std::size_t at = project.find(dii);
  if (at == std::string::npos) return {};
  project.replace(at, dii.size(), "\r\n13.5000000\r\n14.2000000\r\n13.0000000\r\n");
  return project;
}

}  // namespace zt6::test_support
