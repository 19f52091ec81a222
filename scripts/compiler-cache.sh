# Sourced by the test scripts: compiled objects are kept in ccache's folder
# outside the clone, and found again from any clone of the project (paths
# are taken relative to the project folder), so that a fresh clone compiles
# only what changed. A launcher set by the caller is kept.
if command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
  export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER:-ccache}
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(pwd)} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
fi
