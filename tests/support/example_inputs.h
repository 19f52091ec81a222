// The bundled examples (examples/*.dat) as a user types them into the
// dialogs of a new model: the main dialog's counts and expansion, one text
// per node and per element, the parameter dialog's fields and the element
// types. Texts use the free-form variety a user would (commas, blanks,
// repeats); their values are the example's.
#pragma once

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace zentrix::testing_support {

struct ExampleInputs {
  std::string name;  // examples/<name>.dat
  std::string title;
  int degreesOfFreedomEntry;  // 1 "2", 2 "3"
  std::string nodesInBase0;
  std::string nodesInBase1;
  std::string elements;
  std::vector<std::string> coordinates;  // node 1, 2, ...
  std::vector<std::string> endNodes;     // element 1, 2, ...
  int directionEntry;                    // 1 X, 2 Y, 3 Z
  std::string modules;
  std::string moduleLength;
  int expansionTypeEntry;  // 1 Prismatic, 2 Pyramidal, 3 Shrink, 4 ARCH
  // Pyramidal frustum.
  std::string shrinkRatio;
  std::string vertexFoot;
  // Arch.
  int archKindEntry = 0;  // 1 Circular, 2 Parabolic
  std::string halfSpan;
  std::string archHeight;
  std::array<std::string, 4> typeNames;
  std::array<std::string, 4> typeAreas;
};

// Test names and failure reports name the example, not its bytes.
inline void PrintTo(const ExampleInputs& example, std::ostream* out) {
  *out << example.name;
}

// The example file's type name lines carry the blank that marks a text
// value, and a loaded name keeps it: its Geometry File has three blanks
// before each name where names typed in the dialog have two. This is the
// Geometry File of the typed names, made from the one of the loaded file.
inline std::string withTypedNames(std::string geometry, const ExampleInputs& example) {
  for (const std::string& name : example.typeNames) {
    const std::string loaded = "0.   " + name + "\r\n";
    for (std::size_t at = geometry.find(loaded); at != std::string::npos;
         at = geometry.find(loaded, at))
      geometry.replace(at, loaded.size(), "0.  " + name + "\r\n");
  }
  return geometry;
}

inline const std::vector<ExampleInputs>& exampleInputs() {
  static const std::vector<ExampleInputs> examples = {
      {"truss-bridge-3d",
       "Deck truss bridge 40 m - 8 panels",
       2,
       "4",
       "4",
       "18",
       {"0 -3 0", "0, 3, 0", "0 3 5", "0  -3  5", "5 -3 0", "5,3,0", "5 3 5", "5 -3 5"},
       {"1 5", "2 6", "3 7", "4 8", "5 6", "6 7", "7 8", "8 5", "1 8", "2 7", "1 6", "4 7", "5 7",
        "1 2", "2 3", "3 4", "4 1", "1 3"},
       1,
       "8",
       "5",
       1,
       "",
       "",
       0,
       "",
       "",
       {"Chord", "Cross frame", "Diagonal", "Cross-frame diagonal"},
       {"120", "60", "45", "20"}},
      {"tower-pyramidal-3d",
       "Lattice tower 36 m - pyramidal frustum",
       2,
       "4",
       "4",
       "22",
       {"-4 -4 0", "4 -4 0", "4 4 0", "-4 4 0", "-4 -4 6", "4,-4,6", "4 4 6", "-4 4 6"},
       {"1 5", "2 6", "3 7", "4 8", "5 6", "6 7", "7 8", "8 5", "1 6", "2 5", "2 7",
        "3 6", "3 8", "4 7", "4 5", "1 8", "5 7", "6 8", "1 2", "2 3", "3 4", "4 1"},
       3,
       "6",
       "6",
       2,
       "0.875",
       "3*0",
       0,
       "",
       "",
       {"Leg", "Horizontal", "Bracing", "Plan bracing"},
       {"85", "25", "18", "12"}},
      {"arch-parabolic-2d",
       "Parabolic arch truss 48 m",
       1,
       "2",
       "2",
       "5",
       {"0 0", "0, 1.2", "3 0", "3 1.2"},
       {"1 3", "2 4", "3 4", "1 4", "1 2"},
       1,
       "16",
       "3",
       4,
       "",
       "",
       2,
       "24",
       "8",
       {"Chord", "Strut", "Diagonal", "Tie"},
       {"40", "16", "20", "10"}},
      {"arch-circular-2d",
       "Circular arch frame 30 m",
       1,
       "2",
       "2",
       "5",
       {"0 0", "0 1", "2 0", "2,1"},
       {"1 3", "2 4", "3 4", "2 3", "1 2"},
       1,
       "12",
       "2",
       4,
       "",
       "",
       1,
       "15",
       "6",
       {"Chord", "Post", "Diagonal", "Tie"},
       {"32", "12.5", "14", "8"}},
  };
  return examples;
}

}  // namespace zentrix::testing_support
