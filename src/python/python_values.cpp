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

// The member names repeat in every result: one interned str each, made once and kept for
// the life of the interpreter, saves making and hashing a new str per member.
PyObject* SharedName(std::string_view utf8) {
  static auto& names = *new std::unordered_map<std::string, PyObject*, NameHash, std::equal_to<>>;
  if (const auto found = names.find(utf8); found != names.end()) return found->second;
  PyObject* name = PyUnicode_DecodeUTF8(utf8.data(), static_cast<Py_ssize_t>(utf8.size()),
                                        "replace");
  if (name == nullptr) throw py::error_already_set();
  PyUnicode_InternInPlace(&name);
  names.emplace(std::string(utf8), name);
  return name;
}

// The names in the order the last result gave them: results come with the same members
// in the same order, so the name at the same place is compared first, sparing the hash.
struct PlacedName {
  std::string text;
  PyObject* name;
};
std::vector<PlacedName>& LastOrder() {
  static auto& order = *new std::vector<PlacedName>;
  return order;
}

// The number of members of each dict of the last result, by the order the dicts began:
// a dict made with room for as many is not grown and rehashed step by step.
std::vector<Py_ssize_t>& LastSizes() {
  static auto& sizes = *new std::vector<Py_ssize_t>;
  return sizes;
}

// Room for members; without the private call on interpreters that no longer have it.
PyObject* NewDict(Py_ssize_t members) {
#if PY_VERSION_HEX < 0x030D0000
  return _PyDict_NewPresized(members);
#else
  (void)members;
  return PyDict_New();
#endif
}

}  // namespace

void PythonValues::Put(PyObject* value) {
  if (value == nullptr) throw py::error_already_set();
  if (open_.empty()) {
    result_ = py::reinterpret_steal<py::object>(value);
    return;
  }
  const Open& into = open_.back();
  const int failed = into.dict ? PyDict_SetItem(into.container.ptr(), key_, value)
                               : PyList_Append(into.container.ptr(), value);
  Py_DECREF(value);
  if (failed != 0) throw py::error_already_set();
}

void PythonValues::BeginObject() {
  const std::size_t place = dicts_++;
  const std::vector<Py_ssize_t>& sizes = LastSizes();
  py::object object = py::reinterpret_steal<py::object>(
      place < sizes.size() ? NewDict(sizes[place]) : PyDict_New());
  Put(object.inc_ref().ptr());
  open_.push_back({std::move(object), true, place});
}

void PythonValues::BeginArray() {
  py::list array;
  Put(array.inc_ref().ptr());
  open_.push_back({std::move(array), false, 0});
}

void PythonValues::EndObject() {
  const Open& done = open_.back();
  std::vector<Py_ssize_t>& sizes = LastSizes();
  if (done.place >= sizes.size()) sizes.resize(done.place + 1, 0);
  sizes[done.place] = PyDict_Size(done.container.ptr());
  open_.pop_back();
}
void PythonValues::EndArray() { open_.pop_back(); }
void PythonValues::Key(std::string_view utf8) {
  std::vector<PlacedName>& order = LastOrder();
  if (keys_ < order.size() && std::string_view(order[keys_].text) == utf8) {
    key_ = order[keys_].name;
  } else {
    key_ = SharedName(utf8);
    if (keys_ >= order.size()) order.resize(keys_ + 1);
    order[keys_] = {std::string(utf8), key_};
  }
  ++keys_;
}

void PythonValues::String(std::string_view utf8) {
  // The texts are UTF-8 already; a byte that is not becomes U+FFFD as in the JSON.
  Put(PyUnicode_DecodeUTF8(utf8.data(), static_cast<Py_ssize_t>(utf8.size()), "replace"));
}

// JSON has no NaN or infinity: the command line writes 0 there, and so do we.
void PythonValues::Number(double value) {
  Put(PyFloat_FromDouble(std::isfinite(value) ? value : 0.0));
}
void PythonValues::Integer(std::int64_t value) {
  Put(PyLong_FromLongLong(value));
}
void PythonValues::Bool(bool value) { Put(PyBool_FromLong(value ? 1 : 0)); }

}  // namespace zt6
