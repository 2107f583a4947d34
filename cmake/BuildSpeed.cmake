# What keeps the build fast on a small machine, without changing what is built:
# - unity builds: the sources of a target are compiled a few at a time in one unit, so the
#   Qt headers are parsed once per batch instead of once per file;
# - one precompiled header of the Qt Widgets headers, made once and used by every target
#   that draws windows (mystorin_use_gui_pch);
# - mold as the linker where it is installed: the programs and tests link in a fraction of
#   the time.
# MYSTORIN_FAST_BUILD=OFF builds every file on its own, as a check that each includes what
# it uses.
option(MYSTORIN_FAST_BUILD "Unity builds and precompiled headers" ON)

if(MYSTORIN_FAST_BUILD)
  set(CMAKE_UNITY_BUILD ON)
  set(CMAKE_UNITY_BUILD_BATCH_SIZE 8)
endif()

include(CheckLinkerFlag)
find_program(MYSTORIN_MOLD mold)
if(MYSTORIN_MOLD)
  check_linker_flag(CXX -fuse-ld=mold MYSTORIN_LINKER_MOLD)
  if(MYSTORIN_LINKER_MOLD)
    add_link_options(-fuse-ld=mold)
  endif()
endif()

# The Qt Widgets headers nearly every window file includes. A precompiled header is only
# used with the very flags it was made with, so it is made in a target of its own that
# links what the window libraries link; CMake rebuilds it when any of these headers change.
add_library(mystorin_gui_pch OBJECT ${CMAKE_CURRENT_LIST_DIR}/gui_pch.cpp)
target_link_libraries(mystorin_gui_pch PRIVATE Qt6::Widgets Qt6::PrintSupport)
set_target_properties(mystorin_gui_pch PROPERTIES UNITY_BUILD OFF)
if(MYSTORIN_FAST_BUILD)
  target_precompile_headers(mystorin_gui_pch PRIVATE
    <memory> <string> <vector> <functional>
    <QString> <QStringList> <QObject>
    <QWidget> <QDialog> <QPushButton> <QLabel> <QLineEdit> <QComboBox> <QGroupBox>
    <QGridLayout> <QHBoxLayout> <QVBoxLayout> <QPainter> <QProgressBar> <QDialogButtonBox>)
endif()

# Test executables get line tables only (-g1): stack traces keep their files and lines, and
# their units compile in about half the time, most of it spent on full debugging
# information for code no one steps through.
function(mystorin_test_target target)
  if(MYSTORIN_FAST_BUILD)
    target_compile_options(${target} PRIVATE -g1)
  endif()
endfunction()

function(mystorin_use_gui_pch target)
  if(MYSTORIN_FAST_BUILD)
    target_precompile_headers(${target} REUSE_FROM mystorin_gui_pch)
  endif()
endfunction()
