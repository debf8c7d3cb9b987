#pragma once
// Room for a text that may grow large (a whole CAD file held in memory): reserved once,
// so that it is never copied to grow, and backed by huge pages where the system offers
// them, since taking millions of small pages one by one costs more than writing them.

#include <cstddef>
#include <string>

namespace zt6 {

// Reserves `bytes` of capacity in text (address space; pages are taken as it fills).
void ReserveLargeBuffer(std::string& text, std::size_t bytes);

}  // namespace zt6
