#!/usr/bin/python3
"""Reads the exported files of one model with the tools engineers use and
checks them against the structure.

Runs `zentrix-cli generate INPUT --geometry --vtu --msh --dxf` in a fresh
folder, reads the Geometry File as the reference (nodes, elements, element
types and blocked nodes), then:
  - VTU and MSH through meshio: every count, coordinate, cell, cell value and
    group agrees with the structure, and `meshio convert` makes an Abaqus
    file of the VTU that holds every node and element;
  - the VTU and MSH coordinates are the very same single-precision values;
  - DXF through ezdxf: the audit finds nothing, one LINE per element with its
    end points, on the layer of its element type.
Exit status 0 when everything agrees; the first disagreement is printed.

    check_exports.py ZENTRIX_CLI INPUT [--base0-last on|off]
"""
import math
import subprocess
import sys
import tempfile
from pathlib import Path

import ezdxf
import meshio
import numpy as np


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


def expect(condition, message):
    if not condition:
        fail(message)


def read_geometry_file(path):
    """Nodes (N x 3), elements (E x 2, 1-based), type per element, blocked nodes."""
    lines = path.read_bytes().decode("latin-1").split("\r\n")
    nodes_count, elements_count, dof = (int(v) for v in lines[10].split()[:3])
    blocked = set()
    at = 11
    while not lines[at].startswith("Elastic_Supports"):
        first, last = (int(v) for v in lines[at].split()[:2])
        blocked.update(range(max(first, 1), min(last, nodes_count) + 1))
        at += 1
    at = lines.index("Node&Coordinates:") + 1
    nodes = np.zeros((nodes_count, 3))
    for i in range(nodes_count):
        values = lines[at + i].split()
        expect(int(values[0]) == i + 1, "node line %d" % (i + 1))
        for axis, text in enumerate(values[1:1 + dof]):
            nodes[i, axis] = float(text)
    at = lines.index("Node&Topology:") + 1
    elements = np.zeros((elements_count, 2), dtype=np.int64)
    for j in range(elements_count):
        number, start, end = (int(v) for v in lines[at + j].split())
        expect(number == j + 1, "topology line %d" % (j + 1))
        elements[j] = (start, end)
    at = lines.index("Element_Data:") + 1
    types = np.zeros(elements_count, dtype=np.int64)
    areas = {}
    names = {}
    kind = 0
    while not lines[at].startswith("Materials"):
        fields = lines[at].split(None, 4)
        first, last, area = int(fields[0]), int(fields[1]), float(fields[2])
        name = fields[4].strip() if len(fields) > 4 else ""
        if kind < 4:
            kind += 1
            the_type = kind
        else:
            # A Base 0 element: its type is the one whose area and name it has.
            the_type = next(t for t in names if names[t] == name and areas[t] == area)
        names.setdefault(the_type, name)
        areas.setdefault(the_type, area)
        types[first - 1:last] = the_type
        at += 1
    expect(np.all(types > 0), "every element has a type")
    return nodes, elements, types, areas, names, sorted(blocked)


def close(a, b):
    """The Geometry File holds 7 significant digits."""
    return np.allclose(a, b, rtol=2e-6, atol=1e-6 * max(1.0, float(np.max(np.abs(b), initial=0))))


def check_vtu(path, nodes, elements, types, areas, blocked):
    mesh = meshio.read(path)
    expect(mesh.points.dtype == np.float32, "VTU points are single precision")
    expect(mesh.points.shape == nodes.shape, "VTU point count %s" % (mesh.points.shape,))
    expect(close(mesh.points, nodes), "VTU coordinates")
    expect(len(mesh.cells) == 1 and mesh.cells[0].type == "line", "VTU holds line cells only")
    expect(np.array_equal(mesh.cells[0].data, elements - 1), "VTU connectivity")
    data = {name: values[0] for name, values in mesh.cell_data.items()}
    expect(np.array_equal(data["element_number"], np.arange(1, len(elements) + 1)),
           "VTU element numbers")
    expect(np.array_equal(data["type_number"], types), "VTU type numbers")
    expect(np.array_equal(data["element_kind"], types), "VTU element kinds")
    expected_areas = np.array([areas[t] for t in types], dtype=np.float32)
    expect(close(data["type_area"], expected_areas), "VTU type areas")
    expect(np.array_equal(mesh.point_data["node_number"], np.arange(1, len(nodes) + 1)),
           "VTU node numbers")
    flags = np.zeros(len(nodes), dtype=np.int64)
    flags[np.array(blocked, dtype=np.int64) - 1] = 1
    expect(np.array_equal(mesh.point_data["blocked"], flags), "VTU blocked flags")
    # The step docs/file-formats.md shows: on to Abaqus, with meshio's own command.
    inp = path.with_suffix(".inp")
    run = subprocess.run(["meshio", "convert", str(path), str(inp)], capture_output=True, text=True)
    expect(run.returncode == 0, "meshio convert: %s" % run.stderr)
    again = meshio.read(inp)
    expect(len(again.points) == len(nodes) and sum(len(c.data) for c in again.cells) ==
           len(elements), "meshio converts the VTU to Abaqus and reads it back")
    return mesh.points


def check_msh(path, nodes, elements, types, names, blocked, vtu_points):
    mesh = meshio.read(path)
    expect(mesh.points.shape == nodes.shape, "MSH node count")
    # meshio keeps the file's node order: the tags say which node each is.
    raw = Path(path).read_text().split("\n")
    at = raw.index("$Nodes") + 1
    blocks = int(raw[at].split()[0])
    at += 1
    order = []
    for _ in range(blocks):
        count = int(raw[at].split()[3])
        order += [int(v) for v in raw[at + 1:at + 1 + count]]
        at += 1 + 2 * count
    order = np.array(order, dtype=np.int64)
    expect(sorted(order.tolist()) == list(range(1, len(nodes) + 1)), "MSH node tags are 1..N")
    by_number = np.zeros_like(mesh.points)
    by_number[order - 1] = mesh.points
    expect(close(by_number, nodes), "MSH coordinates")
    # Each text is the shortest that reads back to the same float.
    expect(np.array_equal(by_number.astype(np.float32), vtu_points),
           "MSH and VTU hold the same single-precision coordinates")
    # Cells as node numbers, group by group.
    lines = [c for c in mesh.cells if c.type == "line"]
    vertices = [c for c in mesh.cells if c.type == "vertex"]
    expect(sum(len(c.data) for c in lines) == len(elements), "MSH line count")
    expect(sum(len(c.data) for c in vertices) == len(blocked), "MSH point count")
    index_of = {name: i for i, name in enumerate(mesh.cell_sets)}
    expected_groups = {names[t] for t in set(types.tolist())}
    if blocked:
        expected_groups.add("blocked nodes")
    got_groups = {n for n in mesh.cell_sets if not n.startswith("gmsh:")}
    expect(got_groups == expected_groups, "MSH groups %s, expected %s" % (got_groups, expected_groups))
    all_cells = set()
    for the_type in set(types.tolist()):
        group = mesh.cell_sets[names[the_type]]
        members = set()
        for block, chosen in zip(mesh.cells, group):
            if chosen is None or len(chosen) == 0:
                continue
            expect(block.type == "line", "group %s holds lines" % names[the_type])
            for a, b in block.data[chosen]:
                members.add((int(order[a]), int(order[b])))
        wanted = {tuple(e) for e in elements[types == the_type].tolist()}
        expect(members == wanted, "MSH group %s holds the elements of its type" % names[the_type])
        all_cells |= members
    expect(len(all_cells) == len({tuple(e) for e in elements.tolist()}), "MSH cells")
    if blocked:
        points = set()
        for block, chosen in zip(mesh.cells, mesh.cell_sets["blocked nodes"]):
            if chosen is not None and len(chosen):
                expect(block.type == "vertex", "the blocked nodes are points")
                points |= {int(order[v[0]]) for v in block.data[chosen]}
        expect(points == set(blocked), "MSH blocked nodes %s, expected %s" % (points, blocked))
    physical = mesh.field_data
    for the_type in set(types.tolist()):
        expect(physical[names[the_type]].tolist() == [the_type, 1], "MSH group tag of type %d" % the_type)


def check_dxf(path, nodes, elements, types, names):
    doc = ezdxf.readfile(path)
    expect(doc.dxfversion == "AC1009", "DXF R12")
    auditor = doc.audit()
    expect(not auditor.has_errors and not auditor.has_fixes,
           "DXF audit: %s %s" % ([str(e) for e in auditor.errors], [str(f) for f in auditor.fixes]))
    lines = doc.modelspace().query("LINE")
    expect(len(lines) == len(elements), "DXF line count %d" % len(lines))
    layer_of_type = {}
    for line, (start, end), the_type in zip(lines, elements, types):
        layer = line.dxf.layer
        expect(layer_of_type.setdefault(the_type, layer) == layer, "one layer per type")
        expect(close(np.array(line.dxf.start), nodes[start - 1]) and
               close(np.array(line.dxf.end), nodes[end - 1]), "DXF line ends")
    expect(len(set(layer_of_type.values())) == len(layer_of_type), "a layer per type")
    declared = {layer.dxf.name for layer in doc.layers}
    expect(set(layer_of_type.values()) <= declared, "every layer is in the LAYER table")
    for the_type, layer in layer_of_type.items():
        safe = "".join(c if c.isascii() and (c.isalnum() or c in "_-$") else "_" for c in names[the_type])
        expect(layer.startswith(safe[:28] or "TYPE_"), "layer %s of type %s" % (layer, names[the_type]))


def main():
    if len(sys.argv) < 3:
        fail(__doc__)
    cli, model = sys.argv[1], Path(sys.argv[2])
    extra = sys.argv[3:]
    with tempfile.TemporaryDirectory(prefix="zentrix-exports-") as folder:
        out = Path(folder)
        stem = out / model.stem
        run = subprocess.run([cli, "generate", str(model), "--language", "en", "--geometry",
                              str(stem) + ".geo", "--vtu", str(stem) + ".vtu", "--msh",
                              str(stem) + ".msh", "--dxf", str(stem) + ".dxf"] + extra,
                             capture_output=True, text=True)
        expect(run.returncode == 0, "zentrix-cli: %s" % run.stderr)
        nodes, elements, types, areas, names, blocked = read_geometry_file(Path(str(stem) + ".geo"))
        expect(blocked, "the structure has blocked nodes")
        points = check_vtu(Path(str(stem) + ".vtu"), nodes, elements, types, areas, blocked)
        check_msh(str(stem) + ".msh", nodes, elements, types, names, blocked, points)
        check_dxf(str(stem) + ".dxf", nodes, elements, types, names)
    print("%s: %d nodes, %d elements, %d blocked nodes, types %s agree in VTU, MSH and DXF" %
          (model.name, len(nodes), len(elements), len(blocked), sorted(set(types.tolist()))))


if __name__ == "__main__":
    main()
