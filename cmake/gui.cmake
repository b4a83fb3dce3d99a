# The Qt side: the window-free rules of the main window, the gui library with
# the windows and the GUI services, the ombrixgo program and their tests.
find_package(Qt6 REQUIRED COMPONENTS Widgets Network)

# Rules of the main window that need no window: linked by gui, tested without Qt.
file(GLOB mainwindow_rule_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/mainwindow/rules/*.cpp)
add_library(mainwindow_rules STATIC ${mainwindow_rule_sources})
target_link_libraries(mainwindow_rules PUBLIC core PRIVATE ombrix_warnings)

file(GLOB gui_sources CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/mainwindow/*.cpp ${CMAKE_SOURCE_DIR}/mainwindow/*.h
     ${CMAKE_SOURCE_DIR}/platform/qt/*.cpp ${CMAKE_SOURCE_DIR}/platform/qt/*.h)
add_library(gui STATIC ${gui_sources})
set_target_properties(gui PROPERTIES AUTOMOC ON)
target_link_libraries(gui PUBLIC mainwindow_rules core Qt6::Widgets Qt6::Network
                      PRIVATE ombrix_warnings)

add_executable(ombrixgo ${CMAKE_SOURCE_DIR}/programs/ombrixgo.cpp)
target_link_libraries(ombrixgo PRIVATE gui ombrix_warnings)

# Paints the image-button icons shipped in data/icons (run by hand when a picture changes).
add_executable(ombrixgo_icons ${CMAKE_SOURCE_DIR}/programs/ombrixgo_icons.cpp)
target_link_libraries(ombrixgo_icons PRIVATE Qt6::Gui ombrix_warnings)
