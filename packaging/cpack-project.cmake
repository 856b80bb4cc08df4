# Read by cpack before each generator runs.
# CMake 3.25's RPM generator asks "${RPM_EXECUTABLE} --suggests" whether rpmbuild knows weak
# dependencies but never looks rpm up, and so drops the Suggests line: rpm is found here.
if(CPACK_GENERATOR STREQUAL "RPM" AND NOT RPM_EXECUTABLE)
    find_program(RPM_EXECUTABLE rpm)
endif()
