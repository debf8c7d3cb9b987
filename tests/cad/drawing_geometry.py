"""Geometry the drawing checks share: the box a text takes and whether a line runs
through it.

A text box is given by the left end of its base line, its direction in degrees
(counter-clockwise, y upwards), its length along the base line and its height across
it. A line crosses the box when some part of it lies inside the box shrunk by a
tolerance on every side, so a rule that only touches a text's edge does not count.
"""
import math


def text_box(x, y, angle, length, height):
    return (x, y, math.radians(angle), length, height)


def crosses(box, start, end, tolerance):
    x, y, angle, length, height = box
    c, s = math.cos(angle), math.sin(angle)

    def local(p):
        dx, dy = p[0] - x, p[1] - y
        return (dx * c + dy * s, -dx * s + dy * c)

    (u0, v0), (u1, v1) = local(start), local(end)
    low = [tolerance, tolerance]
    high = [length - tolerance, height - tolerance]
    if low[0] >= high[0] or low[1] >= high[1]:
        return False
    # Liang-Barsky: clip the segment's parameter range to the box.
    t0, t1 = 0.0, 1.0
    for p0, d, lo, hi in ((u0, u1 - u0, low[0], high[0]), (v0, v1 - v0, low[1], high[1])):
        if d == 0:
            if p0 <= lo or p0 >= hi:
                return False
            continue
        a, b = (lo - p0) / d, (hi - p0) / d
        if a > b:
            a, b = b, a
        t0, t1 = max(t0, a), min(t1, b)
        if t0 >= t1:
            return False
    return True


def corners(box):
    x, y, angle, length, height = box
    u = (math.cos(angle), math.sin(angle))
    v = (-math.sin(angle), math.cos(angle))
    return [(x + a * u[0] + b * v[0], y + a * u[1] + b * v[1])
            for a, b in ((0, 0), (length, 0), (0, height), (length, height))]


def exploded(entities):
    """The entities with every insert and polyline replaced by what it draws."""
    for entity in entities:
        if entity.dxftype() in ("INSERT", "POLYLINE"):
            yield from exploded(list(entity.virtual_entities()))
        else:
            yield entity


def dxf_text_box(text):
    """A TEXT as wide as the drawing assumes: characters x height x width factor."""
    height = text.dxf.height
    length = len(text.dxf.text) * height * text.dxf.get("width", 1.0)
    return text_box(text.dxf.insert[0], text.dxf.insert[1], text.dxf.get("rotation", 0.0),
                    length, height)


def dxf_points(entity):
    """Points whose box holds what the entity draws."""
    kind = entity.dxftype()
    if kind == "LINE":
        return [entity.dxf.start, entity.dxf.end]
    if kind == "CIRCLE":
        c, r = entity.dxf.center, entity.dxf.radius
        return [(c[0] - r, c[1] - r), (c[0] + r, c[1] + r)]
    if kind == "ARC":
        box = entity.construction_tool().bounding_box
        return [box.extmin, box.extmax]
    if kind == "SOLID":
        return [entity.dxf.vtx0, entity.dxf.vtx1, entity.dxf.vtx2, entity.dxf.vtx3]
    if kind == "TEXT":
        return corners(dxf_text_box(entity))
    return []
