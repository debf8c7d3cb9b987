#pragma once
// A fault inside the table layer. what() is the full text the error box shows:
// "Dataset error: " followed by the description.

#include <stdexcept>
#include <string>

namespace zt6 {

class DbfError : public std::runtime_error {
 public:
  explicit DbfError(const std::string& description)
      : std::runtime_error("Dataset error: " + description) {}
};

}  // namespace zt6
