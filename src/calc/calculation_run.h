#pragma once
// The single entry into the computation: inputs of the design record in, every
// derived quantity and the run messages out.

#include "calc/design_record.h"
#include "calc/run_messages.h"
#include "calc/standard_tables.h"

namespace zt6 {

// One calculation run: refusals, ISO limits of the tip diameters, table step,
// geometry, load capacity. A refused run leaves the derived fields as they were.
void CalculationRun(DesignRecord& design, RunMessages& messages, StandardTables& tables);

// The design variant ("Auslegung"): chooses the size from the maximum torque and the
// shaft's yield strength, sets l = 2·D, then runs the calculation.
void DesignVariant(DesignRecord& design, RunMessages& messages, StandardTables& tables);

// Hub tip diameter the design variant asks for, mm.
double RequiredTipDiameter(double Tmax, double Re, RunMessages& messages);

}  // namespace zt6
