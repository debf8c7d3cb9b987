#include "python_values.h"

#include <cmath>
#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zt6 {

namespace py = pybind11;

namespace {

struct NameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view name) const {
    return std::hash<std::string_view>{}(name);
  }
};

using SharedNames = std::unordered_map<std::string, PyObject*, NameHash, std::equal_to<>>;

// The member names repeat in every result: one interned str each, made once and kept for
// the life of the interpreter, saves making and hashing a new str per member.
const SharedNames::value_type& SharedName(std::string_view utf8) {
  static auto& names = *new SharedNames;
  if (const auto found = names.find(utf8); found != names.end()) return *found;
  PyObject* name = PyUnicode_DecodeUTF8(utf8.data(), static_cast<Py_ssize_t>(utf8.size()),
                                        "replace");
  if (name == nullptr) throw py::error_already_set();
  PyUnicode_InternInPlace(&name);
  return *names.emplace(std::string(utf8), name).first;
}

// The names in the order the last result gave them: results come with the same members
// in the same order, so the name at the same place is compared first, sparing the hash.
std::vector<const SharedNames::value_type*>& LastOrder() {
  static auto& order = *new std::vector<const SharedNames::value_type*>;
  return order;
}

}  // namespace

void PythonValues::Put(py::object value) {
  if (!value) throw py::error_already_set();
  if (open_.empty()) {
    result_ = std::move(value);
    return;
  }
  const Open& into = open_.back();
  const int failed = into.dict ? PyDict_SetItem(into.container.ptr(), key_, value.ptr())
                               : PyList_Append(into.container.ptr(), value.ptr());
  if (failed != 0) throw py::error_already_set();
}

void PythonValues::BeginObject() {
  py::dict object;
  Put(object);
  open_.push_back({std::move(object), true});
}

void PythonValues::BeginArray() {
  py::list array;
  Put(array);
  open_.push_back({std::move(array), false});
}

void PythonValues::EndObject() { open_.pop_back(); }
void PythonValues::EndArray() { open_.pop_back(); }
void PythonValues::Key(std::string_view utf8) {
  std::vector<const SharedNames::value_type*>& order = LastOrder();
  if (keys_ < order.size() && order[keys_]->first == utf8) {
    key_ = order[keys_]->second;
  } else {
    const SharedNames::value_type& name = SharedName(utf8);
    if (keys_ < order.size()) {
      order[keys_] = &name;
    } else {
      order.push_back(&name);
    }
    key_ = name.second;
  }
  ++keys_;
}

void PythonValues::String(std::string_view utf8) {
  // The texts are UTF-8 already; a byte that is not becomes U+FFFD as in the JSON.
  Put(py::reinterpret_steal<py::object>(
      PyUnicode_DecodeUTF8(utf8.data(), static_cast<Py_ssize_t>(utf8.size()), "replace")));
}

// JSON has no NaN or infinity: the command line writes 0 there, and so do we.
void PythonValues::Number(double value) {
  Put(py::reinterpret_steal<py::object>(PyFloat_FromDouble(std::isfinite(value) ? value : 0.0)));
}
void PythonValues::Integer(std::int64_t value) {
  Put(py::reinterpret_steal<py::object>(PyLong_FromLongLong(value)));
}
void PythonValues::Bool(bool value) { Put(py::bool_(value)); }

}  // namespace zt6
