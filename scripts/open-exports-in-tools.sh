#!/usr/bin/env bash
# Opens the exports of every example (and of the circular arch numbered
# from Base 0) in the tools engineers use, when they are installed, and
# prints what they say. Not part of the test run.
#  - Gmsh (Debian package gmsh): `gmsh -check` on the MSH file, then the
#    mesh saved again by Gmsh, whose physical groups are printed.
#  - ParaView's Python (pvpython, Debian package paraview): the VTU file
#    through ParaView's reader; without it, VTK's own Python (python3-vtk9),
#    which holds the same reader.
# A tool that is not installed is named and skipped.
#   scripts/open-exports-in-tools.sh [build-folder]   (default: build/default)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
cli=$build/zentrix-cli
if [ ! -x "$cli" ]; then
  echo "no $cli: build it first (cmake --build --preset default --target zentrix-cli)" >&2
  exit 1
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

read_vtu='
import sys
if sys.argv[1] == "paraview":
    from paraview import servermanager
    from paraview.simple import XMLUnstructuredGridReader
    reader = XMLUnstructuredGridReader(FileName=[sys.argv[2]])
    reader.UpdatePipeline()
    grid = servermanager.Fetch(reader)
else:
    from vtkmodules.vtkIOXML import vtkXMLUnstructuredGridReader
    reader = vtkXMLUnstructuredGridReader()
    reader.SetFileName(sys.argv[2])
    reader.Update()
    grid = reader.GetOutput()
cells = grid.GetCellTypesArray()
kinds = sorted({int(cells.GetValue(i)) for i in range(cells.GetNumberOfTuples())}) if cells else []
print("  %d points, %d cells of VTK types %s" % (grid.GetNumberOfPoints(), grid.GetNumberOfCells(), kinds))
for label, data in (("point", grid.GetPointData()), ("cell", grid.GetCellData())):
    for i in range(data.GetNumberOfArrays()):
        array = data.GetArray(i)
        print("  %s data %s: %s, range %s" % (label, array.GetName(), array.GetDataTypeAsString(),
                                               array.GetRange()))
'

vtu_reader=""
if command -v pvpython >/dev/null; then
  vtu_reader=paraview
elif /usr/bin/python3 -c 'import vtkmodules.vtkIOXML' 2>/dev/null; then
  vtu_reader=vtk
fi
command -v gmsh >/dev/null || echo "gmsh is not installed: the MSH files are not opened"
[ -n "$vtu_reader" ] || echo "neither pvpython nor python3-vtk9 is installed: the VTU files are not opened"

cases=()
for example in examples/*.dat; do cases+=("$example|on"); done
cases+=("examples/arch-circular-2d.dat|off")
for case in "${cases[@]}"; do
  example=${case%|*}
  base0last=${case#*|}
  name=$(basename "$example" .dat)-base0-last-$base0last
  "$cli" generate "$example" --language en --base0-last "$base0last" --vtu "$out/$name.vtu" \
    --msh "$out/$name.msh" --dxf "$out/$name.dxf" >/dev/null
  echo "== $name"
  if command -v gmsh >/dev/null; then
    echo "gmsh -check $name.msh:"
    # Gmsh's check finds two elements "duplicate" when their centres meet,
    # as the crossed diagonals of a square cross-section do.
    { gmsh -check "$out/$name.msh" 2>&1 || true; } |
      { grep -E 'Info *: [0-9]+ (entities|nodes|elements)|Warning|Error' || true; } | sed 's/^/  /'
    gmsh "$out/$name.msh" -save -format msh41 -o "$out/$name-gmsh.msh" >/dev/null 2>&1 || true
    echo "  physical groups after Gmsh saved it again:"
    sed -n '/^\$PhysicalNames/,/^\$EndPhysicalNames/p' "$out/$name-gmsh.msh" | sed '1,2d;$d' |
      sed 's/^/    /'
  fi
  if [ "$vtu_reader" = paraview ]; then
    echo "pvpython reads $name.vtu:"
    pvpython -c "$read_vtu" paraview "$out/$name.vtu" 2>&1
  elif [ "$vtu_reader" = vtk ]; then
    echo "VTK's vtkXMLUnstructuredGridReader (ParaView's reader) reads $name.vtu:"
    /usr/bin/python3 -c "$read_vtu" vtk "$out/$name.vtu" 2>&1
  fi
done
