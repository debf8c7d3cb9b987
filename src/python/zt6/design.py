"""The Design class: one design to change, calculate, save and show in a notebook."""

import errno
import html
import os

from . import _core

_INPUT_NAMES = tuple(_core._input_names())
_PARTS = ("shaft", "hub")
# Inputs reached directly as attributes: those outside the parts ("l", "gamma_e").
_TOP_LEVEL = frozenset(name for name in _INPUT_NAMES if "." not in name)


def _flattened(values, prefix=""):
    """{"shaft": {"Re": 1}} as {"shaft.Re": 1}, the names set= takes."""
    flat = {}
    for name, value in values.items():
        if isinstance(value, dict):
            flat.update(_flattened(value, f"{prefix}{name}."))
        else:
            flat[prefix + name] = value
    return flat


def _shown(value):
    """A value for the eye: reals to six significant digits (23.6, not 23.599999999999998)."""
    return format(value, ".6g") if isinstance(value, float) else str(value)


class _Part:
    """The inputs of the shaft or the hub of a design: design.shaft.Re = 300."""

    def __init__(self, design, part):
        object.__setattr__(self, "_design", design)
        object.__setattr__(self, "_part", part)

    def __getattr__(self, name):
        return self._design[f"{self._part}.{name}"]

    def __setattr__(self, name, value):
        self._design[f"{self._part}.{name}"] = value

    def __dir__(self):
        prefix = self._part + "."
        return [name[len(prefix):] for name in _INPUT_NAMES if name.startswith(prefix)]


class Design:
    """A design: a project file, or a new design of a DIN 5481 size, with changed inputs.

    Inputs are attributes by the names of calc()'s "inputs" (design.l = 30,
    design.shaft.Re = 300, or design["shaft.Re"]); they are applied in the order set,
    after the file and the size, as zt6 calc --set applies them.

        d = zt6.Design(size="21x24")
        d.l = 30
        d.calc()["results"]["shaft"]

    In a notebook a design shows its results as a table and its profile drawing
    (drawing 9, shaft and hub) as SVG.
    """

    def __init__(self, file=None, *, size=None, cls=None, tables=None, **inputs):
        """file: a project file or None; size: a DIN 5481 designation such as
        "21x24"; cls: "fein" or "grob"; tables: the folder of the standard tables;
        further keywords set inputs (top-level names such as l=30)."""
        object.__setattr__(self, "_file", None if file is None else os.fspath(file))
        object.__setattr__(self, "_size", size)
        object.__setattr__(self, "_cls", cls)
        object.__setattr__(self, "_tables", tables)
        object.__setattr__(self, "_changes", {})
        object.__setattr__(self, "_result", None)
        for name, value in inputs.items():
            setattr(self, name, value)

    @classmethod
    def open(cls, path, *, tables=None):
        """The design of a project file; FileNotFoundError when there is none."""
        path = os.fspath(path)
        if not os.path.isfile(path):
            raise FileNotFoundError(errno.ENOENT, os.strerror(errno.ENOENT), path)
        return cls(path, tables=tables)

    def _design_options(self):
        return {"size": self._size, "cls": self._cls, "set": dict(self._changes) or None,
                "tables": self._tables}

    def calc(self):
        """The calculation run, as zt6.calc() of the file, size and changed inputs."""
        result = _core.calc(self._file, **self._design_options())
        object.__setattr__(self, "_result", result)
        return result

    def save(self, path):
        """Writes the calculated design as a project file (.zt6) that zt6 and wzt6 open;
        the documentation records of the file it came from are kept."""
        _core._save(os.fspath(path), self._file, **self._design_options())

    def report(self, format="text", language=1):
        """The calculation report, as zt6.report()."""
        return _core.report(self._file, format=format, language=language,
                            **self._design_options())

    def drawing(self, n, format="svg", language=1):
        """Drawing n of the drawing list, as zt6.drawing()."""
        return _core.drawing(self._file, n, format=format, language=language,
                             **self._design_options())

    # ---- inputs by name ----

    def __getitem__(self, name):
        if name not in _INPUT_NAMES:
            raise KeyError(name)
        if name in self._changes:
            return self._changes[name]
        result = self._result if self._result is not None else self.calc()
        return _flattened(result["inputs"])[name]

    def __setitem__(self, name, value):
        if name not in _INPUT_NAMES:
            raise KeyError(f"{name!r} is not an input of the design")
        self._changes.pop(name, None)  # the latest assignment goes last
        self._changes[name] = value
        object.__setattr__(self, "_result", None)

    def __getattr__(self, name):
        if name in _PARTS:
            return _Part(self, name)
        if name in _TOP_LEVEL:
            return self[name]
        raise AttributeError(f"{type(self).__name__} has no input {name!r}")

    def __setattr__(self, name, value):
        if name not in _TOP_LEVEL:
            raise AttributeError(f"{name!r} is not an input of the design")
        self[name] = value

    def __dir__(self):
        return sorted(set(super().__dir__()) | _TOP_LEVEL | set(_PARTS))

    def __repr__(self):
        source = repr(self._file) if self._file is not None else f"size={self._size!r}"
        changes = "".join(f", {name}={value!r}" for name, value in self._changes.items())
        return f"Design({source}{changes})"

    # ---- notebook display ----

    def _repr_html_(self):
        try:
            result = self._result if self._result is not None else self.calc()
        except _core.Error as error:
            return f"<p><b>zt6.Error</b>: {html.escape(str(error))}</p>"
        rows = "".join(
            f"<tr><td>{html.escape(name)}</td><td>{html.escape(_shown(value))}</td></tr>"
            for name, value in _flattened(result["results"]).items())
        messages = "".join(f"<li>{html.escape(text)}</li>" for text in result["messages"])
        caption = html.escape(str(result["inputs"]["designation"]))
        return (f"<table><caption>{caption}</caption>"
                f"<tr><th>result</th><th>value</th></tr>{rows}</table>"
                + (f"<ul>{messages}</ul>" if messages else ""))

    def _repr_svg_(self):
        # Drawing 9: the profiles of shaft and hub together; none for a refused design,
        # whose message the table shows.
        try:
            return self.drawing(9, "svg")
        except _core.Error:
            return None
