# The portable logic of each library, one static library per folder (its *.cpp), built
# against the platform interface. Shared by the host build and the cross build.
set(VL_WINDOWS_DIR ${CMAKE_CURRENT_LIST_DIR})

function(vl_add_logic lib)
  file(GLOB sources CONFIGURE_DEPENDS ${VL_WINDOWS_DIR}/${lib}/*.cpp)
  add_library(${lib} STATIC ${sources})
  target_link_libraries(${lib} PUBLIC vlwinapi ${ARGN})
endfunction()

vl_add_logic(VLCommon)
vl_add_logic(VLServerDLL VLCommon)
vl_add_logic(VL_MSOffice VLCommon)
vl_add_logic(VLSup VLCommon)
vl_add_logic(VL_Default VLCommon)
