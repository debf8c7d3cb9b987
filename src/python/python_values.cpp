#include "python_values.h"

#include <cmath>
#include <utility>

namespace zt6 {

namespace py = pybind11;

void PythonValues::Put(py::object value) {
  if (open_.empty()) {
    result_ = std::move(value);
  } else if (py::isinstance<py::dict>(open_.back())) {
    open_.back()[py::str(key_)] = std::move(value);
  } else {
    open_.back().cast<py::list>().append(std::move(value));
  }
}

void PythonValues::BeginObject() {
  py::dict object;
  Put(object);
  open_.push_back(std::move(object));
}

void PythonValues::BeginArray() {
  py::list array;
  Put(array);
  open_.push_back(std::move(array));
}

void PythonValues::EndObject() { open_.pop_back(); }
void PythonValues::EndArray() { open_.pop_back(); }
void PythonValues::Key(std::string_view utf8) { key_.assign(utf8); }

void PythonValues::String(std::string_view utf8) {
  // The texts are UTF-8 already; a byte that is not becomes U+FFFD as in the JSON.
  Put(py::reinterpret_steal<py::object>(
      PyUnicode_DecodeUTF8(utf8.data(), static_cast<Py_ssize_t>(utf8.size()), "replace")));
}

// JSON has no NaN or infinity: the command line writes 0 there, and so do we.
void PythonValues::Number(double value) { Put(py::float_(std::isfinite(value) ? value : 0.0)); }
void PythonValues::Integer(std::int64_t value) { Put(py::int_(value)); }
void PythonValues::Bool(bool value) { Put(py::bool_(value)); }

}  // namespace zt6
