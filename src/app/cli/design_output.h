#pragma once
// What zt6 calc prints of a calculated design: the readable listing, or the inputs,
// results, messages and fatal flag as JSON members.

#include <ostream>

#include "base/value_writer.h"
#include "calc/design_record.h"
#include "calc/run_messages.h"

namespace zt6 {

// "[inputs]", "[results]" and "[messages]" with one "NAME = value" line per field.
void WriteDesignListing(const DesignRecord& design, const RunMessages& messages,
                        std::ostream& out);

// The members "inputs", "results" (the per-part values in the objects "shaft" and
// "hub"), "messages" and "fatal" into the open object of the writer.
void WriteDesignMembers(ValueWriter& json, const DesignRecord& design, const RunMessages& messages);

}  // namespace zt6
