#!/usr/bin/env python3
"""How the safeties move with the hub length: one calculation per length.

    python3 examples/hub_length.py                 # a new 21x24 design, 100 Nm (peak 200 Nm)
    python3 examples/hub_length.py welle.zt6       # a project of yours
    python3 examples/hub_length.py --size 12x14 --from 8 --to 30 --step 1
"""

import argparse

import zt6

# A new design's load and materials (a file brings its own): a case-hardened shaft
# (Re 590 N/mm2) in a steel hub (Re 355 N/mm2).
NEW_DESIGN = {"TN": 100, "Tmax": 200, "shaft.Re": 590, "hub.Re": 355}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("file", nargs="?", help="a project file (default: a new design)")
    parser.add_argument("--size", default=None, help="DIN 5481 size (default 21x24 without a file)")
    parser.add_argument("--from", dest="first", type=float, default=10, help="first length, mm")
    parser.add_argument("--to", dest="last", type=float, default=40, help="last length, mm")
    parser.add_argument("--step", type=float, default=2, help="step, mm")
    args = parser.parse_args()
    size = args.size or (None if args.file else "21x24")

    print(f"{'l/mm':>8} {'shaft Seq':>10} {'shaft Smax':>10} {'hub Seq':>10} {'hub Smax':>10}")
    length = args.first
    while length <= args.last + 1e-9:
        design = zt6.Design(args.file, size=size)
        if not args.file:
            for name, value in NEW_DESIGN.items():
                design[name] = value
        design.l = length
        try:
            results = design.calc()["results"]
        except zt6.Error as refused:
            print(f"{length:8.1f} {refused}")
        else:
            shaft, hub = results["shaft"], results["hub"]
            print(f"{length:8.1f} {shaft['Seq']:10.2f} {shaft['Smax']:10.2f} "
                  f"{hub['Seq']:10.2f} {hub['Smax']:10.2f}")
        length += args.step


if __name__ == "__main__":
    main()
