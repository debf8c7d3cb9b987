#pragma once
// A fixed clock reading for report headers.

#include <ctime>

namespace zt6::test_support {

inline std::tm LocalTime(int year, int month, int day, int hour, int minute) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  return t;
}

}  // namespace zt6::test_support
