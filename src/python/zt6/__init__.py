"""ZT6 in Python: serrated shaft-hub connections to DIN 5481, calculated in-process.

The functions run the same code as the zt6 command line and give the same numbers:

    calc(file=None, *, size=None, cls=None, set=None, tables=None) -> dict
    calc_many(files, *, jobs=None, ...) -> list[dict]
    sizes() -> list[dict]
    fit(size, code) -> dict
    report(file=None, *, size=None, set=None, format="text", language=1) -> str
    drawing(file, n, *, size=None, set=None, format="svg", language=1) -> str | bytes
    size(file=None, *, torque, peak=None, safety=None, cls=None, max_length=None) -> dict
    identify(*, tip=None, teeth=None, root=None, over_pins=None, pin=None, hub=False) -> dict
    sweep(file, *, vary) -> list[dict]
    Design: inputs as attributes, .calc(), .save(path), Design.open(path)

Refusals raise zt6.Error (a ValueError) with the program's own message; a missing
project file raises FileNotFoundError.
"""

import os as _os

from . import _core
from ._location import PROGRAM_FOLDER_FROM_PACKAGE as _PROGRAM_FOLDER_FROM_PACKAGE

_core._set_program_folder(
    _os.path.normpath(_os.path.join(_os.path.dirname(_os.path.abspath(__file__)),
                                    _PROGRAM_FOLDER_FROM_PACKAGE)))

from ._core import (Error, calc, calc_many, drawing, fit, identify, report, size,  # noqa: E402
                    sizes, sweep)
from .design import Design  # noqa: E402

__all__ = ["Error", "Design", "calc", "calc_many", "sizes", "fit", "report", "drawing",
           "size", "identify", "sweep"]
