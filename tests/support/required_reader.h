#pragma once
// Independent readers (ezdxf, OpenCASCADE's IGES reader, poppler, openpyxl) that tests read
// their output back with. Where one is missing a developer's run skips the test; under CI
// (the variable CI set) the test fails instead, so a run without a reader cannot pass.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/dxf_audit.h"
#ifdef ZT6_IGES_CHECK_EXE
#include "support/iges_check.h"
#endif
#include "support/pdf_reading.h"

namespace zt6::test_support {

inline bool UnderCi() {
  const char* ci = std::getenv("CI");
  if (ci == nullptr) return false;
  const std::string value = ci;
  return !value.empty() && value != "0" && value != "false";
}

inline bool HaveOpenpyxl() {
  return Shell("/usr/bin/python3 -c 'import openpyxl'").exitCode == 0;
}

}  // namespace zt6::test_support

// Returns from the test when the reader is missing: a failure under CI, else a skip.
#define ZT6_REQUIRE_READER(available, package)                                              \
  do {                                                                                       \
    if (!(available)) {                                                                      \
      if (::zt6::test_support::UnderCi())                                                    \
        GTEST_FAIL() << package << " is missing: under CI every independent reader must be " \
                                   "installed (scripts/bootstrap.sh)";                       \
      GTEST_SKIP() << package << " is not installed";                                        \
    }                                                                                        \
  } while (false)

#define ZT6_REQUIRE_EZDXF() ZT6_REQUIRE_READER(::zt6::test_support::HaveEzdxf(), "python3-ezdxf")
#define ZT6_REQUIRE_POPPLER() \
  ZT6_REQUIRE_READER(::zt6::test_support::HavePoppler(), "poppler-utils")
#define ZT6_REQUIRE_OPENPYXL() \
  ZT6_REQUIRE_READER(::zt6::test_support::HaveOpenpyxl(), "python3-openpyxl")
#ifdef ZT6_IGES_CHECK_EXE
#define ZT6_REQUIRE_IGES_CHECKER()                                     \
  ZT6_REQUIRE_READER(::zt6::test_support::HaveIgesChecker(),           \
                     "OpenCASCADE's IGES reader (libocct-data-exchange-dev, found when building)")
#endif
