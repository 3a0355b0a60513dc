# Precompiled headers: the Qt headers the windows include, compiled once in
# kordgui and reused by every other target of gui/ (once more for tests/gui/), and
# GoogleTest, compiled once in kord_core_tests and reused by kord_cli_tests.
# Included at the end of the top-level CMakeLists, so targets added later in
# those folders are covered too.

function(kord_targets_in folder result)
  get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
  foreach(subfolder IN LISTS subfolders)
    kord_targets_in(${subfolder} more)
    list(APPEND targets ${more})
  endforeach()
  set(${result} ${targets} PARENT_SCOPE)
endfunction()

function(kord_reuse_headers source folder)
  kord_targets_in(${folder} targets)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT target STREQUAL source AND type MATCHES "EXECUTABLE|LIBRARY")
      target_precompile_headers(${target} REUSE_FROM ${source})
    endif()
  endforeach()
endfunction()

set(kord_qt_headers
  <QApplication> <QCheckBox> <QComboBox> <QDialog> <QDir> <QFileInfo> <QGridLayout> <QGroupBox>
  <QHBoxLayout> <QKeyEvent> <QLabel> <QLineEdit> <QListWidget> <QMenu> <QPainter> <QPlainTextEdit>
  <QPushButton> <QRadioButton> <QString> <QStyle> <QTableWidget> <QTreeWidget> <QVBoxLayout> <QWidget>
  <map> <string> <vector>)

if(TARGET kordgui)
  target_precompile_headers(kordgui PRIVATE ${kord_qt_headers})
  kord_reuse_headers(kordgui ${PROJECT_SOURCE_DIR}/gui)
endif()

# The window tests are built without the windows' ban on implicit text casts
# (QT_NO_CAST_*), which changes what the Qt headers declare: they precompile
# the same headers once more, in a library of their own.
if(TARGET kord_gui_test_headers)
  target_precompile_headers(kord_gui_test_headers PRIVATE ${kord_qt_headers})
  kord_reuse_headers(kord_gui_test_headers ${PROJECT_SOURCE_DIR}/tests/gui)
endif()

if(TARGET kord_core_tests)
  target_precompile_headers(kord_core_tests PRIVATE <gtest/gtest.h> <filesystem> <map> <string> <vector>)
  target_precompile_headers(kord_cli_tests REUSE_FROM kord_core_tests)
endif()
