#pragma once
// The values zt6 writes as JSON, built as Python objects instead: objects become dicts,
// arrays lists, and numbers keep their kind (whole numbers int, reals float), so a
// result reads the same as "zt6 calc --json" parsed by Python's json module.

#include <pybind11/pybind11.h>

#include <string>
#include <vector>

#include "base/value_writer.h"

namespace zt6 {

class PythonValues final : public ValueWriter {
 public:
  void BeginObject() override;
  void EndObject() override;
  void BeginArray() override;
  void EndArray() override;
  void Key(std::string_view utf8) override;
  void String(std::string_view utf8) override;
  void Number(double value) override;
  void Integer(std::int64_t value) override;
  void Bool(bool value) override;

  // The outermost value, once it is closed.
  pybind11::object Result() const { return result_; }

 private:
  struct Open {
    pybind11::object container;  // a dict or a list being filled
    bool dict = false;
    std::size_t place = 0;  // dicts: how many dicts of the result began before this one
  };

  // Takes the new reference value; null stands for the Python error of its making.
  void Put(PyObject* value);

  std::vector<Open> open_;
  PyObject* key_ = nullptr;  // the next member's name: a shared str, kept for good
  std::size_t keys_ = 0;     // member names given so far
  std::size_t dicts_ = 0;    // dicts begun so far
  pybind11::object result_;
};

}  // namespace zt6
