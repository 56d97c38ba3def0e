# Windows packaging of the Brindlow executable, included from the top-level
# CMakeLists.txt on Windows only.
#
# A GUI process (no console window) whose entry is Qt's WinMain shim: Qt 6
# links Qt6::EntryPointPrivate by itself into WIN32_EXECUTABLE targets. The
# resource script adds the application icon and a manifest asking to run with
# the invoking user's rights.
set_target_properties(Brindlow PROPERTIES WIN32_EXECUTABLE ON)
target_sources(Brindlow PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Brindlow.rc)

# The manifest comes from Brindlow.rc; MSVC's linker would add a second one.
if(MSVC)
    target_link_options(Brindlow PRIVATE /MANIFEST:NO)
endif()
